// Charts of the interaction surface of a two-dimensional model: the Mx-My contour at a load's axial load
// and the P-M diagram in a load's moment direction, drawn from sections of the surface.
#pragma once

#include <optional>
#include <vector>

#include "plot/chart_data.h"

namespace tarnix {

struct ProjectModel;

/// One meridian of the surface (the diagram at one neutral-axis angle) in displayed units, from the maximum
/// tension point to the maximum compression point: axial force P and the moments Mx, My.
struct SurfaceCurve {
  std::vector<double> P, Mx, My;
};

/// Every meridian of the model's interaction surface in angle order, nominal or design (each point times
/// the strength reduction factor a load lying on it would take).
std::vector<SurfaceCurve> SurfaceCurves(const ProjectModel& m, bool design);

/// The section of the surface at axial load P: on each meridian, the moments (x = Mx, y = My) interpolated
/// linearly between the first two successive points from the tension end whose axial forces enclose P. Empty
/// when a meridian does not reach P.
std::vector<PlotPoint> ContourAt(const std::vector<SurfaceCurve>& curves, double P);

/// How far from the origin the ray in the moment direction `angle` (radians from +Mx toward +My) meets the
/// closed contour; the farthest crossing where it crosses more than once, nothing where it misses it.
std::optional<double> RayReach(const std::vector<PlotPoint>& contour, double angle);

/// Mx-My contour of the surface, nominal and design, at load condition `load`'s axial load, with the load at
/// its design moments and its biaxial capacity. Mx to the right, My upward, to one scale; the legend beside
/// the plot area.
Chart MomentContourChart(const ProjectModel& m, int load);

/// The P-M diagram in the direction of load condition `load`'s design moment vector (Mx when it has no
/// moment): at each axial load, how far the ray in that direction reaches on the section of the surface,
/// nominal and design, with the load and its biaxial capacity.
Chart LoadDirectionChart(const ProjectModel& m, int load);

}  // namespace tarnix
