// Elastic properties of the section: gross concrete, reinforcing, steel shapes and the transformed
// section, with the section extents and the balanced neutral-axis depth.
#pragma once

#include "model/section_results.h"

namespace tarnix {

struct ProjectModel;

/// What a problem means ("The concrete records have no net area"); empty for SectionProblem::None.
const char* SectionProblemText(SectionProblem problem);

/// Computes the model's SectionProperties block. Applies the full-circle rule to every arc of the model.
void ComputeSectionProperties(ProjectModel& m);

}  // namespace tarnix
