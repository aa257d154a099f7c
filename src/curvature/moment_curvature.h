// Moment-curvature analysis of every load condition under its constant axial load: the top-fibre strain
// is raised step by step and, at each strain, the neutral-axis depth is solved at which the section's axial
// force equals the load; each solution is a point of the curve, and every event gets a point at the strain
// where it first occurs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "section/mc_events.h"

namespace tarnix {

struct ProjectModel;

/// A stored point: top-fibre strain, neutral-axis depth, axial force of the section (lb / N; the load within
/// the equilibrium tolerance) and moment about the gross concrete centroid (lb-in / N-mm), with the events
/// of the section in that state.
struct McPoint {
  float strain = 0;
  float depth = 0;
  float axial = 0;
  float moment = 0;
  McEvents events;
};

/// The curve of one load condition.
struct McCurve {
  std::vector<McPoint> points;
  bool failRecorded = false;  ///< the curve ended by a failure event, at failPoint (its last point)
  McPoint failPoint;
  float maxTension = 0;        ///< most negative total tension force among the stored points
  float maxTensionMoment = 0;  ///< moment of the point that set it
  bool finished = false;       ///< ended by a failure event
};

/// Result block of MomentCurvatureAnalysis.
struct McResult {
  std::string problem;          ///< why the analysis could not run ("*** ..."), empty when it ran
  std::string rejection;        ///< "Load condition i is too high (low) for MC analysis", empty when accepted
  int stepCount = 0;            ///< number of strain steps
  long long evaluations = 0;    ///< section evaluations the analysis made
  std::vector<McCurve> curves;  ///< per load condition 1..ns (slot 0 unused)
  bool ran() const { return problem.empty() && rejection.empty() && !curves.empty(); }
};

/// Progress of the analysis: the status texts ("Moment-curvature", "Step n of N converged") and a cancel
/// request checked between strain steps.
struct McProgress {
  std::function<void(const std::string& first, const std::string& second)> status;
  std::function<bool()> cancelled;
};

/// Traces the moment-curvature curve of every load condition and stores it in the model's result block.
/// Needs the section properties. Raises ebeg to einc when it is smaller and sets cend to the depth at which
/// the first search starts.
void MomentCurvatureAnalysis(ProjectModel& m, const McProgress& progress = {});

}  // namespace tarnix
