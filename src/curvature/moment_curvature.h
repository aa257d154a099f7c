// Moment-curvature analysis of every load condition under its constant axial load: the top-fibre strain
// is raised step by step and, at each strain, the neutral-axis depth is solved at which the section's axial
// force equals the load; each solution is a point of the curve, and every event gets a point at the strain
// where it first occurs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/curvature_results.h"

namespace tarnix {

struct ProjectModel;

/// Progress of the analysis: the status texts ("Moment-curvature", "Step n of N converged") and a cancel
/// request checked between strain steps.
struct McProgress {
  std::function<void(const std::string& first, const std::string& second)> status;
  std::function<bool()> cancelled;
};

/// Traces the moment-curvature curve of every load condition across the neutral axis at the angle mcAngle
/// and stores it in the model's result block.
/// A curve ends at its first failure, at the last strain, or at the last state in equilibrium when no
/// neutral-axis depth balances its load at a larger strain (McCurve::end). Needs the section properties. Raises ebeg to einc when it is smaller and sets cend to the depth at which
/// the first search starts.
void MomentCurvatureAnalysis(ProjectModel& m, const McProgress& progress = {});

}  // namespace tarnix
