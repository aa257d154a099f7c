// Converting a whole project between English and metric units.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Switches the project to English (true) or metric units and converts every length, area, stress and
/// modulus, load and moment so that the section, materials and loads stay the same physical ones. Strains,
/// angles, ratios and counts stay as they are; the control parameters take the defaults of the new system.
/// Does nothing when the project already uses that system.
void ConvertUnits(ProjectModel& m, bool english);

}  // namespace tarnix
