// The calculation run: guards, the fixed order of the analyses, and the report file.
#pragma once

#include <string>

#include "model/project_model.h"
#include "base/status.h"

namespace tarnix {

constexpr const char* kPleaseSaveOutputFilename = "Please save output filename";
constexpr const char* kErrorWritingOutput = "Error writing output file";
constexpr const char* kCalculationError = "Calculation Error";

/// Receives the status texts of a run (the window's two status-bar panels; the batch tool ignores them).
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void ShowStatus(const std::string& first, const std::string& second) = 0;
  /// Checked between the strain steps of the moment-curvature analysis.
  virtual bool CancelRequested() { return false; }
};

/// The strength part of a run: section properties, interaction diagram, slenderness and the judgement of
/// every load condition (no interaction surface, no moment-curvature). Stops after the section properties
/// when they have a problem.
void RunStrengthAnalyses(ProjectModel& m);

/// The analyses of a run in their fixed order, each leaving its result block in the model: section
/// properties, interaction diagram with the capacity of every load, slenderness for a member with a
/// length, and moment-curvature when requested. Stops after the section properties when they have a problem.
void RunAnalyses(ProjectModel& m, RunObserver* observer = nullptr);

/// What the analyses of a run came to: "Calculation Error" with the reason when the section has no valid
/// properties or a requested moment-curvature analysis failed, else success.
Status AnalysisStatus(const ProjectModel& m);

/// The report of the last run for the model's output options (the reason alone for a section that could
/// not be analysed; empty with every output option cleared), dated as ReportTime says.
std::string ReportText(ProjectModel& m);

/// Every report section switched on, as the batch tool writes its reports: input echo, section properties,
/// interaction diagram, section analysis, and slenderness unless the criteria refuse it.
void SelectEveryReportSection(ProjectModel& m);

/// Runs every analysis the model asks for and replaces the report file `outputFileName` with the report.
/// Fails without touching any file when no report file is chosen ("Please save output filename", with a
/// beep) or the input is incomplete ("Input is incomplete"). When the report cannot be stored ("Error
/// writing output file") or an analysis fails unexpectedly ("Calculation Error") the earlier report file
/// is left as it was. A section that cannot be analysed (a group with no net area) stops the run after the
/// section properties: the report is written with the reason and "Calculation Error" is returned with the
/// reason as its detail. With all output options cleared the analyses still run and the report is empty.
/// With `onlyWhenComplete` the report file is replaced only by the report of a run that succeeded and was
/// not cancelled: the window keeps the engineer's earlier report otherwise.
Status RunCalculation(ProjectModel& m, RunObserver* observer = nullptr, bool onlyWhenComplete = false);

}  // namespace tarnix
