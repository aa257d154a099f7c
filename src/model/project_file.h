// The project file (".json"): the whole input of a section in one or two dimensions, read and written by
// one shared description of its members. docs/project-file.md gives the schema.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/status.h"
#include "model/project_model.h"

namespace tarnix {

/// The value of the member "format" that marks a project file, and the newest version this program reads
/// and the one it writes.
constexpr const char* kProjectFormat = "tarnix-project";
constexpr int kProjectVersion = 1;

/// The path names a project file: it ends in ".json" (in any case). Any other file is an input file.
bool IsProjectFileName(const std::string& path);

/// The project file text of the model (LF lines, two-space indents, a record per line), without the
/// completeness check. Loads and moments are written in kip and k-ft (kN and kN-m), every number with the
/// shortest digits that read back to the same value. Empty when the model holds a value the file cannot
/// represent (a non-finite number, a count without its records, a flag other than 0 or 1).
std::optional<std::string> FormatProjectFile(const ProjectModel& m);

/// Checks completeness, then replaces the file at `path` with the model. On any failure the earlier file
/// is left as it was and the message is returned ("Input is incomplete", "Error writing input file").
Status WriteProjectFile(ProjectModel& m, const std::string& path);

/// Resets a copy of the model (ResetAll), reads the project text into it and, when the whole text was
/// read, replaces the model with it (control parameters reset for the file's units, results cleared).
/// Otherwise the model is left exactly as it was and "Error reading input file" is returned with the line
/// and column and what was wrong there: text that is not JSON, a file that is not a project file or of a
/// newer version, a missing member, an unknown member, a value of the wrong type or out of its range.
Status ReadProjectText(ProjectModel& m, std::string_view text);

/// Reads the file at `path` (see ReadProjectText).
Status LoadProjectFile(ProjectModel& m, const std::string& path);

/// Reads a project file or an input file, by the name of `path` (see IsProjectFileName).
Status LoadModelFile(ProjectModel& m, const std::string& path);

}  // namespace tarnix
