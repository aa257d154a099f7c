// Chart data: the curves, markers, ranges and units that both renderers draw.
#include "plot/chart_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "curvature/idealization.h"
#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "strength/section_analysis.h"
#include "strength/slenderness.h"
#include "test_sections.h"

namespace tarnix {
namespace {

ProjectModel Analysed(const std::string& path) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_TRUE(LoadInputFile(m, path).ok()) << path;
  RunAnalyses(m);
  return m;
}

ProjectModel Golden(const char* name) {
  return Analysed(std::string(TARNIX_TESTS_DIR) + "/report/golden/" + name + ".in");
}

ProjectModel Example(const char* name) { return Analysed(std::string(TARNIX_EXAMPLES_DIR) + "/" + name); }

const ChartMarker* FindMarker(const Chart& chart, const std::string& label) {
  for (const ChartMarker& marker : chart.markers) {
    if (marker.label == label) return &marker;
  }
  return nullptr;
}

void ExpectInRange(const ChartAxis& axis, double v) {
  EXPECT_LE(axis.min, v);
  EXPECT_GE(axis.max, v);
}

TEST(InteractionChart, DrawsEveryPointOfTheNominalAndDesignCurvesInDisplayedUnits) {
  const ProjectModel m = Golden("sway_column");
  const InteractionDiagram& d = m.interactionDiagram;
  const Chart chart = InteractionChart(m);
  ASSERT_TRUE(chart.Plottable()) << chart.message;
  EXPECT_EQ(chart.title, "INTERACTION DIAGRAM");
  EXPECT_EQ(chart.x.Caption(), "MOMENT (k-ft)");
  EXPECT_EQ(chart.y.Caption(), "AXIAL LOAD (kip)");
  ASSERT_EQ(chart.series.size(), 2u);
  const ChartSeries& nominal = chart.series[0];
  const ChartSeries& design = chart.series[1];
  ASSERT_EQ(nominal.points.size(), static_cast<size_t>(d.idCount));
  ASSERT_EQ(design.points.size(), static_cast<size_t>(d.idCount));
  for (int k = 1; k <= d.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    const PlotPoint& p = nominal.points[K - 1];
    EXPECT_NEAR(p.x, d.idMoment[K] / 12000.0, 1e-6 * (1 + std::abs(p.x)));
    EXPECT_NEAR(p.y, d.idAxial[K] / 1000.0, 1e-6 * (1 + std::abs(p.y)));
    ExpectInRange(chart.x, p.x);
    ExpectInRange(chart.y, p.y);
    // Under ACI 318 the factor follows the most tensile bar strain, whatever the load.
    const double phi = DesignCurvePhi(m, k);
    EXPECT_NEAR(phi, LoadPhi(m, d, d.idAxial[K] < 0 ? -1.0f : 1.0f, d.idTensileStrain[K]), 1e-6);
    EXPECT_NEAR(design.points[K - 1].x, phi * p.x, 1e-4 * (1 + std::abs(p.x)));
    EXPECT_NEAR(design.points[K - 1].y, phi * p.y, 1e-4 * (1 + std::abs(p.y)));
  }

  // The special points sit on the nominal curve at their diagram points.
  const struct {
    const char* label;
    int point;
  } special[] = {{"Maximum tension", 1},
                 {"Pure bending", d.idPureBending},
                 {"Balanced", d.idBalanced},
                 {"Maximum compression", d.idCount}};
  for (const auto& s : special) {
    const ChartMarker* marker = FindMarker(chart, s.label);
    ASSERT_NE(marker, nullptr) << s.label;
    EXPECT_EQ(marker->kind, MarkerKind::SpecialPoint);
    EXPECT_DOUBLE_EQ(marker->at.x, nominal.points[static_cast<size_t>(s.point - 1)].x) << s.label;
    EXPECT_DOUBLE_EQ(marker->at.y, nominal.points[static_cast<size_t>(s.point - 1)].y) << s.label;
  }

  // Each load stands at its design moment: magnified, or its initial moment when it has none.
  int loads = 0;
  for (int i = 1; i <= m.ns; ++i) {
    const ChartMarker* marker = FindMarker(chart, std::to_string(i));
    ASSERT_NE(marker, nullptr) << i;
    ++loads;
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    const float moment = DesignMoment(m, i).value_or(load.M);
    EXPECT_NEAR(marker->at.x, std::abs(moment) / 12000.0, 1e-6) << i;
    EXPECT_NEAR(marker->at.y, load.P / 1000.0, 1e-6) << i;
    EXPECT_EQ(marker->tip.rfind("Load condition " + std::to_string(i) + "\n", 0), 0u) << marker->tip;
    // As the golden report says: load 2 exceeds its moment capacity, load 3 has no solution.
    EXPECT_EQ(marker->kind, i == 2 || i == 3 ? MarkerKind::ExceededLoad : MarkerKind::LoadCondition) << i;
    ExpectInRange(chart.x, marker->at.x);
    ExpectInRange(chart.y, marker->at.y);
  }
  EXPECT_EQ(chart.markers.size(), 4u + static_cast<size_t>(loads));
}

TEST(InteractionChart, LoadsStayWhereTheLastCalculationCheckedThem) {
  ProjectModel m = Golden("sway_column");
  const auto legends = [](const Chart& chart) {
    std::vector<std::string> named;
    for (const ChartMarker& marker : chart.markers)
      if (!marker.legend.empty()) named.push_back(marker.legend);
    return named;
  };
  const PlotPoint checked = FindMarker(InteractionChart(m), "1")->at;
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

TEST(InteractionChart, DesignFactorIsTheFactorOfALoadOnTheDesignCurve) {
  // Outside ACI 318 the factor grows from phiC at the axial limit to phiT at no axial load; a load
  // P = phi Pn on the curve gives phi = phiT / (1 + (phiT - phiC) Pn / limit), at least phiC.
  ProjectModel m = TwoLayerColumn("aci");
  RunAnalyses(m);
  const InteractionDiagram& d = m.interactionDiagram;
  ASSERT_GT(d.idCount, 10);
  const double limit = std::min(0.1 * m.fpc * m.sectionProperties.concArea,
                                static_cast<double>(m.phiC) * d.idAxial[static_cast<size_t>(d.idBalanced)]);
  int transition = 0;
  for (int k = 1; k <= d.idCount; ++k) {
    const double Pn = d.idAxial[static_cast<size_t>(k)];
    double expected = Pn < 0 ? m.phiT : m.phiT / (1 + (m.phiT - m.phiC) * Pn / limit);
    expected = std::max(expected, static_cast<double>(m.phiC));
    if (expected > m.phiC + 1e-3 && expected < m.phiT - 1e-3) ++transition;
    EXPECT_NEAR(DesignCurvePhi(m, k), expected, 1e-5) << "point " << k;
  }
  EXPECT_GT(transition, 0);  // the case that needs the solution really occurred
  EXPECT_FLOAT_EQ(DesignCurvePhi(m, d.idCount), m.phiC);
  EXPECT_FLOAT_EQ(DesignCurvePhi(m, 1), m.phiT);
}

TEST(InteractionChart, MetricUnitsAndWhatCannotBePlotted) {
  const ProjectModel metric = Example("circular_spiral.in");
  const Chart chart = InteractionChart(metric);
  EXPECT_EQ(chart.x.Caption(), "MOMENT (kN-m)");
  EXPECT_EQ(chart.y.Caption(), "AXIAL LOAD (kN)");
  const InteractionDiagram& d = metric.interactionDiagram;
  EXPECT_NEAR(chart.series[0].points.back().y, d.PnMax / 1000.0, 1e-3);

  ProjectModel fresh;
  ResetAll(fresh);
  const Chart none = InteractionChart(fresh);
  EXPECT_FALSE(none.Plottable());
  EXPECT_TRUE(none.series.empty());
  EXPECT_TRUE(none.markers.empty());

  // A section whose reinforcement has no area is refused with the report's reason, without its flag.
  ProjectModel noBars = TwoLayerColumn("aci02");
  noBars.lines[1].Abl = noBars.lines[2].Abl = 0;
  RunAnalyses(noBars);
  const Chart refused = InteractionChart(noBars);
  EXPECT_FALSE(refused.Plottable());
  EXPECT_EQ(refused.message.find("***"), std::string::npos) << refused.message;
}

TEST(MomentCurvatureChart, CurveFromTheOriginWithEventsAndTheBilinearIdealisation) {
  const ProjectModel m = Example("circular_spiral.in");
  ASSERT_TRUE(m.momentCurvature.ran());
  for (int load = 1; load <= m.ns; ++load) {
    const Chart chart = MomentCurvatureChart(m, load);
    ASSERT_TRUE(chart.Plottable()) << chart.message;
    EXPECT_EQ(chart.title, "MOMENT CURVATURE");
    EXPECT_EQ(chart.x.Caption(), "CURVATURE x 1000000 (1/mm)");
    EXPECT_EQ(chart.y.Caption(), "MOMENT (kN-m)");
    const auto& points = m.momentCurvature.curves[static_cast<size_t>(load)].points;
    const ChartSeries& curve = chart.series[0];
    ASSERT_EQ(curve.points.size(), points.size() + 1);
    EXPECT_EQ(curve.points[0].x, 0);
    EXPECT_EQ(curve.points[0].y, 0);
    for (size_t j = 0; j < points.size(); ++j) {
      EXPECT_NEAR(curve.points[j + 1].x, 1e6 * points[j].strain / points[j].depth,
                  1e-6 * curve.points[j + 1].x);
      EXPECT_NEAR(curve.points[j + 1].y, points[j].moment / 1e6,
                  1e-6 * std::abs(curve.points[j + 1].y) + 1e-9);
    }
    const McIdealization ideal = IdealizeMomentCurvature(m, load);
    size_t events = 0;
    for (const char* label : ideal.labels) events += label[0] != '\0';
    EXPECT_EQ(chart.markers.size(), events);
    for (const ChartMarker& marker : chart.markers) EXPECT_EQ(marker.kind, MarkerKind::Event);
    ASSERT_TRUE(ideal.hasFirstYield && ideal.hasMp);
    ASSERT_EQ(chart.series.size(), 2u);
    const ChartSeries& bilinear = chart.series[1];
    ASSERT_EQ(bilinear.points.size(), 3u);
    EXPECT_NEAR(bilinear.points[1].x, 1e6 * ideal.phiYi, 1e-6 * bilinear.points[1].x);
    EXPECT_NEAR(bilinear.points[1].y, ideal.Mp / 1e6, 1e-6 * bilinear.points[1].y);
    EXPECT_EQ(bilinear.points[2].y, bilinear.points[1].y);
    EXPECT_NEAR(bilinear.points[2].x, curve.points.back().x, 1e-6 * curve.points.back().x);
  }

  const Chart all = AllMomentCurvatureChart(m);
  ASSERT_EQ(all.series.size(), static_cast<size_t>(m.ns));
  EXPECT_EQ(all.series[1].name, "Load condition 2");
  EXPECT_NE(all.series[0].colour, all.series[1].colour);
}

TEST(MomentCurvatureChart, SaysWhyThereIsNoCurveInsteadOfDrawingTheOrigin) {
  ProjectModel m = Example("circular_spiral.in");
  const Chart beyond = MomentCurvatureChart(m, m.ns + 1);
  EXPECT_FALSE(beyond.Plottable());
  EXPECT_EQ(beyond.message, "Load condition 4 does not exist");

  m.momentCurvature.curves[2].points.clear();
  const Chart empty = MomentCurvatureChart(m, 2);
  EXPECT_EQ(empty.message, "Load condition 2 has no moment-curvature points");
  EXPECT_TRUE(empty.series.empty());
  EXPECT_EQ(AllMomentCurvatureChart(m).series.size(), static_cast<size_t>(m.ns - 1));

  // Before any calculation, and after loading another file, there are no results to show.
  ProjectModel fresh;
  ResetAll(fresh);
  EXPECT_FALSE(MomentCurvatureChart(fresh, 1).Plottable());
  EXPECT_FALSE(AllMomentCurvatureChart(fresh).Plottable());
  ASSERT_TRUE(LoadInputFile(m, std::string(TARNIX_EXAMPLES_DIR) + "/rect_column.in").ok());
  EXPECT_FALSE(MomentCurvatureChart(m, 1).Plottable());
  EXPECT_EQ(m.interactionDiagram.idCount, 0);
}

TEST(ChartAxis, NiceRangesCoverTheDataWithRoundTicks) {
  const struct {
    double lo, hi;
    double min, max, step;
    const char* first;
    const char* last;
  } cases[] = {
      {0, 1750, 0, 2000, 500, "0", "2000"}, {-600, 1750, -1000, 2000, 500, "-1000", "2000"},
      {0, 0.37, 0, 0.4, 0.05, "0", "0.4"},  {0, 0, -1, 1, 0.5, "-1", "1"},
      {3, 3, 2.7, 3.3, 0.1, "2.7", "3.3"},  {12.5, -7.5, -10, 15, 5, "-10", "15"},
      {0, 73.2, 0, 80, 10, "0", "80"},
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
  ChartAxis broken;
  SetNiceRange(broken, 0, NAN);
  EXPECT_TRUE(std::isfinite(broken.min) && std::isfinite(broken.max) && broken.max > broken.min);
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
