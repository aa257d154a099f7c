// The calculation window ("Define Calculation") with its output options.
#pragma once

#include <QDialog>
#include <vector>

#include "editor/option_choices.h"
#include "model/project_model.h"

class QCheckBox;

namespace tarnix {

class FieldWindow;

/// "Define Calculation": the six output options and "Perform Calculations".
class CalculationWindow : public QDialog {
  Q_OBJECT

 public:
  CalculationWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

 signals:
  void PerformRequested();
  void ControlParametersRequested();
  /// An output option or the title changed.
  void Edited();

 private:
  ProjectModel& m_;
  std::vector<std::pair<QCheckBox*, OutputOption>> boxes_;
  FieldWindow* title_ = nullptr;
};

}  // namespace tarnix
