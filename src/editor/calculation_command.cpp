// The window's calculation run.
#include "editor/calculation_command.h"

namespace tarnix {

Status RunKeepingEarlierReport(ProjectModel& m, RunObserver* observer) {
  // The report file is written the one way every file of the program is, through its protections (a
  // read-only report is kept, a link keeps pointing at its file), and only when the run completes.
  Status status = RunCalculation(m, observer, true);
  if (observer != nullptr && observer->CancelRequested()) status = Status::Failure(kCalculationCancelled);
  return status;
}

}  // namespace tarnix
