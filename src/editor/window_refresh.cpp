// Filling the main window from the model.
#include "editor/window_refresh.h"

#include "model/model_edits.h"

namespace tarnix {

RefreshScope::RefreshScope(ProjectModel& m) : m_(m), previous_(m.refreshing) {
  m_.refreshing = 1;
  m_.currentRect = m_.currentCirc = m_.currentLine = m_.currentArc = 1;
  m_.currentBar = m_.currentPipe = m_.currentLoad = 1;
  m_.currentRPoint = m_.currentSPoint = 1;
  DeriveOutputOptions(m_);
}

RefreshScope::~RefreshScope() { m_.refreshing = previous_; }

}  // namespace tarnix
