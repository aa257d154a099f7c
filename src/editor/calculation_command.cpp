// The window's calculation run.
#include "editor/calculation_command.h"

#include <filesystem>

namespace tarnix {

Status RunKeepingEarlierReport(ProjectModel& m, RunObserver* observer) {
  const std::string report = m.outputFileName;
  if (report.empty()) return RunCalculation(m, observer);  // its own message
  const std::string partial = report + ".partial";
  m.outputFileName = partial;
  Status status = RunCalculation(m, observer);
  m.outputFileName = report;
  std::error_code ec;
  if (observer != nullptr && observer->CancelRequested()) status = Status::Failure(kCalculationCancelled);
  if (status.ok()) {
    std::filesystem::rename(partial, report, ec);
    if (!ec) return status;
    status = Status::Failure(kErrorWritingOutput);
  }
  std::filesystem::remove(partial, ec);
  return status;
}

}  // namespace tarnix
