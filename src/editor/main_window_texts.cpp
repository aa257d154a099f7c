// Texts of the main window that follow the model.
#include "editor/main_window_texts.h"

#include "base/version.h"

namespace tarnix {

std::string ParkModelTip(const ProjectModel& m) {
  return m.ParkModel == StrainHardening::Parabolic ? "Park model with parabolic strain hardening" : "Park model with complex strain hardening";
}

std::string AboutText(const std::string& buildDate) {
  return std::string("Program TARNIX version ") + kTarnixVersion + ", built " + buildDate +
         ".\n\nProgram TARNIX may be used to analyze a reinforced concrete member for axial load and moment "
         "with or without an embedded steel shape.\n\nLicensed under the Apache License, Version 2.0 (the "
         "file LICENSE that comes with the program). The program is distributed on an \"AS IS\" basis, "
         "without warranties or conditions of any kind.";
}

}  // namespace tarnix
