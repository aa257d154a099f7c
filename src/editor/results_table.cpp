// The results table of the last calculation.
#include "editor/results_table.h"

#include <cmath>

#include "base/number_format.h"
#include "curvature/idealization.h"
#include "strength/section_analysis.h"
#include "strength/slender_wall.h"

namespace tarnix {
namespace {

std::string WithUnit(const char* heading, const char* unit) {
  return std::string(heading) + " (" + unit + ")";
}

}  // namespace

const char* LoadVerdictText(LoadVerdict verdict) {
  switch (verdict) {
    case LoadVerdict::Ok:
      return "OK";
    case LoadVerdict::Exceeded:
      return "EXCEEDED";
    case LoadVerdict::NoSolution:
      return "no solution";
  }
  return "";
}

ResultsTable BuildResultsTable(const ProjectModel& m) {
  ResultsTable table;
  const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  if (capacity.size() < 2 || m.ns < 1) return table;
  const UnitSystem units = m.unitSystem();
  const char* force = units.Label(UnitKind::Force);
  const char* momentUnit = units.Label(UnitKind::Moment);
  const bool magnified =
      m.L > 0 && m.SlendernessOption == Slenderness::MomentMagnification && !m.slenderness.outcome.empty();
  const bool wall =
      m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall && !m.slenderness.outcome.empty();
  const bool curvature = m.momentCurvature.ran();

  // The verdict next to the load number, where a narrow panel still shows it.
  // A section in two dimensions is judged on its interaction surface: the design moments about both axes
  // (Mux, Muy, short enough for the panel beside the tabs), the capacity in their direction with its
  // components and the angle of the neutral axis that gives it.
  const bool twoDimensional = IsTwoDimensional(m);
  if (twoDimensional) {
    table.columns = {"Load",
                     "Status",
                     WithUnit("P", force),
                     WithUnit("Mux", momentUnit),
                     WithUnit("Muy", momentUnit),
                     "phi",
                     WithUnit("phi Pn", force),
                     WithUnit("phi Mn", momentUnit),
                     "M / phi Mn",
                     WithUnit("Angle", "deg"),
                     WithUnit("phi Mnx", momentUnit),
                     WithUnit("phi Mny", momentUnit)};
  } else {
    table.columns = {"Load",
                     "Status",
                     WithUnit("P", force),
                     WithUnit("Design M", momentUnit),
                     "phi",
                     WithUnit("phi Pn", force),
                     WithUnit(wall ? "phi Mn (wall)" : "phi Mn", momentUnit),
                     "M / phi Mn"};
  }
  table.statusColumn = 1;
  if (magnified) {
    table.columns.push_back("deltaNs");
    table.columns.push_back("deltaS");
  }
  if (curvature) {
    table.columns.push_back(WithUnit("phi y", units.Label(UnitKind::Curvature)));
    table.columns.push_back(WithUnit("phi u", units.Label(UnitKind::Curvature)));
    table.columns.push_back("Ductility");
  }

  const double forceFactor = m.ForceUnitFactor;
  const double momentFactor = m.MomentUnitFactor;
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < capacity.size(); ++i) {
    const size_t k = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[k];
    const LoadCapacity& cap = capacity[k];
    ResultsRow row;
    row.load = i;
    row.cells.push_back(std::to_string(i));
    row.cells.push_back(FormatFixed(load.P / forceFactor, 1));

    const bool found = cap.capFound != 1;
    // The design moment the verdict used; a slender wall is measured against its own moment capacity.
    const bool design = cap.designKnown;
    const float demand = cap.checkedMoment;
    const SlendernessResults& s = m.slenderness;
    const bool wallDesigned = s.wallProblem.empty() && !s.wallRatioExceeded;
    const float phiMn = !wall ? cap.capMoment : wallDesigned ? WallMomentCapacity(m, i) : 0.0f;
    const bool exceeded = LoadBeyondCapacity(m, i);

    row.cells.push_back(design ? FormatFixed(demand / momentFactor, 1) : "");
    if (twoDimensional) {
      row.cells.push_back(design ? FormatFixed(cap.checkedMomentY / momentFactor, 1) : "");
    }
    const BiaxialCapacity* b = BiaxialCheckOf(m.interactionDiagram, i);
    if (b != nullptr) {
      // The capacity the verdict used; none where the axial load lies beyond the section's range.
      const bool has = b->found;
      row.cells.push_back(has ? FormatFixed(b->phi, 3) : "");
      row.cells.push_back(has ? FormatFixed(b->axial / forceFactor, 1) : "");
      row.cells.push_back(has ? FormatFixed(std::hypot(b->momentX, b->momentY) / momentFactor, 1) : "");
      row.cells.push_back(has && design ? FormatFixed(b->momentRatio, 3) : "");
      row.cells.push_back(has ? FormatFixed(b->angle, 2) : "");
      row.cells.push_back(has ? FormatFixed(b->momentX / momentFactor, 1) : "");
      row.cells.push_back(has ? FormatFixed(b->momentY / momentFactor, 1) : "");
    } else {
      // A load judged on the diagram of the horizontal axis (every load of a one-axis section, and a load
      // without moment of a section in two dimensions).
      row.cells.push_back(found ? FormatFixed(cap.capPhi, 3) : "");
      row.cells.push_back(found ? FormatFixed(cap.capAxial / forceFactor, 1) : "");
      row.cells.push_back(found ? FormatFixed(phiMn / momentFactor, 1) : "");
      // A negative moment is checked by its size (the diagram is that of compression at the top).
      row.cells.push_back(found && design && phiMn != 0 ? FormatFixed(std::fabs(demand) / phiMn, 3) : "");
      if (twoDimensional) row.cells.insert(row.cells.end(), 3, "");  // no angle, no components
    }
    if (exceeded) {
      row.verdict = LoadVerdict::Exceeded;
    } else if ((b != nullptr ? !b->found : !found) || !design) {
      row.verdict = LoadVerdict::NoSolution;
    } else {
      row.verdict = LoadVerdict::Ok;
    }
    row.cells.insert(row.cells.begin() + table.statusColumn, LoadVerdictText(row.verdict));

    if (magnified) {
      const bool has = k < s.outcome.size() && s.outcome[k] == SlenderOutcome::Magnified;
      row.cells.push_back(has && k < s.deltaNs.size() ? FormatFixed(s.deltaNs[k], 3) : "");
      row.cells.push_back(has && k < s.deltaS.size() ? FormatFixed(s.deltaS[k], 3) : "");
    }
    if (curvature) {
      const bool usable =
          k < m.momentCurvature.curves.size() && m.momentCurvature.curves[k].points.size() > 1;
      if (usable) {
        const McIdealization ideal = IdealizeMomentCurvature(m, i);
        const MemberDuctilityResult d = MemberDuctility(m, ideal.phiYi, ideal.phiU);
        row.cells.push_back(FormatFixedExponent(ideal.phiY, 4));
        // A curve that ended without a failure has no ultimate curvature and so no ductility.
        row.cells.push_back(ideal.hasUltimate ? FormatFixedExponent(ideal.phiU, 4) : "");
        row.cells.push_back(ideal.hasUltimate && m.L > 0 && d.hasDuctility ? FormatFixed(d.ductility, 1) : "");
      } else {
        row.cells.insert(row.cells.end(), 3, "");
      }
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string ResultsTableText(const ResultsTable& table) {
  auto line = [](const std::vector<std::string>& cells) {
    std::string text;
    for (size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) text += '\t';
      text += cells[c];
    }
    return text + '\n';
  };
  std::string text = line(table.columns);
  for (const ResultsRow& row : table.rows) text += line(row.cells);
  return text;
}

std::string CalculationCompleteText(double seconds) {
  return "Calculation complete (" + FormatFixed(seconds, 1) + " s)";
}

}  // namespace tarnix
