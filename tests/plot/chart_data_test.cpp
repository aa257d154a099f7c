// Chart data: the curves, markers, ranges and units that both renderers draw.
#include "plot/chart_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "strength/interaction_diagram.h"
#include "strength/slenderness.h"
#include "analysed_input.h"

namespace tarnix {
namespace {

const ChartMarker* FindMarker(const Chart& chart, const std::string& label) {
  for (const ChartMarker& marker : chart.markers) {
    if (marker.label == label) return &marker;
  }
  return nullptr;
}

TEST(InteractionChart, CurvesInDisplayedUnitsWithSpecialPointsAndLoadVerdicts) {
  const ProjectModel m = AnalysedInput(std::string(TARNIX_TESTS_DIR) + "/report/golden/sway_column.in");
  const InteractionDiagram& d = m.interactionDiagram;
  const Chart chart = InteractionChart(m);
  ASSERT_TRUE(chart.Plottable()) << chart.message;
  EXPECT_EQ(chart.x.Caption(), "MOMENT (k-ft)");
  EXPECT_EQ(chart.y.Caption(), "AXIAL LOAD (kip)");
  ASSERT_EQ(chart.series.size(), 2u);
  const ChartSeries& nominal = chart.series[0];
  ASSERT_EQ(nominal.points.size(), static_cast<size_t>(d.idCount));
  ASSERT_EQ(chart.series[1].points.size(), nominal.points.size());
  for (size_t k = 0; k < nominal.points.size(); ++k) {
    const PlotPoint& p = nominal.points[k];
    EXPECT_NEAR(p.x, d.idMoment[k + 1] / 12000.0, 1e-6 * (1 + std::abs(p.x)));  // lb-in to k-ft
    EXPECT_NEAR(p.y, d.idAxial[k + 1] / 1000.0, 1e-6 * (1 + std::abs(p.y)));     // lb to kip
    EXPECT_TRUE(chart.y.min <= p.y && p.y <= chart.y.max) << k;
    // The design curve is the nominal one reduced by a factor between phiC and phiT.
    const double phi = chart.series[1].points[k].y / (p.y != 0 ? p.y : 1);
    if (std::abs(p.y) > 1) {
      EXPECT_TRUE(phi >= m.phiC - 1e-4 && phi <= m.phiT + 1e-4) << k;
    }
  }
  // A flat top from the depth where Pn reaches Pn,max (Mn 339.2 k-ft, the golden report) to the axis: the
  // nominal curve at Pn,max = 1751.6 kip, the design curve at phiC Pn,max = 0.65 (1751.6) = 1138.5 kip.
  const size_t corner = nominal.points.size() - 2;
  EXPECT_NEAR(nominal.points[corner].x, 339.2, 0.05);
  for (const size_t k : {corner, corner + 1}) {
    EXPECT_NEAR(nominal.points[k].y, 1751.6, 0.05);
    EXPECT_NEAR(chart.series[1].points[k].y, 1138.5, 0.05);
  }
  const ChartMarker* balanced = FindMarker(chart, "Balanced");
  ASSERT_NE(balanced, nullptr);
  EXPECT_DOUBLE_EQ(balanced->at.y, nominal.points[static_cast<size_t>(d.idBalanced - 1)].y);
  // Every marker lies in the plotted range; each load's agrees with the results table (the design-moment
  // tests of the strength layer).
  EXPECT_EQ(chart.markers.size(), 4u + static_cast<size_t>(m.ns));
  for (const ChartMarker& k : chart.markers) {
    EXPECT_TRUE(chart.x.min <= k.at.x && k.at.x <= chart.x.max && chart.y.min <= k.at.y && k.at.y <= chart.y.max)
        << k.label;
  }
}

TEST(InteractionChart, LoadsStayWhereTheLastCalculationCheckedThem) {
  ProjectModel m = AnalysedInput(std::string(TARNIX_TESTS_DIR) + "/report/golden/sway_column.in");
  const auto legends = [](const Chart& chart) {
    std::vector<std::string> named;
    for (const ChartMarker& marker : chart.markers)
      if (!marker.legend.empty()) named.push_back(marker.legend);
    return named;
  };
  const PlotPoint checked = FindMarker(InteractionChart(m), "1")->at;
  EXPECT_NEAR(checked.x, std::abs(m.slenderness.Mc[1]) / 12000.0, 1e-6);  // magnified, in k-ft
  EXPECT_EQ(legends(InteractionChart(m)),
            (std::vector<std::string>{kDesignMomentLoadLegend, kExceededLoadLegend}));

  // A load typed after the calculation stays at the point that was checked until the next one.
  m.loads[1].M *= 3;
  m.loads[1].P *= 2;
  EXPECT_DOUBLE_EQ(FindMarker(InteractionChart(m), "1")->at.x, checked.x);
  EXPECT_DOUBLE_EQ(FindMarker(InteractionChart(m), "1")->at.y, checked.y);

  // A diagram computed only to be viewed has no verdicts: the loads sit at their initial moments.
  ComputeInteractionDiagram(m);
  const Chart viewed = InteractionChart(m);
  EXPECT_EQ(legends(viewed), std::vector<std::string>{kInitialMomentLoadLegend});
  EXPECT_NEAR(FindMarker(viewed, "1")->at.x, std::abs(m.loads[1].M) / 12000.0, 1e-6);
  EXPECT_NEAR(FindMarker(viewed, "1")->at.y, m.loads[1].P / 1000.0, 1e-6);
  for (const ChartMarker& marker : viewed.markers) EXPECT_NE(marker.kind, MarkerKind::ExceededLoad);
}

TEST(MomentCurvatureChart, CurveFromTheOriginInDisplayedUnitsWithTheBilinearIdealisation) {
  ProjectModel m = AnalysedInput(std::string(TARNIX_EXAMPLES_DIR) + "/circular_spiral.in");
  ASSERT_TRUE(m.momentCurvature.ran());
  const Chart chart = MomentCurvatureChart(m, 1);
  ASSERT_TRUE(chart.Plottable()) << chart.message;
  EXPECT_EQ(chart.x.Caption(), "CURVATURE x 1000000 (1/mm)");
  const auto& points = m.momentCurvature.curves[1].points;
  ASSERT_EQ(chart.series[0].points.size(), points.size() + 1);
  EXPECT_EQ(chart.series[0].points[0].y, 0);  // from the origin
  const double first = points[0].moment / 1e6;  // N-mm to kN-m
  EXPECT_NEAR(chart.series[0].points[1].y, first, 1e-9 + 1e-6 * std::abs(first));
  ASSERT_EQ(chart.series.size(), 2u);  // and the bilinear idealisation

  // Where there is no curve the chart says why instead of drawing the origin.
  EXPECT_EQ(MomentCurvatureChart(m, m.ns + 1).message, "Load condition 4 does not exist");
  m.momentCurvature.curves[2].points.clear();
  EXPECT_EQ(MomentCurvatureChart(m, 2).message, "Load condition 2 has no moment-curvature points");
  EXPECT_EQ(AllMomentCurvatureChart(m).series.size(), static_cast<size_t>(m.ns - 1));
  ASSERT_TRUE(LoadInputFile(m, std::string(TARNIX_EXAMPLES_DIR) + "/rect_column.in").ok());
  EXPECT_FALSE(MomentCurvatureChart(m, 1).Plottable());  // the results of another file are gone
}

TEST(ChartAxis, NiceRangesCoverTheDataWithRoundTicks) {
  const struct {
    double lo, hi;
    double min, max, step;
    const char* first;
    const char* last;
  } cases[] = {
      {-600, 1750, -1000, 2000, 500, "-1000", "2000"}, {0, 0.37, 0, 0.4, 0.05, "0", "0.4"},
      {12.5, -7.5, -10, 15, 5, "-10", "15"},
  };
  for (const auto& c : cases) {
    ChartAxis axis;
    SetNiceRange(axis, c.lo, c.hi);
    EXPECT_NEAR(axis.min, c.min, 1e-9) << c.lo << " " << c.hi;
    EXPECT_NEAR(axis.max, c.max, 1e-9) << c.lo << " " << c.hi;
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_EQ(axis.ticks.front().label, c.first);
    EXPECT_EQ(axis.ticks.back().label, c.last);
    for (size_t k = 1; k < axis.ticks.size(); ++k) {
      EXPECT_NEAR(axis.ticks[k].value - axis.ticks[k - 1].value, c.step, 1e-9);
    }
  }
}

TEST(ChartCsv, EverySeriesPointAndMarkerOneRowQuotedWhereNeeded) {
  Chart chart;
  chart.x = {"MOMENT", "k-ft", 0, 1, {}};
  chart.y = {"AXIAL LOAD", "kip", 0, 1, {}};
  chart.series.push_back({"Nominal, strength", SeriesStyle::Solid, 0, {{0, -600.5}, {490.25, 0}}});
  chart.markers.push_back({MarkerKind::LoadCondition, {162, 450}, "1", "tip", {}});
  EXPECT_EQ(ChartCsv(chart),
            "series,MOMENT (k-ft),AXIAL LOAD (kip)\n"
            "\"Nominal, strength\",0,-600.5\n"
            "\"Nominal, strength\",490.25,0\n"
            "marker 1,162,450\n");
}

}  // namespace
}  // namespace tarnix
