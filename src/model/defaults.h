// Default states of the model: the complete reset and the control parameters of each unit system.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Puts every input field into its default state (AREMA, English units, no records, no loads); the
/// records themselves and the file names are kept.
void ResetAll(ProjectModel& m);

/// The numerical control parameters of the current unit system (ParkModel is not touched).
void ApplyControlDefaults(ProjectModel& m);

}  // namespace tarnix
