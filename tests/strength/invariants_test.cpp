// Invariants that catch wrong numbers without knowing the answer: what must not change when the same
// section is described differently, and agreement between the capacity search and the plotted curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "editor/invert_section.h"
#include "run/calculation_run.h"
#include "plot/chart_data.h"
#include "strength/section_analysis.h"
#include "test_sections.h"

namespace tarnix {
namespace {

ProjectModel Analysed(ProjectModel m) {
  RunAnalyses(m);
  EXPECT_GT(m.interactionDiagram.idCount, 10);
  return m;
}

// Compares two diagrams point by point: axial forces and moments within `relative` of the largest value.
void ExpectSameDiagram(const InteractionDiagram& a, const InteractionDiagram& b, double forceScale,
                       double momentScale, double relative) {
  ASSERT_EQ(a.idCount, b.idCount);
  double maxP = 0, maxM = 0;
  for (int k = 1; k <= a.idCount; ++k) {
    maxP = std::max(maxP, std::abs(static_cast<double>(a.idAxial[static_cast<size_t>(k)])));
    maxM = std::max(maxM, std::abs(static_cast<double>(a.idMoment[static_cast<size_t>(k)])));
  }
  for (int k = 1; k <= a.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    EXPECT_NEAR(b.idAxial[K] / forceScale, a.idAxial[K], relative * maxP) << "point " << k;
    EXPECT_NEAR(b.idMoment[K] / momentScale, a.idMoment[K], relative * maxM) << "point " << k;
  }
  EXPECT_EQ(a.idPureBending, b.idPureBending);
  EXPECT_EQ(a.idBalanced, b.idBalanced);
}

// A square column with bars on three layers, symmetric about mid-depth.
ProjectModel ThreeLayerColumn() {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci02");
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 20, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 3);
  m.lines[1] = {2.5f, 15, 0, 4, 0.79f};
  m.lines[2] = {10, 15, 0, 2, 0.79f};
  m.lines[3] = {17.5f, 15, 0, 4, 0.79f};
  m.inc = 0.05f;
  return m;
}

TEST(Invariants, ASymmetricSectionInvertedGivesTheSameDiagram) {
  const ProjectModel m = Analysed(ThreeLayerColumn());
  ProjectModel inverted = ThreeLayerColumn();
  InvertSection(inverted);
  ExpectSameDiagram(m.interactionDiagram, Analysed(inverted).interactionDiagram, 1, 1, 1e-5);
}

TEST(Invariants, TheSameSectionInMillimetresGivesTheSameDiagram) {
  const ProjectModel english = Analysed(ThreeLayerColumn());
  ProjectModel metric = ThreeLayerColumn();
  ChooseUnits(metric, false);
  const double mm = 25.4, mpa = 0.006894757, newton = 4.448222;
  metric.rects[1] = {0, 20 * 25.4f, 20 * 25.4f, 1};
  for (int i = 1; i <= 3; ++i) {
    ReinforcingLine& l = metric.lines[static_cast<size_t>(i)];
    l = english.lines[static_cast<size_t>(i)];
    l.Yb = static_cast<float>(l.Yb * mm), l.Lb = static_cast<float>(l.Lb * mm),
    l.Abl = static_cast<float>(l.Abl * mm * mm);
  }
  // Every strength and modulus of the English model converted; the factors stay.
  for (float ProjectModel::*stress : {&ProjectModel::fpc, &ProjectModel::fy, &ProjectModel::fs,
                                      &ProjectModel::Ec, &ProjectModel::Er, &ProjectModel::Es}) {
    metric.*stress = static_cast<float>(english.*stress * mpa);
  }
  metric.a1 = english.a1, metric.b1 = english.b1, metric.em = english.em, metric.phiC = english.phiC;
  metric.phiT = english.phiT, metric.phiConc = english.phiConc, metric.phiReinf = english.phiReinf;
  metric.inc = static_cast<float>(english.inc * mm);
  const ProjectModel result = Analysed(metric);
  ExpectSameDiagram(english.interactionDiagram, result.interactionDiagram, newton, newton * mm, 2e-5);
}

// Ray casting: true when (x, y) lies inside the closed polygon.
bool Inside(const std::vector<PlotPoint>& polygon, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PlotPoint& a = polygon[i];
    const PlotPoint& b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

TEST(Invariants, LoadsWithinTheirCapacityLieInsideThePlottedDesignCurve) {
  // A grid of loads; the capacity search and the chart's design curve must agree on which lie inside.
  ProjectModel m = ThreeLayerColumn();
  const int n = 120;
  SetLoadCount(m, n);
  for (int i = 1; i <= n; ++i) {
    LoadCondition& load = m.loads[static_cast<size_t>(i)];
    load.P = -100e3f + 1000e3f * static_cast<float>((i * 7) % n) / n;
    load.M = 3.6e6f * static_cast<float>((i * 13) % n + 1) / n;
  }
  const ProjectModel r = Analysed(m);
  std::vector<PlotPoint> polygon = InteractionChart(r).series[1].points;
  polygon.insert(polygon.begin(), PlotPoint{0, polygon.front().y});
  int inside = 0, outside = 0;
  for (int i = 1; i <= n; ++i) {
    const LoadCapacity& cap = r.interactionDiagram.capacity[static_cast<size_t>(i)];
    const LoadCondition& load = r.loads[static_cast<size_t>(i)];
    if (cap.capFound != 0 || cap.capMoment <= 0) continue;
    const double ratio = load.M / cap.capMoment;
    const bool in = Inside(polygon, load.M / 12000.0, load.P / 1000.0);
    if (ratio < 0.95) {
      EXPECT_TRUE(in) << "load " << i << " ratio " << ratio;
      ++inside;
    } else if (ratio > 1.05) {
      EXPECT_FALSE(in) << "load " << i << " ratio " << ratio;
      ++outside;
    }
  }
  EXPECT_GT(inside, 5);
  EXPECT_GT(outside, 5);
}

}  // namespace
}  // namespace tarnix
