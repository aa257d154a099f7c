// The bar generators' dialog: a rectangular perimeter or a circular pattern, its dimensions, counts and bar
// sizes; the bars it makes go to the single-bar list.
#pragma once

#include <QDialog>
#include <vector>

#include "editor/bar_generators.h"
#include "model/project_model.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace tarnix {

class BarGeneratorDialog : public QDialog {
  Q_OBJECT

 public:
  /// Opens with the current concrete rectangle and circle of `m`, in its units.
  BarGeneratorDialog(const ProjectModel& m, QWidget* parent);
  /// The bars of the accepted pattern.
  const std::vector<SingleBar>& Bars() const { return bars_; }
  /// The pattern as the fields and lists show it: 0 the rectangle, 1 the circle.
  void ChoosePattern(int pattern);
  GeneratedBars Generate() const;

  void accept() override;

 private:
  QLineEdit* Number(float value);

  const ProjectModel& m_;
  QTabWidget* patterns_;
  QLineEdit *left_, *top_, *width_, *depth_, *rectCover_;
  QSpinBox *barsX_, *barsY_;
  QLineEdit *xc_, *yc_, *radius_, *outerRadius_, *circleCover_, *start_;
  QSpinBox* count_;
  QComboBox *tie_, *bar_;
  std::vector<SingleBar> bars_;
};

}  // namespace tarnix
