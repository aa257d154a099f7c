// Slenderness effects section of the report: the moment magnification of every load condition, or the
// slender wall design.
#include <string>

#include "report/section_writers.h"
#include "criteria/criteria.h"
#include "strength/slender_wall.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

void Value(ReportWriter& out, const char* label, double value, int decimals) {
  out.Blanks(15).Text(label).Fixed(value, decimals).EndLine();
}

void Message(ReportWriter& out, const std::string& text) { out.Blanks(15).Text(text).EndLine(); }

// I / Ig of load n's critical load, where the member takes the reduced inertia.
void InertiaRatioLine(const std::vector<float>& ratio, size_t n, ReportWriter& out) {
  if (n < ratio.size() && ratio[n] > 0) Value(out, "I/Ig       = ", ratio[n], 3);
}

// What the analysis decided for a load that has no magnified moment; faults are marked.
void OutcomeLine(ReportWriter& out, SlenderOutcome outcome) {
  const std::string text = SlenderOutcomeText(outcome);
  Message(out, IsSlenderFault(outcome) ? "*** " + text : text);
}

// The minimum moment replaced the end moment M2 (and Cm became 1.0).
void MinimumMomentLine(const ProjectModel& m, ReportWriter& out, float M2min) {
  Value(out, "Minimum moment governs, M2,min = ", M2min / m.MomentUnitFactor, 1);
}

void SwayMethodLine(ReportWriter& out, SwayMagnifier method) {
  switch (method) {
    case SwayMagnifier::kStabilityIndex:
      Message(out, "Sway factor from the stability index, 1/(1 - Q)");
      break;
    case SwayMagnifier::kCriticalLoad:
      Message(out, "Sway factor from the critical load");
      break;
    case SwayMagnifier::kCriticalLoadBeyondStabilityLimit:
      Message(out, "Sway factor from the critical load: 1/(1 - Q) exceeds 1.5");
      break;
    case SwayMagnifier::kNone:
      break;
  }
}

void LoadHeader(ReportWriter& out, int i) {
  out.EmptyLine();
  out.Blanks(10).Text("LOAD CONDITION " + std::to_string(i) + ":").EndLine();
  out.EmptyLine();
}

void Heading(ReportWriter& out) {
  out.EmptyLine();
  out.SectionHeading("S L E N D E R N E S S   E F F E C T S");
}

// Results of an earlier run must not be shown for a member without length.
bool NoMemberLength(const ProjectModel& m, ReportWriter& out) {
  if (m.L > 0) return false;
  out.EmptyLine();
  out.Blanks(5).Text("*** Member length is zero: slenderness effects are not computed").EndLine();
  return true;
}

// Moment magnification about the vertical axis of a section in two dimensions, after that about the
// horizontal axis: per load the critical load, kl/r and its limit, the factors and the magnified My.
// A magnified moment's ratio to its first-order moment against the criteria's limit (1.4 by ACI 318-19
// 6.2.5.3), where the criteria has one and the ratio was computed.
void SecondOrderLine(const ProjectModel& m, float ratio, ReportWriter& out) {
  const float limit = CriteriaFor(m.criteria).revised.secondOrderLimit;
  if (!(limit > 0 && ratio > 0)) return;
  const bool exceeded = ratio > limit;
  out.Blanks(15).Text(exceeded ? "*** " : "").Text("Second-order / first-order     = ");
  out.Fixed(ratio, 3).Text(exceeded ? " exceeds " : " within ").Fixed(limit, 2).EndLine();
}

void VerticalAxisReport(const ProjectModel& m, ReportWriter& out) {
  const SlendernessResults& s = m.slenderness;
  out.EmptyLine();
  out.Blanks(5).Text("MAGNIFICATION ABOUT THE VERTICAL AXIS:").EndLine();
  if (s.McY.empty()) {
    out.EmptyLine();
    Message(out, "My is first order: no member data for the vertical axis");
    return;
  }
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < s.outcomeY.size(); ++i) {
    const size_t n = static_cast<size_t>(i);
    const SlenderOutcome outcome = s.outcomeY[n];
    LoadHeader(out, i);
    if (!(s.PcY[n] > 0) || !(s.rY > 0)) {
      if (s.PcY[n] > 0) Value(out, "Pc         = ", s.PcY[n] / m.ForceUnitFactor, 1);
      OutcomeLine(out, outcome);
      continue;
    }
    Value(out, "Pc         = ", s.PcY[n] / m.ForceUnitFactor, 1);
    InertiaRatioLine(s.inertiaRatioY, n, out);
    if (outcome == SlenderOutcome::Buckling && !(static_cast<double>(s.phiK) * s.PcY[n] > m.loads[n].P)) {
      OutcomeLine(out, outcome);
      continue;
    }
    out.EmptyLine();
    Value(out, "r          = ", s.rY, 3);
    Value(out, "kl/r       = ", m.memberY.L * m.memberY.Keff / s.rY, 1);
    if (m.loads[n].P > 0) Value(out, "kl/r limit = ", s.klrLimitY[n], 1);
    out.EmptyLine();
    if (outcome != SlenderOutcome::Magnified) {
      OutcomeLine(out, outcome);
      continue;
    }
    if (s.M2minY[n] != 0) MinimumMomentLine(m, out, s.M2minY[n]);
    Value(out, "Equivalent moment factor, Cm   = ", s.CmY[n], 3);
    Value(out, "Non-sway magnification factor  = ", s.deltaNsY[n], 3);
    Value(out, "Sway magnification factor      = ", s.deltaSY[n], 3);
    Value(out, "Magnified moment My            = ", s.McY[n] / m.MomentUnitFactor, 1);
    const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
    if (n < capacity.size()) SecondOrderLine(m, capacity[n].secondOrderRatioY, out);
  }
}

}  // namespace

const char* ColumnStiffnessFormula(int choice) {
  switch (choice) {
    case ColumnStiffnessChoice::ConcreteAndBars: return "(EI)eff = (0.2 Ec Ig + Es Ise) / (1 + betadns)";
    case ColumnStiffnessChoice::ReducedInertia: return "(EI)eff = Ec I / (1 + betadns), I of Table 6.6.3.1.1(b)";
    default: return "(EI)eff = 0.4 Ec Ig / (1 + betadns)";
  }
}

void WriteSlendernessReport(const ProjectModel& m, ReportWriter& out) {
  const SlendernessResults& s = m.slenderness;
  Heading(out);
  if (NoMemberLength(m, out)) return;
  out.EmptyLine();
  out.Blanks(5).Text(CriteriaFor(m.criteria).slendernessHeading).EndLine();

  const CriteriaRules& rules = CriteriaFor(m.criteria);
  const bool composite = rules.compositeModifiedProperties && HasSteelShapes(m);
  if (rules.revised.stiffness == ColumnStiffness::GrossConcrete && !HasSteelShapes(m)) {
    out.EmptyLine();
    Message(out, ColumnStiffnessFormula(m.columnStiffness));
  }
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < s.outcome.size(); ++i) {
    const size_t n = static_cast<size_t>(i);
    const SlenderOutcome outcome = s.outcome[n];
    LoadHeader(out, i);
    // Member data without a critical load leave nothing else to show.
    if (!(s.Pc[n] > 0)) {
      OutcomeLine(out, outcome);
      continue;
    }
    if (composite) {
      out.Blanks(15).Text("Fe         = ").WholeWithPoint(s.Fe).EndLine();
      out.Blanks(15).Text("Ee         = ").WholeWithPoint(s.Ee).EndLine();
      Value(out, "r          = ", s.rs, 3);
      Value(out, "gamma      = ", s.gamma, 3);
    }
    Value(out, "Pc         = ", s.Pc[n] / m.ForceUnitFactor, 1);
    InertiaRatioLine(s.inertiaRatio, n, out);
    if (outcome == SlenderOutcome::Buckling && !(static_cast<double>(s.phiK) * s.Pc[n] > m.loads[n].P)) {
      OutcomeLine(out, outcome);
      continue;
    }
    if (!(s.r > 0)) {
      OutcomeLine(out, outcome);
      continue;
    }
    out.EmptyLine();
    Value(out, "r          = ", s.r, 3);
    Value(out, "kl/r       = ", m.L * m.Keff / s.r, 1);
    if (rules.revised.reversedEndMomentRatio && m.loads[n].P > 0 && m.loads[n].M2ns != 0) {
      // The code's ratio, not the entered one: negative in single curvature.
      out.Blanks(15).Text("M1/M2      = ").Fixed(EndMomentRatio(m, m.loads[n].M1ns, m.loads[n].M2ns), 3);
      out.Text("  (negative in single curvature)").EndLine();
    }
    if (s.klrLimitKnown[n]) Value(out, "kl/r limit = ", s.klrLimit[n], 1);
    if (outcome != SlenderOutcome::Magnified) {
      out.EmptyLine();
      OutcomeLine(out, outcome);
      continue;
    }
    const bool secondary = s.deltaNs2[n] > 1.0001f;
    const bool minimumMoment = n < s.M2min.size() && s.M2min[n] != 0;
    out.EmptyLine();
    if (minimumMoment && !secondary) MinimumMomentLine(m, out, s.M2min[n]);
    Value(out, "Equivalent moment factor, Cm   = ", s.Cm[n], 3);
    if (s.Q[n] != 0) Value(out, "Stability Index, Q             = ", s.Q[n], 3);
    Value(out, "Non-sway magnification factor  = ", s.deltaNs[n], 3);
    Value(out, "Sway magnification factor      = ", s.deltaS[n], 3);
    if (n < s.swayMagnifier.size()) SwayMethodLine(out, s.swayMagnifier[n]);
    if (secondary) {
      out.EmptyLine();
      // Where the member is always checked along its length, L/r triggers nothing.
      if (!rules.revised.swayAlongLengthAlways) {
        Value(out, "L/r                            = ", m.L / s.r, 3);
        Value(out, "L/r maximum                    = ", s.LrMax[n], 3);
      }
      if (minimumMoment) MinimumMomentLine(m, out, s.M2min[n]);
      Value(out, "Secondary factor, Cm           = ", s.Cm2[n], 3);
      Value(out, "Secondary magnification factor = ", s.deltaNs2[n], 3);
    }
    Value(out, "Magnified moment               = ", s.Mc[n] / m.MomentUnitFactor, 1);
    const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
    // The end moments may describe less than the load's own moment, which then stays the design moment.
    if (n < capacity.size() && capacity[n].checked && capacity[n].checkedMoment != s.Mc[n]) {
      Value(out, "Design moment (first-order)    = ", capacity[n].checkedMoment / m.MomentUnitFactor, 1);
    }
    if (n < capacity.size()) SecondOrderLine(m, capacity[n].secondOrderRatio, out);
  }
  if (IsTwoDimensional(m)) VerticalAxisReport(m, out);
}

namespace {

// The service deflection of load n (ACI 318-19 11.8.4), where its service loads were given.
void WallServiceLines(const ProjectModel& m, size_t n, ReportWriter& out) {
  const SlendernessResults& s = m.slenderness;
  const WallService check = s.wallService[n];
  if (check == WallService::NotChecked) return;
  const LoadCondition& load = m.loads[n];
  out.EmptyLine();
  Value(out, "Service load Ps    = ", load.Ps / m.ForceUnitFactor, 1);
  Value(out, "Service moment Msa = ", load.Ms / m.MomentUnitFactor, 1);
  if (check == WallService::NoSteel) {
    Message(out, "*** Service deflection: the service tension exceeds the capacity of the reinforcement");
    return;
  }
  if (check == WallService::NoBalance) {
    Message(out, "*** Service deflection: no service moment up to Mn balances P-delta");
    return;
  }
  Value(out, "Service moment Ma  = ", s.wallServiceMoment[n] / m.MomentUnitFactor, 1);
  Value(out, "Service deflection = ", s.wallServiceDeflection[n], 3);
  Value(out, "lc / 150           = ", m.L / 150.0, 3);
  if (check == WallService::Exceeded) Message(out, "*** The service deflection exceeds lc / 150");
}

}  // namespace

void WriteSlenderWallReport(const ProjectModel& m, ReportWriter& out) {
  const SlendernessResults& s = m.slenderness;
  Heading(out);
  if (NoMemberLength(m, out)) return;
  out.EmptyLine();
  const bool aci19 = CriteriaFor(m.criteria).revised.wallByAci19;
  out.Blanks(5).Text(aci19 ? "SLENDER WALL DESIGN PER ACI 318-19 11.8" : "SLENDER WALL DESIGN PER ACI-318").EndLine();
  out.EmptyLine();
  // The wall bends out of its plane, about the horizontal axis, only.
  if (IsTwoDimensional(m)) Message(out, "My is first order: the wall is designed about the horizontal axis");
  if (!s.wallProblem.empty()) {
    Message(out, "*** " + s.wallProblem);
    return;
  }
  Value(out, "rho    = ", s.rho, 5);
  if (!aci19) Value(out, "rhomax = ", s.rhomax, 5);
  Value(out, "Mcr    = ", s.Mcr / m.MomentUnitFactor, 1);
  if (s.wallRatioExceeded) {
    Message(out, "*** The maximum reinforcing ratio is exceeded");
    return;
  }

  const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  const double area = m.sectionProperties.concArea;
  // The wall's lists are filled together by the wall design of this run.
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < s.wallStressExceeded.size(); ++i) {
    const size_t n = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[n];
    LoadHeader(out, i);
    Value(out, "P/A              = ", load.P / area, 2);
    Value(out, "0.06 x f'c       = ", 0.06 * m.fpc, 2);
    if (s.wallStressExceeded[n]) {
      Message(out, "*** The maximum axial stress is exceeded");
      continue;
    }
    const LoadCapacity cap = n < capacity.size() ? capacity[n] : LoadCapacity{};
    out.EmptyLine();
    Value(out, "Reduction factor = ", cap.capPhi, 3);
    out.Blanks(15).Text("Moment capacity  = ").Fixed(cap.capMoment / m.MomentUnitFactor, 1);
    out.Text(" From interaction diagram").EndLine();
    out.Blanks(15).Text("Moment capacity  = ").Fixed(s.phiMnAse[n] / m.MomentUnitFactor, 1);
    out.Text(" From Ase formula").EndLine();
    const SlenderOutcome outcome = s.outcome[n];
    if (outcome == SlenderOutcome::TensionExceeded) {
      OutcomeLine(out, outcome);
    } else if (aci19 && n < s.wallNotTensionControlled.size() && s.wallNotTensionControlled[n]) {
      Message(out, "*** The section is not tension-controlled");
    } else if (s.wallCrackingGoverns[n]) {
      Message(out, "*** The cracking moment exceeds the moment capacity");
    } else if (outcome != SlenderOutcome::Magnified) {
      OutcomeLine(out, outcome);
    } else {
      Value(out, "Magnified moment = ", s.Mc[n] / m.MomentUnitFactor, 1);
      if (s.wallMomentExceeded[n]) Message(out, "*** Magnified moment exceeds the moment capacity of the wall");
    }
    if (n < s.wallService.size()) WallServiceLines(m, n, out);
  }
  // The service deflection check of 11.8.4 needs service loads, which no load condition gave.
  if (aci19 && s.wallService.empty()) {
    out.EmptyLine();
    Message(out, "Service deflection (11.8.4) is not checked: it needs service loads");
  }
}

}  // namespace tarnix
