// The section at one trial state of the moment-curvature analysis: a top-fibre strain and a neutral-axis
// depth give the axial force, the moment about the gross concrete centroid and the tension force, with
// the material events passed on the way. The section is sliced once; each evaluation only integrates.
#pragma once

#include <vector>

#include "model/project_model.h"
#include "section/geometry.h"
#include "section/stress_strain.h"

namespace tarnix {

/// A horizontal concrete slice: depth of its centre, its cover and core areas (the cover carries the
/// unconfined Mander stress, the core the confined one; without confinement all of it is core), and the
/// record's sign (+1 added, -1 subtracted).
struct ConcreteSlice {
  float depth = 0;
  float coverArea = 0;
  float coreArea = 0;
  int sign = 1;
};

/// A bar, or a division of a steel shape, and whether it displaces concrete in compression (it lies inside
/// the concrete: a pipe around a concrete core displaces none). `level` is the
/// index, in the fibres' level list, of the depth it shares with the other fibres of its curve at exactly
/// that depth: the bars of a horizontal line need one stress between them.
struct SteelDivision {
  float area = 0;
  float depth = 0;
  bool displacesConcrete = false;
  int level = 0;
};

/// A depth at which one or more steel fibres of the same curve lie, and whether any of them displaces
/// concrete.
struct SteelLevel {
  float depth = 0;
  bool displacesConcrete = false;
};

/// The section cut for the moment-curvature analysis: rcinc slices per rectangle, ccinc per circle (a
/// confined record's cover lines are slice boundaries: its cover bands and its core are cut separately),
/// every bar, bsinc divisions per steel rectangle and psinc per pipe.
struct SectionSlices {
  std::vector<ConcreteSlice> concrete;
  std::vector<SteelDivision> bars;   ///< every bar, on the reinforcing curve
  std::vector<SteelDivision> steel;  ///< steel shape divisions, on the structural steel curve
  std::vector<SteelLevel> barLevels, steelLevels;
  float concYbar = 0;  ///< gross concrete centroid, the moment reference
  /// Extreme fibres at which crushing and spalling are judged: the top of the added concrete, and the top
  /// of the confined core (cover below the top of a confined record) when the section has one.
  bool hasConcrete = false;
  float concreteTop = 0;
  bool hasCover = false;
  bool hasCore = false;
  float coreTop = 0;
  float barTop = 0, barBottom = 0;      ///< shallowest and deepest bar (when there are bars)
  float steelTop = 0, steelBottom = 0;  ///< shallowest and deepest steel division (when there are any)
};

/// Room for the stresses of the steel levels at one trial state, so that an analysis evaluating the
/// section thousands of times sizes it once.
struct EvaluationScratch {
  std::vector<float> barStress, barConcrete, steelStress, steelConcrete;
};

/// Cuts the model's section (applying the full-circle rule to its arcs). Needs the section properties.
SectionSlices SliceSection(ProjectModel& m);

/// Result of one evaluation: forces in lb / N, moment in lb-in / N-mm, compression positive.
struct SectionForces {
  double P = 0;  ///< axial force
  double M = 0;  ///< moment about the gross concrete centroid
  double T = 0;  ///< total tension force of bars and steel shapes
  McEvents events;
};

/// What a steel fibre strained beyond the first or last point of its curve carries: nothing (it has
/// fractured), or the stress of that end point, as if it were still intact. Its fracture event is raised
/// either way. The held stress continues the intact section past a fracture, so that the depth in
/// equilibrium moves on continuously and the state where the fibre reaches its limit can be found.
enum class SteelBeyondEnds { Fractured, Held };

/// Integrates the section for top-fibre strain e and neutral-axis depth c > 0 (strain at depth y is
/// (c - y) e / c); c may lie below the section. The concrete events are judged at the extreme fibres:
/// crushing (Linear, Simple, unconfined Mander) and spalling at the top of the concrete, the failure of
/// confined concrete at the top of the confined core, where Mander's ultimate strain is defined.
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
