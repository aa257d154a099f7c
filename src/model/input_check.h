// The completeness check that guards a calculation run and saving the input file.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// True when the model describes a section, loads and member that the analyses can work with: the criteria
/// is one the program knows, there is a section (concrete, or structural steel alone; reinforcing needs
/// concrete), every load has an axial load or a moment unless a moment-curvature analysis is made, a slender
/// member has a length and an effective length factor, and a moment-curvature analysis has loads and the
/// curve parameters it needs.
bool IsInputComplete(const ProjectModel& m);

/// Stores IsInputComplete in m.inputComplete and returns it.
bool CheckInputComplete(ProjectModel& m);

}  // namespace tarnix
