// Section properties section of the report.
#include "base/number_format.h"
#include "report/section_writers.h"
#include "section/section_properties.h"

namespace tarnix {
namespace {

void ValueLine(ReportWriter& out, const char* label, float value, const char* suffix = "") {
  out.Blanks(10).Text(std::string(label) + FormatFixedExponent(value, 4) + suffix).EndLine();
}

// One group: its heading, area, centroid, own inertia and, when it differs, the inertia about the
// transformed centroid.
void Group(ReportWriter& out, const char* heading, float area, float ybar, float io, float inertia,
           const char* ownSuffix) {
  out.EmptyLine();
  out.Blanks(5).Text(heading).EndLine();
  out.EmptyLine();
  ValueLine(out, "Area    = ", area);
  ValueLine(out, "Ybar    = ", ybar);
  ValueLine(out, "Io      = ", io, ownSuffix);
  if (inertia != io) ValueLine(out, "Inertia = ", inertia, " About composite CG");
}

}  // namespace

void WriteSectionPropertiesReport(const ProjectModel& m, ReportWriter& out) {
  const SectionProperties& p = m.sectionProperties;
  out.EmptyLine();
  out.SectionHeading("S E C T I O N   P R O P E R T I E S");
  if (p.problem != SectionProblem::None) {
    out.EmptyLine();
    out.Blanks(5).Text("*** ").Text(SectionProblemText(p.problem)).EndLine();
    return;
  }
  if (p.concArea > 0) Group(out, "GROSS CONCRETE SECTION:", p.concArea, p.concYbar, p.concIo, p.concI, " About concrete CG");
  if (p.reinfArea > 0) Group(out, "REINFORCING STEEL:", p.reinfArea, p.reinfYbar, p.reinfIo, p.reinfI, " About reinf CG");
  if (p.steelArea > 0) Group(out, "STEEL SHAPES:", p.steelArea, p.steelYbar, p.steelIo, p.steelI, " About steel CG");
  if (p.concArea > 0) {
    out.EmptyLine();
    out.Blanks(5).Text("TRANSFORMED CONCRETE SECTION:").EndLine();
    out.EmptyLine();
    ValueLine(out, "Area    = ", p.transArea);
    ValueLine(out, "Ybar    = ", p.transYbar);
    ValueLine(out, "Inertia = ", p.transI);
  }
}

}  // namespace tarnix
