// Menu commands on the project as a whole.
#include "editor/menu_actions.h"

#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "section/confinement.h"

namespace tarnix {

FileCommandResult LoadInput(ProjectModel& m, const std::string& path) {
  FileCommandResult result;
  if (path.empty()) {
    result.cancelled = true;
    return result;
  }
  result.status = LoadInputFile(m, path);
  if (result.status.ok()) {
    SetInputFileNames(m, path);
    m.modified = 0;
  }
  return result;
}

Status RequireCompleteInput(ProjectModel& m) {
  return CheckInputComplete(m) ? Status::Success() : Status::Failure(kInputIncomplete);
}

FileCommandResult SaveInputAs(ProjectModel& m, const std::string& path) {
  FileCommandResult result;
  if (path.empty()) {
    result.cancelled = true;
    return result;
  }
  result.status = WriteInputFile(m, path);
  if (result.status.ok()) {
    SetInputFileNames(m, path);
    m.modified = 0;
  }
  return result;
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
