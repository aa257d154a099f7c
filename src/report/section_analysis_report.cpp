// Section analysis section of the report: the capacity of every load condition against its demand.
#include <cmath>
#include <string>

#include "report/section_writers.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

void ValueLine(ReportWriter& out, const char* label, double value, int decimals) {
  out.Blanks(10).Text(label).Fixed(value, decimals).EndLine();
}

void Message(ReportWriter& out, const std::string& text) { out.Blanks(10).Text(text).EndLine(); }

}  // namespace

void WriteSectionAnalysisReport(const ProjectModel& m, ReportWriter& out) {
  const InteractionDiagram& d = m.interactionDiagram;
  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  out.EmptyLine();
  out.SectionHeading("S E C T I O N   A N A L Y S I S");
  out.UnitsLine(m.unitSystem());

  const bool slender = m.L > 0 && Slenderness::Magnifies(m.SlendernessOption);
  // A section in two dimensions is judged on its interaction surface: a load with a moment takes its
  // capacity in the direction of its design moment vector.
  const bool twoDimensional = IsTwoDimensional(m);
  if (twoDimensional) {
    out.Blanks(5).Text("Moment capacity: |phi Mn| on the interaction surface in the direction of the design");
    out.EndLine();
    out.Blanks(5).Text("moments (Mx, My); moment ratio |Mu| / |phi Mn|").EndLine();
  }
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t I = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[I];
    const float Mi = load.M;
    const float M0 = InitialMoment(load);
    out.EmptyLine();
    out.Blanks(5).Text("LOAD CONDITION NO " + std::to_string(i)).EndLine();
    out.EmptyLine();

    const LoadCapacity* judged = I < d.capacity.size() ? &d.capacity[I] : nullptr;
    const BiaxialCapacity* b = BiaxialCheckOf(d, i);
    const bool biaxial = b != nullptr;
    if (biaxial && !b->found) {
      Message(out, "*** No capacity: the axial load lies beyond the section's factored axial range");
      continue;
    }
    // Every load without a capacity point says so, whatever the sign of its moment.
    if (!biaxial && (judged == nullptr || judged->capFound == 1)) {
      Message(out, "*** Solution not found");
      continue;
    }
    const LoadCapacity& cap = *judged;
    if (biaxial) {
      ValueLine(out, "For Axial load      = ", b->axial / force, 1);
      ValueLine(out, "Reduction factor    = ", b->phi, 3);
      ValueLine(out, "Moment capacity     = ", std::hypot(b->momentX, b->momentY) / moment, 1);
    } else if (Mi != 0 || m.SlendernessOption != Slenderness::None) {
      ValueLine(out, "For Axial load      = ", cap.capAxial / force, 1);
      ValueLine(out, "Reduction factor    = ", cap.capPhi, 3);
      ValueLine(out, "Moment capacity     = ", cap.capMoment / moment, 1);
    } else {
      ValueLine(out, "Axial load          = ", load.P / force, 1);
      ValueLine(out, "Reduction factor    = ", cap.capPhi, 3);
      ValueLine(out, "Axial load capacity = ", cap.capAxial / force, 1);
    }

    // The diagram is that of compression at the top; a negative moment is checked by its size, and its
    // own face needs the inverted section.
    if (!slender) {
      if (Mi != 0)
        ValueLine(out, twoDimensional ? "Moment demand Mx    = " : "Moment demand       = ", Mi / moment, 1);
    } else {
      if (Mi != 0) ValueLine(out, "Initial moment      = ", M0 / moment, 1);
      const SlendernessResults& s = m.slenderness;
      const bool general = m.SlendernessOption == Slenderness::GeneralPDelta;
      // No second-order analysis of the member exists for the general option: the initial moment is the
      // design moment.
      if (general) {
        Message(out, "*** General P-delta analysis is not performed by the program");
        ValueLine(out, "Design moment       = ", cap.checkedMoment / moment, 1);
      } else if (cap.designKnown && static_cast<size_t>(i) < s.Mc.size()) {
        const float magnified = s.Mc[static_cast<size_t>(i)];
        ValueLine(out, "Magnified moment    = ", magnified / moment, 1);
        // Where the first-order moment is the larger, it is the moment the load is checked with.
        if (cap.checkedMoment != magnified) {
          ValueLine(out, "Design moment       = ", cap.checkedMoment / moment, 1);
        }
      } else if (static_cast<size_t>(i) < s.outcome.size()) {
        // At buckling, or beyond the reach of moment magnification, there is no design moment to show.
        Message(out, std::string("*** ") + SlenderOutcomeText(s.outcome[static_cast<size_t>(i)]));
      } else {
        Message(out, "*** Magnified moment not available");
      }
    }
    if (biaxial) {
      ValueLine(out, "Design moment My    = ", cap.checkedMomentY / moment, 1);
      ValueLine(out, "Moment ratio        = ", b->momentRatio, 3);
    }
    if (cap.momentExceeded) Message(out, "*** Moment capacity is exceeded");
    if (cap.axialExceeded) Message(out, "*** Axial load capacity is exceeded");
    // The interaction surface covers moments of every direction: only the diagram of one axis needs the
    // inverted section for a negative moment.
    if (Mi < 0 && !twoDimensional)
      Message(out, "*** Negative moment: invert the section to check the other face");
  }
}

}  // namespace tarnix
