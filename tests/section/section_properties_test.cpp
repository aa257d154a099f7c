// Section properties of hand-computed sections and sections whose records leave a group without area
// (the concrete displaced by steel is checked with the moment-curvature section).
#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "model/defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"

namespace tarnix {
namespace {

ProjectModel Reset() {
  ProjectModel m;
  ResetAll(m);  // English, Ec 3605000, Er = Es = 29000000
  return m;
}

void AddRect(ProjectModel& m, ConcreteRect r) {
  SetRecordCount(m, RecordKind::ConcreteRect, ListSize(m.nr) + 1);
  m.rects[static_cast<size_t>(m.nr)] = r;
}

const SectionProperties& Computed(ProjectModel& m) {
  ComputeSectionProperties(m);
  EXPECT_EQ(m.sectionProperties.problem, SectionProblem::None);
  return m.sectionProperties;
}

// Relative tolerance fitting single-precision storage.
void ExpectClose(float actual, double expected) {
  EXPECT_NEAR(actual, expected, 2e-6 * std::max(1.0, std::abs(expected)));
}

// Area, centroid and inertia about the centroid of concrete shapes: a 10 x 20 rectangle, the same with a
// 2 in radius hole at its centre, and a 30 x 4 flange over a 6 x 16 web (ybar = (120 x 2 + 96 x 12) / 216);
// a box with a void is the hollow_box worked example.
TEST(SectionProperties, ConcreteShapes) {
  const double teeYbar = (120 * 2 + 96 * 12) / 216.0;
  const struct {
    const char* what;
    std::vector<ConcreteRect> rects;
    float holeRadius;
    double area, ybar, Io;
  } shapes[] = {
      {"rectangle", {{0, 20, 10, 1}}, 0, 200, 10, 10 * 8000 / 12.0},
      {"holed", {{0, 20, 10, 1}}, 2, 200 - 3.1416 * 4, 10, 10 * 8000 / 12.0 - 3.1416 * 16 / 4},
      {"tee", {{0, 4, 30, 1}, {4, 16, 6, 1}}, 0, 216, teeYbar,
       30 * 64 / 12.0 + 120 * (teeYbar - 2) * (teeYbar - 2) + 6 * 4096 / 12.0 + 96 * (teeYbar - 12) * (teeYbar - 12)},
  };
  for (const auto& s : shapes) {
    SCOPED_TRACE(s.what);
    ProjectModel m = Reset();
    for (const ConcreteRect& r : s.rects) AddRect(m, r);
    if (s.holeRadius > 0) {
      SetRecordCount(m, RecordKind::ConcreteCircle, 1);
      m.circles[1] = {10, s.holeRadius, -1};
    }
    const SectionProperties& p = Computed(m);
    ExpectClose(p.concArea, s.area);
    ExpectClose(p.concYbar, s.ybar);
    ExpectClose(p.concIo, s.Io);
    EXPECT_EQ(p.transArea, p.concArea);  // no steel: the transformed section is the concrete
  }
}

void AddPolygon(ProjectModel& m, std::vector<Vertex> vertices) {
  m.npg = ListSize(m.npg) + 1;
  m.polygons.resize(static_cast<size_t>(m.npg) + 1);
  m.polygons[static_cast<size_t>(m.npg)] = {std::move(vertices), 1};
}

void AddBar(ProjectModel& m, float x, float y, float area) {
  m.nsb = ListSize(m.nsb) + 1;
  m.singleBars.resize(static_cast<size_t>(m.nsb) + 1);
  m.singleBars[static_cast<size_t>(m.nsb)] = {x, y, area};
}

// An L of a 4 x 20 leg (x 0..4) and a 12 x 4 foot (x 4..16, y 16..20) as one polygon, by parallel axes
// over its two rectangles: A = 80 + 48 = 128, xbar = (80 x 2 + 48 x 10) / 128 = 5,
// ybar = (80 x 10 + 48 x 18) / 128 = 13;
// Ix = 4 x 20^3 / 12 + 80 x 3^2 + 12 x 4^3 / 12 + 48 x 5^2 = 2666.667 + 720 + 64 + 1200 = 4650.667,
// Iy = 20 x 4^3 / 12 + 80 x 3^2 + 4 x 12^3 / 12 + 48 x 5^2 = 106.667 + 720 + 576 + 1200 = 2602.667,
// Ixy = 80 (2 - 5)(10 - 13) + 48 (10 - 5)(18 - 13) = 720 + 1200 = 1920 (y downward).
// Principal: mean 3626.667, (Ix - Iy) / 2 = 1024 = 8 x 128 and Ixy = 15 x 128, radius 17 x 128 = 2176:
// I1 = 5802.667, I2 = 1450.667; the axis of I1 rises to the right across the top-to-foot diagonal, at
// t = -atan(15 / 8) / 2 = -30.964 degrees. The corners may run either way round.
TEST(SectionProperties, LShapedPolygonAboutBothAxes) {
  for (bool reversed : {false, true}) {
    SCOPED_TRACE(reversed);
    std::vector<Vertex> l = {{0, 0}, {4, 0}, {4, 16}, {16, 16}, {16, 20}, {0, 20}};
    if (reversed) std::reverse(l.begin(), l.end());
    ProjectModel m = Reset();
    AddPolygon(m, l);
    const SectionProperties& p = Computed(m);
    ExpectClose(p.concArea, 128);
    ExpectClose(p.concXbar, 5);
    ExpectClose(p.concYbar, 13);
    ExpectClose(p.concIo, 4650.6667);
    ExpectClose(p.concIoY, 2602.6667);
    ExpectClose(p.concIxyO, 1920);
    ExpectClose(p.concPrincipal.I1, 5802.6667);
    ExpectClose(p.concPrincipal.I2, 1450.6667);
    EXPECT_NEAR(p.concPrincipal.angle, -30.964, 1e-3);
    EXPECT_EQ(p.sectionWidth, 16);
  }
}

// A 12 x 20 rectangle centred at x = 30, two 1 in^2 bars on a line 7 in long centred there at depth 2.5
// and a 2 in^2 bar at (33.5, 17.5); n = 29000000 / 3625000 = 8.
// Bars: A = 4, xbar = (26.5 + 33.5 + 2 x 33.5) / 4 = 31.75, ybar = (2.5 + 2.5 + 2 x 17.5) / 4 = 10;
// Iy = 5.25^2 + 1.75^2 + 2 x 1.75^2 = 36.75, Ixy = (-5.25)(-7.5) + 1.75 (-7.5) + 2 x 1.75 x 7.5 = 52.5.
// Transformed: A = 240 + 7 x 4 = 268, xt = (240 x 30 + 28 x 31.75) / 268 = 8089 / 268, yt = 10;
// Iy = 20 x 12^3 / 12 + 240 (xt - 30)^2 + 7 (36.75 + 4 (31.75 - xt)^2), Ixy = 7 x 52.5 (the concrete and
// the bars' centroid lie at the depth of yt).
TEST(SectionProperties, OffsetRectangleWithBarsByParallelAxes) {
  ProjectModel m = Reset();
  m.Ec = 3625000;
  AddRect(m, {0, 20, 12, 1, 30});
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {2.5f, 7, 0, 2, 1, 30};
  AddBar(m, 33.5f, 17.5f, 2);
  const SectionProperties& p = Computed(m);
  ExpectClose(p.concXbar, 30);
  ExpectClose(p.concIoY, 2880);
  EXPECT_EQ(p.concIxyO, 0);
  ExpectClose(p.reinfXbar, 31.75);
  ExpectClose(p.reinfIoY, 36.75);
  ExpectClose(p.reinfIxyO, 52.5);
  const double xt = 8089.0 / 268;
  ExpectClose(p.transXbar, xt);
  ExpectClose(p.transIY, 2880 + 240 * (xt - 30) * (xt - 30) + 7 * (36.75 + 4 * (31.75 - xt) * (31.75 - xt)));
  ExpectClose(p.transIxy, 7 * 52.5);
  ExpectClose(p.transI, 8000 + 7 * 4 * 7.5 * 7.5);
  EXPECT_EQ(p.sectionWidth, 12);
}

// A 2 x 8 steel plate at x = 5 reaching 4 in below a 20 x 20 concrete square (x -10..10): its upper half
// (10 of its 20 strips, 8 in^2 at (5, 18)) takes the place of concrete. nS = 29000000 / 3625000 = 8.
// Transformed: A = 400 + 8 x 16 - 8 = 520, xt = (8 x 16 x 5 - 8 x 5) / 520 = 600 / 520,
// yt = (400 x 10 + 8 x 16 x 20 - 8 x 18) / 520 = 6416 / 520;
// Iy = 20^4 / 12 + 400 xt^2 + 8 (8 x 2^3 / 12 + 16 (5 - xt)^2) - (8 x 2^2 / 12 + 8 (5 - xt)^2),
// Ixy = 400 (-xt)(10 - yt) + 8 x 16 (5 - xt)(20 - yt) - 8 (5 - xt)(18 - yt).
TEST(SectionProperties, SteelShapeDisplacesConcreteAboutBothAxes) {
  ProjectModel m = Reset();
  m.Ec = 3625000;
  AddRect(m, {0, 20, 20, 1});
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.steelRects[1] = {16, 8, 2, 5};
  const SectionProperties& p = Computed(m);
  const double xt = 600.0 / 520, yt = 6416.0 / 520, dx = 5 - xt;
  ExpectClose(p.steelDisplacedArea, 8);
  ExpectClose(p.steelIoY, 8 * 8 / 12.0);
  ExpectClose(p.transXbar, xt);
  ExpectClose(p.transIY,
              160000 / 12.0 + 400 * xt * xt + 8 * (64 / 12.0 + 16 * dx * dx) - (32 / 12.0 + 8 * dx * dx));
  ExpectClose(p.transIxy, 400 * -xt * (10 - yt) + 128 * dx * (20 - yt) - 8 * dx * (18 - yt));
}

// Turning a section by 90 degrees (a point dx, dy from the centre goes to -dy, dx) exchanges Ix and Iy,
// flips the sign of Ixy and turns the principal axes with it, for the gross and the transformed section.
TEST(SectionProperties, QuarterTurnExchangesTheAxes) {
  struct Shape {
    const char* what;
    void (*build)(ProjectModel&, bool turned);
    double turnedAngle;  // of the gross concrete's I1 axis, turned: 90 for a rectangle wider than deep
  };
  const Shape shapes[] = {
      {"12 x 20 rectangle, three bars",
       [](ProjectModel& m, bool turned) {
         AddRect(m, turned ? ConcreteRect{0, 12, 20, 1} : ConcreteRect{0, 20, 12, 1});
         for (const Vertex& b : {Vertex{-3.5f, -7.5f}, Vertex{3.5f, -7.5f}, Vertex{3.5f, 7.5f}}) {
           AddBar(m, turned ? -b.y : b.x, (turned ? 6 : 10) + (turned ? b.x : b.y), 1);
         }
       },
       90},
      {"L polygon",
       [](ProjectModel& m, bool turned) {
         // About its corner (0, 20), turned: (x, y - 20) -> (20 - y, x), top at depth 0.
         std::vector<Vertex> l = {{0, 0}, {4, 0}, {4, 16}, {16, 16}, {16, 20}, {0, 20}};
         if (turned) {
           for (Vertex& v : l) v = {20 - v.y, v.x};
         }
         AddPolygon(m, l);
       },
       90 - 30.964},
  };
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.what);
    ProjectModel upright = Reset(), turned = Reset();
    shape.build(upright, false);
    shape.build(turned, true);
    const SectionProperties a = Computed(upright), b = Computed(turned);
    const double size = a.transI + a.transIY;
    for (const auto& [x, y, product, principal] :
         {std::tuple{a.concIo, b.concIoY, a.concIxyO + b.concIxyO, a.concPrincipal.I1 - b.concPrincipal.I1},
          std::tuple{a.concIoY, b.concIo, 0.0f, a.concPrincipal.I2 - b.concPrincipal.I2},
          std::tuple{a.transI, b.transIY, a.transIxy + b.transIxy, a.transPrincipal.I1 - b.transPrincipal.I1},
          std::tuple{a.transIY, b.transI, 0.0f, a.transPrincipal.I2 - b.transPrincipal.I2}}) {
      EXPECT_NEAR(x, y, 1e-6 * size);
      EXPECT_NEAR(product, 0, 1e-6 * size);
      EXPECT_NEAR(principal, 0, 1e-6 * size);
    }
    EXPECT_NEAR(b.concPrincipal.angle, shape.turnedAngle, 1e-3);
    // The axis of I1 turns by 90 degrees (modulo 180).
    for (const auto& [before, after] :
         {std::pair{a.concPrincipal, b.concPrincipal}, std::pair{a.transPrincipal, b.transPrincipal}}) {
      EXPECT_NEAR(std::remainder(after.angle - before.angle - 90, 180), 0, 1e-3);
    }
    EXPECT_EQ(a.sectionWidth, b.sectionDepth);
  }
}

// Horizontal positions, polygon corners, single bars and the vertical axis's loads and member data are
// held to the same bounds as the other inputs: beyond them Iy and Ixy overflow single precision.
TEST(SectionProperties, TwoDimensionalValuesOutOfRangeAreRefused) {
  const struct {
    const char* what;
    void (*change)(ProjectModel&);
  } cases[] = {
      {"rectangle x", [](ProjectModel& m) { m.rects[1].X = 1e30f; }},
      {"polygon corner",
       [](ProjectModel& m) {
         AddPolygon(m, {{0, 0}, {1e30f, 0}, {0, 1}});
       }},
      {"single bar area", [](ProjectModel& m) { AddBar(m, 0, 1, 1e30f); }},
      {"end moment about the vertical axis",
       [](ProjectModel& m) { SetLoadCount(m, 1), m.loads[1].endY.M2ns = 1e30f; }},
      {"member length about the vertical axis", [](ProjectModel& m) { m.memberY.L = 1e30f; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = Reset();
    AddRect(m, {0, 20, 10, 1});
    c.change(m);
    ComputeSectionProperties(m);
    EXPECT_EQ(m.sectionProperties.problem, SectionProblem::ValueOutOfRange);
  }
}

// A group whose records add up to no area is reported, and no property is divided by it (the concrete
// group and the modulus are among the degenerate models of the whole run).
TEST(SectionProperties, GroupsWithoutAreaAreReportedNotDividedBy) {
  const struct {
    const char* what;
    void (*build)(ProjectModel&);
    SectionProblem problem;
  } cases[] = {
      {"a line without bars", [](ProjectModel& m) { m.lines[1] = {}; },
       SectionProblem::NoReinforcingArea},
      {"a zero pipe", [](ProjectModel& m) { SetRecordCount(m, RecordKind::SteelPipe, 1); },
       SectionProblem::NoSteelArea},
  };
  for (const auto& c : cases) {
    ProjectModel m = Reset();
    AddRect(m, {0, 20, 10, 1});
    SetRecordCount(m, RecordKind::ReinforcingLine, 1);
    m.lines[1] = {17.5f, 7, 0, 2, 1};
    c.build(m);
    ComputeSectionProperties(m);
    const SectionProperties& p = m.sectionProperties;
    EXPECT_EQ(p.problem, c.problem) << c.what;
    for (float v : {p.concYbar, p.reinfYbar, p.steelYbar, p.transYbar, p.transI, p.concI, p.cBalanced}) {
      EXPECT_TRUE(std::isfinite(v)) << c.what;
    }
  }
}

}  // namespace
}  // namespace tarnix
