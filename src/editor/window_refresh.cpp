// Filling the windows from the model.
#include "editor/window_refresh.h"

#include "model/model_edits.h"

namespace tarnix {

FillingGuard::FillingGuard(ProjectModel& m) : m_(m), previous_(m.refreshing) { m_.refreshing = 1; }

FillingGuard::~FillingGuard() { m_.refreshing = previous_; }

RefreshScope::RefreshScope(ProjectModel& m) : guard_(m) {
  m.currentRect = m.currentCirc = m.currentLine = m.currentArc = 1;
  m.currentBar = m.currentPipe = m.currentLoad = 1;
  m.currentRPoint = m.currentSPoint = 1;
  DeriveOutputOptions(m);
}

}  // namespace tarnix
