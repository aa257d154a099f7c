// The nominal moment-axial interaction diagram by strain compatibility with a rectangular stress block,
// and the capacity of every load condition found on it.
#pragma once

#include <vector>

namespace tarnix {

struct ProjectModel;

/// Capacity of one load condition on the diagram. Forces in lb / N, moments in lb-in / N-mm about the
/// gross concrete centroid.
struct LoadCapacity {
  float capPhi = 0;     ///< strength reduction factor used
  float capAxial = 0;   ///< factored axial capacity phi Pn
  float capMoment = 0;  ///< factored moment capacity phi Mn
  int capPoint = 1;     ///< diagram point used
  int capFound = 1;     ///< 1 while no point has been taken (the load has no capacity)
};

/// Result block of ComputeInteractionDiagram. Arrays are indexed by point number 1..idCount (slot 0 and
/// entries past idCount are not part of the diagram). Point 1 is the maximum tension point, point
/// idCount the maximum compression point.
struct InteractionDiagram {
  std::vector<float> idDepth;          ///< neutral-axis depth c
  std::vector<float> idAxial;          ///< nominal axial force Pn, compression positive
  std::vector<float> idMoment;         ///< nominal moment Mn about the gross concrete centroid
  std::vector<float> idTensileStrain;  ///< most tensile bar strain (0 or negative) of the point
  int idCount = 0;
  int idPureBending = 1;
  int idBalanced = 1;
  float PnMax = 0;  ///< cap on the nominal axial compression
  bool incrementTooSmall = false;  ///< the walk was refused: sectionDepth / inc is not a usable count
  std::vector<LoadCapacity> capacity;  ///< per load condition 1..ns
};

/// The section evaluated by strain compatibility at one neutral-axis depth: nominal axial force (compression
/// positive), nominal moment about the gross concrete centroid and the most tensile bar strain (0 or negative).
struct SectionPoint {
  float axial = 0;
  float moment = 0;
  float tensileStrain = 0;
};

/// Largest usable number of neutral-axis steps; a smaller increment is refused rather than allocated.
constexpr int kMaxDiagramSteps = 1000000;

/// Computes the model's InteractionDiagram, evaluating every load condition as the walk goes. Needs the
/// section properties of the same model.
void ComputeInteractionDiagram(ProjectModel& m);

/// Po, the nominal axial strength of the section in pure compression (resistance factors applied).
float SquashLoad(const ProjectModel& m);

/// Po times the criteria's cap factor (0.80 / 0.85, 0.75 / 0.80 for OHBDC and S6, 1 for user defined).
float MaximumAxialCapacity(const ProjectModel& m);

}  // namespace tarnix
