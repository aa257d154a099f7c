// "CONTROL PARAMETERS": the increments of the interaction diagram and the moment-curvature analysis.
#pragma once

#include <vector>

#include "shell/field_window.h"

class QRadioButton;

namespace tarnix {

/// The control-parameter fields and the choice of the Park strain hardening.
class ControlParametersWindow : public FieldWindow {
  Q_OBJECT

 public:
  ControlParametersWindow(ProjectModel& m, QWidget* parent);
  void Refresh() override;

 private:
  std::vector<QRadioButton*> park_;
};

}  // namespace tarnix
