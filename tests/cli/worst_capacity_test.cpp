// The one-line summary of a batch run: the worst capacity ratio of a project's load conditions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "cli/batch_run.h"
#include "run/calculation_run.h"
#include "base/number_format.h"
#include "model/project_file.h"
#include "strength/slenderness.h"
#include "analysed_input.h"

namespace tarnix {
namespace {

std::string RatioLine(double ratio, int load) {
  return "worst capacity ratio " + FormatFixed(ratio, 3) + " (load condition " + std::to_string(load) + ")";
}

TEST(WorstCapacity, ColumnMomentsAndAxialLoads) {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 3);
  m.loads[1].P = 100000, m.loads[1].M = 600000;
  m.loads[2].P = 300000, m.loads[2].M = 1200000;
  m.loads[3].P = 400000;  // no moment: measured by its axial force
  RunAnalyses(m);
  const auto& cap = m.interactionDiagram.capacity;
  const double r1 = 600000 / cap[1].capMoment, r2 = 1200000 / cap[2].capMoment, r3 = 400000 / cap[3].capAxial;
  const int worst = r1 >= r2 && r1 >= r3 ? 1 : r2 >= r3 ? 2 : 3;
  EXPECT_EQ(WorstCapacityText(m), RatioLine(std::max({r1, r2, r3}), worst));

  // Tension beyond the bars' strength: the ratio of the axial forces shows by how much.
  m.loads[2].P = -2000000, m.loads[2].M = 100000;
  RunAnalyses(m);
  EXPECT_EQ(WorstCapacityText(m), RatioLine(-2000000 / m.interactionDiagram.capacity[2].capAxial, 2));
}

// Load 1 of the sway column example raised to 900 k-ft: its end moments magnify to only 162.3 k-ft, and the
// summary measures the load by its moment of 900 k-ft, as the report and the window do.
TEST(WorstCapacity, OverloadedSwayColumnByItsDesignMoment) {
  ProjectModel m = AnalysedInput(std::string(TARNIX_EXAMPLES_DIR) + "/rect_column.in");
  m.loads[1].M = 900 * 12000.0f;
  RunAnalyses(m);
  EXPECT_EQ(WorstCapacityText(m), RatioLine(900 * 12000.0 / m.interactionDiagram.capacity[1].capMoment, 1));
}

TEST(WorstCapacity, SlenderWallUsesTheMagnifiedMomentAndTheWallCapacity) {
  ProjectModel m = SlenderPanel({{2000, 24000}, {0, 18000}});
  RunAnalyses(m);
  const SlendernessResults& s = m.slenderness;
  ASSERT_GT(s.Mc[1], 24000);  // the axial load magnifies the first load's moment
  const double r1 = s.Mc[1] / s.phiMnAse[1], r2 = s.Mc[2] / s.phiMnAse[2];
  EXPECT_EQ(WorstCapacityText(m), RatioLine(std::max(r1, r2), r1 >= r2 ? 1 : 2));

  // A load that fails one of the wall's limits is named instead of a ratio.
  m = SlenderPanel({{2000, 24000}, {20000, 12000}});
  RunAnalyses(m);
  ASSERT_EQ(m.slenderness.outcome[2], SlenderOutcome::Buckling);
  EXPECT_EQ(WorstCapacityText(m), "no design moment for load condition 2");
  m = SlenderPanel({{2000, 24000}, {2000, 66000}});  // the second load's magnified moment is too large
  RunAnalyses(m);
  EXPECT_EQ(WorstCapacityText(m), "magnified moment exceeds the moment capacity for load condition 2");
  m = SlenderPanel({{0, 1000}});
  m.lines[1].Abl = 0.05f;  // so little steel that the cracking moment exceeds the capacity
  RunAnalyses(m);
  ASSERT_LT(m.slenderness.phiMnAse[1], m.slenderness.Mcr);
  EXPECT_EQ(WorstCapacityText(m), "cracking moment exceeds the moment capacity for load condition 1");
}

// A section in two dimensions is measured on its interaction surface: the L-shaped wall's second load
// (Mx = -200, My = 350 k-ft at 150 kip) has a capacity of 1668 k-ft in its own direction, ratio 0.242, while
// about the horizontal axis alone its -200 k-ft would give 0.134 of 1488.
TEST(WorstCapacity, TwoDimensionalSectionByItsBiaxialCapacity) {
  ProjectModel m;
  ResetAll(m);
  ASSERT_TRUE(LoadModelFile(m, std::string(TARNIX_EXAMPLES_DIR) + "/l_wall.json").ok());
  RunAnalyses(m);
  const BiaxialCapacity& b = m.interactionDiagram.biaxial.at(2);
  const double ratio = std::hypot(200.0, 350.0) * 12000 / std::hypot(b.momentX, b.momentY);
  EXPECT_NEAR(ratio, 0.242, 0.0005);
  EXPECT_EQ(WorstCapacityText(m), RatioLine(ratio, 2));
}

}  // namespace
}  // namespace tarnix
