// The calculation as the window starts it: the earlier report survives anything but a run that succeeded.
#pragma once

#include <string>

#include "base/status.h"
#include "model/project_model.h"
#include "run/calculation_run.h"

namespace tarnix {

constexpr const char* kCalculationCancelled = "Calculation cancelled";

/// Runs the calculation; the report replaces `outputFileName` only when the run succeeded. A run the
/// observer cancelled returns "Calculation cancelled", a failed one its own message; in both cases the
/// earlier report is left as it was and the project holds no results: no verdict, capacity or curve of
/// an earlier or unfinished run is left to be shown.
Status RunKeepingEarlierReport(ProjectModel& m, RunObserver* observer);

/// How a run ended, in the words the status bar and the results panel use.
struct RunOutcome {
  bool succeeded = false;
  /// "Calculation complete (1.2 s)", "Calculation cancelled" or "Calculation failed: " and the reason.
  std::string text;
};
/// The outcome of a run that returned `status` after `seconds`.
RunOutcome DescribeRun(const Status& status, double seconds);

}  // namespace tarnix
