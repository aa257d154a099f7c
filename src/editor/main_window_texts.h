// Fixed texts of the main window's buttons and options, and the tool-tip of the Park option, which names
// the chosen strain hardening. The fields' tool-tips are in field_descriptors.h.
#pragma once

#include <string>

#include "model/project_model.h"

namespace tarnix {

constexpr const char* kMainWindowCaption = "CONCRETE SECTION ANALYSIS";

/// Tool-tips of the buttons and of the options whose texts do not change.
constexpr const char* kLinearModelTip = "Linear model uses fpc and em from CRITERIA";
constexpr const char* kSimpleModelTip = "Simple model can be used for unconfined sections";
constexpr const char* kManderModelTip = "Mander model accounts for concrete confinement";
constexpr const char* kBilinearModelTip = "Bilinear model";
constexpr const char* kCalcFccTip = "Calculate confined stress and ultimate strain from confinement steel arrangement";
constexpr const char* kNeglectConfinementTip = "Neglect confinement (use Mander's unconfined model)";

/// The Park option: "Park model with parabolic strain hardening" (ParkModel 1) or "Park model with complex
/// strain hardening".
std::string ParkModelTip(const ProjectModel& m);

/// The About window: the program, its version, the date it was built (`buildDate`, "2026-12-09"), what it
/// does and its licence.
std::string AboutText(const std::string& buildDate);

}  // namespace tarnix
