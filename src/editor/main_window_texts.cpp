// Texts of the main window that follow the model.
#include "editor/main_window_texts.h"

namespace tarnix {

std::string ParkModelTip(const ProjectModel& m) {
  return m.ParkModel == StrainHardening::Parabolic ? "Park model with parabolic strain hardening" : "Park model with complex strain hardening";
}

}  // namespace tarnix
