// The calculation as the window starts it: the earlier report survives anything but a run that succeeded.
#pragma once

#include "base/status.h"
#include "model/project_model.h"
#include "run/calculation_run.h"

namespace tarnix {

constexpr const char* kCalculationCancelled = "Calculation cancelled";

/// Runs the calculation; the report replaces `outputFileName` only when the run succeeded. A run the
/// observer cancelled returns "Calculation cancelled", a failed one its own message; in both cases the
/// earlier report is left as it was.
Status RunKeepingEarlierReport(ProjectModel& m, RunObserver* observer);

}  // namespace tarnix
