// The design criteria the program knows: one row of rules per criteria key (captions, default strengths
// and factors, the values derived from f'c, the axial compression cap, the strength reduction rule and the
// slenderness family), looked up once by key. Nothing outside this layer compares criteria keys, except
// the input file that stores them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "base/units.h"

namespace tarnix {

/// Default material strengths and moduli of a criteria in one unit system (psi / MPa).
struct CriteriaStrengths {
  float fpc, fy, fs, Ec, Er, Es;
};

/// Default strength reduction, stress-block and resistance factors of a criteria.
struct CriteriaFactors {
  float phiT, phiC, phiS, a1, b1, em, phiConc, phiReinf, phiStl;
};

/// The stress-block factors and modulus a criteria derives from f'c. `a1` is set only by the criteria
/// that derive it (CSA).
struct DerivedConcrete {
  float b1 = 0;
  std::optional<float> a1;
  float Ec = 0;
};

/// How the strength reduction factor of a compression load is found.
enum class PhiRule {
  /// phiC, rising linearly to phiT as the load falls below the smaller of 0.1 f'c Ag and the balanced load.
  AxialLoadTransition,
  /// By the net tensile strain of the extreme bars: phiC up to the yield strain, phiT from 0.005, linear
  /// between (ACI 318-02 9.3.2).
  NetTensileStrain,
  /// By the net tensile strain of the extreme bars: phiC up to eps_ty = fy / Es, phiT from eps_ty + 0.003,
  /// linear between (ACI 318-19 Table 21.2.2).
  NetTensileStrainFromYield,
};

/// The stiffness (EI)eff of a column without steel shapes in its critical buckling load.
enum class ColumnStiffness {
  ConcreteAndBars,  ///< (0.2 Ec Ig + Es Ise) / (1 + betad)
  GrossConcrete,    ///< 0.4 Ec Ig / (1 + betadns), ACI 318-19 6.6.4.4.4(a)
};

/// The provisions that ACI 318-19 changed against the older editions; the defaults are the older rules.
struct RevisedAciRules {
  /// phi of a compression-controlled spiral column where it differs from phiC (0.75, ACI 318-19 Table
  /// 21.2.2); 0 where phiC serves tied and spiral columns alike.
  float phiSpiral = 0;
  /// Spiral confinement makes a spiral column, as bars on arcs only do.
  bool spiralFromConfinement = false;
  /// fy in Po of the compression cap at most this (psi / MPa, ACI 318-19 22.4.2.1); 0 for no limit.
  float poYieldLimitEnglish = 0, poYieldLimitMetric = 0;
  /// The code's ratio M1/M2 is negative in single curvature (ACI 318-19 6.6.4.5.3), the opposite of the
  /// end moments as entered; the kl/r limit and Cm use 34 + 12 M1/M2 and 0.6 - 0.4 M1/M2.
  bool reversedEndMomentRatio = false;
  /// Least Cm from end moments (0.4 by ACI 318-02 10.12.3.1); 0 for none.
  float cmFloor = 0.4f;
  ColumnStiffness stiffness = ColumnStiffness::ConcreteAndBars;
  /// A swaying member's sway magnifier takes its critical load with betads, the sustained shear ratio
  /// (ACI 318-19 6.6.4.6.2(b)).
  bool swayStiffnessFromShear = false;
  /// A swaying member is always checked along its length as a braced one (ACI 318-19 6.6.4.6.4); otherwise
  /// only beyond L/r = 35 / sqrt(P / f'c Ag).
  bool swayAlongLengthAlways = false;
  /// The magnified moment at most this many times the first-order moment (1.4, ACI 318-19 6.2.5.3),
  /// reported as a check; 0 for no such check.
  float secondOrderLimit = 0;
  /// kl/r beyond which moment magnification is not permitted and a P-delta analysis is required (100 by
  /// ACI 318-02 10.11.5); 0 where the criteria sets no such limit.
  float magnifierKlrLimit = 100;
  /// Columns with steel shapes lie outside the criteria (ACI 318-19 refers composite columns elsewhere):
  /// their results are marked.
  bool compositeOutsideCriteria = false;
  /// The slender wall by ACI 318-19 11.8: cracked inertia with Es / Ec >= 6 and As + Pu h / (2 fy d),
  /// stiffness factor 0.75, phi Mn from the section at the load, tension-controlled section required.
  bool wallByAci19 = false;
};

/// The moment magnifier method a criteria follows.
enum class SlendernessFamily {
  None,    ///< user-defined criteria: no slenderness effects
  Aci,     ///< ACI 318 and the Canadian codes: sway moments magnified separately, stability index
  Aashto,  ///< AASHTO, AREMA, AASHTO LRFD: one magnifier on the whole moment
};

/// kl/r below which slenderness of a braced member may be ignored.
enum class BracedKlrLimit {
  Uncapped,  ///< 34 - 12 M1/M2
  Capped40,  ///< 34 - 12 M1/M2, at most 40 (ACI 318)
  CsaA23,    ///< (25 - 10 M1/M2) / sqrt(Pf / f'c Ag), 30 / sqrt(...) for double curvature (CSA A23.3)
};

/// Everything the program knows about one design criteria.
struct CriteriaRules {
  const char* key;       ///< as stored in the model and the input file
  const char* caption;   ///< entry of the criteria list (code and edition)
  const char* echoLine;  ///< the report's "Design Criteria = ..." line; nullptr where the report has none
  const char* slendernessHeading;  ///< heading of the report's slenderness section
  CriteriaStrengths english, metric;
  /// The criteria is defined in metric units only: choosing it or English units keeps the model metric.
  bool metricOnly;
  /// No defaults are derived from f'c and no slenderness effects are available (user-defined criteria).
  bool userDefined;
  CriteriaFactors factors;
  /// a1 and b1 follow f'c from the start (CSA): the factors' a1 and b1 are replaced at once.
  bool stressBlockFromStrength;
  /// b1, a1 and Ec from f'c; nullptr where nothing is derived.
  DerivedConcrete (*derive)(float fpc, UnitSystem units);
  /// Factors on the squash load for the compression cap: with bar lines (tied) and without (spiral).
  double capTied, capSpiral;
  PhiRule phiRule;
  SlendernessFamily family;
  BracedKlrLimit klrLimit;
  /// A swaying member takes Cm from its end moments as a braced one does; otherwise Cm = 1.0 when swaying.
  bool swayCmFromEndMoments;
  /// The magnified end moment is at least the minimum moment M2,min = P (0.6 in + 0.03 h), with Cm = 1.0
  /// when it governs (ACI 318-02 10.12.3.2, CSA A23.3 10.15.3.1).
  bool minimumMoment;
  /// The stability-index sway magnifier 1 / (1 - Q) is used only up to 1.5; beyond it the critical-load
  /// magnifier (ACI 318-02 10.13.4.2). Otherwise it is used unless it exceeds both 1.5 and that magnifier.
  bool stabilityIndexLimit;
  /// A composite column buckles with the modified yield stress and modulus of its steel shape (AASHTO LRFD
  /// 5.7.4.3 / 6.9.5); otherwise with 0.2 EcIg / (1 + betad) + EsIs.
  bool compositeModifiedProperties;
  /// The moment-curvature material curves take expected properties (AASHTO seismic design of bridges):
  /// unconfined concrete of at least 5000 psi (34.5 MPa), and for higher-grade (A706) bars a Park curve by
  /// bar size with fye = 68 ksi (475 MPa) and fue = 95 ksi, and hoops that yield at fye.
  bool expectedMaterialProperties;
  RevisedAciRules revised;

  CriteriaStrengths Strengths(UnitSystem units) const { return units.IsEnglish() ? english : metric; }
};

/// The criteria of a new project and of a complete reset (AREMA).
inline constexpr const char* kResetCriteria = "arema";

/// The rules of a criteria key; nullptr for a key the program does not know.
const CriteriaRules* FindCriteria(std::string_view key);

/// The rules of a key the program knows. An unknown key is a fault of the caller (the input file refuses
/// it, the list offers none): it gets the rules of user-defined criteria, which analyse nothing by any code.
const CriteriaRules& CriteriaFor(std::string_view key);

/// The criteria of the window's list, in list order.
const std::vector<const CriteriaRules*>& CriteriaList();

}  // namespace tarnix
