// Moment-curvature analysis.
#include "curvature/moment_curvature.h"

#include "model/project_model.h"
#include "section/stress_strain.h"

namespace tarnix {

void MomentCurvatureAnalysis(ProjectModel& m) {
  McResult result;
  // Curves that cannot be evaluated (a Mander modulus not above the secant modulus, ...) give no analysis.
  result.problem = MaterialModelProblem(m);
  m.momentCurvature = std::move(result);
}

}  // namespace tarnix
