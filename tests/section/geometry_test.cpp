// Section geometry: bar placement, the full-circle rule and the strips of a steel shape.
#include "section/geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnix {
namespace {

// Bars along a line inclined at Ab degrees down from the first bar at Yb; bars on an arc from angle A0,
// measured counter-clockwise from the horizontal, so that 90 degrees is the top of the circle.
TEST(Bars, LinesArcsAndTheFullCircleRule) {
  const struct {
    ReinforcingLine line;
    int bar;
    float depth;
  } lines[] = {
      {{20, 10, 90, 3, 1}, 2, 15},  {{20, 10, 90, 3, 1}, 3, 10}, {{20, 10, 30, 3, 1}, 3, 15},
      {{20, 10, -90, 3, 1}, 3, 30}, {{5, 40, 45, 1, 1}, 1, 5},  // one bar sits at Yb whatever the line
  };
  for (const auto& c : lines) EXPECT_NEAR(LineBarDepth(c.line, c.bar), c.depth, 2e-4) << c.line.Ab << " " << c.bar;

  // A full circle of n bars spans 360 (n - 1) / n degrees, so that no bar is doubled at 360.
  const struct {
    float atot;
    int bars;
    float after;
  } arcs[] = {{360, 8, 315}, {360, 1, 0}, {359, 8, 359}, {360, 0, 360}, {360, 12, 330}};
  for (const auto& c : arcs) {
    ReinforcingArc arc{0, 10, 0, c.atot, c.bars, 1};
    NormalizeFullArc(arc);
    EXPECT_FLOAT_EQ(arc.Atot, c.after) << c.atot << " " << c.bars;
  }
}

TEST(Strips, SteelRectangleWiderThanDeep) {
  // A shape wider than deep is also cut across its depth, so its own inertia is kept.
  const std::vector<Strip> wide = SteelRectStrips({4, 2, 10}, 20);
  ASSERT_EQ(wide.size(), 20u);
  double area = 0, moment = 0, inertia = 0;
  for (const Strip& s : wide) area += s.area, moment += s.area * s.depth, inertia += s.area * (s.depth - 5) * (s.depth - 5);
  EXPECT_NEAR(area, 20, 1e-4);
  EXPECT_NEAR(moment / area, 5, 1e-5);
  EXPECT_NEAR(inertia, 10 * 8 / 12.0 * (1 - 1.0 / 400), 1e-3);  // strips lose only (1/n^2) of W D^3 / 12
}

}  // namespace
}  // namespace tarnix
