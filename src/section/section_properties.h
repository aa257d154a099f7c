// Analysis step of the calculation run: the gross, reinforcing, steel and transformed section properties.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Computes the gross, reinforcing, steel and transformed section properties from the model's inputs and stores them in the model's result block.
void ComputeSectionProperties(ProjectModel& m);

}  // namespace tarnix
