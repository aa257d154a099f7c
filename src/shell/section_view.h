// The cross-section drawn to one scale that fits the view: concrete, holes, steel shapes, pipes, bars, the
// overall dimensions, the coordinate axes, the gross centroid with its principal axes and a load's neutral
// axis with its compression zone, depth downward as in the input. The pointer resting on a shape names its
// record (a bar its place and size); a click on a shape asks for its record.
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
  /// A click on the shape of record `record` of kind `source`.
  void ShapeClicked(RecordKind source, int record);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const DrawShape* ShapeUnder(QPointF at) const;


  SectionDrawing drawing_;
};

}  // namespace tarnix
