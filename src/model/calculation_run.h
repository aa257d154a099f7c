// The calculation run: guards, the fixed order of the analyses, and the report file.
#pragma once

#include <string>

#include "model/project_model.h"
#include "model/status.h"

namespace tarnix {

constexpr const char* kPleaseSaveOutputFilename = "Please save output filename";
constexpr const char* kErrorWritingOutput = "Error writing output file";
constexpr const char* kCalculationError = "Calculation Error";

/// Receives the status texts of a run (the window's two status-bar panels; the batch tool ignores them).
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void ShowStatus(const std::string& first, const std::string& second) = 0;
};

/// Runs every analysis the model asks for and replaces the report file `outputFileName` with the report.
/// Fails without touching any file when no report file is chosen ("Please save output filename", with a
/// beep) or the input is incomplete ("Input is incomplete"). When the report cannot be stored ("Error
/// writing output file") or an analysis fails unexpectedly ("Calculation Error") the earlier report file
/// is left as it was. With all output options cleared the analyses still run and the report is empty.
Status RunCalculation(ProjectModel& m, RunObserver* observer = nullptr);

}  // namespace tarnix
