// Menu commands on the project as a whole.
#include "editor/menu_actions.h"

#include <utility>

#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "model/project_file.h"
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

// Where the extension of the file name starts; npos for a name without one (".profile" has none).
size_t ExtensionAt(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.rfind('.');
  const bool has = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return has ? dot : std::string::npos;
}

// A name typed without an extension gets the one of its kind of file.
std::string WithExtension(const std::string& path, const char* extension) {
  return path.empty() || ExtensionAt(path) != std::string::npos ? path : path + extension;
}

// Either kind of file, by its name.
Status WriteModelFile(ProjectModel& m, const std::string& path) {
  return IsProjectFileName(path) ? WriteProjectFile(m, path) : WriteInputFile(m, path);
}

}  // namespace

FileCommandResult LoadInput(ProjectModel& m, const std::string& path) {
  // A file is read into a fresh project: whatever the file does not hold (material-model choices, the
  // moment-curvature switch, control parameters, output options) is the default, never a leftover of the
  // project open before. The same file then always gives the same project and the same results.
  ProjectModel fresh;
  ResetProject(fresh);  // also names no report: another project's report is never written over
  FileCommandResult result = InputFileCommand(fresh, path, LoadModelFile);
  if (!result.cancelled && result.status.ok()) m = std::move(fresh);
  return result;
}

FileCommandResult SaveInputAs(ProjectModel& m, const std::string& path) {
  FileCommandResult result =
      InputFileCommand(m, WithExtension(path, NeedsProjectFile(m) ? ".json" : ".in"), WriteModelFile);
  // The file holds the records the counts show; records hidden by a lowered count are let go now.
  if (!result.cancelled && result.status.ok()) TrimRecordStorage(m);
  return result;
}

std::string ProjectFileInstead(const ProjectModel& m, const std::string& path) {
  const size_t dot = ExtensionAt(path);
  // A name without an extension becomes a project file of its own accord.
  if (dot == std::string::npos || IsProjectFileName(path) || !NeedsProjectFile(m)) return {};
  return path.substr(0, dot) + ".json";
}

std::string ProposedOutputName(const ProjectModel& m) {
  if (m.inputFileName.empty()) return {};
  const size_t slash = m.inputFileName.find_last_of("/\\");
  const size_t dot = m.inputFileName.rfind('.');
  const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (extension ? m.inputFileName.substr(0, dot) : m.inputFileName) + ".out";
}

bool ChooseOutputFile(ProjectModel& m, const std::string& path) {
  if (path.empty()) return false;
  SetOutputFileNames(m, WithExtension(path, ".out"));
  return true;
}

std::string InputFilePanelText(const ProjectModel& m) { return "Input file = " + m.inputFileTitle; }

std::string OutputFilePanelText(const ProjectModel& m) { return "Output file = " + m.outputFileTitle; }

void ResetProject(ProjectModel& m) {
  ResetAll(m);
  TrimRecordStorage(m);  // a raised count starts from blank records again
  // A new project: saving must not write the defaults over the earlier project's files.
  SetInputFileNames(m, "");
  SetOutputFileNames(m, "");
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
