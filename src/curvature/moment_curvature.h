// Analysis step of the calculation run: the moment-curvature curve of every load condition.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// Computes the moment-curvature curve of every load condition from the model's inputs and stores them in the model's result block.
void MomentCurvatureAnalysis(ProjectModel& m);

}  // namespace tarnix
