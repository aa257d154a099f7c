// Menu commands on the project as a whole.
#include "editor/menu_actions.h"

#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "section/confinement.h"

namespace tarnix {

namespace {

// Runs a load or save on the path a dialog returned; only a command that succeeded names the input file
// and leaves the model as saved.
FileCommandResult InputFileCommand(ProjectModel& m, const std::string& path,
                                   Status (*command)(ProjectModel&, const std::string&)) {
  FileCommandResult result;
  if (path.empty()) {
    result.cancelled = true;
    return result;
  }
  result.status = command(m, path);
  if (result.status.ok()) {
    SetInputFileNames(m, path);
    m.modified = 0;
  }
  return result;
}

}  // namespace

FileCommandResult LoadInput(ProjectModel& m, const std::string& path) {
  return InputFileCommand(m, path, LoadInputFile);
}

Status RequireCompleteInput(ProjectModel& m) {
  return CheckInputComplete(m) ? Status::Success() : Status::Failure(kInputIncomplete);
}

FileCommandResult SaveInputAs(ProjectModel& m, const std::string& path) {
  return InputFileCommand(m, path, WriteInputFile);
}

bool ChooseOutputFile(ProjectModel& m, const std::string& path) {
  if (path.empty()) return false;
  SetOutputFileNames(m, path);
  return true;
}

std::string InputFilePanelText(const ProjectModel& m) { return "Input file = " + m.inputFileTitle; }

std::string OutputFilePanelText(const ProjectModel& m) { return "Output file = " + m.outputFileTitle; }

void ResetProject(ProjectModel& m) {
  ResetAll(m);
  m.modified = 0;
}

bool AskToSaveOnExit(const ProjectModel& m) { return m.modified != 0; }

void OpenControlParameters(ProjectModel& m) { SetMaximumStrain(m); }

std::string CalculateConfinement(ProjectModel& m) {
  std::string reason = ComputeConfinement(m);
  if (reason.empty()) m.modified = 1;
  return reason;
}

}  // namespace tarnix
