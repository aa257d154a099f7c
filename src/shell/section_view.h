// The cross-section drawn to one scale that fits the view: concrete, holes, steel shapes, pipes, bars and
// the overall dimensions, depth downward as in the input.
#pragma once

#include <QWidget>

#include "plot/section_drawing.h"

namespace tarnix {

class SectionView : public QWidget {
  Q_OBJECT

 public:
  explicit SectionView(QWidget* parent = nullptr);
  /// Replaces the drawing shown.
  void ShowDrawing(const SectionDrawing& drawing);
  const SectionDrawing& Shown() const { return drawing_; }

 signals:
  /// A double click asks for the section to be drawn again from the project.
  void RedrawRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  SectionDrawing drawing_;
};

}  // namespace tarnix
