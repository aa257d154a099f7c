// The nominal moment-axial interaction diagram by strain compatibility with a rectangular stress block,
// and the capacity of every load condition found on it.
#pragma once

#include "model/strength_results.h"

namespace tarnix {

struct ProjectModel;

/// The section evaluated by strain compatibility at one neutral-axis depth: nominal axial force (compression
/// positive), nominal moment about the gross concrete centroid and the most tensile bar strain (0 or negative).
struct SectionPoint {
  float axial = 0;
  float moment = 0;
  float tensileStrain = 0;
};

/// Largest usable number of neutral-axis steps down to the section depth; a smaller increment is refused
/// rather than allocated. The walk past the section takes at most as many again.
constexpr int kMaxDiagramSteps = 1000000;

/// Computes the model's InteractionDiagram, evaluating every load condition as the walk goes. The neutral
/// axis moves down by inc from the top, on past the section, until Pn reaches Pn,max; that depth is a point
/// of its own, followed by the maximum compression point (Pn,max, 0). Needs the section properties of the
/// same model.
void ComputeInteractionDiagram(ProjectModel& m);

/// Po, the nominal axial strength of the section in pure compression (resistance factors applied).
float SquashLoad(const ProjectModel& m);

/// The section is a spiral column: bars on arcs only, or, where the criteria says so, spiral confinement
/// of Mander concrete chosen for a moment-curvature analysis. Otherwise a tied column.
bool IsSpiralColumn(const ProjectModel& m);

/// The strength reduction factor of a compression-controlled section: phiC, or the criteria's spiral
/// value for a spiral column where it has one.
float CompressionPhi(const ProjectModel& m);

/// Po times the criteria's cap factor (0.80 / 0.85, 0.75 / 0.80 for OHBDC and S6, 1 for user defined),
/// with fy in Po limited where the criteria limits it.
float MaximumAxialCapacity(const ProjectModel& m);

}  // namespace tarnix
