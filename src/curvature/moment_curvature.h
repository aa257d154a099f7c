// Moment-curvature analysis of every load condition under its constant axial load.
#pragma once

#include <string>

namespace tarnix {

struct ProjectModel;

/// Result block of MomentCurvatureAnalysis.
struct McResult {
  std::string problem;  ///< why the analysis could not run ("*** ..."), empty when it ran
};

/// Traces the moment-curvature curve of every load condition and stores it in the model's result block.
void MomentCurvatureAnalysis(ProjectModel& m);

}  // namespace tarnix
