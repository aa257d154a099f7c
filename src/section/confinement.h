// Confined strength and ultimate strain of the Mander concrete model from the confinement steel:
// spirals, circular hoops, cross ties of a rectangular member, or a cylindrical steel casing.
#pragma once

#include <string>

#include "model/project_model.h"

namespace tarnix {

/// Writes fcc (to 0.1) and ecu (to 0.00001) of the Mander model from the confinement arrangement; with
/// confinement neglected, fcc = fc0 and ecu = esp. Returns the reason when the arrangement has a zero
/// dimension, no confined core or no unconfined strength, and then changes nothing.
std::string ComputeConfinement(ProjectModel& m);

/// Core dimensions that follow the cover: the hoop or spiral diameter from the first circle (options 2,
/// 3), or the core width and height from the first rectangle (option 4, with reinforcing lines). Returns
/// a note when option 4 has no concrete rectangle to take the core from (the fields are then kept).
std::string DeriveCoreDimensions(ProjectModel& m);

}  // namespace tarnix
