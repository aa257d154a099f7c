// The input file (".in"): the saved form of the project model, read and written by one shared layout.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/input_check.h"
#include "model/project_model.h"
#include "base/status.h"

namespace tarnix {

constexpr const char* kErrorReadingInput = "Error reading input file";
constexpr const char* kErrorWritingInput = "Error writing input file";
/// Why a model that uses the horizontal coordinate or biaxial bending is not saved as an input file.
constexpr const char* kInputFileIsOneDimensional =
    "the project uses two dimensions (records off the vertical axis, polygons, single bars, moments or "
    "member data about the vertical axis, surface or moment-curvature angles), which an .in file cannot "
    "hold; save it as a project file (.json)";
/// Why a model with a chosen column stiffness or service loads is not saved as an input file.
constexpr const char* kInputFileHasProjectOnlyData =
    "the project chooses the column stiffness (EI)eff of its critical load or gives service loads, which an "
    ".in file cannot hold; save it as a project file (.json)";

/// Why the model cannot be saved as an input file (kInputFileIsOneDimensional,
/// kInputFileHasProjectOnlyData); nullptr when it can.
const char* InputFileRefusal(const ProjectModel& m);

/// The file text of the model (CR LF lines), without the completeness check. Empty when the model holds
/// a value the file cannot represent (a non-finite number, a count without its records) or uses the
/// horizontal coordinate or biaxial bending (IsTwoDimensional), which the file has no place for.
std::optional<std::string> FormatInputFile(const ProjectModel& m);

/// Refuses a model that uses the horizontal coordinate or biaxial bending ("Error writing input file" with
/// kInputFileIsOneDimensional: it is never flattened), checks completeness, then replaces the file at
/// `path` with the model. On any failure the earlier file is left as it was and the message is returned
/// ("Input is incomplete", "Error writing input file").
Status WriteInputFile(ProjectModel& m, const std::string& path);

/// Reads the file text into the model. Rows up to the slenderness data must all be present and valid, or
/// the model is left exactly as it was and "Error reading input file" is returned with the reason: the
/// line and what it should have held, or that the text is not an input file at all. The material-model rows
/// that may follow are optional: when they are complete, PerformMomentCurvature and OutputMomentCurvature
/// become 1; when they are absent or break off, PerformMomentCurvature becomes 0 and the values read so
/// far stay; an option number outside its range is refused there as well. Either way the control
/// parameters are reset for the file's unit system.
Status ReadInputText(ProjectModel& m, std::string_view text);

/// The whole text of the input or project file at `path`, or "Error reading input file" with the reason
/// it cannot be read (missing, a folder, too large, unreadable).
Status ReadInputFileText(const std::string& path, std::string& text);

/// Reads the file at `path` (see ReadInputText).
Status LoadInputFile(ProjectModel& m, const std::string& path);

/// Stores the full path and the bare file name of the input or report file.
void SetInputFileNames(ProjectModel& m, const std::string& path);
void SetOutputFileNames(ProjectModel& m, const std::string& path);

}  // namespace tarnix
