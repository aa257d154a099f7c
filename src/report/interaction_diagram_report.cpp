// Interaction diagram section of the report: the special points, the capacity points of the loads and
// about twenty evenly spaced points between them.
#include <cmath>
#include <string>

#include "report/diagram_rows.h"
#include "report/section_writers.h"

namespace tarnix {
namespace {

// The smallest load condition number whose capacity lies at point k, or 0. A load judged on the
// interaction surface has its capacity there, not on this diagram about the horizontal axis.
int LoadAtPoint(const InteractionDiagram& d, int loads, int k) {
  for (int i = 1; i <= loads; ++i) {
    const LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    if (cap.capFound == 0 && cap.capPoint == k && BiaxialCheckOf(d, i) == nullptr) return i;
  }
  return 0;
}

// Where the criteria tells tied and spiral columns apart in phi as well as in the cap, which kind the
// section was taken as; and a section with steel shapes that the criteria does not cover.
void ColumnKindLines(const ProjectModel& m, ReportWriter& out) {
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  if (rules.revised.phiSpiral > 0) {
    const bool spiral = m.interactionDiagram.spiralColumn;
    out.Blanks(5).Text(spiral ? "Spiral column (bars on arcs only or spiral confinement): phi compression = "
                              : "Tied column: phi compression = ");
    out.Fixed(spiral ? rules.revised.phiSpiral : m.phiC, 2).Text(", Pn,max = ");
    out.Fixed(static_cast<float>(spiral ? rules.capSpiral : rules.capTied), 2).Text(" Po").EndLine();
  }
  if (rules.revised.compositeOutsideCriteria && (m.nb > 0 || m.np > 0)) {
    out.Blanks(5).Text("*** Composite columns with steel shapes lie outside the design criteria").EndLine();
  }
}

}  // namespace

void WriteInteractionDiagramReport(const ProjectModel& m, ReportWriter& out) {
  const InteractionDiagram& d = m.interactionDiagram;
  out.EmptyLine();
  out.SectionHeading("I N T E R A C T I O N   D I A G R A M");
  out.Blanks(5).Text("Moments about centroid of gross concrete section").EndLine();
  out.UnitsLine(m.unitSystem());
  if (d.incrementTooSmall) {
    out.EmptyLine();
    out.Blanks(5).Text("*** The neutral axis increment does not fit the section depth").EndLine();
    return;
  }
  ColumnKindLines(m, out);
  if (d.compressionCapUnreached) {
    out.Blanks(5).Text("*** The section does not reach Pn,max at the ultimate concrete strain: the maximum");
    out.EndLine().Blanks(5).Text("    compression point is the cap alone").EndLine();
  }
  out.EmptyLine();
  out.Column(6).Text("c").Column(20).Text("Mn").Column(35).Text("Pn").EndLine();

  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  const auto row = [&](int k, bool withDepth, const std::string& label) {
    const size_t K = static_cast<size_t>(k);
    if (withDepth) out.Column(6).Fixed(d.idDepth[K], 2);
    out.Column(20).Fixed(d.idMoment[K] / moment, 1).Column(35).Fixed(d.idAxial[K] / force, 1);
    if (!label.empty()) out.Column(50).Text(label);
    out.EndLine();
  };

  const int loads = ListSize(m.ns);
  for (const DiagramRow& r : DiagramRows(d, [&](int k) { return LoadAtPoint(d, loads, k); })) {
    row(r.point, r.withDepth, r.label);
  }
}

std::vector<DiagramRow> DiagramRows(const InteractionDiagram& d, const std::function<int(int)>& loadAt) {
  std::vector<DiagramRow> rows;
  const int interval = static_cast<int>(std::nearbyint(d.idCount / 20.0));
  int sincePlainRow = 0;
  for (int k = 1; k <= d.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    ++sincePlainRow;
    if (const int load = loadAt(k)) {
      rows.push_back({k, true, "Load condition no " + std::to_string(load)});
    } else if (k == 1) {
      rows.push_back({k, false, "Maximum tension"});
    } else if (k == d.idPureBending) {
      rows.push_back({k, true, "Pure bending"});
    } else if (k == d.idBalanced) {
      rows.push_back({k, true, "Balanced strain"});
    } else if (k < d.idCount) {
      // The depth at which Pn reaches Pn,max, where the flat top of the diagram begins, is always shown.
      const bool topBegins = k == d.idCount - 1 && d.idAxial[K] == d.PnMax;
      if ((interval >= 1 && sincePlainRow >= interval) || topBegins) {
        rows.push_back({k, true, ""});
        sincePlainRow = 0;
      }
    } else {
      const bool moment = d.idMoment[K] != 0 || (K < d.idMomentY.size() && d.idMomentY[K] != 0);
      rows.push_back({k, moment, "Maximum compression"});
    }
  }
  return rows;
}

}  // namespace tarnix
