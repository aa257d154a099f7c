// Analysis step of the calculation run: the moment-axial interaction diagram and the capacity of every load condition.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Computes the moment-axial interaction diagram and the capacity of every load condition from the model's inputs and stores them in the model's result block.
void ComputeInteractionDiagram(ProjectModel& m);

}  // namespace tarnix
