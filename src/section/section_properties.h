// Elastic properties of the section: gross concrete, reinforcing, steel shapes and the transformed
// section, with the section extents and the balanced neutral-axis depth.
#pragma once

#include "model/section_results.h"

namespace tarnix {

struct ProjectModel;

/// What a problem means ("The concrete records have no net area"); empty for SectionProblem::None.
const char* SectionProblemText(SectionProblem problem);

/// The balanced neutral-axis depth: the extreme fibre at em while the deepest bar (at depth `barDepth`, 0
/// without bars) reaches the yield strain, or, where the section has steel shapes and that is shallower,
/// while the deepest steel (at `steelDepth`) does. Depths across the axis the caller measures along.
float BalancedNeutralAxisDepth(const ProjectModel& m, float barDepth, float steelDepth);

/// Computes the model's SectionProperties block. Applies the full-circle rule to every arc of the model.
void ComputeSectionProperties(ProjectModel& m);

}  // namespace tarnix
