// The section across a neutral axis at an angle: depths, extents and the compression zones of records.
#include "section/projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarnix {
namespace {

// A 20 x 20 square, top at the reference line, centred on x = 0.
ProjectModel Square() {
  ProjectModel m;
  m.nr = 1;
  m.rects.resize(2);
  m.rects[1] = {0, 20, 20, 1};
  return m;
}

// Area and centroid of the part of a record at depths up to a, by summing a fine grid of cells (0.01 of
// the record's size), independently of the clipping and segment formulas.
PlaneZone GridZone(const Orientation& o, double left, double top, double size, float a,
                   bool (*inside)(double, double)) {
  const int n = 2000;
  const double cell = size / n;
  double area = 0, sx = 0, sy = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const double x = left + (i + 0.5) * cell, y = top + (j + 0.5) * cell;
      if (!inside(x, y) || o.Depth(x, y) > a) continue;
      area += cell * cell, sx += x * cell * cell, sy += y * cell * cell;
    }
  }
  if (area == 0) return {};
  return {static_cast<float>(area), static_cast<float>(sx / area), static_cast<float>(sy / area)};
}

TEST(Projection, OrientationAndExtent) {
  const ProjectModel m = Square();
  // 45 degrees: compression at the top right corner (10, 0); the far corner (-10, 20) lies a diagonal away.
  const Orientation o45 = OrientationFor(m, 45);
  EXPECT_NEAR(o45.Depth(10, 0), 0, 1e-9);
  EXPECT_NEAR(SectionDepthAcross(m, o45), 20 * std::sqrt(2.0), 1e-5);
  // Quarter turns are exact: compression on the right at 90, at the bottom at 180, on the left at 270.
  const struct {
    float angle;
    double x, y;  // a point at depth 0
  } quarters[] = {{90, 10, 5}, {180, 3, 20}, {270, -10, 7}, {-90, -10, 1}};
  for (const auto& q : quarters) {
    const Orientation o = OrientationFor(m, q.angle);
    EXPECT_EQ(o.Depth(q.x, q.y), 0) << q.angle;
    EXPECT_EQ(SectionDepthAcross(m, o), 20) << q.angle;
  }
  EXPECT_TRUE(OrientationFor(m, 360).upright);
  EXPECT_EQ(OrientationFor(m, 0).Depth(3, 7.5), 7.5);
}

TEST(Projection, ZonesAgainstAFineGrid) {
  ProjectModel m = Square();
  // An L of legs 20 x 8 (corner at the top left), and a circle of radius 10 centred at (0, 10).
  const std::vector<Vertex> l = {{-10, 0}, {10, 0}, {10, 8}, {-2, 8}, {-2, 20}, {-10, 20}};
  const auto inL = [](double x, double y) { return (y <= 8 && x >= -10 && x <= 10) || (x <= -2 && x >= -10 && y <= 20); };
  const auto inCircle = [](double x, double y) { return x * x + (y - 10) * (y - 10) <= 100; };
  const ConcreteCircle circle{10, 10, 1, 0};
  for (float angle : {30.0f, 135.0f, 200.0f, 300.0f}) {
    const Orientation o = OrientationFor(m, angle);
    for (float a : {3.0f, 11.0f, 19.0f}) {
      SCOPED_TRACE(testing::Message() << angle << " " << a);
      const PlaneZone poly = PolygonZoneAt(l, o, a), grid = GridZone(o, -10, 0, 20, a, inL);
      EXPECT_NEAR(poly.area, grid.area, 1e-3 * 400);
      if (grid.area > 1) {
        EXPECT_NEAR(poly.x, grid.x, 0.02);
        EXPECT_NEAR(poly.y, grid.y, 0.02);
      }
      // The circle's depths are measured from the square's origin, which bounds it here.
      const PlaneZone seg = CircleZoneAt(circle, o, a), cgrid = GridZone(o, -10, 0, 20, a, inCircle);
      EXPECT_NEAR(seg.area, cgrid.area, 1e-3 * 314);
      if (cgrid.area > 1) {
        EXPECT_NEAR(seg.x, cgrid.x, 0.02);
        EXPECT_NEAR(seg.y, cgrid.y, 0.02);
      }
    }
    // Bands add up to the whole.
    double polyArea = 0, circleArea = 0;
    for (int k = 0; k < 10; ++k) {
      polyArea += PolygonBand(l, o, 3.0 * k, 3.0 * (k + 1)).area;
      circleArea += CircleBand(circle, o, 3.0 * k, 3.0 * (k + 1)).area;
    }
    EXPECT_NEAR(polyArea, 20 * 8 + 8 * 12, 1e-3);
    EXPECT_NEAR(circleArea, M_PI * 100, 1e-2);
  }
}

TEST(Projection, SteelRectangleBandsAcrossTheAxis) {
  ProjectModel m;
  m.nb = 1;
  m.steelRects.resize(2);
  m.steelRects[1] = {0, 10, 4, 3};  // x 1 .. 5, depth 0 .. 10
  // At 90 degrees the strips run down the plate, across its width: four strips 1 wide, 10 deep.
  const std::vector<Strip> strips = SteelShapePiecesAt(m, OrientationFor(m, 90), 4, 1);
  ASSERT_EQ(strips.size(), 4u);
  for (size_t j = 0; j < 4; ++j) {
    EXPECT_NEAR(strips[j].area, 10, 1e-5);
    EXPECT_NEAR(strips[j].x, 4.5 - j, 1e-5);  // from the compression side, the right
    EXPECT_NEAR(strips[j].depth, 5, 1e-5);
    EXPECT_FALSE(strips[j].displacesConcrete);
  }
}

}  // namespace
}  // namespace tarnix
