// Analysis step of the calculation run: the slender wall design of every load condition.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Computes the slender wall design of every load condition from the model's inputs and stores them in the model's result block.
void DesignSlenderWall(ProjectModel& m);

}  // namespace tarnix
