// The nominal moment-axial interaction diagram by strain compatibility with a rectangular stress block,
// and the capacity of every load condition found on it.
#pragma once

#include <vector>

#include "model/strength_results.h"
#include "section/projection.h"

namespace tarnix {

struct ProjectModel;

/// The section evaluated by strain compatibility at one neutral-axis depth: nominal axial force (compression
/// positive), nominal moments about the gross concrete centroid (moment = Mx about the horizontal axis,
/// momentY = My about the vertical one; see base/conventions.h) and the most tensile bar strain (0 or
/// negative).
struct SectionPoint {
  float axial = 0;
  float moment = 0;
  float tensileStrain = 0;
  float momentY = 0;
};

/// The forces of the section at one neutral-axis depth, summed over the concrete block, the bars and the
/// steel shapes (compression positive).
struct StressBlockForces {
  double axial = 0;          ///< all forces
  double firstMoment = 0;    ///< sum of F y about the top reference line
  double firstMomentX = 0;   ///< sum of F x about the vertical line x = 0 (0 for the upright section of a
                             ///< model that is not two-dimensional, whose My is not asked for)
  double tensionAxial = 0;   ///< the bars and steel in tension only
  double tensileStrain = 0;  ///< most tensile bar strain, 0 or negative
};

/// Strain compatibility with a rectangular stress block across a neutral axis at any angle: the top fibre
/// across the axis at the ultimate concrete strain em, the strain at depth d across the axis
/// (c - d) em / c, concrete within beta1 c of the top at alpha1 f'c, bars and steel shapes elastic-plastic
/// (bars inside the block displace the concrete that the block counts), resistance factors on the
/// materials applied. Upright (angle 0) it is exactly the program's one-axis section, and for a model that
/// is not two-dimensional My is left 0 (only the horizontal axis is analysed). The model's
/// full-circle arcs must already be normalized (the section properties do so) and the model must outlive
/// the evaluator.
class SectionAtAngle {
 public:
  SectionAtAngle(const ProjectModel& m, const Orientation& o);
  /// The same section across an axis at another angle (bars and pipe fibres are placed once).
  void Turn(const Orientation& o);
  const Orientation& orientation() const { return o_; }
  /// The section's extent across the axis.
  float depthAcross() const { return depthAcross_; }
  /// The neutral-axis depth at which the extreme fibre reaches em while the deepest bar across the axis
  /// reaches its yield strain (or the deepest steel shape its own, when that depth is smaller); upright,
  /// the section properties' balanced depth.
  float BalancedDepth() const;
  /// The nominal axial force with every bar and steel piece yielding in tension (the limit as c tends
  /// to 0), negative or 0.
  double TensionLimit() const;
  /// Forces at neutral-axis depth c > 0 across the axis.
  StressBlockForces Forces(float c) const;
  /// P, Mx and My about the gross concrete centroid and the most tensile bar strain at depth c.
  SectionPoint At(float c) const;
  /// The moments of forces summed at one depth: Mx = ybar P - sum F y, My = sum F x - xbar P.
  SectionPoint PointOf(const StressBlockForces& f, double axial) const;

 private:
  // A bar or steel piece: area, depth across the axis (upright: its own y, unchanged), position.
  struct Fibre {
    float area = 0;
    float depth = 0;
    float x = 0;
    float y = 0;
    bool displacesConcrete = true;
  };
  void Place(std::vector<Fibre>& fibres) const;
  template <bool kWithX>
  StressBlockForces ForcesAt(float c) const;

  const ProjectModel& m_;
  Orientation o_;
  std::vector<Fibre> bars_;
  std::vector<Fibre> steel_;
  float depthAcross_ = 0;
  float deepestBar_ = 0;             // across the axis, 0 without bars
  float deepestSteel_ = 0;           // deepest face of the steel shapes across the axis
  bool horizontalAxisOnly_ = false;  // upright, and the model is not two-dimensional: sum F x is not kept
  double blockStress_, barYield_, steelYield_;
};

/// Largest usable number of neutral-axis steps down to the section depth; a smaller increment is refused
/// rather than allocated. The walk past the section takes at most as many again.
constexpr int kMaxDiagramSteps = 1000000;

/// Computes the model's InteractionDiagram, evaluating every load condition as the walk goes. The neutral
/// axis moves down by inc from the top, on past the section, until Pn reaches Pn,max; that depth is a point
/// of its own, followed by the maximum compression point (Pn,max, 0). Needs the section properties of the
/// same model.
void ComputeInteractionDiagram(ProjectModel& m);

/// The nominal interaction diagram for a neutral axis at `angleDegrees` (see base/conventions.h): the same
/// walk across the axis, its points carrying Mx (idMoment) and My (idMomentY); the walk ends where the
/// moment along the angle, Mx cos t + My sin t, changes sign against P. No load is evaluated (capacity
/// stays empty). Needs the section properties of the same model; angle 0 gives the points of
/// ComputeInteractionDiagram exactly.
InteractionDiagram ComputeDiagramAt(const ProjectModel& m, float angleDegrees);

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
