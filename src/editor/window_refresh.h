// Filling the windows from the model.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Lives while a window writes model values into its controls: sets `refreshing`, so that the clicks
/// which setting the controls raises change nothing, and at its end returns it to what it was (0 unless
/// guards nest). The confinement, control-parameter and calculation windows fill under this guard.
class FillingGuard {
 public:
  explicit FillingGuard(ProjectModel& m);
  ~FillingGuard();
  FillingGuard(const FillingGuard&) = delete;
  FillingGuard& operator=(const FillingGuard&) = delete;

 private:
  ProjectModel& m_;
  int previous_;
};

/// The refresh of the main window, alive while it fills every control: a FillingGuard that first makes
/// record 1 of every list and point 1 of each curve current (the window shows those) and works out the
/// derived output options again.
class RefreshScope {
 public:
  explicit RefreshScope(ProjectModel& m);

 private:
  FillingGuard guard_;
};

}  // namespace tarnix
