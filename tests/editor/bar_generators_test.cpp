// Bar patterns against coordinates worked by hand.
#include "editor/bar_generators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnix {
namespace {

struct Point {
  float x, y;
};

void ExpectBars(const GeneratedBars& got, const std::vector<Point>& want, float area) {
  EXPECT_EQ(got.problem, "");
  ASSERT_EQ(got.bars.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("bar " + std::to_string(i + 1));
    EXPECT_NEAR(got.bars[i].x, want[i].x, 1e-4);
    EXPECT_NEAR(got.bars[i].y, want[i].y, 1e-4);
    EXPECT_EQ(got.bars[i].area, area);
  }
}

// A 16 x 24 in column centred on x = 0, top at depth 0, cover 1.5 in to a #4 tie (0.5 in), #8 bars (1.0 in,
// 0.79 in^2): the bar centres lie 1.5 + 0.5 + 1.0 / 2 = 2.5 in inside each face, so x = -8 + 2.5 = -5.5 to
// 8 - 2.5 = 5.5 and y = 2.5 to 24 - 2.5 = 21.5. Three bars a face along x: x = -5.5, 0, 5.5; four along y:
// y = 2.5, 2.5 + 19 / 3 = 8.8333, 2.5 + 38 / 3 = 15.1667, 21.5. 2 x 3 + 2 x 4 - 4 corners = 10 bars,
// clockwise as drawn from the top left corner.
TEST(BarGenerators, RectangularPerimeter) {
  RectangularPattern p;
  p.left = -8;
  p.top = 0;
  p.width = 16;
  p.depth = 24;
  p.barsX = 3;
  p.barsY = 4;
  p.cover = 1.5f;
  p.tieDiameter = 0.5f;
  p.barDiameter = 1.0f;
  p.barArea = 0.79f;
  ExpectBars(RectangularBars(p),
             {{-5.5f, 2.5f}, {0, 2.5f}, {5.5f, 2.5f},                // top
              {5.5f, 8.83333f}, {5.5f, 15.16667f},                  // right side
              {5.5f, 21.5f}, {0, 21.5f}, {-5.5f, 21.5f},           // bottom
              {-5.5f, 15.16667f}, {-5.5f, 8.83333f}},              // left side
             0.79f);

  const struct {
    int barsX;
    float width;
    const char* problem;
  } refused[] = {
      {1, 16, "at least 2 bars on each face (the corner bars)"},
      {3, 5, "the bars do not fit inside the tie of the rectangle"},  // 2 x 2.5 = 5 leaves no room
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.problem);
    p.barsX = r.barsX;
    p.width = r.width;
    const GeneratedBars got = RectangularBars(p);
    EXPECT_EQ(got.problem, r.problem);
    EXPECT_TRUE(got.bars.empty());
  }
}

// A 24 in circle centred at depth 12, cover 1.5 in to a #3 tie (0.375 in), #8 bars: radius to the bar
// centres 12 - 1.5 - 0.375 - 0.5 = 9.625 in. Eight bars from 90 degrees (the top), 45 degrees apart
// counter-clockwise: 9.625 sin 45 = 6.80590; the top bar at depth 12 - 9.625 = 2.375, the left one at x =
// -9.625. Given a radius of 10 instead, six bars from 0 degrees: x = 10 cos 60 = 5, depth 12 - 10 sin 60 =
// 3.33975.
TEST(BarGenerators, Circular) {
  CircularPattern p;
  p.yc = 12;
  p.count = 8;
  p.outerRadius = 12;
  p.cover = 1.5f;
  p.startAngle = 90;
  p.tieDiameter = 0.375f;
  p.barDiameter = 1.0f;
  p.barArea = 0.79f;
  const float r = 6.80590f;
  ExpectBars(CircularBars(p),
             {{0, 2.375f}, {-r, 12 - r}, {-9.625f, 12}, {-r, 12 + r}, {0, 21.625f}, {r, 12 + r}, {9.625f, 12},
              {r, 12 - r}},
             0.79f);

  p.radius = 10;
  p.count = 6;
  p.startAngle = 0;
  ExpectBars(CircularBars(p),
             {{10, 12}, {5, 3.33975f}, {-5, 3.33975f}, {-10, 12}, {-5, 20.66025f}, {5, 20.66025f}}, 0.79f);

  p.radius = 0;
  p.outerRadius = 2.375f;  // the inset itself: no room
  EXPECT_EQ(CircularBars(p).problem, "the bars do not fit inside the tie of the circle");
}

// Generated bars replace the list or follow it; the current bar is the first new one.
TEST(BarGenerators, PlacedInTheSingleBarList) {
  const std::vector<SingleBar> two = {{1, 2, 0.2f}, {3, 4, 0.2f}};
  for (const bool replace : {true, false}) {
    SCOPED_TRACE(replace);
    ProjectModel m;
    m.nsb = 1;
    m.singleBars = {{}, {9, 9, 1}, {7, 7, 7}};  // a record hidden beyond the count is let go
    ASSERT_TRUE(PlaceBars(m, two, replace));
    ASSERT_EQ(m.nsb, replace ? 2 : 3);
    EXPECT_EQ(m.singleBars.size(), static_cast<size_t>(m.nsb) + 1);
    EXPECT_EQ(m.singleBars[1].x, replace ? 1 : 9);
    EXPECT_EQ(m.singleBars[static_cast<size_t>(m.nsb)].y, 4);
    EXPECT_EQ(m.currentSingleBar, replace ? 1 : 2);
  }
  ProjectModel m;
  EXPECT_FALSE(PlaceBars(m, {}, true));
  EXPECT_EQ(m.nsb, 0);
}

}  // namespace
}  // namespace tarnix
