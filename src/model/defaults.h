// Default states of the model: the complete reset, the defaults of each design criteria in each unit
// system, the values derived from the concrete strength, the control parameters, and which user action
// applies which of them.
#pragma once

#include <string>
#include <string_view>

#include "model/project_model.h"

namespace tarnix {

/// Puts every input field into its default state (AREMA, English units, no records, no loads, Simple
/// concrete and Park steel with their default curves); the records themselves and the file names are kept.
void ResetAll(ProjectModel& m);

/// Sets every record in storage on the vertical axis (x 0), removes the polygons and single bars, the
/// loads' moments about the vertical axis and the member data for that axis, and sets the
/// moment-curvature angle to 0 and the surface to its default angles: the one-dimensional model.
void ClearTwoDimensionalData(ProjectModel& m);

/// Strengths, moduli, stress-block and resistance factors of the current criteria and unit system; also
/// the unit factors. An unknown criteria key changes only the unit factors.
void ApplyCriteriaDefaults(ProjectModel& m);

/// The stress-block factor b1 (for CSA criteria also a1) and the modulus Ec that the criteria derives
/// from fpc.
void DeriveFromConcreteStrength(ProjectModel& m);

/// The numerical control parameters of the current unit system (ParkModel is not touched).
void ApplyControlDefaults(ProjectModel& m);

/// User actions and the rules they apply, in order (the caller refreshes the window afterwards):
/// choosing a criteria key from the list (user-defined criteria also set slenderness option 1, metric-only
/// criteria switch to metric units);
void ChooseCriteria(ProjectModel& m, const std::string& key);
/// choosing English (true) or metric units; metric-only criteria stay metric;
void ChooseUnits(ProjectModel& m, bool english);
/// typing the concrete strength (lenient text); derived values follow unless the criteria is user defined.
void EditConcreteStrength(ProjectModel& m, std::string_view text);

/// round0 ... round5 of the default rules: half away from zero, stored as a float.
float RoundTo(double x, int decimals);

}  // namespace tarnix
