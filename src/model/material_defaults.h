// Default parameters of the stress-strain curves used by the moment-curvature analysis: concrete model,
// reinforcing and structural steel points, confinement inputs and the largest strain of the analysis.
#pragma once

#include <string_view>

#include "model/project_model.h"

namespace tarnix {

/// ec0, fc0, ecu, fcu, esp, fcc and Eci of the chosen concrete model.
void ApplyConcreteModelDefaults(ProjectModel& m);
/// The reinforcing point table of reinfModel, then the structural steel table of steelModel; sets
/// StressStrainPointCount to the size of the structural steel table.
void ApplySteelModelDefaults(ProjectModel& m);
/// Concrete, then both steel curves.
void ApplyMaterialModelDefaults(ProjectModel& m);
/// The confinement inputs of confinementOption, taken from the section where it has them.
void ApplyConfinementDefaults(ProjectModel& m);
/// eend: the strain at which the moment-curvature analysis stops (concrete spalling or crushing, or the
/// end of the structural steel curve for a steel-only section).
void SetMaximumStrain(ProjectModel& m);
/// Typing fc0: stores it and derives Eci from it.
void DeriveInitialModulus(ProjectModel& m, std::string_view text);

/// After a change of the inputs the material-model defaults depend on (f'c, fy, fs, the moduli, the units,
/// the criteria): every concrete-model value and steel point that still holds the default of the inputs
/// in `before` takes the default of the new inputs; values set by the engineer or the file are kept.
void FollowMaterialDefaults(ProjectModel& m, const ProjectModel& before);

/// User choices and the defaults they apply: the concrete model (1 Linear, 2 Simple, 3 Mander), the steel
/// model (1 Bilinear, 2 Park, for reinforcing and structural steel together), the confinement option.
void ChooseConcreteModel(ProjectModel& m, int model);
void ChooseSteelModel(ProjectModel& m, int model);
void ChooseConfinementOption(ProjectModel& m, int option);

}  // namespace tarnix
