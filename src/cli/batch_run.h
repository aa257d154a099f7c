// tarnix-run: load an input file, run the calculation and write the report, without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnix {

/// Runs the batch tool with the command-line arguments after the program name. Returns the exit code:
/// 0 on success, 1 when loading, checking, saving or the run fails, 2 for a wrong command line.
/// Messages go to `err`, the location of the report to `out`.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnix
