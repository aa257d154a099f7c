// Sections of the interaction surface: the contour at an axial load and the P-M diagram in a direction.
#include "plot/surface_charts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/number_format.h"
#include "model/project_model.h"
#include "section/section_properties.h"
#include "strength/design_phi.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

// Axial load levels of the P-M diagram between the ends of the surface.
constexpr int kLevels = 120;

constexpr double kDegreesPerRadian = 57.295779513082323;

// The load as its verdict was reached: the design moments once checked, else the load as entered.
struct LoadDemand {
  double P, Mx, My;
};

LoadDemand DemandOf(const ProjectModel& m, int load) {
  const size_t I = static_cast<size_t>(load);
  const LoadCondition& l = m.loads[I];
  const InteractionDiagram& d = m.interactionDiagram;
  const bool checked = I < d.capacity.size() && d.capacity[I].checked;
  const double F = m.ForceUnitFactor, M = m.MomentUnitFactor;
  if (!checked) return {l.P / F, l.M / M, l.My / M};
  const LoadCapacity& cap = d.capacity[I];
  return {cap.checkedAxial / F, cap.checkedMoment / M, cap.checkedMomentY / M};
}

const BiaxialCapacity* CapacityOf(const ProjectModel& m, int load) {
  const auto& all = m.interactionDiagram.biaxial;
  const size_t I = static_cast<size_t>(load);
  return I < all.size() && all[I].computed && all[I].found ? &all[I] : nullptr;
}

// The load's marker, drawn by its verdict, and the marker of its capacity.
void AddLoadMarkers(const ProjectModel& m, int load, PlotPoint at, PlotPoint capacityAt, Chart& chart) {
  const Units u = DisplayedUnits(m);
  const LoadDemand demand = DemandOf(m, load);
  const BiaxialCapacity* b = CapacityOf(m, load);
  const double F = m.ForceUnitFactor, M = m.MomentUnitFactor;
  std::string tip = "Load condition " + std::to_string(load) + "\n" + Value("P", demand.P, u.force) + "\n" +
                    Value("Mx", demand.Mx, u.moment) + "\n" + Value("My", demand.My, u.moment);
  // A surface computed only to be viewed has loads at their entered moments and no verdict yet.
  const size_t I = static_cast<size_t>(load);
  const bool judged = I < m.interactionDiagram.capacity.size() && m.interactionDiagram.capacity[I].checked;
  const bool exceeded = judged && (b == nullptr || LoadBeyondCapacity(m, load));
  if (b != nullptr) {
    tip += "\nMoment ratio = " + FormatFixed(b->momentRatio, 3);
    const std::string capTip =
        "Capacity of load condition " + std::to_string(load) + "\nAngle = " + FormatFixed(b->angle, 2) +
        " degrees\nc = " + FormatPlain(b->depth) + " " + u.length + "\n" +
        Value("phiPn", b->axial / F, u.force) + "\n" + Value("phiMnx", b->momentX / M, u.moment) + "\n" +
        Value("phiMny", b->momentY / M, u.moment) + "\nphi = " + FormatPlain(b->phi);
    chart.markers.push_back({MarkerKind::SpecialPoint, capacityAt, "Capacity", capTip, {}});
  } else {
    const auto& all = m.interactionDiagram.biaxial;
    const bool computed = static_cast<size_t>(load) < all.size() && all[static_cast<size_t>(load)].computed;
    tip += computed ? "\nNo capacity: the axial load lies beyond the section's factored axial range"
                    : "\nBiaxial capacity not computed";
  }
  if (exceeded) tip += "\nBeyond its capacity";
  if (!judged) tip += "\nNot checked: perform the calculations";
  chart.markers.push_back({exceeded ? MarkerKind::ExceededLoad : MarkerKind::LoadCondition, at,
                           std::to_string(load), tip,
                           exceeded ? kExceededLoadLegend
                           : judged ? kDesignMomentLoadLegend
                                    : kInitialMomentLoadLegend});
}

Chart Frame(const ProjectModel& m, const std::string& title, const char* xTitle, const char* yTitle,
            bool yIsForce) {
  const Units u = DisplayedUnits(m);
  Chart chart;
  chart.title = title;
  chart.x.title = xTitle;
  chart.x.unit = u.moment;
  chart.y.title = yTitle;
  chart.y.unit = yIsForce ? u.force : u.moment;
  return chart;
}

// Why no chart of load condition `load` can be drawn, or empty.
std::string Missing(const ProjectModel& m, int load) {
  if (m.sectionProperties.problem != SectionProblem::None)
    return SectionProblemText(m.sectionProperties.problem);
  if (load < 1 || load > ListSize(m.ns)) return "Load condition " + std::to_string(load) + " does not exist";
  if (m.interactionSurface.meridians.size() < 3) return "No interaction surface: perform the calculations";
  for (const InteractionDiagram& d : m.interactionSurface.meridians) {
    if (d.incrementTooSmall || d.idCount < 1) return "The interaction surface has an angle without a diagram";
  }
  return {};
}

Chart NotPlottable(const std::string& title, const std::string& message) {
  Chart chart;
  chart.title = title;
  chart.message = message;
  return chart;
}

ChartSeries ClosedSeries(const char* name, SeriesStyle style, int colour, std::vector<PlotPoint> points) {
  if (!points.empty()) points.push_back(points.front());
  return {name, style, colour, std::move(points)};
}

constexpr const char* kNominal = "Nominal strength";
constexpr const char* kDesign = "Design strength (phi x nominal)";

}  // namespace

std::vector<SurfaceCurve> SurfaceCurves(const ProjectModel& m, bool design) {
  const double F = m.ForceUnitFactor, M = m.MomentUnitFactor;
  std::vector<SurfaceCurve> curves;
  for (const InteractionDiagram& d : m.interactionSurface.meridians) {
    SurfaceCurve c;
    for (int k = 1; k <= d.idCount; ++k) {
      const size_t K = static_cast<size_t>(k);
      const double phi = design ? DesignPointPhi(m, d, d.idAxial[K], d.idTensileStrain[K]) : 1.0;
      c.P.push_back(phi * d.idAxial[K] / F);
      c.Mx.push_back(phi * d.idMoment[K] / M);
      c.My.push_back(phi * (K < d.idMomentY.size() ? d.idMomentY[K] : 0.0f) / M);
    }
    curves.push_back(std::move(c));
  }
  return curves;
}

std::vector<PlotPoint> ContourAt(const std::vector<SurfaceCurve>& curves, double P) {
  std::vector<PlotPoint> contour;
  for (const SurfaceCurve& c : curves) {
    bool reached = false;
    for (size_t k = 0; k < c.P.size() && !reached; ++k) {
      if (c.P[k] == P) {
        contour.push_back({c.Mx[k], c.My[k]});
        reached = true;
      } else if (k + 1 < c.P.size() && (c.P[k] - P) * (c.P[k + 1] - P) < 0) {
        const double t = (P - c.P[k]) / (c.P[k + 1] - c.P[k]);
        contour.push_back({c.Mx[k] + t * (c.Mx[k + 1] - c.Mx[k]), c.My[k] + t * (c.My[k + 1] - c.My[k])});
        reached = true;
      }
    }
    // A section with a meridian missing, or with a value that is no number, is not a section of the surface.
    if (!reached || !std::isfinite(contour.back().x) || !std::isfinite(contour.back().y)) return {};
  }
  return contour;
}

std::optional<double> RayReach(const std::vector<PlotPoint>& contour, double angle) {
  const double ux = std::cos(angle), uy = std::sin(angle);
  std::optional<double> reach;
  // At the ends of the surface the contour closes to one point, which a ray meets only on its line.
  const auto samePoint = [&contour](const PlotPoint& p) {
    return p.x == contour[0].x && p.y == contour[0].y;
  };
  if (!contour.empty() && std::all_of(contour.begin(), contour.end(), samePoint)) {
    const PlotPoint q = contour[0];
    if (ux * q.y - uy * q.x == 0 && ux * q.x + uy * q.y >= 0) reach = std::hypot(q.x, q.y);
    return reach;
  }
  for (size_t k = 0; k < contour.size(); ++k) {
    const PlotPoint a = contour[k], b = contour[(k + 1) % contour.size()];
    // t u = a + s (b - a): Cramer's rule on the 2 x 2 system.
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double det = ux * -ey - uy * -ex;
    if (det == 0) continue;  // the edge runs along the ray
    const double t = (a.x * -ey - a.y * -ex) / det;
    const double s = (ux * a.y - uy * a.x) / det;
    if (t >= 0 && s >= 0 && s <= 1 && (!reach || t > *reach)) reach = t;
  }
  return reach;
}

Chart MomentContourChart(const ProjectModel& m, int load) {
  const std::string title = "MOMENT CONTOUR, LOAD CONDITION " + std::to_string(load);
  if (const std::string missing = Missing(m, load); !missing.empty()) return NotPlottable(title, missing);
  const Units u = DisplayedUnits(m);
  const LoadDemand demand = DemandOf(m, load);
  Chart chart = Frame(m, title + " (P = " + FormatFixed(demand.P, 1) + " " + u.force + ")", "MOMENT Mx",
                      "MOMENT My", false);
  const std::vector<PlotPoint> nominal = ContourAt(SurfaceCurves(m, false), demand.P);
  const std::vector<PlotPoint> design = ContourAt(SurfaceCurves(m, true), demand.P);
  if (nominal.empty() && design.empty()) {
    return NotPlottable(title, "The axial load of load condition " + std::to_string(load) +
                                   " lies beyond the section's axial range");
  }
  if (!nominal.empty()) chart.series.push_back(ClosedSeries(kNominal, SeriesStyle::Dashed, 0, nominal));
  if (!design.empty()) chart.series.push_back(ClosedSeries(kDesign, SeriesStyle::Solid, 1, design));
  const BiaxialCapacity* b = CapacityOf(m, load);
  const double M = m.MomentUnitFactor;
  AddLoadMarkers(m, load, {demand.Mx, demand.My}, b ? PlotPoint{b->momentX / M, b->momentY / M} : PlotPoint{},
                 chart);
  // A contour may reach into every corner of the plot area: the legend goes beside it.
  chart.legend = LegendPlace::OutsideRight;
  // One scale on both axes, so that directions on the chart are the moment vector's.
  FitAxes(chart);
  const double lo = std::min(chart.x.min, chart.y.min), hi = std::max(chart.x.max, chart.y.max);
  SetNiceRange(chart.x, lo, hi);
  SetNiceRange(chart.y, lo, hi);
  chart.equalScale = true;
  return chart;
}

Chart LoadDirectionChart(const ProjectModel& m, int load) {
  const std::string title = "P-M DIAGRAM OF LOAD CONDITION " + std::to_string(load);
  if (const std::string missing = Missing(m, load); !missing.empty()) return NotPlottable(title, missing);
  const LoadDemand demand = DemandOf(m, load);
  // A load without moment has no direction of its own: the diagram is that about the horizontal axis.
  const double direction = demand.Mx == 0 && demand.My == 0 ? 0.0 : std::atan2(demand.My, demand.Mx);
  Chart chart = Frame(m, title + " AT " + FormatFixed(direction * kDegreesPerRadian, 1) + " DEGREES FROM Mx",
                      "MOMENT", "AXIAL LOAD", true);

  for (const bool design : {false, true}) {
    const std::vector<SurfaceCurve> curves = SurfaceCurves(m, design);
    // The axial range every meridian covers: the maximum tension and compression ends.
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    for (const SurfaceCurve& c : curves) {
      lo = std::max(lo, *std::min_element(c.P.begin(), c.P.end()));
      hi = std::min(hi, *std::max_element(c.P.begin(), c.P.end()));
    }
    ChartSeries series{
        design ? kDesign : kNominal, design ? SeriesStyle::Solid : SeriesStyle::Dashed, design ? 1 : 0, {}};
    for (int j = 0; j <= kLevels && lo <= hi; ++j) {
      const double P = lo + (hi - lo) * j / kLevels;
      // Near the compression end an unsymmetric section's contour may no longer hold the origin, and the ray
      // then misses it: that level is left out rather than drawn at a made-up moment.
      if (const auto reach = RayReach(ContourAt(curves, P), direction)) series.points.push_back({*reach, P});
    }
    // Where every meridian ends on the compression cap, the surface's flat top runs in to their last points.
    std::vector<PlotPoint> top;
    for (const SurfaceCurve& c : curves) {
      if (c.P.back() == hi) top.push_back({c.Mx.back(), c.My.back()});
    }
    const auto topReach = top.size() == curves.size() ? RayReach(top, direction) : std::nullopt;
    if (topReach && !series.points.empty() && series.points.back().x != *topReach) {
      series.points.push_back({*topReach, hi});
    }
    if (!series.points.empty()) chart.series.push_back(std::move(series));
  }
  if (chart.series.empty()) return NotPlottable(title, "The interaction surface has no section to draw");
  const BiaxialCapacity* b = CapacityOf(m, load);
  const double F = m.ForceUnitFactor, M = m.MomentUnitFactor;
  AddLoadMarkers(m, load, {std::hypot(demand.Mx, demand.My), demand.P},
                 b ? PlotPoint{std::hypot(b->momentX, b->momentY) / M, b->axial / F} : PlotPoint{}, chart);
  // The curves come back to the axis at both ends and reach out furthest between: the lower right, below
  // the tension end's moments, stays free.
  chart.legend = LegendPlace::BottomRight;
  FitAxes(chart);
  return chart;
}

}  // namespace tarnix
