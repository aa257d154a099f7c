// Analysis step of the calculation run: the moment magnification of every load condition for a slender member.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Computes the moment magnification of every load condition for a slender member from the model's inputs and stores them in the model's result block.
void MagnifyMoments(ProjectModel& m);

}  // namespace tarnix
