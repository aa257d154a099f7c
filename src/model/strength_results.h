// Result blocks of the strength analyses: the interaction diagram with the capacity of every load
// condition, and the slenderness effects.
#pragma once

#include <string>
#include <vector>

namespace tarnix {

/// Capacity of a load (P, Mx, My) in biaxial bending: the neutral-axis angle and depth at which the
/// factored axial capacity equals P and the factored moment vector points in the direction of the load's
/// moment vector. Forces in lb / N, moments in lb-in / N-mm about the gross concrete centroid.
struct BiaxialCapacity {
  bool computed = false;  ///< the model is two-dimensional and the load was evaluated this way
  bool found = false;     ///< a capacity exists (P within the section's factored axial range)
  float angle = 0;        ///< neutral-axis angle, degrees (see base/conventions.h)
  float depth = 0;        ///< neutral-axis depth c across the axis
  float phi = 0;          ///< strength reduction factor
  float axial = 0;        ///< phi Pn (equal to the load's P)
  float momentX = 0;      ///< phi Mnx
  float momentY = 0;      ///< phi Mny
  float tensileStrain = 0;  ///< most tensile bar strain at the capacity
  /// |Mu| / |phi Mn| at the same axial load (0 without a capacity).
  float momentRatio = 0;
  /// The load's distance from the origin over the distance of the design surface along the same ray in
  /// (P, Mx, My) (0 when the ray does not meet the surface).
  float rayRatio = 0;
};

/// Capacity of one load condition on the diagram. Forces in lb / N, moments in lb-in / N-mm about the
/// gross concrete centroid.
struct LoadCapacity {
  float capPhi = 0;     ///< strength reduction factor used
  float capAxial = 0;   ///< factored axial capacity phi Pn
  float capMoment = 0;  ///< factored moment capacity phi Mn
  int capPoint = 1;     ///< diagram point used
  int capFound = 1;     ///< 1 while no point has been taken (the load has no capacity)
  /// The load's design moment exceeds phi Mn (decided once the slenderness effects are known).
  bool momentExceeded = false;
  /// A load without moment lies beyond its factored axial capacity phi Pn.
  bool axialExceeded = false;
  /// The load as the last calculation checked it. `checked` stays false for a diagram computed only to be
  /// viewed, where the loads sit at their initial moments.
  bool checked = false;
  float checkedAxial = 0;
  /// The one design moment of the load, which the verdict, the report, the tables and the chart all use:
  /// the larger (by size) of its first-order moment and its magnified moment. Without slenderness effects
  /// the first-order moment is the load's moment M; with moment magnification it is the larger of M, the
  /// end moments M2ns + M2s and a governing minimum moment. Where the second-order analysis gives no design
  /// moment (`designKnown` false) it holds the first-order moment.
  float checkedMoment = 0;
  /// The second-order analysis of the run gave the load a design moment (false at buckling, beyond the reach
  /// of moment magnification, or where a slender wall's method does not apply).
  bool designKnown = false;
  /// The design moment over the first-order moment where a second-order analysis (moment magnification or
  /// the slender wall) gave the design moment; 0 otherwise. Never below 1.
  float secondOrderRatio = 0;
  /// secondOrderRatio exceeds the criteria's limit on second-order moments (1.4 by ACI 318-19 6.2.5.3).
  bool secondOrderExceeded = false;
  /// The design moment about the vertical axis (first order, or magnified with member data for that
  /// axis); 0 for a section bent about the horizontal axis only.
  float checkedMomentY = 0;
  /// The second-order ratio about the vertical axis (its design moment over its first-order moment) where
  /// that axis was magnified; 0 otherwise. secondOrderExceeded covers both axes.
  float secondOrderRatioY = 0;
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
  bool spiralColumn = false;  ///< the cap and phi are those of a spiral column, not a tied one
  bool incrementTooSmall = false;  ///< the walk was refused: sectionDepth / inc is not a usable count
  /// Strain compatibility never reached PnMax (steel whose yield strain exceeds the ultimate concrete
  /// strain): the walk stopped at its deepest neutral axis and the last point is PnMax by the cap alone.
  bool compressionCapUnreached = false;
  std::vector<LoadCapacity> capacity;  ///< per load condition 1..ns
  /// Capacity of each load condition 1..ns in biaxial bending; empty unless the model is two-dimensional.
  std::vector<BiaxialCapacity> biaxial;
  /// Neutral-axis angle of the diagram, degrees (0: compression at the top, bending about the horizontal
  /// axis; see base/conventions.h). idMoment is Mx, idMomentY My, both about the gross concrete centroid.
  float angle = 0;
  std::vector<float> idMomentY;
};

/// The biaxial capacity that judged load condition i (1-based): that of a two-dimensional model's load with a
/// design moment about either axis. nullptr where the load was judged on the diagram of the horizontal axis
/// (a one-axis model, or a load without moment).
inline const BiaxialCapacity* BiaxialCheckOf(const InteractionDiagram& d, int i) {
  const size_t k = static_cast<size_t>(i);
  if (i < 1 || k >= d.biaxial.size() || k >= d.capacity.size() || !d.biaxial[k].computed) return nullptr;
  const LoadCapacity& cap = d.capacity[k];
  return cap.checkedMoment != 0 || cap.checkedMomentY != 0 ? &d.biaxial[k] : nullptr;
}

/// The interaction surface: the diagram at equally spaced neutral-axis angles, 360 k / n degrees for
/// k = 0 .. n - 1. Empty unless the model is two-dimensional.
struct InteractionSurface {
  std::vector<InteractionDiagram> meridians;
};

/// What the slenderness analysis decided for a load condition.
enum class SlenderOutcome {
  Magnified,        ///< the load has a magnified moment Mc (or the slender wall's magnified moment)
  TensileLoad,      ///< no slenderness effects for a tensile load: Mc is the initial moment
  NoAxialLoad,      ///< no slenderness effects without axial load: Mc is the initial moment
  MayBeIgnored,     ///< kl/r below its limit: Mc is the initial moment
  PDeltaRequired,   ///< beyond the reach of moment magnification: no design moment
  Buckling,         ///< the load reaches the critical buckling load: no design moment
  NoCriticalLoad,   ///< the member data give no critical buckling load
  NoRadius,         ///< the section has no radius of gyration
  TensionExceeded,  ///< slender wall: the axial tension exceeds the capacity of the reinforcement
};

/// The slender wall's service deflection check of a load (ACI 318-19 11.8.4).
enum class WallService {
  NotChecked,  ///< no service load, or not a wall by ACI 318-19
  Within,      ///< Delta_s at most lc / 150
  Exceeded,    ///< Delta_s beyond lc / 150
  NoBalance,   ///< P-delta finds no service moment at or below Mn: the panel is unstable in service
  NoSteel,     ///< the service tension exceeds the capacity of the reinforcement
};

/// The load keeps a design moment Mc: it was magnified, or its slenderness effects are negligible.
constexpr bool HasDesignMoment(SlenderOutcome outcome) {
  return outcome == SlenderOutcome::Magnified || outcome == SlenderOutcome::TensileLoad ||
         outcome == SlenderOutcome::NoAxialLoad || outcome == SlenderOutcome::MayBeIgnored;
}
/// The outcome is a fault the report marks, not a note (buckling, missing member data, tension exceeded).
constexpr bool IsSlenderFault(SlenderOutcome outcome) {
  return outcome == SlenderOutcome::Buckling || outcome == SlenderOutcome::NoCriticalLoad ||
         outcome == SlenderOutcome::NoRadius || outcome == SlenderOutcome::TensionExceeded;
}

/// The method that gave a swaying load its sway magnification factor.
enum class SwayMagnifier {
  kNone,            ///< not a swaying load, or not magnified
  kCriticalLoad,    ///< 1 / (1 - P / (phiK Pc))
  kStabilityIndex,  ///< 1 / (1 - Q)
  /// The critical load, because 1 / (1 - Q) exceeds 1.5, beyond which ACI 318 does not permit it.
  kCriticalLoadBeyondStabilityLimit,
};

/// Result block of the slenderness analyses (moment magnification and slender wall design). Lists are indexed
/// by load condition 1..ns (slot 0 unused) and are empty when the analysis did not run. Forces in lb / N,
/// moments in lb-in / N-mm, lengths in in / mm.
struct SlendernessResults {
  // Moment magnification: member constants.
  float r = 0;      ///< radius of gyration of the section
  float phiK = 0;   ///< stiffness reduction factor on the critical load
  float Fe = 0;     ///< modified yield stress of a composite column (AASHTO LRFD)
  float Ee = 0;     ///< modified modulus of elasticity of a composite column (AASHTO LRFD)
  float rs = 0;     ///< radius of gyration of the structural steel (AASHTO LRFD)
  float gamma = 0;  ///< slenderness parameter of a composite column (AASHTO LRFD)

  // Moment magnification: per load condition.
  std::vector<float> Mc;        ///< design (magnified) moment; also the slender wall's magnified moment
  std::vector<float> Pc;        ///< critical buckling load
  /// I / Ig of the critical load where the member takes the reduced inertia of ACI 318-19 Table
  /// 6.6.3.1.1(b); 0 otherwise.
  std::vector<float> inertiaRatio;
  std::vector<float> klrLimit;  ///< kl/r below which slenderness may be ignored
  std::vector<float> Cm;        ///< equivalent moment factor
  std::vector<float> Q;         ///< stability index (0 when not computed)
  std::vector<float> deltaNs;   ///< non-sway magnification factor
  std::vector<float> deltaS;    ///< sway magnification factor
  std::vector<float> LrMax;     ///< L/r above which the secondary magnification applies
  std::vector<float> Cm2;       ///< secondary equivalent moment factor
  std::vector<float> deltaNs2;  ///< secondary magnification factor
  std::vector<SlenderOutcome> outcome;  ///< what the analysis decided for each load
  /// The minimum design moment M2,min when it governed the magnified end moment M2 (then Cm, or the
  /// secondary Cm of a swaying member, is 1.0); 0 when the end moments governed or no minimum applies.
  std::vector<float> M2min;
  /// Which method gave the sway magnification factor, for loads whose stability index was computed.
  std::vector<SwayMagnifier> swayMagnifier;
  /// False for a load whose kl/r limit has no value (CSA with no compression); the report then omits it.
  std::vector<bool> klrLimitKnown;

  // Moment magnification about the vertical axis, with the member data for that axis; per load condition,
  // empty when that axis was not analysed (My is then first order).
  float rY = 0;                   ///< radius of gyration about the vertical axis
  std::vector<float> McY;         ///< design (magnified) moment about the vertical axis
  std::vector<float> PcY;         ///< critical buckling load for bending about the vertical axis
  std::vector<float> inertiaRatioY;  ///< I / Ig of that critical load, as inertiaRatio
  std::vector<float> CmY;
  std::vector<float> deltaNsY;
  std::vector<float> deltaSY;
  std::vector<SlenderOutcome> outcomeY;
  std::vector<float> klrLimitY;  ///< kl/r below which slenderness about the vertical axis may be ignored
  std::vector<float> M2minY;     ///< the minimum moment about the vertical axis where it governed, else 0

  // Slender wall design.
  float rho = 0;                ///< reinforcing ratio of the wall
  float rhomax = 0;             ///< maximum reinforcing ratio (0.6 of balanced)
  float Mcr = 0;                ///< cracking moment
  bool wallRatioExceeded = false;  ///< rho exceeds rhomax: the wall is not designed further
  std::vector<float> phiMnAse;  ///< moment capacity from the effective steel area
  /// The axial stress P / Ag exceeds 0.06 f'c, the limit of the method (ACI 318-02 14.8.2.6).
  std::vector<bool> wallStressExceeded;
  /// The capacity phiMnAse is below the cracking moment, which the method does not allow (14.8.2.4).
  std::vector<bool> wallCrackingGoverns;
  /// The section at the load is not tension-controlled, which the wall method of ACI 318-19 11.8.1.1(b)
  /// requires.
  std::vector<bool> wallNotTensionControlled;
  /// The wall's magnified moment exceeds its moment capacity phiMnAse (by more than 1 %), for loads that
  /// have a magnified moment and a capacity above the cracking moment.
  std::vector<bool> wallMomentExceeded;
  /// Service deflection per load (ACI 318-19 11.8.4): the check, the service moment Ma with P-delta and
  /// the deflection Delta_s at midheight. Empty unless a load gives service loads.
  std::vector<WallService> wallService;
  std::vector<float> wallServiceMoment, wallServiceDeflection;
  /// The wall section could not be designed (no concrete rectangle or no reinforcing line): why; empty
  /// otherwise.
  std::string wallProblem;
};

}  // namespace tarnix
