// Chart data of the results, independent of any drawing toolkit: series, labelled markers, axis titles,
// ranges and tick labels, all in displayed units (kip and k-ft, or kN and kN-m). The window's charts
// and the SVG files draw the same data.
#pragma once

#include <string>
#include <vector>

namespace tarnix {

struct ProjectModel;

/// A point of a chart in displayed units.
struct PlotPoint {
  double x = 0;
  double y = 0;
};

enum class SeriesStyle { Solid, Dashed };

/// A polyline of the chart.
struct ChartSeries {
  std::string name;  ///< legend text
  SeriesStyle style = SeriesStyle::Solid;
  int colour = 0;  ///< index into SeriesColour
  std::vector<PlotPoint> points;
};

/// What a marker stands for; renderers give each kind its own symbol.
enum class MarkerKind {
  SpecialPoint,   ///< maximum tension, pure bending, balanced, maximum compression
  LoadCondition,  ///< a load condition on the interaction diagram, labelled with its number
  /// A load condition beyond its capacity: no capacity found, moment or axial capacity exceeded, beyond the
  /// critical buckling load, or over a slender wall's moment capacity.
  ExceededLoad,
  Event,          ///< an event of a moment-curvature curve (first yield, spalling, failure ...)
};

/// The legend entries of the load conditions on the interaction diagram: checked by the last calculation
/// at their design moments (within or beyond their capacity), or, on a diagram computed only to be viewed,
/// placed at their initial moments without a verdict.
constexpr const char* kExceededLoadLegend = "Load beyond its capacity";
constexpr const char* kDesignMomentLoadLegend = "Loads at design moments";
constexpr const char* kInitialMomentLoadLegend = "Loads at initial moments";

/// A labelled point with the values shown when the pointer rests on it.
struct ChartMarker {
  MarkerKind kind = MarkerKind::SpecialPoint;
  PlotPoint at;
  std::string label;  ///< drawn beside the point
  std::string tip;    ///< hover text, one value per line
  std::string legend;  ///< the legend entry this marker names (the first of its kind), empty for none
};

/// A tick of an axis and its label.
struct AxisTick {
  double value = 0;
  std::string label;
};

struct ChartAxis {
  std::string title;  ///< "MOMENT", "AXIAL LOAD", "CURVATURE x 1000000"
  std::string unit;   ///< "k-ft", "kip", "kN-m", "kN", "1/in", "1/mm"
  double min = 0;
  double max = 1;
  std::vector<AxisTick> ticks;  ///< from min to max, both included
  /// The title with its unit: "MOMENT (k-ft)".
  std::string Caption() const;
};

/// Where the legend goes: the corner of the plot area that the curves leave free, or, for a chart whose
/// curves may fill every corner, to the right of the plot area (the frame must leave it room).
enum class LegendPlace { TopRight, BottomRight, OutsideRight };

/// A whole chart. When `message` is not empty there is nothing to plot and the view shows the message
/// instead of axes (no calculation yet, a load condition without points).
struct Chart {
  std::string title;
  ChartAxis x, y;
  std::vector<ChartSeries> series;
  std::vector<ChartMarker> markers;
  std::string message;
  LegendPlace legend = LegendPlace::TopRight;
  /// Both axes to one scale (their ranges are equal): drawn in a square plot area, so that directions on
  /// the chart are true.
  bool equalScale = false;
  bool Plottable() const { return message.empty(); }
};

/// Colour of series (and marker) index `colour`, "#rrggbb"; the palette repeats.
const char* SeriesColour(int colour);
/// Colour of a marker kind, "#rrggbb".
const char* MarkerColour(MarkerKind kind);

/// The interaction diagram of the last calculation: the nominal curve through every point, the design
/// curve (each point times the strength reduction factor that a load lying on it would take), the four
/// special points and every load condition at the one design moment its verdict used (by size), marked
/// by that verdict. Needs a computed diagram (idCount > 1).
Chart InteractionChart(const ProjectModel& m);

/// The moment-curvature curve of load condition `load` (1-based) from the origin, with its events marked
/// and the bilinear idealisation (origin, idealised yield, ultimate) drawn over it when the curve gives one.
Chart MomentCurvatureChart(const ProjectModel& m, int load);

/// Every load condition's moment-curvature curve in one chart, one series per load condition.
Chart AllMomentCurvatureChart(const ProjectModel& m);

/// The plotted data as CSV: header "series,<x caption>,<y caption>" then one row per point of every series,
/// then one row per marker named by its label ("marker <label>").
std::string ChartCsv(const Chart& chart);

/// Ticks of a "nice" step (1, 2 or 5 times a power of ten) that cover [lo, hi]; the axis range becomes the
/// outermost ticks. A zero-width range is widened so the axis never collapses.
void SetNiceRange(ChartAxis& axis, double lo, double hi);

/// The displayed units of the model's unit system.
struct Units {
  const char* force;      ///< "kip", "kN"
  const char* moment;     ///< "k-ft", "kN-m"
  const char* length;     ///< "in", "mm"
  const char* curvature;  ///< "1/in", "1/mm"
};
Units DisplayedUnits(const ProjectModel& m);

/// A value of a hover text, "Pn = 123.4 kip": one decimal for forces and moments, as the report's tables
/// give them.
std::string Value(const char* name, double v, const char* unit);

/// Sets both axis ranges from everything the chart draws; the origin is always in view.
void FitAxes(Chart& chart);

/// Strength reduction factor of diagram point k: the factor a load P = phi Pn at that point takes.
float DesignCurvePhi(const ProjectModel& m, int k);

}  // namespace tarnix
