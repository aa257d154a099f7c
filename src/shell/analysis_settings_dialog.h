// "Analysis settings": the report's title and parts, and the control parameters of the interaction
// diagram and the moment-curvature analysis, in one dialog with OK, Cancel and Restore defaults.
#pragma once

#include <QDialog>
#include <vector>

#include "editor/option_choices.h"
#include "shell/field_window.h"

class QCheckBox;
class QRadioButton;

namespace tarnix {

/// The fields write through to the project as they are typed; the main window keeps the project as it
/// was when the dialog opened and puts it back on Cancel.
class AnalysisSettingsDialog : public FieldWindow {
  Q_OBJECT

 public:
  AnalysisSettingsDialog(ProjectModel& m, QWidget* parent);
  void Refresh() override;

 private:
  std::vector<std::pair<QCheckBox*, OutputOption>> boxes_;
  std::vector<QRadioButton*> park_;
};

}  // namespace tarnix
