// The window's calculation run.
#include "editor/calculation_command.h"

#include "editor/results_table.h"
#include "model/model_edits.h"

namespace tarnix {

Status RunKeepingEarlierReport(ProjectModel& m, RunObserver* observer) {
  // The report file is written the one way every file of the program is, through its protections (a
  // read-only report is kept, a link keeps pointing at its file), and only when the run completes.
  Status status = RunCalculation(m, observer, true);
  if (observer != nullptr && observer->CancelRequested()) status = Status::Failure(kCalculationCancelled);
  if (!status.ok()) ClearResults(m);
  return status;
}

RunOutcome DescribeRun(const Status& status, double seconds) {
  if (status.ok()) return {true, CalculationCompleteText(seconds)};
  if (status.message == kCalculationCancelled) return {false, kCalculationCancelled};
  // The detail names the cause ("Mander concrete model: ..."); a plain failure has only its message.
  return {false, "Calculation failed: " + (status.detail.empty() ? status.message : status.detail)};
}

}  // namespace tarnix
