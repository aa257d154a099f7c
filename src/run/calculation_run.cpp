// The one road from input to results.
#include "run/calculation_run.h"

#include <exception>
#include <filesystem>

#include "curvature/moment_curvature.h"
#include "model/file_write.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "report/report_writer.h"
#include "section/section_properties.h"
#include "strength/interaction_diagram.h"
#include "strength/section_analysis.h"
#include "strength/slender_wall.h"
#include "strength/slenderness.h"
#include "strength/surface.h"

namespace tarnix {
namespace {

bool AnyOutputOption(const ProjectModel& m) {
  return IsSet(m.OutputInputEcho) || IsSet(m.OutputSectionProperties) || IsSet(m.OutputInteractionDiagram) ||
         IsSet(m.OutputSlenderness) || IsSet(m.OutputSectionAnalysis) || IsSet(m.OutputMomentCurvature);
}

// A report folder that does not exist is known before the analyses start; other write failures are
// found when the report is stored.
bool ReportFolderExists(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  return folder.empty() || std::filesystem::is_directory(folder, ec);
}

void Show(RunObserver* observer, const std::string& first, const std::string& second) {
  if (observer != nullptr) observer->ShowStatus(first, second);
}

}  // namespace

void RunStrengthAnalyses(ProjectModel& m) {
  m.slenderness = SlendernessResults{};
  ComputeSectionProperties(m);
  // A section without a valid set of properties cannot be analysed; the report says why.
  if (m.sectionProperties.problem != SectionProblem::None) return;
  // The section analysis of the load conditions is made inside the interaction diagram computation.
  ComputeInteractionDiagram(m);
  if (m.L > 0 && m.SlendernessOption == Slenderness::MomentMagnification) ComputeSlenderness(m);
  if (m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall) ComputeSlenderWall(m);
  JudgeLoadConditions(m);
}

void RunAnalyses(ProjectModel& m, RunObserver* observer) {
  // Nothing of an earlier run may stand beside this run's results: an analysis this run leaves out (no
  // member length, another slenderness option) must leave no results.
  m.momentCurvature = McResult{};
  m.interactionSurface = InteractionSurface{};
  RunStrengthAnalyses(m);
  if (m.sectionProperties.problem != SectionProblem::None) return;
  ComputeInteractionSurface(m);
  if (IsSet(m.OutputMomentCurvature)) {
    McProgress progress;
    if (observer != nullptr) {
      progress.status = [observer](const std::string& a, const std::string& b) { observer->ShowStatus(a, b); };
      progress.cancelled = [observer] { return observer->CancelRequested(); };
    }
    MomentCurvatureAnalysis(m, progress);
  }
}

Status AnalysisStatus(const ProjectModel& m) {
  const SectionProblem problem = m.sectionProperties.problem;
  if (problem != SectionProblem::None) {
    return Status::Failure(kCalculationError, std::string(SectionProblemText(problem)));
  }
  if (IsSet(m.OutputMomentCurvature) && !m.momentCurvature.problem.empty()) {
    return Status::Failure(kCalculationError, m.momentCurvature.problem);
  }
  return Status::Success();
}

std::string ReportText(ProjectModel& m) {
  ReportWriter report;
  if (AnyOutputOption(m) || m.sectionProperties.problem != SectionProblem::None) {
    if (IsSet(m.OutputInputEcho)) m.VersionText = BuildVersionText();
    WriteReport(m, ReportTime(), report);
  }
  return report.Text();
}

void SelectEveryReportSection(ProjectModel& m) {
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = 1;
  m.OutputSectionAnalysis = 1;
  SetOutputSlenderness(m, 1);
}

Status RunCalculation(ProjectModel& m, RunObserver* observer, bool onlyWhenComplete) {
  if (m.outputFileName.empty()) return Status::Failure(kPleaseSaveOutputFilename, true);
  if (Status complete = RequireCompleteModel(m); !complete.ok()) return complete;
  if (!ReportFolderExists(m.outputFileName)) return Status::Failure(kErrorWritingOutput);

  Show(observer, "Calculations in progress", "Please wait");
  Status result = Status::Success();
  try {
    RunAnalyses(m, observer);
    result = AnalysisStatus(m);
    const bool cancelled = observer != nullptr && observer->CancelRequested();
    if (!onlyWhenComplete || (result.ok() && !cancelled)) {
      if (!ReplaceFileContent(m.outputFileName, ReportText(m))) result = Status::Failure(kErrorWritingOutput);
    }
  } catch (const std::exception&) {
    result = Status::Failure(kCalculationError);
  }
  Show(observer, "Input file = " + m.inputFileTitle, "Output file = " + m.outputFileTitle);
  return result;
}

}  // namespace tarnix
