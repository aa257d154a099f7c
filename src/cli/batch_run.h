// tarnix-run: load an input file, run the calculation and write the report, without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnix {

/// Runs the batch tool with the command-line arguments after the program name. Returns the exit code:
/// 0 on success, 1 when loading, checking, saving or the run fails, 2 for a wrong command line.
/// Messages go to `err`, the location of the report to `out`. Several input files run on `-j N` threads,
/// each to its own report, with one summary line per file on `out` in command-line order; the exit code
/// is then the worst of the files'.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct ProjectModel;

/// The summary of a calculated project: "worst capacity ratio 0.873 (load condition 3)", the largest
/// ratio of design moment to moment capacity (axial load to axial capacity for loads without moment), or
/// the first load condition without a capacity or a design moment. A section in two dimensions measures a
/// load with a moment by |Mu| / |phi Mn| on its interaction surface. A slender wall compares its magnified
/// moments with the capacities of its effective steel area and names the first load (or the wall) that
/// fails one of its limits.
std::string WorstCapacityText(const ProjectModel& m);

}  // namespace tarnix
