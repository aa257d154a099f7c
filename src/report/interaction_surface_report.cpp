// Interaction surface section of the report: the diagram at every neutral-axis angle with both moment
// components and the design values, then the biaxial capacity of every load condition.
#include <string>

#include "report/diagram_rows.h"
#include "report/section_writers.h"
#include "strength/design_phi.h"

namespace tarnix {
namespace {

void MeridianTable(const ProjectModel& m, const InteractionDiagram& d, ReportWriter& out) {
  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  out.EmptyLine();
  out.Blanks(5).Text("NEUTRAL-AXIS ANGLE ").Fixed(d.angle, 1).Text(" DEGREES:").EndLine();
  if (d.incrementTooSmall || d.idCount < 1) {
    out.Blanks(5).Text("*** No diagram at this angle").EndLine();
    return;
  }
  out.EmptyLine();
  out.Column(6).Text("Point").Column(12).Text("c").Column(22).Text("Pn").Column(33).Text("Mnx");
  out.Column(44).Text("Mny").Column(55).Text("phi").Column(62).Text("phi Pn").Column(73).Text("phi Mnx");
  out.Column(84).Text("phi Mny").Column(95).Text("et").EndLine();
  for (const DiagramRow& r : DiagramRows(d, [](int) { return 0; })) {
    const size_t K = static_cast<size_t>(r.point);
    const float Mny = K < d.idMomentY.size() ? d.idMomentY[K] : 0.0f;
    // The factor of a load lying on the design surface at this point, as on the diagram's design curve.
    const float phi = DesignPointPhi(m, d, d.idAxial[K], d.idTensileStrain[K]);
    out.Column(6).Text(std::to_string(r.point));
    if (r.withDepth) out.Column(12).Fixed(d.idDepth[K], 2);
    out.Column(22).Fixed(d.idAxial[K] / force, 1).Column(33).Fixed(d.idMoment[K] / moment, 1);
    out.Column(44).Fixed(Mny / moment, 1).Column(55).Fixed(phi, 3);
    out.Column(62).Fixed(phi * d.idAxial[K] / force, 1).Column(73).Fixed(phi * d.idMoment[K] / moment, 1);
    out.Column(84).Fixed(phi * Mny / moment, 1).Column(95).Fixed(d.idTensileStrain[K], 5);
    if (!r.label.empty()) out.Column(106).Text(r.label);
    out.EndLine();
  }
}

void ValueLine(ReportWriter& out, const char* label, double value, int decimals, const char* note = "") {
  out.Blanks(10).Text(label).Fixed(value, decimals).Text(note).EndLine();
}

void Message(ReportWriter& out, const std::string& text) { out.Blanks(10).Text(text).EndLine(); }

void BiaxialCapacityBlock(const ProjectModel& m, int i, ReportWriter& out) {
  const InteractionDiagram& d = m.interactionDiagram;
  const size_t I = static_cast<size_t>(i);
  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  const LoadCondition& load = m.loads[I];
  const LoadCapacity* cap = I < d.capacity.size() ? &d.capacity[I] : nullptr;
  out.EmptyLine();
  out.Blanks(5).Text("BIAXIAL CAPACITY OF LOAD CONDITION NO " + std::to_string(i)).EndLine();
  out.EmptyLine();
  ValueLine(out, "Axial load          = ", load.P / force, 1);
  // The design moments the verdict uses: first order, or magnified where the member data allow.
  ValueLine(out,
            "Design moment Mx    = ", (cap != nullptr && cap->checked ? cap->checkedMoment : load.M) / moment,
            1);
  ValueLine(out, "Design moment My    = ",
            (cap != nullptr && cap->checked ? cap->checkedMomentY : load.My) / moment, 1);
  const BiaxialCapacity* check = BiaxialCheckOf(d, i);
  if (check == nullptr) {
    // A load without moment is judged by its axial force alone, as in one axis.
    const bool computed = I < d.biaxial.size() && d.biaxial[I].computed;
    Message(out, computed ? "No moment: the load is judged by its axial force under SECTION ANALYSIS"
                          : "*** Biaxial capacity not computed");
    return;
  }
  const BiaxialCapacity& b = *check;
  if (!b.found) {
    Message(out, "*** No capacity: the axial load lies beyond the section's factored axial range");
    return;
  }
  ValueLine(out, "Neutral-axis angle  = ", b.angle, 2, " degrees");
  ValueLine(out, "Neutral-axis depth  = ", b.depth, 2);
  ValueLine(out, "Reduction factor    = ", b.phi, 3);
  ValueLine(out, "phi Pn              = ", b.axial / force, 1);
  ValueLine(out, "phi Mnx             = ", b.momentX / moment, 1);
  ValueLine(out, "phi Mny             = ", b.momentY / moment, 1);
  ValueLine(out, "Net tensile strain  = ", b.tensileStrain, 5);
  ValueLine(out, "Moment ratio        = ", b.momentRatio, 3, "  (|Mu| / |phi Mn| at the same axial load)");
  // A load at the origin has no ray, and no ratio along it.
  if (b.rayRatio > 0)
    ValueLine(out, "Ray ratio           = ", b.rayRatio, 3, "  (along the ray from the origin)");
  if (cap != nullptr && cap->momentExceeded) Message(out, "*** Moment capacity is exceeded");
  if (cap != nullptr && cap->axialExceeded) Message(out, "*** Axial load capacity is exceeded");
}

}  // namespace

void WriteInteractionSurfaceReport(const ProjectModel& m, ReportWriter& out) {
  out.EmptyLine();
  out.SectionHeading("I N T E R A C T I O N   S U R F A C E");
  out.Blanks(5).Text("Moments about centroid of gross concrete section").EndLine();
  out.UnitsLine(m.unitSystem());
  out.Blanks(5).Text("Neutral-axis angle: compression at the top at 0 degrees, on the right at 90").EndLine();
  out.Blanks(5).Text("Mnx > 0: compression at the top; Mny > 0: compression on the right").EndLine();
  const InteractionSurface& s = m.interactionSurface;
  if (s.meridians.empty()) {
    out.EmptyLine();
    out.Blanks(5).Text("*** The interaction surface was not computed").EndLine();
  }
  for (const InteractionDiagram& d : s.meridians) MeridianTable(m, d, out);
  for (int i = 1; i <= ListSize(m.ns); ++i) BiaxialCapacityBlock(m, i, out);
}

}  // namespace tarnix
