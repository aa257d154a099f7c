// A project built from Python keyword arguments by the rules of the window's fields and tables.
#pragma once

#include <pybind11/pybind11.h>

#include "model/project_model.h"

namespace tarnix {

/// The project a fresh start gives, with the keyword arguments typed in as an engineer types them into the
/// window: units and criteria first (each with its defaults), the slenderness option, the moment-curvature
/// switch and the material-model options, then every value by its field's rule (f'c derives a1, b1 and Ec
/// unless they are given too), the records and loads row by row as the tables take them, the member data
/// and last the steel curve points. The names are those of the project file (docs/project-file.md), with
/// the members of its groups of single values given directly ("fpc", "a1", "phiC", "fc0", "ds",
/// "confinement" for the confinement option). Raises ValueError with the field's or the completeness
/// check's message at the first value refused.
ProjectModel BuildProject(const pybind11::dict& values);

}  // namespace tarnix
