// The View menu's rules.
#include "editor/view_actions.h"

#include <algorithm>

#include "model/input_check.h"
#include "model/input_file.h"
#include "base/number_format.h"
#include "section/section_properties.h"
#include "plot/surface_charts.h"
#include "strength/interaction_diagram.h"
#include "strength/surface.h"

namespace tarnix {

Status ViewedFileName(const ProjectModel& m, ViewedFile which, std::string& path) {
  path = which == ViewedFile::Input ? m.inputFileName : m.outputFileName;
  if (!path.empty()) return Status::Success();
  return Status::Failure(which == ViewedFile::Input ? kPleaseSaveInputFile : kPleaseSaveOutputFile, true);
}

const char* UnableToViewText(ViewedFile which) {
  return which == ViewedFile::Input ? kUnableToViewInputFile : kUnableToViewOutputFile;
}

Status PrepareView(ProjectModel& m, bool needDiagram) {
  if (Status complete = RequireCompleteModel(m); !complete.ok()) return complete;
  if (needDiagram && m.interactionDiagram.idCount == 0) {
    ComputeSectionProperties(m);
    if (m.sectionProperties.problem == SectionProblem::None) ComputeInteractionDiagram(m);
  }
  return Status::Success();
}

bool StartPlotLoadChoice(ProjectModel& m) {
  m.mcPlotLoad = 1;
  return ListSize(m.ns) >= 2;
}

bool NextPlotLoad(ProjectModel& m) {
  if (m.mcPlotLoad >= ListSize(m.ns)) return false;
  ++m.mcPlotLoad;
  return true;
}

bool PreviousPlotLoad(ProjectModel& m) {
  if (m.mcPlotLoad <= 1) return false;
  --m.mcPlotLoad;
  return true;
}

Status PrepareSurfaceView(ProjectModel& m) {
  if (Status ready = PrepareView(m, true); !ready.ok()) return ready;
  if (IsTwoDimensional(m) && m.interactionSurface.meridians.empty() &&
      m.sectionProperties.problem == SectionProblem::None) {
    ComputeInteractionSurface(m);
  }
  return Status::Success();
}

int TypedLoad(const ProjectModel& m, const std::string& text) {
  const std::optional<int> typed = LenientCount(text);
  return std::clamp(typed.value_or(1), 1, std::max(1, ListSize(m.ns)));
}

void TypePlotLoad(ProjectModel& m, const std::string& text) { m.mcPlotLoad = TypedLoad(m, text); }

std::string PlotLoadText(const ProjectModel& m) { return std::to_string(m.mcPlotLoad); }

bool PickLoadChart(ProjectModel& m, int load) {
  if (!PlotChart(m, PlotKind::MomentCurvature, load).Plottable()) return false;
  m.mcPlotLoad = load;
  return true;
}

Chart PlotChart(const ProjectModel& m, PlotKind kind, int load) {
  switch (kind) {
    case PlotKind::InteractionDiagram:
      return InteractionChart(m);
    case PlotKind::MomentCurvature:
      return MomentCurvatureChart(m, load);
    case PlotKind::AllMomentCurvature:
      return AllMomentCurvatureChart(m);
    case PlotKind::MomentContour:
    case PlotKind::LoadDirection:
      if (!IsTwoDimensional(m)) {
        Chart none;
        none.title = "INTERACTION SURFACE";
        none.message = kNoSurfaceOfOneAxis;
        return none;
      }
      return kind == PlotKind::MomentContour ? MomentContourChart(m, load) : LoadDirectionChart(m, load);
    case PlotKind::Section:
      break;
  }
  return {};
}

}  // namespace tarnix
