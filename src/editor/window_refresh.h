// Filling the main window from the model.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Lives while the window writes every model value into its controls. On entry it sets `refreshing` (so
/// the clicks that setting the controls raises change nothing), makes record 1 of every list and point 1
/// of each curve current (the window shows those) and works out the derived output options again; at its
/// end `refreshing` returns to what it was (0 unless scopes nest).
class RefreshScope {
 public:
  explicit RefreshScope(ProjectModel& m);
  ~RefreshScope();
  RefreshScope(const RefreshScope&) = delete;
  RefreshScope& operator=(const RefreshScope&) = delete;

 private:
  ProjectModel& m_;
  int previous_;
};

}  // namespace tarnix
