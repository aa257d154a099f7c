// Section properties section of the report.
#include "base/number_format.h"
#include "report/section_writers.h"
#include "section/section_properties.h"

namespace tarnix {
namespace {

void ValueLine(ReportWriter& out, const char* label, float value, const char* suffix = "") {
  out.Blanks(10).Text(std::string(label) + FormatFixedExponent(value, 4) + suffix).EndLine();
}

// One group's values: area and centroid, the second moments about its own centroid and, when they differ,
// about the transformed centroid. The horizontal centroid, the vertical axis, the product of inertia, the
// principal axes and the radii of gyration only for a section in two dimensions.
struct GroupValues {
  float area, ybar, io, inertia;
  float xbar, ioY, ixyO, inertiaY, ixy;
  PrincipalAxes principal;
  float rx, ry;
};

// The principal axes and the radii of gyration of a group or of the transformed section.
void PrincipalLines(ReportWriter& out, const PrincipalAxes& axes, float rx, float ry) {
  ValueLine(out, "I1      = ", axes.I1, " Principal, largest");
  ValueLine(out, "I2      = ", axes.I2, " Principal, smallest");
  out.Blanks(10)
      .Text("Angle   = " + FormatFixed(axes.angle, 2) + " deg (neutral-axis angle of I1)")
      .EndLine();
  ValueLine(out, "rx      = ", rx);
  ValueLine(out, "ry      = ", ry);
}

void Group(ReportWriter& out, bool twoDimensional, const char* heading, const GroupValues& g,
           const char* ownSuffix) {
  out.EmptyLine();
  out.Blanks(5).Text(heading).EndLine();
  out.EmptyLine();
  ValueLine(out, "Area    = ", g.area);
  ValueLine(out, "Ybar    = ", g.ybar);
  if (twoDimensional) ValueLine(out, "Xbar    = ", g.xbar);
  ValueLine(out, "Io      = ", g.io, ownSuffix);
  if (twoDimensional) {
    ValueLine(out, "Ioy     = ", g.ioY, ownSuffix);
    ValueLine(out, "Ioxy    = ", g.ixyO, ownSuffix);
  }
  if (g.inertia != g.io) ValueLine(out, "Inertia = ", g.inertia, " About composite CG");
  if (twoDimensional && (g.inertiaY != g.ioY || g.ixy != g.ixyO)) {
    ValueLine(out, "Iy      = ", g.inertiaY, " About composite CG");
    ValueLine(out, "Ixy     = ", g.ixy, " About composite CG");
  }
  if (twoDimensional) PrincipalLines(out, g.principal, g.rx, g.ry);
}

}  // namespace

void WriteSectionPropertiesReport(const ProjectModel& m, ReportWriter& out) {
  const SectionProperties& p = m.sectionProperties;
  const bool twoD = IsTwoDimensional(m);
  out.EmptyLine();
  out.SectionHeading("S E C T I O N   P R O P E R T I E S");
  if (p.problem != SectionProblem::None) {
    out.EmptyLine();
    out.Blanks(5).Text("*** ").Text(SectionProblemText(p.problem)).EndLine();
    return;
  }
  if (twoD) {
    out.EmptyLine();
    out.Blanks(5).Text("x to the right, y downward; Iy about a vertical axis, Ixy = sum of x y dA").EndLine();
  }
  if (p.concArea > 0) {
    Group(out, twoD, "GROSS CONCRETE SECTION:",
          {p.concArea, p.concYbar, p.concIo, p.concI, p.concXbar, p.concIoY, p.concIxyO, p.concIY, p.concIxy,
           p.concPrincipal, p.concRx, p.concRy},
          " About concrete CG");
  }
  if (p.reinfArea > 0) {
    Group(out, twoD, "REINFORCING STEEL:",
          {p.reinfArea, p.reinfYbar, p.reinfIo, p.reinfI, p.reinfXbar, p.reinfIoY, p.reinfIxyO, p.reinfIY,
           p.reinfIxy, p.reinfPrincipal, p.reinfRx, p.reinfRy},
          " About reinf CG");
  }
  if (p.steelArea > 0) {
    Group(out, twoD, "STEEL SHAPES:",
          {p.steelArea, p.steelYbar, p.steelIo, p.steelI, p.steelXbar, p.steelIoY, p.steelIxyO, p.steelIY,
           p.steelIxy, p.steelPrincipal, p.steelRx, p.steelRy},
          " About steel CG");
  }
  if (p.concArea > 0) {
    out.EmptyLine();
    out.Blanks(5).Text("TRANSFORMED CONCRETE SECTION:").EndLine();
    out.EmptyLine();
    ValueLine(out, "Area    = ", p.transArea);
    ValueLine(out, "Ybar    = ", p.transYbar);
    if (twoD) ValueLine(out, "Xbar    = ", p.transXbar);
    ValueLine(out, "Inertia = ", p.transI);
    if (twoD) {
      ValueLine(out, "Iy      = ", p.transIY);
      ValueLine(out, "Ixy     = ", p.transIxy);
      PrincipalLines(out, p.transPrincipal, p.transRx, p.transRy);
    }
  }
}

}  // namespace tarnix
