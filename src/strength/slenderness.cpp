// Moment magnification of a slender member by the moment magnifier method of the design criteria.
#include "strength/slenderness.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/conventions.h"
#include "criteria/criteria.h"
#include "model/project_model.h"
#include "strength/interaction_diagram.h"

namespace tarnix {
namespace {

bool PositiveFinite(double x) { return std::isfinite(x) && x > 0; }

// Bending about one axis of the section: the member data for that axis and the section's second moments
// about it.
struct Axis {
  float L = 0, Keff = 0;
  bool braced = false;
  float concIo = 0, concI = 0, reinfI = 0, steelI = 0;  // as in SectionProperties, about this axis
  float depth = 0;              // extent of the section across the axis: the h of the minimum moment
  bool stabilityIndex = false;  // the loads' drift di and shear V are the storey's in this axis' frame
  float r = 0;                  // radius of gyration about the axis
};

// A load's first-order moments about one axis: the moment at the section and the member's end moments.
struct AxisLoad {
  float M = 0;
  AxisEndMoments end;
};

// What the magnification about one axis gives one load condition (the per-load lists of SlendernessResults).
struct AxisResult {
  float Mc = 0, Pc = 0, klrLimit = 0;
  bool klrLimitKnown = true;
  float Cm = 0, Q = 0, deltaNs = 1, deltaS = 1, LrMax = 0, Cm2 = 0, deltaNs2 = 1, M2min = 0;
  float inertiaRatio = 0;  // I / Ig of the critical load where the member takes the reduced inertia
  SwayMagnifier swayMagnifier = SwayMagnifier::kNone;
  SlenderOutcome outcome = SlenderOutcome::Magnified;
};

// The modified properties of a composite column by AASHTO LRFD, set by the critical load that uses them.
struct Composite {
  float Fe = 0, Ee = 0, rs = 0, gamma = 0;
};

// What every axis and load of one run shares: the model, its criteria row and the stiffness reduction factor.
struct Run {
  const ProjectModel& m;
  const CriteriaRules& rules;
  float phiK;
};

AxisLoad HorizontalAxisLoad(const LoadCondition& load) {
  return {load.M, {load.M1ns, load.M2ns, load.M1s, load.M2s, load.BetaD, load.BetaDs}};
}

// The moments about the vertical axis: the end moments there are sizes, so is the load's My (the load's
// sign gives the direction of the magnified moment).
AxisLoad VerticalAxisLoad(const LoadCondition& load) { return {std::fabs(load.My), load.endY}; }

// The larger of the moment and the sum of the end moments M2ns + M2s.
float InitialOf(const AxisLoad& a) { return a.end.M2ns + a.end.M2s > a.M ? a.end.M2ns + a.end.M2s : a.M; }

double RatioOf(const CriteriaRules& rules, double M1, double M2) {
  // With M2 = 0 the ratio is taken as 0 (a kl/r limit of 34, Cm of 0.6).
  if (M2 == 0) return 0.0;
  const double entered = M1 / M2;
  // The only place where the entered ratio turns into the code's reversed one.
  return rules.revised.reversedEndMomentRatio ? -entered : entered;
}

// Radius of gyration about the axis, 0 when the section gives none.
float RadiusOfGyration(const ProjectModel& m, const Axis& axis) {
  const SectionProperties& p = m.sectionProperties;
  double r2 = static_cast<double>(axis.concIo) / p.concArea;
  if (HasSteelShapes(m)) {
    // A composite section: concrete at a fifth of its stiffness, steel at its full stiffness.
    r2 = (0.2 * m.Ec * axis.concI + static_cast<double>(m.Es) * axis.steelI) /
         (0.2 * m.Ec * p.concArea + static_cast<double>(m.Es) * p.steelArea);
  }
  return std::isfinite(r2) && r2 > 0 ? static_cast<float>(std::sqrt(r2)) : 0.0f;
}

// The horizontal axis: the member data and second moments of the upright section. The vertical axis:
// memberY and the section's y values; the loads' drift and storey shear belong to the frame of the
// horizontal axis, so about the vertical axis the sway magnifier comes from the critical load.
Axis AxisOf(const ProjectModel& m, bool vertical) {
  const SectionProperties& p = m.sectionProperties;
  Axis axis;
  if (vertical) {
    const MemberAxis& y = m.memberY;
    axis = {y.L, y.Keff, y.Vri == 1 && y.Vrj == 1, p.concIoY, p.concIY, p.reinfIY, p.steelIY, p.sectionWidth};
  } else {
    axis = {m.L, m.Keff, m.Vri == 1 && m.Vrj == 1, p.concIo, p.concI, p.reinfI, p.steelI, p.sectionDepth};
    axis.stabilityIndex = true;
  }
  axis.r = RadiusOfGyration(m, axis);
  return axis;
}

// The moment of inertia of ACI 318-19 Table 6.6.3.1.1(b) for a column bent by load P and first-order moment
// Mu: (0.80 + 25 Ast/Ag)(1 - Mu/(Pu h) - 0.5 Pu/Po) Ig within 0.35 Ig and 0.875 Ig. A load without
// compression leaves the first-order term unbounded below: the lower limit.
double ReducedInertia(const Run& run, const Axis& axis, float P, float Mu) {
  const SectionProperties& p = run.m.sectionProperties;
  const double Ig = axis.concIo;
  const double Po = SquashLoad(run.m);
  if (!(P > 0) || !(axis.depth > 0) || !(Po > 0)) return 0.35 * Ig;
  const double factor = (0.80 + 25.0 * p.reinfArea / p.concArea) *
                        (1.0 - std::fabs(Mu) / (static_cast<double>(P) * axis.depth) - 0.5 * P / Po);
  return std::clamp(factor, 0.35, 0.875) * Ig;
}

// The stiffness (EI)eff of a column without steel shapes, with creep ratio betad, for load P with
// first-order moment Mu. Under ACI 318-19 the member may choose any of the options of 6.6.4.4.4.
// The member's ColumnStiffnessChoice where the criteria offer the options of ACI 318-19 6.6.4.4.4, else
// the older (0.2 Ec Ig + Es Ise) rule.
int StiffnessChoiceOf(const Run& run) {
  const bool options = run.rules.revised.stiffness == ColumnStiffness::GrossConcrete;
  return options ? run.m.columnStiffness : ColumnStiffnessChoice::ConcreteAndBars;
}

double ColumnStiffnessOf(const Run& run, const Axis& axis, double betad, float P, float Mu) {
  const ProjectModel& m = run.m;
  const int choice = StiffnessChoiceOf(run);
  if (choice == ColumnStiffnessChoice::ReducedInertia) {
    return m.Ec * ReducedInertia(run, axis, P, Mu) / (1.0 + betad);
  }
  if (choice != ColumnStiffnessChoice::ConcreteAndBars) {
    // 6.6.4.4.4(a): the gross section about its own centroid.
    return 0.4 * m.Ec * axis.concIo / (1.0 + betad);
  }
  return (0.2 * m.Ec * axis.concI + static_cast<double>(m.Er) * axis.reinfI) / (1.0 + betad);
}

// Critical buckling load of the member with creep ratio betad (of the axial load, or of the shear for
// the sway stiffness) under load P with first-order moment Mu.
double CriticalLoad(const Run& run, const Axis& axis, double betad, float P, float Mu, Composite& composite) {
  const ProjectModel& m = run.m;
  const SectionProperties& p = m.sectionProperties;
  const double kl = static_cast<double>(axis.Keff) * axis.L;
  const double pi2 = kPi * kPi;
  if (!HasSteelShapes(m)) return pi2 * ColumnStiffnessOf(run, axis, betad, P, Mu) / (kl * kl);
  if (!run.rules.compositeModifiedProperties) {
    // The reinforcing bars are left out of the stiffness of a composite column.
    const double EI = 0.2 * m.Ec * axis.concI / (1.0 + betad) + static_cast<double>(m.Es) * axis.steelI;
    return pi2 * EI / (kl * kl);
  }
  // Composite column per AASHTO LRFD: a concrete-filled tube when the steel reaches the full depth of the
  // section, otherwise an encased shape.
  const bool filledTube = p.steelDepth == p.sectionDepth;
  const double c1 = filledTube ? 1.0 : 0.7;
  const double c2 = filledTube ? 0.85 : 0.6;
  const double c3 = filledTube ? 0.4 : 0.2;
  const double As = p.steelArea;
  const double Fe = m.fs + c1 * m.fy * p.reinfArea / As + c2 * m.fpc * p.concArea / As;
  const double Ee = m.Es * (1.0 + c3 * p.concArea / (As * m.Es / m.Ec));
  const double rs = std::sqrt(axis.steelI / As);
  const double gamma = (kl / (rs * kPi)) * (kl / (rs * kPi)) * Fe / Ee;
  composite = {static_cast<float>(Fe), static_cast<float>(Ee), static_cast<float>(rs),
               static_cast<float>(gamma)};
  return Fe * As / gamma;
}

// Cm = 0.6 + 0.4 M1/M2 (ratio positive in single curvature), or 0.6 - 0.4 M1/M2 with the reversed ratio
// of ACI 318-19, at least the criteria's floor.
double EndMomentCm(const CriteriaRules& rules, double M1, double M2) {
  const double ratio = RatioOf(rules, M1, M2);
  const double Cm = rules.revised.reversedEndMomentRatio ? 0.6 - 0.4 * ratio : 0.6 + 0.4 * ratio;
  return std::max(Cm, static_cast<double>(rules.revised.cmFloor));
}

// kl/r below which slenderness may be ignored; false when it has no value (CSA without compression).
bool KlrLimit(const Run& run, const Axis& axis, float P, const AxisEndMoments& end, float& limit) {
  if (!axis.braced) {
    limit = 22;
    return true;
  }
  const CriteriaRules& rules = run.rules;
  if (rules.klrLimit == BracedKlrLimit::CsaA23) {
    if (!(P > 0)) {
      limit = 0;
      return false;
    }
    const double R = std::sqrt(static_cast<double>(P) /
                               (static_cast<double>(run.m.fpc) * run.m.sectionProperties.concArea));
    const double k = end.M2ns == 0 ? 0.0 : static_cast<double>(end.M1ns) / end.M2ns;
    const double value = end.M2ns == 0 || k < -0.5 ? 30.0 / R : (25.0 - 10.0 * k) / R;
    limit = static_cast<float>(std::fabs(value));
    return std::isfinite(limit);
  }
  // 34 - 12 M1/M2 with the ratio positive in single curvature; ACI 318-19 writes 34 + 12 M1/M2 with its
  // ratio of the opposite sign, the same limit.
  const double ratio = RatioOf(rules, end.M1ns, end.M2ns);
  double value = rules.revised.reversedEndMomentRatio ? 34.0 + 12.0 * ratio : 34.0 - 12.0 * ratio;
  if (rules.klrLimit == BracedKlrLimit::Capped40) value = std::min(value, 40.0);
  limit = static_cast<float>(value);
  return true;
}

// The end moment M2 raised to the minimum moment of the criteria, which then takes Cm = 1.0 (ACI 318-02
// 10.12.3.2, CSA A23.3 10.15.3.1; about each axis with the section's extent across it, ACI 318-19
// 6.6.4.5.4); the minimum is kept for the report when it governs.
double WithMinimumMoment(const Run& run, const Axis& axis, float P, double M2, double& Cm, AxisResult& res) {
  if (!run.rules.minimumMoment) return M2;
  const double minimum = MinimumMoment(P, axis.depth, run.m.unitSystem());
  if (!(minimum > M2)) return M2;
  Cm = 1.0;
  res.M2min = static_cast<float>(minimum);
  return minimum;
}

// Non-sway, sway and secondary magnification of a load that needs it: Magnified, or Buckling when the
// sway story reaches its stability limit (stability index of 1 or more).
SlenderOutcome Magnify(const Run& run, const Axis& axis, const LoadCondition& load, const AxisLoad& a,
                       float Lr, AxisResult& res, Composite& composite) {
  const ProjectModel& m = run.m;
  const CriteriaRules& rules = run.rules;
  const AxisEndMoments& end = a.end;
  const bool braced = axis.braced;
  const bool aciType = rules.family == SlendernessFamily::Aci;
  // The amplification 1 / (1 - P / (phiK Pc)) of a load below the critical load.
  const double amplification = 1.0 / (1.0 - load.P / (static_cast<double>(run.phiK) * res.Pc));

  double Cm = braced ? EndMomentCm(rules, end.M1ns, end.M2ns)
                     : std::max(0.6, static_cast<double>(rules.revised.cmFloor));
  // Without end moments the initial moment is the same along the whole member: no reduction.
  if (IsSet(load.Tloads) || (end.M1ns == 0 && end.M2ns == 0)) Cm = 1.0;
  if (!braced && !rules.swayCmFromEndMoments) Cm = 1.0;
  double designM2 = a.M >= end.M2ns ? a.M : end.M2ns;
  if (braced) designM2 = WithMinimumMoment(run, axis, load.P, designM2, Cm, res);
  res.Cm = static_cast<float>(Cm);

  double deltaNs = std::max(Cm * amplification, 1.0);
  // In a swaying frame the ACI-type codes magnify the sway moments only.
  if (!braced && aciType) deltaNs = 1.0;
  res.deltaNs = static_cast<float>(deltaNs);
  res.Mc = static_cast<float>(deltaNs * designM2);
  if (braced) return SlenderOutcome::Magnified;

  double deltaS = amplification;
  if (rules.revised.swayStiffnessFromShear) {
    // The sway magnifier takes the critical load with the sustained shear ratio betads.
    const double PcSway = CriticalLoad(run, axis, end.BetaDs, load.P, InitialOf(a), composite);
    if (!(static_cast<double>(run.phiK) * PcSway > load.P)) return SlenderOutcome::Buckling;
    deltaS = 1.0 / (1.0 - load.P / (static_cast<double>(run.phiK) * PcSway));
  }
  if (aciType && axis.stabilityIndex && load.di != 0 && load.V != 0) {
    const double Q = static_cast<double>(load.P) * load.di / (static_cast<double>(axis.L) * load.V);
    res.Q = static_cast<float>(Q);
    if (Q >= 1) return SlenderOutcome::Buckling;
    const double x = 1.0 / (1.0 - Q);
    SwayMagnifier method = SwayMagnifier::kCriticalLoad;
    if (rules.stabilityIndexLimit) {
      // ACI 318-02 10.13.4.2: 1 / (1 - Q) only up to 1.5, beyond it the critical-load magnifier.
      if (x <= 1.5) {
        deltaS = x;
        method = SwayMagnifier::kStabilityIndex;
      } else {
        method = SwayMagnifier::kCriticalLoadBeyondStabilityLimit;
      }
    } else if (!(x > 1.5 && x >= deltaS)) {
      // The other codes take the stability-index magnifier unless it is above 1.5 and not smaller than
      // the critical-load magnifier.
      deltaS = x;
      method = SwayMagnifier::kStabilityIndex;
    }
    res.swayMagnifier = method;
  }
  deltaS = std::max(deltaS, 1.0);
  res.deltaS = static_cast<float>(deltaS);
  res.Mc = static_cast<float>(end.M2ns * deltaNs + end.M2s * deltaS);

  if (rules.family == SlendernessFamily::Aashto) return SlenderOutcome::Magnified;
  // A very slender swaying column can have its largest moment between the ends.
  const SectionProperties& p = m.sectionProperties;
  const double area = HasSteelShapes(m) ? p.transArea : p.concArea;
  const double LrMax = 35.0 / std::sqrt(load.P / (static_cast<double>(m.fpc) * area));
  res.LrMax = static_cast<float>(LrMax);
  if (!(Lr > LrMax) && !rules.revised.swayAlongLengthAlways) return SlenderOutcome::Magnified;
  const double M1 = end.M1ns + deltaS * end.M1s;
  const double M2 = end.M2ns + deltaS * end.M2s;
  double Cm2 = EndMomentCm(rules, M1, M2);
  if (IsSet(load.Tloads) || (M1 == 0 && M2 == 0)) Cm2 = 1.0;
  // The member is designed along its length as a braced one, with its minimum moment.
  const double M2design = WithMinimumMoment(run, axis, load.P, M2, Cm2, res);
  res.Cm2 = static_cast<float>(Cm2);
  const double deltaNs2 = std::max(Cm2 * amplification, 1.0);
  res.deltaNs2 = static_cast<float>(deltaNs2);
  if (deltaNs2 * M2design > res.Mc) res.Mc = static_cast<float>(deltaNs2 * M2design);
  return SlenderOutcome::Magnified;
}

// Moment magnification of one load about one axis: the critical load, the outcome, and where the load
// needs it the magnified moment; a load without one keeps its initial moment and unit factors.
AxisResult MagnifyAbout(const Run& run, const Axis& axis, const LoadCondition& load, const AxisLoad& a,
                        Composite& composite) {
  AxisResult res;
  const float initial = InitialOf(a);
  res.Mc = initial;
  const double Pc = CriticalLoad(run, axis, a.end.BetaD, load.P, initial, composite);
  if (!PositiveFinite(Pc)) {
    res.outcome = SlenderOutcome::NoCriticalLoad;
    return res;
  }
  res.Pc = static_cast<float>(Pc);
  if (StiffnessChoiceOf(run) == ColumnStiffnessChoice::ReducedInertia && !HasSteelShapes(run.m) && axis.concIo > 0) {
    res.inertiaRatio = static_cast<float>(ReducedInertia(run, axis, load.P, initial) / axis.concIo);
  }
  if (axis.r <= 0) {
    res.outcome = SlenderOutcome::NoRadius;
    return res;
  }
  // A load at the critical load has an infinite magnifier: it is reported as buckling too.
  if (!(static_cast<double>(run.phiK) * res.Pc > load.P)) {
    res.outcome = SlenderOutcome::Buckling;
    return res;
  }
  const float klr = axis.L * axis.Keff / axis.r;
  const float Lr = axis.L / axis.r;
  res.klrLimitKnown = KlrLimit(run, axis, load.P, a.end, res.klrLimit);
  const float pDeltaLimit = run.rules.revised.magnifierKlrLimit;
  if (load.P < 0) {
    res.outcome = SlenderOutcome::TensileLoad;
  } else if (load.P == 0) {
    res.outcome = SlenderOutcome::NoAxialLoad;
  } else if (res.klrLimit > klr) {
    res.outcome = SlenderOutcome::MayBeIgnored;
  } else if (pDeltaLimit > 0 && klr > pDeltaLimit) {
    res.outcome = SlenderOutcome::PDeltaRequired;
  } else {
    res.outcome = Magnify(run, axis, load, a, Lr, res, composite);
    if (res.outcome != SlenderOutcome::Magnified) {
      // Back to the initial moment and unit factors: no magnified moment exists for this load.
      res.Mc = initial;
      res.deltaNs = 1.0f;
      res.deltaS = 1.0f;
      res.deltaNs2 = 1.0f;
      res.M2min = 0.0f;
      res.swayMagnifier = SwayMagnifier::kNone;
    }
  }
  return res;
}

// Every load condition magnified about the axis, in a list indexed by load number (slot 0 unused, with
// the initial values of a load).
template <typename LoadAbout>
std::vector<AxisResult> MagnifyLoads(const Run& run, const Axis& axis, LoadAbout loadAbout,
                                     Composite& composite) {
  const ProjectModel& m = run.m;
  std::vector<AxisResult> rows(static_cast<size_t>(ListSize(m.ns)) + 1);
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    rows[static_cast<size_t>(i)] = MagnifyAbout(run, axis, load, loadAbout(load), composite);
  }
  return rows;
}

// One field of every load's result, as the result block's list.
template <typename T>
std::vector<T> Column(const std::vector<AxisResult>& rows, T AxisResult::*field) {
  std::vector<T> list;
  list.reserve(rows.size());
  for (const AxisResult& row : rows) list.push_back(row.*field);
  return list;
}

bool Known(const std::vector<SlenderOutcome>& outcome, const std::vector<float>& Mc, int i) {
  if (i < 1 || static_cast<size_t>(i) >= outcome.size() || static_cast<size_t>(i) >= Mc.size()) return false;
  return HasDesignMoment(outcome[static_cast<size_t>(i)]);
}

}  // namespace

bool DesignMomentKnown(const SlendernessResults& s, int i) { return Known(s.outcome, s.Mc, i); }
bool DesignMomentYKnown(const SlendernessResults& s, int i) { return Known(s.outcomeY, s.McY, i); }

const char* SlenderOutcomeText(SlenderOutcome outcome) {
  switch (outcome) {
    case SlenderOutcome::Magnified: return "";
    case SlenderOutcome::TensileLoad: return "No slenderness effects for tensile load";
    case SlenderOutcome::NoAxialLoad: return "No slenderness effects for no axial load";
    case SlenderOutcome::MayBeIgnored: return "Slenderness effects may be ignored";
    case SlenderOutcome::PDeltaRequired: return "P-Delta analysis is required";
    case SlenderOutcome::Buckling: return "Axial load exceeds critical buckling load";
    // Member data that give no usable stiffness or radius of gyration (a zero effective length factor, a
    // creep ratio of -1 or below, a section without area) leave nothing to magnify with.
    case SlenderOutcome::NoCriticalLoad: return "Member data give no critical buckling load";
    case SlenderOutcome::NoRadius: return "Radius of gyration of the section is not available";
    case SlenderOutcome::TensionExceeded: return "Axial tension exceeds the capacity of the reinforcement";
  }
  return "";
}

float InitialMoment(const LoadCondition& load) { return InitialOf(HorizontalAxisLoad(load)); }
float InitialMomentY(const LoadCondition& load) { return InitialOf(VerticalAxisLoad(load)); }

bool HasSteelShapes(const ProjectModel& m) { return m.np > 0 || m.nb > 0; }

double EndMomentRatio(const ProjectModel& m, double M1, double M2) {
  return RatioOf(CriteriaFor(m.criteria), M1, M2);
}
double MinimumMoment(double P, double h, UnitSystem units) {
  // An eccentricity of 0.6 in + 0.03 h, or 15 mm + 0.03 h.
  return P * ((units.IsEnglish() ? 0.6 : 15.0) + 0.03 * h);
}

void ComputeSlenderness(ProjectModel& m) {
  SlendernessResults& s = m.slenderness;
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  const Run run{m, rules, rules.family == SlendernessFamily::Aashto ? m.phiC : 0.75f};
  s.phiK = run.phiK;

  const Axis x = AxisOf(m, false);
  s.r = x.r;
  Composite composite;
  const std::vector<AxisResult> rows = MagnifyLoads(run, x, HorizontalAxisLoad, composite);
  s.Mc = Column(rows, &AxisResult::Mc);
  s.Pc = Column(rows, &AxisResult::Pc);
  s.inertiaRatio = Column(rows, &AxisResult::inertiaRatio);
  s.klrLimit = Column(rows, &AxisResult::klrLimit);
  s.klrLimitKnown = Column(rows, &AxisResult::klrLimitKnown);
  s.Cm = Column(rows, &AxisResult::Cm);
  s.Q = Column(rows, &AxisResult::Q);
  s.deltaNs = Column(rows, &AxisResult::deltaNs);
  s.deltaS = Column(rows, &AxisResult::deltaS);
  s.LrMax = Column(rows, &AxisResult::LrMax);
  s.Cm2 = Column(rows, &AxisResult::Cm2);
  s.deltaNs2 = Column(rows, &AxisResult::deltaNs2);
  s.M2min = Column(rows, &AxisResult::M2min);
  s.swayMagnifier = Column(rows, &AxisResult::swayMagnifier);
  s.outcome = Column(rows, &AxisResult::outcome);
  s.Fe = composite.Fe, s.Ee = composite.Ee, s.rs = composite.rs, s.gamma = composite.gamma;

  // About the vertical axis only with member data for it; My is otherwise first order. The end moments
  // about that axis are sizes, and the load's My gives the direction of the magnified moment.
  const Axis y = m.memberY.L > 0 ? AxisOf(m, true) : Axis{};
  s.rY = y.r;
  std::vector<AxisResult> rowsY;
  if (m.memberY.L > 0) {
    Composite unused;  // the composite properties are reported for the horizontal axis
    rowsY = MagnifyLoads(run, y, VerticalAxisLoad, unused);
    for (int i = 1; i <= ListSize(m.ns); ++i) {
      if (m.loads[static_cast<size_t>(i)].My < 0) rowsY[static_cast<size_t>(i)].Mc *= -1;
    }
  }
  s.McY = Column(rowsY, &AxisResult::Mc);
  s.PcY = Column(rowsY, &AxisResult::Pc);
  s.inertiaRatioY = Column(rowsY, &AxisResult::inertiaRatio);
  s.klrLimitY = Column(rowsY, &AxisResult::klrLimit);
  s.CmY = Column(rowsY, &AxisResult::Cm);
  s.deltaNsY = Column(rowsY, &AxisResult::deltaNs);
  s.deltaSY = Column(rowsY, &AxisResult::deltaS);
  s.M2minY = Column(rowsY, &AxisResult::M2min);
  s.outcomeY = Column(rowsY, &AxisResult::outcome);
}

bool SetKeffFromRestraints(ProjectModel& m) {
  struct Row {
    int Vri, Vrj, Mri, Mrj;
    float Keff;
  };
  static constexpr Row kTable[] = {
      {1, 1, 0, 0, 1.0f}, {1, 1, 0, 1, 0.7f}, {1, 1, 1, 0, 0.7f}, {1, 1, 1, 1, 0.5f},
      {0, 1, 0, 1, 2.0f}, {0, 1, 1, 0, 2.0f}, {0, 1, 1, 1, 1.0f},
  };
  for (const Row& row : kTable) {
    if (row.Vri == m.Vri && row.Vrj == m.Vrj && row.Mri == m.Mri && row.Mrj == m.Mrj) {
      m.Keff = row.Keff;
      return true;
    }
  }
  return false;
}

}  // namespace tarnix
