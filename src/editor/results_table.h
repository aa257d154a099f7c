// The results of the last calculation as a table, one row per load condition: the load, its design moment,
// the capacity on the interaction diagram and the verdict, with the magnifiers and the curvature ductility
// when those analyses ran. A section in two dimensions shows both design moments and, for a load judged on
// its interaction surface, that capacity: phi Mn in the direction of the design moments, its components
// and the neutral-axis angle. The window shows it; the tab-separated text goes to spreadsheets.
#pragma once

#include <string>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

/// The verdict of one load condition.
enum class LoadVerdict { Ok, Exceeded, NoSolution };
/// "OK", "EXCEEDED", "no solution".
const char* LoadVerdictText(LoadVerdict verdict);

struct ResultsRow {
  int load = 0;  ///< load condition number, 1-based
  LoadVerdict verdict = LoadVerdict::NoSolution;
  std::vector<std::string> cells;  ///< one text per column
};

struct ResultsTable {
  std::vector<std::string> columns;  ///< headings with their units
  int statusColumn = 0;              ///< index of the verdict column
  std::vector<ResultsRow> rows;
  bool empty() const { return rows.empty(); }
};

/// The table of a calculated project; no rows when the project holds no capacities (not calculated, or its
/// section could not be analysed). Forces in kip / kN, moments in k-ft / kN-m, curvatures per in / mm.
ResultsTable BuildResultsTable(const ProjectModel& m);

/// Heading line and one line per row, cells separated by tabs, lines ended by a newline.
std::string ResultsTableText(const ResultsTable& table);

/// The status-bar text after a successful run: "Calculation complete (1.2 s)".
std::string CalculationCompleteText(double seconds);

}  // namespace tarnix
