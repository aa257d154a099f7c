// Chart data of the interaction diagram and the moment-curvature curves.
#include "plot/chart_data.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "curvature/idealization.h"
#include "model/project_model.h"
#include "section/section_properties.h"
#include "strength/design_phi.h"
#include "strength/section_analysis.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

constexpr double kCurvatureScale = 1000000;  // the chart's curvature is strain per length times a million

std::string SlenderMessageOf(const ProjectModel& m, int i) {
  const auto& outcome = m.slenderness.outcome;
  return static_cast<size_t>(i) < outcome.size() ? SlenderOutcomeText(outcome[static_cast<size_t>(i)]) : "";
}

bool Finite(PlotPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A series keeps its finite points only: a value the analysis could not give is never drawn as a result.
void Add(ChartSeries& series, PlotPoint p) {
  if (Finite(p)) series.points.push_back(p);
}

Chart NotPlottable(std::string title, std::string message) {
  Chart chart;
  chart.title = std::move(title);
  chart.message = std::move(message);
  return chart;
}

constexpr const char* kInteractionTitle = "INTERACTION DIAGRAM";
constexpr const char* kMomentCurvatureTitle = "MOMENT CURVATURE";

Chart MomentCurvatureFrame(const ProjectModel& m) {
  const Units u = DisplayedUnits(m);
  Chart chart;
  chart.title = kMomentCurvatureTitle;
  chart.x.title = "CURVATURE x 1000000";
  chart.x.unit = u.curvature;
  chart.y.title = "MOMENT";
  chart.y.unit = u.moment;
  // Moment-curvature curves rise steeply and level off high on the right; the lower right stays free.
  chart.legend = LegendPlace::BottomRight;
  return chart;
}

PlotPoint CurvePoint(const ProjectModel& m, const McPoint& p) {
  // A point without a neutral-axis depth has no curvature; it is left out rather than drawn at infinity.
  if (p.depth == 0) return {NAN, NAN};
  // The moment along the neutral-axis angle of the analysis, the one the idealisation uses (Mx at angle 0).
  return {kCurvatureScale * static_cast<double>(p.strain) / p.depth,
          MomentAlong(m.momentCurvature, p) / static_cast<double>(m.MomentUnitFactor)};
}

ChartSeries CurveSeries(const ProjectModel& m, int load, int colour) {
  ChartSeries s;
  s.name = "Load condition " + std::to_string(load);
  s.colour = colour;
  s.points.push_back({0, 0});
  for (const McPoint& p : m.momentCurvature.curves[static_cast<size_t>(load)].points)
    Add(s, CurvePoint(m, p));
  return s;
}

// Why no curve can be drawn for any load condition, or empty when the analysis has results.
std::string MissingCurves(const ProjectModel& m) {
  const McResult& r = m.momentCurvature;
  if (!r.problem.empty()) return r.problem;
  if (!r.rejection.empty()) return r.rejection;
  if (!r.ran()) {
    return "No moment-curvature results: tick Moment-curvature in Calculations to Output and perform the "
           "calculations";
  }
  return {};
}

bool HasPoints(const ProjectModel& m, int load) {
  const auto& curves = m.momentCurvature.curves;
  return load >= 1 && load <= ListSize(m.ns) && static_cast<size_t>(load) < curves.size() &&
         !curves[static_cast<size_t>(load)].points.empty();
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CsvRow(const std::string& name, PlotPoint p) {
  return CsvField(name) + "," + FormatFullPrecision(p.x) + "," + FormatFullPrecision(p.y) + "\n";
}

}  // namespace

Units DisplayedUnits(const ProjectModel& m) {
  if (m.unitSystem().IsMetric()) return {"kN", "kN-m", "mm", "1/mm"};
  return {"kip", "k-ft", "in", "1/in"};
}

std::string Value(const char* name, double v, const char* unit) {
  return std::string(name) + " = " + FormatFixed(v, 1) + (unit[0] != '\0' ? " " : "") + unit;
}

void FitAxes(Chart& chart) {
  double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
  auto take = [&](PlotPoint p) {
    xlo = std::min(xlo, p.x);
    xhi = std::max(xhi, p.x);
    ylo = std::min(ylo, p.y);
    yhi = std::max(yhi, p.y);
  };
  for (const ChartSeries& s : chart.series) std::for_each(s.points.begin(), s.points.end(), take);
  for (const ChartMarker& marker : chart.markers) take(marker.at);
  SetNiceRange(chart.x, xlo, xhi);
  SetNiceRange(chart.y, ylo, yhi);
}

std::string ChartAxis::Caption() const { return unit.empty() ? title : title + " (" + unit + ")"; }

const char* SeriesColour(int colour) {
  static const char* const palette[] = {"#1f4e9c", "#c0392b", "#2e8b57", "#8e44ad",
                                        "#d35400", "#16a085", "#7f8c8d", "#b7950b"};
  const int n = static_cast<int>(sizeof palette / sizeof palette[0]);
  return palette[((colour % n) + n) % n];
}

const char* MarkerColour(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::SpecialPoint:
      return "#000000";
    case MarkerKind::LoadCondition:
      return "#d35400";
    case MarkerKind::ExceededLoad:
      return "#d10000";
    case MarkerKind::Event:
      return "#8e44ad";
  }
  return "#000000";
}

void SetNiceRange(ChartAxis& axis, double lo, double hi) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) lo = hi = 0;
  if (hi < lo) std::swap(lo, hi);
  if (hi - lo <= 1e-12 * std::max(std::abs(lo), std::abs(hi))) {
    const double pad = lo == 0 ? 1 : std::abs(lo) * 0.1;
    lo -= pad;
    hi += pad;
  }
  // Between five and ten intervals of 1, 2 or 5 times a power of ten.
  const double raw = (hi - lo) / 8;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double norm = raw / magnitude;
  const double step = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
  const long first = static_cast<long>(std::floor(lo / step + 1e-9));
  const long last = static_cast<long>(std::ceil(hi / step - 1e-9));
  axis.ticks.clear();
  for (long k = first; k <= last; ++k) {
    const double v = k == 0 ? 0.0 : static_cast<double>(k) * step;
    axis.ticks.push_back({v, FormatPlain(v)});
  }
  axis.min = axis.ticks.front().value;
  axis.max = axis.ticks.back().value;
}

float DesignCurvePhi(const ProjectModel& m, int k) {
  const InteractionDiagram& d = m.interactionDiagram;
  return DesignPointPhi(m, d, d.idAxial[static_cast<size_t>(k)], d.idTensileStrain[static_cast<size_t>(k)]);
}

Chart InteractionChart(const ProjectModel& m) {
  if (m.sectionProperties.problem != SectionProblem::None) {
    return NotPlottable(kInteractionTitle, SectionProblemText(m.sectionProperties.problem));
  }
  const InteractionDiagram& d = m.interactionDiagram;
  if (d.incrementTooSmall) {
    return NotPlottable(kInteractionTitle,
                        "The neutral-axis increment is too small for an interaction diagram");
  }
  if (d.idCount < 2)
    return NotPlottable(kInteractionTitle, "No interaction diagram: perform the calculations");

  const Units u = DisplayedUnits(m);
  const double F = m.ForceUnitFactor, M = m.MomentUnitFactor;
  Chart chart;
  // A section in two dimensions has a diagram at every neutral-axis angle; this one is that of angle 0.
  chart.title = IsTwoDimensional(m) ? std::string(kInteractionTitle) + " ABOUT THE HORIZONTAL AXIS"
                                    : std::string(kInteractionTitle);
  chart.x.title = "MOMENT";
  chart.x.unit = u.moment;
  chart.y.title = "AXIAL LOAD";
  chart.y.unit = u.force;

  ChartSeries nominal{"Nominal strength", SeriesStyle::Dashed, 0, {}};
  ChartSeries design{"Design strength (phi x nominal)", SeriesStyle::Solid, 1, {}};
  for (int k = 1; k <= d.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    const double phi = DesignCurvePhi(m, k);
    Add(nominal, {d.idMoment[K] / M, d.idAxial[K] / F});
    Add(design, {phi * d.idMoment[K] / M, phi * d.idAxial[K] / F});
  }
  chart.series = {nominal, design};

  const struct {
    int point;
    const char* name;
  } special[] = {{1, "Maximum tension"},
                 {d.idPureBending, "Pure bending"},
                 {d.idBalanced, "Balanced"},
                 {d.idCount, "Maximum compression"}};
  for (const auto& s : special) {
    // A balanced point that the walk never reached stays at point 1, where it means nothing.
    if (s.point < 1 || s.point > d.idCount || (s.point == 1 && s.name != special[0].name)) continue;
    const size_t K = static_cast<size_t>(s.point);
    const PlotPoint at{d.idMoment[K] / M, d.idAxial[K] / F};
    if (!Finite(at)) continue;
    std::string tip = std::string(s.name) + "\nPoint " + std::to_string(s.point) +
                      "\nc = " + FormatPlain(d.idDepth[K]) + " " + u.length + "\n" +
                      Value("Pn", at.y, u.force) + "\n" + Value("Mn", at.x, u.moment) +
                      "\nphi = " + FormatPlain(DesignCurvePhi(m, s.point));
    chart.markers.push_back({MarkerKind::SpecialPoint, at, s.name, tip, {}});
  }

  // The loads sit where the last calculation checked them; a diagram computed only to be viewed has
  // no verdicts yet, and its loads sit at their initial moments.
  std::vector<std::string> legends;  // the legend entries already named
  const auto legendOnce = [&legends](const char* entry) {
    if (std::find(legends.begin(), legends.end(), entry) != legends.end()) return std::string();
    legends.push_back(entry);
    return std::string(entry);
  };
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t k = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[k];
    const LoadCapacity* cap = k < d.capacity.size() ? &d.capacity[k] : nullptr;
    const bool checked = cap != nullptr && cap->checked;
    const float moment = checked ? cap->checkedMoment : load.M;
    const PlotPoint at{std::abs(moment) / M, (checked ? cap->checkedAxial : load.P) / F};
    if (!Finite(at)) continue;
    std::string tip = "Load condition " + std::to_string(i) + "\n" + Value("P", at.y, u.force) + "\n";
    if (!checked) {
      tip += Value("Initial moment", load.M / M, u.moment) + "\nNot checked: no calculation yet";
      chart.markers.push_back(
          {MarkerKind::LoadCondition, at, std::to_string(i), tip, legendOnce(kInitialMomentLoadLegend)});
      continue;
    }
    tip += Value("Design moment", moment / M, u.moment);
    if (!cap->designKnown) {
      const std::string why = SlenderMessageOf(m, i);
      tip += "\nNo design moment" + (why.empty() ? std::string() : ": " + why);
    }
    // A section in two dimensions judges a load with a moment on its interaction surface, in the direction
    // of its design moments: the diagram here is that of the horizontal axis alone.
    const BiaxialCapacity* b = BiaxialCheckOf(d, i);
    const bool solved = b != nullptr ? b->found : cap->capFound == 0;
    if (b != nullptr) {
      tip += "\n" + Value("My", cap->checkedMomentY / M, u.moment);
      tip += solved ? "\n" + Value("phiMn", std::hypot(b->momentX, b->momentY) / M, u.moment) +
                          " on the interaction surface\nMoment ratio = " + FormatFixed(b->momentRatio, 3)
                    : std::string("\nNo capacity on the interaction surface");
    } else if (solved) {
      tip += "\n" + Value("phiPn", cap->capAxial / F, u.force) + "\n" +
             Value("phiMn", cap->capMoment / M, u.moment) + "\nphi = " + FormatPlain(cap->capPhi);
    } else {
      tip += "\nNo capacity found on the diagram";
    }
    const bool exceeded = !solved || LoadBeyondCapacity(m, i);
    if (exceeded) tip += "\nBeyond its capacity";
    chart.markers.push_back({exceeded ? MarkerKind::ExceededLoad : MarkerKind::LoadCondition, at,
                             std::to_string(i), tip,
                             legendOnce(exceeded ? kExceededLoadLegend : kDesignMomentLoadLegend)});
  }
  FitAxes(chart);
  return chart;
}

Chart MomentCurvatureChart(const ProjectModel& m, int load) {
  if (const std::string missing = MissingCurves(m); !missing.empty()) {
    return NotPlottable(kMomentCurvatureTitle, missing);
  }
  if (load < 1 || load > ListSize(m.ns)) {
    return NotPlottable(kMomentCurvatureTitle, "Load condition " + std::to_string(load) + " does not exist");
  }
  if (!HasPoints(m, load)) {
    return NotPlottable(kMomentCurvatureTitle,
                        "Load condition " + std::to_string(load) + " has no moment-curvature points");
  }
  const Units u = DisplayedUnits(m);
  Chart chart = MomentCurvatureFrame(m);
  chart.series.push_back(CurveSeries(m, load, 0));

  const McIdealization ideal = IdealizeMomentCurvature(m, load);
  // The bilinear line runs to the ultimate curvature, which a curve ended without a failure does not have.
  if (ideal.hasFirstYield && ideal.hasMp && ideal.hasUltimate) {
    ChartSeries bilinear{"Bilinear idealisation", SeriesStyle::Dashed, 1, {}};
    const double Mp = ideal.Mp / static_cast<double>(m.MomentUnitFactor);
    Add(bilinear, {0, 0});
    Add(bilinear, {kCurvatureScale * ideal.phiYi, Mp});
    Add(bilinear, {kCurvatureScale * ideal.phiU, Mp});
    if (bilinear.points.size() == 3) chart.series.push_back(bilinear);
  }

  const auto& points = m.momentCurvature.curves[static_cast<size_t>(load)].points;
  for (size_t j = 0; j < points.size() && j < ideal.labels.size(); ++j) {
    if (ideal.labels[j][0] == '\0') continue;
    const PlotPoint at = CurvePoint(m, points[j]);
    if (!Finite(at)) continue;
    const std::string tip = std::string(ideal.labels[j]) + "\nPoint " + std::to_string(j + 1) + "\n" +
                            "Curvature x 1000000 = " + FormatFixed(at.x, 2) + " " + u.curvature + "\n" +
                            Value("Moment", at.y, u.moment) +
                            "\nTop strain = " + FormatPlain(points[j].strain) +
                            "\nc = " + FormatPlain(points[j].depth) + " " + u.length;
    chart.markers.push_back({MarkerKind::Event, at, ideal.labels[j], tip, {}});
  }
  FitAxes(chart);
  return chart;
}

Chart AllMomentCurvatureChart(const ProjectModel& m) {
  if (const std::string missing = MissingCurves(m); !missing.empty()) {
    return NotPlottable(kMomentCurvatureTitle, missing);
  }
  Chart chart = MomentCurvatureFrame(m);
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    if (HasPoints(m, i)) chart.series.push_back(CurveSeries(m, i, i - 1));
  }
  if (chart.series.empty())
    return NotPlottable(kMomentCurvatureTitle, "No load condition has moment-curvature points");
  FitAxes(chart);
  return chart;
}

std::string ChartCsv(const Chart& chart) {
  std::string text = "series," + CsvField(chart.x.Caption()) + "," + CsvField(chart.y.Caption()) + "\n";
  for (const ChartSeries& s : chart.series) {
    for (const PlotPoint& p : s.points) text += CsvRow(s.name, p);
  }
  for (const ChartMarker& marker : chart.markers) text += CsvRow("marker " + marker.label, marker.at);
  return text;
}

}  // namespace tarnix
