// The section at one trial state of the moment-curvature analysis: a strain at the extreme compression
// fibre and a neutral-axis depth, across an axis at a fixed angle, give the axial force, both moments about
// the gross concrete centroid and the tension force, with the material events passed on the way. The
// section is sliced once; each evaluation only integrates.
#pragma once

#include <vector>

#include "model/project_model.h"
#include "section/geometry.h"
#include "section/stress_strain.h"

namespace tarnix {

/// A concrete slice, a band of a record parallel to the neutral axis: the depth of its middle across the
/// axis (where its strain is taken), its cover and core areas (the cover carries the unconfined Mander
/// stress, the core the confined one; without confinement all of it is core), the record's sign (+1
/// added, -1 subtracted), and where its forces act: (x, y) the centroid of the core (of the whole slice
/// when it has no core), (coverX, coverY) that of the cover. Across a horizontal axis y is the depth itself
/// and both centroids are one point.
struct ConcreteSlice {
  float depth = 0;
  float coverArea = 0;
  float coreArea = 0;
  int sign = 1;
  float x = 0, y = 0;
  float coverX = 0, coverY = 0;
};

/// A bar, or a division of a steel shape, at (x, y) and at `depth` across the axis, and whether it
/// displaces concrete in compression (it lies inside the concrete: a pipe around a concrete core displaces
/// none). `level` is the index, in the fibres' level list, of the depth it shares with the other fibres of
/// its curve at exactly that depth: the bars of a line parallel to the axis need one stress between them.
struct SteelDivision {
  float area = 0;
  float depth = 0;
  bool displacesConcrete = false;
  int level = 0;
  float x = 0, y = 0;
};

/// A depth at which one or more steel fibres of the same curve lie, and whether any of them displaces
/// concrete.
struct SteelLevel {
  float depth = 0;
  bool displacesConcrete = false;
};

/// The section cut for the moment-curvature analysis across the neutral axis at the model's angle mcAngle:
/// rcinc slices per rectangle and per polygon, ccinc per circle (a confined record's cover lines are slice
/// boundaries: its cover bands and its core are cut separately; a polygon is all core), every bar, bsinc
/// divisions per steel rectangle and psinc per pipe. Depths are across the axis (see base/conventions.h).
struct SectionSlices {
  std::vector<ConcreteSlice> concrete;
  std::vector<SteelDivision> bars;   ///< every bar, on the reinforcing curve
  std::vector<SteelDivision> steel;  ///< steel shape divisions, on the structural steel curve
  std::vector<SteelLevel> barLevels, steelLevels;
  float concXbar = 0, concYbar = 0;  ///< gross concrete centroid, the moment reference
  /// Extreme fibres at which crushing and spalling are judged, the shallowest across the axis: of the
  /// added concrete, and of the confined core (cover beyond the face of a confined record) when the
  /// section has one. hasCover: an added record has a cover.
  bool hasConcrete = false;
  float concreteTop = 0;
  bool hasCover = false;
  bool hasCore = false;
  float coreTop = 0;
  float barTop = 0, barBottom = 0;      ///< shallowest and deepest bar (when there are bars)
  float steelTop = 0, steelBottom = 0;  ///< shallowest and deepest steel division (when there are any)
  float steelFace = 0;                  ///< deepest point of the steel shapes (0 without shapes)
};

/// Room for the stresses of the steel levels at one trial state, so that an analysis evaluating the
/// section thousands of times sizes it once.
struct EvaluationScratch {
  std::vector<float> barStress, barConcrete, steelStress, steelConcrete;
};

/// Cuts the model's section across the neutral axis at mcAngle (applying the full-circle rule to its
/// arcs). Needs the section properties.
SectionSlices SliceSection(ProjectModel& m);

/// Result of one evaluation: forces in lb / N, moments in lb-in / N-mm, compression positive.
struct SectionForces {
  double P = 0;   ///< axial force
  double M = 0;   ///< moment about the horizontal axis through the gross concrete centroid (Mx)
  double My = 0;  ///< moment about the vertical axis through it
  double T = 0;  ///< total tension force of bars and steel shapes
  McEvents events;
};

/// What a steel fibre strained beyond the first or last point of its curve carries: nothing (it has
/// fractured), or the stress of that end point, as if it were still intact. Its fracture event is raised
/// either way. The held stress continues the intact section past a fracture, so that the depth in
/// equilibrium moves on continuously and the state where the fibre reaches its limit can be found.
enum class SteelBeyondEnds { Fractured, Held };

/// Integrates the section for the strain e at depth 0 and neutral-axis depth c > 0, both across the axis
/// (strain at depth d is (c - d) e / c); c may lie beyond the section. The concrete events are judged at
/// the extreme fibres: crushing (Linear, Simple, unconfined Mander) and spalling at the shallowest
/// concrete, the failure of confined concrete at the shallowest point of the confined core, where
/// Mander's ultimate strain is defined.
SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              EvaluationScratch& scratch,
                              SteelBeyondEnds beyond = SteelBeyondEnds::Fractured);
/// The same with scratch room of its own.
SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              SteelBeyondEnds beyond = SteelBeyondEnds::Fractured);

/// How far the section at (e, c) is from raising an event, as a strain: the distance of the extreme fibre
/// that raises it from the limit of its curve, positive before the limit and not positive beyond it (only
/// an approximate guide near the limits, which the curves may include or not). A large value for an
/// event the section cannot raise.
double EventMargin(const SectionSlices& s, const MaterialModels& mm, McEvent event, float e, float c);

}  // namespace tarnix
