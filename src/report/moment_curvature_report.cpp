// Moment-curvature section of the report: the points of every curve with their events, the failure note,
// the idealisation and the local member ductility.
#include <string>

#include "curvature/idealization.h"
#include "base/number_format.h"
#include "report/section_writers.h"

namespace tarnix {
namespace {

void Line(ReportWriter& out, int column, const std::string& text) { out.Column(column).Text(text).EndLine(); }

std::string Exponent(double value) { return FormatFixedExponent(value, 4); }

// What a curve that ended short of a failure prints in place of the values that need an ultimate point.
const char* const kNotUltimate = "not available (the curve ended without a failure)";

}  // namespace

void WriteMomentCurvatureReport(const ProjectModel& m, ReportWriter& out) {
  const McResult& r = m.momentCurvature;
  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  out.EmptyLine();
  out.SectionHeading("M O M E N T   C U R V A T U R E");
  out.Blanks(5).Text("Moments about centroid of gross concrete section").EndLine();
  // A section in two dimensions bends about both axes: the curve is at a neutral-axis angle and shows
  // both moments, and what is idealised is the moment along the angle.
  const bool biaxial = IsTwoDimensional(m);
  if (biaxial) {
    Line(out, 6, "Neutral axis angle = " + FormatFixed(m.mcAngle, 1) + " degrees");
    Line(out, 6, "Idealization and ductility use the moment along the angle, Mx cos + My sin");
  }
  out.UnitsLine(m.unitSystem());
  if (!r.rejection.empty()) {
    out.EmptyLine();
    Line(out, 6, r.rejection);
    return;
  }
  if (!r.problem.empty() || r.curves.empty()) {
    out.EmptyLine();
    Line(out, 6, "*** " + (r.problem.empty() ? std::string("The moment-curvature analysis was not made") : r.problem));
    return;
  }
  const bool concrete = m.nr >= 1 || m.nc >= 1 || m.npg >= 1;
  const int labelColumn = biaxial ? 95 : 80;

  for (int k = 1; k <= ListSize(m.ns) && static_cast<size_t>(k) < r.curves.size(); ++k) {
    const McCurve& curve = r.curves[static_cast<size_t>(k)];
    out.EmptyLine();
    Line(out, 6, "Load Condition Number " + std::to_string(k));
    Line(out, 6, "Axial Load = " + FormatFixed(m.loads[static_cast<size_t>(k)].P / force, 1));
    out.EmptyLine();
    out.Column(6).Text("Strain").Column(20).Text("c").Column(35).Text("Axial").Column(50).Text("Curvature");
    if (biaxial) {
      out.Column(65).Text("Mx").Column(80).Text("My").EndLine();
    } else {
      out.Column(65).Text("Moment").EndLine();
    }

    const McIdealization ideal = IdealizeMomentCurvature(m, k);
    const double load = m.loads[static_cast<size_t>(k)].P;
    for (size_t j = 0; j < curve.points.size(); ++j) {
      const McPoint& p = curve.points[j];
      // The point is in equilibrium with the load; the load is what the column shows.
      out.Column(6).Fixed(p.strain, 5).Column(20).Fixed(p.depth, 2).Column(35).Fixed(load / force, 1);
      out.Column(50).Fixed(static_cast<double>(p.strain) / p.depth, 6).Column(65).Fixed(p.moment / moment, 1);
      if (biaxial) out.Column(80).Fixed(p.momentY / moment, 1);
      out.Column(labelColumn).Text(ideal.labels[j]).EndLine();
    }
    if (curve.failRecorded) {
      const McPoint& f = curve.failPoint;
      out.EmptyLine();
      Line(out, 6, "Note: Failure occurred at:");
      out.EmptyLine();
      Line(out, 6, "     Strain               = " + FormatFixed(f.strain, 5));
      Line(out, 6, "     c                    = " + FormatFixed(f.depth, 2));
      Line(out, 6, "     Axial load           = " + FormatFixed(f.axial / force, 1));
      if (biaxial) {
        Line(out, 6, "     Mx                   = " + FormatFixed(f.moment / moment, 1));
        Line(out, 6, "     My                   = " + FormatFixed(f.momentY / moment, 1));
      } else {
        Line(out, 6, "     Moment               = " + FormatFixed(f.moment / moment, 1));
      }
    }
    // A curve without an ultimate point prints the reason in place of the values measured to its last
    // point, which would be read as the member's.
    const bool ultimate = ideal.hasUltimate;
    if (!ultimate) {
      out.EmptyLine();
      Line(out, 6, "*** Curve ended: no neutral-axis depth balances the load at a larger strain");
    }
    if (curve.points.empty()) {
      out.EmptyLine();
      Line(out, 6, "*** No point found for this load condition");
      continue;
    }
    if (curve.points.size() == 1) {
      out.EmptyLine();
      Line(out, 6, "*** Try using a smaller strain increment to get more steps ***");
      continue;
    }
    out.EmptyLine();
    Line(out, 6, "Yield curvature           = " + Exponent(ideal.phiY));
    Line(out, 6, "Ultimate curvature        = " + (ultimate ? Exponent(ideal.phiU) : kNotUltimate));
    Line(out, 6, "Idealized plastic moment  = " +
                     (ultimate && ideal.hasMp ? FormatFixed(ideal.Mp / moment, 1) : "not available"));
    Line(out, 6,
         "Maximum tension           = " + FormatFixed(curve.maxTension / force, 0) +
             (biaxial ? ". At Mx = " + FormatFixed(curve.maxTensionMoment / moment, 1) +
                            ", My = " + FormatFixed(curve.maxTensionMomentY / moment, 1)
                      : ". At moment = " + FormatFixed(curve.maxTensionMoment / moment, 1)));
    if (!concrete) continue;

    out.EmptyLine();
    Line(out, 6, "Cracked moment of inertia = " + (ideal.hasIcr || !ideal.hasFirstYield ? Exponent(ideal.Icr)
                                                                                         : "not available"));
    Line(out, 6, "Based on 1st yield strain = " + FormatFixed(ideal.firstYieldStrain, 5));

    const MemberDuctilityResult d = MemberDuctility(m, ideal.phiYi, ideal.phiU);
    out.EmptyLine();
    Line(out, 6, "LOCAL MEMBER DUCTILITY:");
    out.EmptyLine();
    Line(out, 10, "Idealized yield curvature = " + (ultimate ? Exponent(ideal.phiYi) : "not available"));
    Line(out, 10, "Plastic hinge length      = " + FormatFixed(d.Lp, 1));
    if (m.L > 0 && !ultimate) {
      Line(out, 10, std::string("Local member ductility    = ") + kNotUltimate);
    } else if (m.L > 0) {
      Line(out, 10, "Yield deflection          = " + FormatFixed(d.deltaY, 3));
      Line(out, 10, "Ultimate deflection       = " + FormatFixed(d.deltaU, 3));
      if (d.hasDuctility) Line(out, 10, "Local member ductility    = " + FormatFixed(d.ductility, 1));
    }
  }
}

}  // namespace tarnix
