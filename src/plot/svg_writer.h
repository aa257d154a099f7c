// SVG documents of the charts and the section drawing, written without any toolkit: the files of
// tarnix-run --svg and of the window's export.
#pragma once

#include <string>

#include "plot/chart_data.h"
#include "plot/section_drawing.h"

namespace tarnix {

struct ProjectModel;

/// Pixel frame of a chart's plot area inside the document.
struct SvgFrame {
  double width = 800, height = 600;
  double left = 90, top = 50, right = 30, bottom = 70;  ///< margins
};

/// The frame a chart is drawn in: the default one, or for a chart to one scale on both axes a square plot
/// area with the legend beside it.
SvgFrame ChartFrame(const Chart& chart);

/// The chart as a standalone SVG document in `frame` (ChartFrame when none is given); a chart that is not
/// plottable shows its message.
std::string ChartSvg(const Chart& chart, const SvgFrame& frame);
std::string ChartSvg(const Chart& chart);

/// The section drawing as a standalone SVG document, to one scale that fits the document.
std::string SectionSvg(const SectionDrawing& drawing, double width = 600, double height = 600);

/// Writes interaction.svg, section.svg and mc_<i>.svg of every load condition with moment-curvature results
/// into `folder`, and for a two-dimensional model contour_<i>.svg (the Mx-My contour at the load's axial
/// load) and pm_<i>.svg (the P-M diagram in the load's moment direction) of every load condition; false
/// when a file cannot be written.
bool WriteSvgFiles(const ProjectModel& m, const std::string& folder);

}  // namespace tarnix
