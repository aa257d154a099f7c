// The commands of the main window's menus and of its forms' buttons that act on the project as a whole:
// loading and saving the input file, choosing the report file, the completeness guard of the commands
// that need it, reset, exit, the control-parameter form and the confinement calculation.
#pragma once

#include <string>

#include "model/project_model.h"
#include "base/status.h"

namespace tarnix {

/// Filter lists of the file dialogs: opening takes either kind of file; saving offers the project file first.
constexpr const char* kInputFileFilter =
    "Project files (*.json *.in)|*.json;*.in|Project file (*.json)|*.json|TARNIX input (*.in)|*.in|All Files (*.*)|*.*";
constexpr const char* kSaveFileFilter =
    "Project file (*.json)|*.json|TARNIX input (*.in)|*.in|All Files (*.*)|*.*";
constexpr const char* kOutputFileFilter =
    "TARNIX report (*.out)|*.out|Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

/// Shown, after a beep, when a file dialog itself fails.
constexpr const char* kErrorLoadingInput = "Error loading input file";
constexpr const char* kErrorSavingInput = "Error saving input file";

/// Asked on exit while the model holds edits that no input file has (Yes saves, No exits, Cancel stays).
constexpr const char* kSaveChangesQuestion = "The input has changed since it was last saved. Save it first?";

/// Outcome of a file command given the path its dialog returned.
struct FileCommandResult {
  bool cancelled = false;  ///< the dialog returned no path: nothing changed
  Status status;           ///< the message to show when the command failed
  /// The window shows the model again (and the file names in the status bar) after a command that ran.
  bool refreshWindow() const { return !cancelled; }
};

/// "Load input": the project becomes a fresh start (ResetProject) followed by the file at `path`, a project
/// file (.json) or an input file (any other name). On
/// success the input file names become those of `path`, no report file is chosen and the model counts as
/// saved; on failure the model and the file names stay as they were.
FileCommandResult LoadInput(ProjectModel& m, const std::string& path);

/// "Input As": writes the model to `path`, a project file for a name ending in ".json" and an input file
/// otherwise; a name without an extension gets ".json" when the model uses two dimensions, ".in" otherwise
/// (the command checks completeness before its dialog opens, with RequireCompleteModel). On success the
/// file names become those of `path` and the model counts as saved, and records kept beyond the counts are
/// let go; on failure the file names stay as they were (an input file refused for a model in two
/// dimensions says why: see ProjectFileInstead).
FileCommandResult SaveInputAs(ProjectModel& m, const std::string& path);

/// The project file the window offers when the model cannot be saved at `path` because an input file has
/// no place for two dimensions: `path` with ".json" for its extension. Empty when `path` is a project
/// file already or the model fits an input file.
std::string ProjectFileInstead(const ProjectModel& m, const std::string& path);

/// The report name the first calculation proposes when none was chosen: the input file's name with ".out"
/// instead of its extension; empty without an input file.
std::string ProposedOutputName(const ProjectModel& m);

/// "Output As": the report file the next calculation writes (".out" added to a name without an
/// extension); nothing is written yet. Returns false, and
/// changes nothing, when the dialog returned no path.
bool ChooseOutputFile(ProjectModel& m, const std::string& path);

/// The two status-bar panels: "Input file = " and "Output file = " followed by the bare file names.
std::string InputFilePanelText(const ProjectModel& m);
std::string OutputFilePanelText(const ProjectModel& m);

/// Start-up and "Reset, All": the default model, which holds nothing worth saving, with no records kept
/// and no input or report file named.
void ResetProject(ProjectModel& m);

/// True when exit has to ask kSaveChangesQuestion first.
bool AskToSaveOnExit(const ProjectModel& m);

/// "Control Parameters" of the Define menu: the last strain of the moment-curvature analysis is derived
/// again from the section and the material models before the form shows it.
void OpenControlParameters(ProjectModel& m);

/// "Calc confined stress and strain": fcc and ecu from the confinement arrangement. Returns the reason
/// when the arrangement cannot be evaluated (nothing is changed then); the main window is refreshed
/// either way.
std::string CalculateConfinement(ProjectModel& m);

}  // namespace tarnix
