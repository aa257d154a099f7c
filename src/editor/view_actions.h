// The rules of the View menu: which file or chart can be shown, the diagram computed on demand, and the
// load condition whose moment-curvature curve is plotted.
#pragma once

#include <string>

#include "model/project_model.h"
#include "base/status.h"
#include "plot/chart_data.h"

namespace tarnix {

constexpr const char* kPleaseSaveInputFile = "Please save input file";
constexpr const char* kPleaseSaveOutputFile = "Please save output file";
constexpr const char* kUnableToViewInputFile = "Unable to view input file";
constexpr const char* kUnableToViewOutputFile = "Unable to view output file";
/// The sections of the interaction surface asked of a section bent about the horizontal axis alone.
constexpr const char* kNoSurfaceOfOneAxis =
    "The section is analysed about the horizontal axis alone: its interaction diagram shows its capacity";

/// Which text file a View action shows.
enum class ViewedFile { Input, Output };

/// The file name to show, or a failure ("Please save input file" / "Please save output file", with a beep)
/// when none is set.
Status ViewedFileName(const ProjectModel& m, ViewedFile which, std::string& path);
/// The message when the file cannot be opened.
const char* UnableToViewText(ViewedFile which);

/// Before a chart or the drawing: fails with "Input is incomplete" when the completeness check fails.
/// For the interaction diagram (`needDiagram`), a model without a diagram gets its section properties
/// and diagram computed first; otherwise the diagram of the last calculation is shown.
Status PrepareView(ProjectModel& m, bool needDiagram);

/// Starts the choice of the plotted load condition: mcPlotLoad becomes 1; true when there are two or more
/// load conditions to choose from (the load picker is shown), false when the curve is plotted at once.
bool StartPlotLoadChoice(ProjectModel& m);
/// Moves mcPlotLoad to the next / previous load condition, staying within 1..ns; false when it did not move.
bool NextPlotLoad(ProjectModel& m);
bool PreviousPlotLoad(ProjectModel& m);
/// The plots of the viewer form. The form keeps the one it shows, so that it can draw it again when the
/// results change: after a calculation, and when a loaded file or Reset All clears them.
/// A section in two dimensions adds the sections of its interaction surface: the Mx-My contour at a load's
/// axial load and the P-M diagram in a load's moment direction.
enum class PlotKind {
  InteractionDiagram,
  MomentCurvature,
  AllMomentCurvature,
  Section,
  MomentContour,
  LoadDirection
};
/// The chart of a plot from the model's current results; `load` picks the single moment-curvature curve,
/// or the load whose contour or direction is drawn. The section is a drawing (DrawSection): its chart is
/// empty.
Chart PlotChart(const ProjectModel& m, PlotKind kind, int load);

/// Before a section of the interaction surface: PrepareView with the diagram, then the surface of a
/// section in two dimensions when the last calculation left none.
Status PrepareSurfaceView(ProjectModel& m);

/// A typed load number, read leniently and kept within 1..ns.
int TypedLoad(const ProjectModel& m, const std::string& text);
void TypePlotLoad(ProjectModel& m, const std::string& text);
/// The text of the "Load No:" box.
std::string PlotLoadText(const ProjectModel& m);
/// A load condition picked in the results: true when the last calculation traced its moment-curvature
/// curve, which becomes the plotted one; false when its chart is the interaction diagram.
bool PickLoadChart(ProjectModel& m, int load);

}  // namespace tarnix
