// the moment-curvature curve of every load condition.
#include "curvature/moment_curvature.h"

namespace tarnix {

void MomentCurvatureAnalysis(ProjectModel& /*m*/) {}

}  // namespace tarnix
