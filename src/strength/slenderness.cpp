// Moment magnification of a slender member by the moment magnifier method of the design criteria.
#include "strength/slenderness.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/conventions.h"
#include "criteria/criteria.h"
#include "model/project_model.h"

namespace tarnix {
namespace {

bool PositiveFinite(double x) { return std::isfinite(x) && x > 0; }

// The member constants of the run: radius of gyration and stiffness reduction factor.
void MemberConstants(const ProjectModel& m, SlendernessResults& s) {
  const SectionProperties& p = m.sectionProperties;
  double r2 = static_cast<double>(p.concIo) / p.concArea;
  if (HasSteelShapes(m)) {
    // A composite section: concrete at a fifth of its stiffness, steel at its full stiffness.
    r2 = (0.2 * m.Ec * p.concI + static_cast<double>(m.Es) * p.steelI) /
         (0.2 * m.Ec * p.concArea + static_cast<double>(m.Es) * p.steelArea);
  }
  s.r = std::isfinite(r2) && r2 > 0 ? static_cast<float>(std::sqrt(r2)) : 0.0f;
  s.phiK = CriteriaFor(m.criteria).family == SlendernessFamily::Aashto ? m.phiC : 0.75f;
}

// The stiffness (EI)eff of a column without steel shapes, with creep ratio betad.
double ColumnStiffnessOf(const ProjectModel& m, double betad) {
  const SectionProperties& p = m.sectionProperties;
  if (CriteriaFor(m.criteria).revised.stiffness == ColumnStiffness::GrossConcrete) {
    // ACI 318-19 6.6.4.4.4(a): the gross section about its own centroid.
    return 0.4 * m.Ec * p.concIo / (1.0 + betad);
  }
  return (0.2 * m.Ec * p.concI + static_cast<double>(m.Er) * p.reinfI) / (1.0 + betad);
}

// Critical buckling load of the member with creep ratio betad (of the axial load, or of the shear for
// the sway stiffness).
double CriticalLoad(const ProjectModel& m, double betad, SlendernessResults& s) {
  const SectionProperties& p = m.sectionProperties;
  const double kl = static_cast<double>(m.Keff) * m.L;
  const double pi2 = kPi * kPi;
  if (!HasSteelShapes(m)) return pi2 * ColumnStiffnessOf(m, betad) / (kl * kl);
  if (!CriteriaFor(m.criteria).compositeModifiedProperties) {
    // The reinforcing bars are left out of the stiffness of a composite column.
    const double EI = 0.2 * m.Ec * p.concI / (1.0 + betad) + static_cast<double>(m.Es) * p.steelI;
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
  const double rs = std::sqrt(p.steelI / As);
  const double gamma = (kl / (rs * kPi)) * (kl / (rs * kPi)) * Fe / Ee;
  s.Fe = static_cast<float>(Fe);
  s.Ee = static_cast<float>(Ee);
  s.rs = static_cast<float>(rs);
  s.gamma = static_cast<float>(gamma);
  return Fe * As / gamma;
}

// Cm = 0.6 + 0.4 M1/M2 (ratio positive in single curvature), or 0.6 - 0.4 M1/M2 with the reversed ratio
// of ACI 318-19, at least the criteria's floor.
double EndMomentCm(const ProjectModel& m, double M1, double M2) {
  const RevisedAciRules& revised = CriteriaFor(m.criteria).revised;
  const double ratio = EndMomentRatio(m, M1, M2);
  const double Cm = revised.reversedEndMomentRatio ? 0.6 - 0.4 * ratio : 0.6 + 0.4 * ratio;
  return std::max(Cm, static_cast<double>(revised.cmFloor));
}

// kl/r below which slenderness may be ignored; false when it has no value (CSA without compression).
bool KlrLimit(const ProjectModel& m, const LoadCondition& load, bool braced, float& limit) {
  if (!braced) {
    limit = 22;
    return true;
  }
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  if (rules.klrLimit == BracedKlrLimit::CsaA23) {
    if (!(load.P > 0)) {
      limit = 0;
      return false;
    }
    const double R =
        std::sqrt(static_cast<double>(load.P) / (static_cast<double>(m.fpc) * m.sectionProperties.concArea));
    const double k = load.M2ns == 0 ? 0.0 : static_cast<double>(load.M1ns) / load.M2ns;
    const double value = load.M2ns == 0 || k < -0.5 ? 30.0 / R : (25.0 - 10.0 * k) / R;
    limit = static_cast<float>(std::fabs(value));
    return std::isfinite(limit);
  }
  // 34 - 12 M1/M2 with the ratio positive in single curvature; ACI 318-19 writes 34 + 12 M1/M2 with its
  // ratio of the opposite sign, the same limit.
  const double ratio = EndMomentRatio(m, load.M1ns, load.M2ns);
  double value = rules.revised.reversedEndMomentRatio ? 34.0 + 12.0 * ratio : 34.0 - 12.0 * ratio;
  if (rules.klrLimit == BracedKlrLimit::Capped40) value = std::min(value, 40.0);
  limit = static_cast<float>(value);
  return true;
}

// The amplification 1 / (1 - P / (phiK Pc)) of a load below the critical load.
double Amplification(const ProjectModel& m, const SlendernessResults& s, int i) {
  return 1.0 / (1.0 - m.loads[static_cast<size_t>(i)].P /
                          (static_cast<double>(s.phiK) * s.Pc[static_cast<size_t>(i)]));
}

// The end moment M2 raised to the minimum moment of the criteria, which then takes Cm = 1.0 (ACI 318-02
// 10.12.3.2, CSA A23.3 10.15.3.1); the minimum is kept for the report when it governs.
double WithMinimumMoment(const ProjectModel& m, SlendernessResults& s, int i, double M2, double& Cm) {
  if (!CriteriaFor(m.criteria).minimumMoment) return M2;
  const double minimum = MinimumMoment(m.loads[static_cast<size_t>(i)].P, m.sectionProperties.sectionDepth,
                                       m.unitSystem());
  if (!(minimum > M2)) return M2;
  Cm = 1.0;
  s.M2min[static_cast<size_t>(i)] = static_cast<float>(minimum);
  return minimum;
}

// Non-sway, sway and secondary magnification of a load that needs it: Magnified, or Buckling when the
// sway story reaches its stability limit (stability index of 1 or more).
SlenderOutcome Magnify(const ProjectModel& m, SlendernessResults& s, int i, bool braced, float Lr) {
  const size_t n = static_cast<size_t>(i);
  const LoadCondition& load = m.loads[n];
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  const bool aciType = rules.family == SlendernessFamily::Aci;
  const double amplification = Amplification(m, s, i);

  double Cm = braced ? EndMomentCm(m, load.M1ns, load.M2ns) : std::max(0.6, static_cast<double>(rules.revised.cmFloor));
  // Without end moments the initial moment is the same along the whole member: no reduction.
  if (IsSet(load.Tloads) || (load.M1ns == 0 && load.M2ns == 0)) Cm = 1.0;
  if (!braced && !rules.swayCmFromEndMoments) Cm = 1.0;
  double designM2 = load.M >= load.M2ns ? load.M : load.M2ns;
  if (braced) designM2 = WithMinimumMoment(m, s, i, designM2, Cm);
  s.Cm[n] = static_cast<float>(Cm);

  double deltaNs = std::max(Cm * amplification, 1.0);
  // In a swaying frame the ACI-type codes magnify the sway moments only.
  if (!braced && aciType) deltaNs = 1.0;
  s.deltaNs[n] = static_cast<float>(deltaNs);
  s.Mc[n] = static_cast<float>(deltaNs * designM2);
  if (braced) return SlenderOutcome::Magnified;

  double deltaS = amplification;
  if (rules.revised.swayStiffnessFromShear) {
    // The sway magnifier takes the critical load with the sustained shear ratio betads.
    const double PcSway = CriticalLoad(m, load.BetaDs, s);
    if (!(static_cast<double>(s.phiK) * PcSway > load.P)) return SlenderOutcome::Buckling;
    deltaS = 1.0 / (1.0 - load.P / (static_cast<double>(s.phiK) * PcSway));
  }
  if (aciType && load.di != 0 && load.V != 0) {
    const double Q = static_cast<double>(load.P) * load.di / (static_cast<double>(m.L) * load.V);
    s.Q[n] = static_cast<float>(Q);
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
    s.swayMagnifier[n] = method;
  }
  deltaS = std::max(deltaS, 1.0);
  s.deltaS[n] = static_cast<float>(deltaS);
  s.Mc[n] = static_cast<float>(load.M2ns * deltaNs + load.M2s * deltaS);

  if (rules.family == SlendernessFamily::Aashto) return SlenderOutcome::Magnified;
  // A very slender swaying column can have its largest moment between the ends.
  const SectionProperties& p = m.sectionProperties;
  const double area = HasSteelShapes(m) ? p.transArea : p.concArea;
  const double LrMax = 35.0 / std::sqrt(load.P / (static_cast<double>(m.fpc) * area));
  s.LrMax[n] = static_cast<float>(LrMax);
  if (!(Lr > LrMax) && !rules.revised.swayAlongLengthAlways) return SlenderOutcome::Magnified;
  const double M1 = load.M1ns + deltaS * load.M1s;
  const double M2 = load.M2ns + deltaS * load.M2s;
  double Cm2 = EndMomentCm(m, M1, M2);
  if (IsSet(load.Tloads) || (M1 == 0 && M2 == 0)) Cm2 = 1.0;
  // The member is designed along its length as a braced one, with its minimum moment.
  const double M2design = WithMinimumMoment(m, s, i, M2, Cm2);
  s.Cm2[n] = static_cast<float>(Cm2);
  const double deltaNs2 = std::max(Cm2 * amplification, 1.0);
  s.deltaNs2[n] = static_cast<float>(deltaNs2);
  if (deltaNs2 * M2design > s.Mc[n]) s.Mc[n] = static_cast<float>(deltaNs2 * M2design);
  return SlenderOutcome::Magnified;
}

}  // namespace

bool DesignMomentKnown(const SlendernessResults& s, int i) {
  if (i < 1 || static_cast<size_t>(i) >= s.outcome.size() || static_cast<size_t>(i) >= s.Mc.size()) return false;
  return HasDesignMoment(s.outcome[static_cast<size_t>(i)]);
}

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

float InitialMoment(const LoadCondition& load) {
  return load.M2ns + load.M2s > load.M ? load.M2ns + load.M2s : load.M;
}

bool HasSteelShapes(const ProjectModel& m) { return m.np > 0 || m.nb > 0; }

double EndMomentRatio(const ProjectModel& m, double M1, double M2) {
  // With M2 = 0 the ratio is taken as 0 (a kl/r limit of 34, Cm of 0.6).
  if (M2 == 0) return 0.0;
  const double entered = M1 / M2;
  // The only place where the entered ratio turns into the code's reversed one.
  return CriteriaFor(m.criteria).revised.reversedEndMomentRatio ? -entered : entered;
}
double MinimumMoment(double P, double h, UnitSystem units) {
  // An eccentricity of 0.6 in + 0.03 h, or 15 mm + 0.03 h.
  return P * ((units.IsEnglish() ? 0.6 : 15.0) + 0.03 * h);
}

void ComputeSlenderness(ProjectModel& m) {
  SlendernessResults& s = m.slenderness;
  MemberConstants(m, s);
  const size_t size = static_cast<size_t>(ListSize(m.ns)) + 1;
  s.Mc.assign(size, 0.0f);
  s.Pc.assign(size, 0.0f);
  s.klrLimit.assign(size, 0.0f);
  s.klrLimitKnown.assign(size, true);
  s.Cm.assign(size, 0.0f);
  s.Q.assign(size, 0.0f);
  s.deltaNs.assign(size, 1.0f);
  s.deltaS.assign(size, 1.0f);
  s.LrMax.assign(size, 0.0f);
  s.Cm2.assign(size, 0.0f);
  s.deltaNs2.assign(size, 1.0f);
  s.outcome.assign(size, SlenderOutcome::Magnified);
  s.M2min.assign(size, 0.0f);
  s.swayMagnifier.assign(size, SwayMagnifier::kNone);

  const bool braced = m.Vri == 1 && m.Vrj == 1;
  const float klr = s.r > 0 ? m.L * m.Keff / s.r : 0.0f;
  const float Lr = s.r > 0 ? m.L / s.r : 0.0f;
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t n = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[n];
    const float initial = InitialMoment(load);
    s.Mc[n] = initial;

    const double Pc = CriticalLoad(m, load.BetaD, s);
    SlenderOutcome& outcome = s.outcome[n];
    if (!PositiveFinite(Pc)) {
      outcome = SlenderOutcome::NoCriticalLoad;
      continue;
    }
    s.Pc[n] = static_cast<float>(Pc);
    if (s.r <= 0) {
      outcome = SlenderOutcome::NoRadius;
      continue;
    }
    // A load at the critical load has an infinite magnifier: it is reported as buckling too.
    if (!(static_cast<double>(s.phiK) * s.Pc[n] > load.P)) {
      outcome = SlenderOutcome::Buckling;
      continue;
    }
    s.klrLimitKnown[n] = KlrLimit(m, load, braced, s.klrLimit[n]);
    if (load.P < 0) {
      outcome = SlenderOutcome::TensileLoad;
    } else if (load.P == 0) {
      outcome = SlenderOutcome::NoAxialLoad;
    } else if (s.klrLimit[n] > klr) {
      outcome = SlenderOutcome::MayBeIgnored;
    } else if (CriteriaFor(m.criteria).revised.magnifierKlrLimit > 0 &&
               klr > CriteriaFor(m.criteria).revised.magnifierKlrLimit) {
      outcome = SlenderOutcome::PDeltaRequired;
    } else {
      outcome = Magnify(m, s, i, braced, Lr);
      if (outcome != SlenderOutcome::Magnified) {
        // Back to the initial moment and unit factors: no magnified moment exists for this load.
        s.Mc[n] = initial;
        s.deltaNs[n] = 1.0f;
        s.deltaS[n] = 1.0f;
        s.deltaNs2[n] = 1.0f;
        s.M2min[n] = 0.0f;
        s.swayMagnifier[n] = SwayMagnifier::kNone;
      }
    }
  }
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
