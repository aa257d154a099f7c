// Sections bent about both axes: the diagram walk across a neutral axis at any angle, its invariants, and
// the capacity of a biaxial load.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "section/projection.h"
#include "section/section_properties.h"
#include "strength/interaction_diagram.h"
#include "strength/section_analysis.h"
#include "strength/slenderness.h"
#include "strength/surface.h"

namespace tarnix {
namespace {

constexpr double kRoot2 = 1.4142135623730951;

ProjectModel Aci19Model(const char* criteria = "aci19") {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, criteria);
  return m;
}

// A 20 x 20 in column centred on x = 0 with a 1 in^2 bar 2.5 in from each face at every corner.
ProjectModel SquareColumn(const char* criteria = "aci19") {
  ProjectModel m = Aci19Model(criteria);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 20, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 2);
  m.lines[1] = {2.5f, 15, 0, 2, 1};
  m.lines[2] = {17.5f, 15, 0, 2, 1};
  ComputeSectionProperties(m);
  return m;
}

// A section of concrete polygons and single bars (x, depth, area).
ProjectModel PolygonSection(const std::vector<std::vector<Vertex>>& polygons,
                            const std::vector<SingleBar>& bars) {
  ProjectModel m = Aci19Model();
  m.npg = static_cast<int>(polygons.size());
  m.polygons.resize(polygons.size() + 1);
  for (size_t i = 0; i < polygons.size(); ++i) m.polygons[i + 1] = {polygons[i], 1};
  m.nsb = static_cast<int>(bars.size());
  m.singleBars.resize(bars.size() + 1);
  for (size_t i = 0; i < bars.size(); ++i) m.singleBars[i + 1] = bars[i];
  ComputeSectionProperties(m);
  return m;
}

// An L of two 8 in legs, 24 in long, the corner at the top left; gross centroid (8.8, 8.8) by the two
// rectangles 24 x 8 (centroid (12, 4)) and 8 x 16 (centroid (4, 16)): (192 * 12 + 128 * 4) / 320.
const std::vector<Vertex> kL = {{0, 0}, {24, 0}, {24, 8}, {8, 8}, {8, 24}, {0, 24}};
const std::vector<SingleBar> kLBars = {{3, 3, 0.79f}, {21, 3, 0.79f}, {21, 5.5f, 0.44f},
                                       {3, 21, 1.0f}, {5, 12, 0.6f},  {14, 5, 0.31f}};

// Equal within a share of a scale.
void ExpectClose(double actual, double expected, double scale, double share, const char* what) {
  EXPECT_NEAR(actual, expected, share * scale) << what;
}

TEST(Biaxial, SquareColumnAt45DegreesAgainstStrainCompatibility) {
  const ProjectModel m = SquareColumn();
  ASSERT_EQ(m.phiConc, 1);
  ASSERT_EQ(m.phiReinf, 1);
  const InteractionDiagram d = ComputeDiagramAt(m, 45);
  // Compression at the corner (10, 0): depth across the axis d = (10 - x + y) / sqrt 2, extent 20 sqrt 2.
  // The block of depth a is the triangle at that corner (area a^2, legs a sqrt 2) up to the half-diagonal
  // 10 sqrt 2, then the square less the triangle of side r = 20 sqrt 2 - a at the far corner (-10, 20).
  const double h = 20 * kRoot2, fc = m.a1 * m.fpc;
  const struct { double x, y; } bars[] = {{-7.5, 2.5}, {7.5, 2.5}, {-7.5, 17.5}, {7.5, 17.5}};
  const double po = SquashLoad(m);
  int triangles = 0, pentagons = 0;
  for (int k = 2; k < d.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    SCOPED_TRACE("point " + std::to_string(k));
    const double c = d.idDepth[K], a = std::min(m.b1 * c, h);
    double area, xc, yc;
    if (a <= h / 2) {
      ++triangles;
      area = a * a, xc = 10 - a * kRoot2 / 3, yc = a * kRoot2 / 3;
    } else {
      ++pentagons;
      const double r = h - a, cut = r * r;
      area = 400 - cut;
      xc = (400 * 0 - cut * (-10 + r * kRoot2 / 3)) / area;
      yc = (400 * 10 - cut * (20 - r * kRoot2 / 3)) / area;
    }
    double P = fc * area, Mx = fc * area * (10 - yc), My = fc * area * xc;
    for (const auto& bar : bars) {
      const double depth = (10 - bar.x + bar.y) / kRoot2;
      const double strain = m.em * (c - depth) / c;
      double stress = std::clamp(m.Er * strain, -static_cast<double>(m.fy), static_cast<double>(m.fy));
      if (depth <= a) stress -= fc;
      P += stress, Mx += stress * (10 - bar.y), My += stress * bar.x;
    }
    if (d.idAxial[K] == d.PnMax) continue;  // the top of the diagram, capped
    ExpectClose(d.idAxial[K], P, po, 1e-6, "P");
    ExpectClose(d.idMoment[K], Mx, po * 20, 1e-6, "Mx");
    ExpectClose(d.idMomentY[K], My, po * 20, 1e-6, "My");
    // Bars symmetric about both diagonals: no skew, the moment vector points at 45 degrees.
    ExpectClose(d.idMoment[K], d.idMomentY[K], po * 20, 1e-6, "Mx = My");
  }
  EXPECT_GT(triangles, 10);
  EXPECT_GT(pentagons, 10);
}

// Nominal P, Mx, My of the L at neutral-axis depth c across the axis at `degrees`, by a 0.02 in grid of
// concrete cells under the stress block and the bars as points, written out here independently.
SectionPoint FibreL(const ProjectModel& m, double degrees, double c) {
  const double t = degrees * 3.14159265358979323846 / 180, nx = -std::sin(t), ny = std::cos(t);
  double origin = 1e30, extent = -1e30;
  for (const Vertex& v : kL) {
    origin = std::min(origin, nx * v.x + ny * v.y);
    extent = std::max(extent, nx * v.x + ny * v.y);
  }
  const double a = std::min(m.b1 * c, extent - origin), fc = m.a1 * m.fpc, xbar = 8.8, ybar = 8.8;
  double P = 0, Mx = 0, My = 0;
  const int n = 1200;
  const double cell = 24.0 / n;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const double x = (i + 0.5) * cell, y = (j + 0.5) * cell;
      if (x > 8 && y > 8) continue;  // outside the L
      if (nx * x + ny * y - origin > a) continue;
      const double f = fc * cell * cell;
      P += f, Mx += f * (ybar - y), My += f * (x - xbar);
    }
  }
  for (const SingleBar& bar : kLBars) {
    const double depth = nx * bar.x + ny * bar.y - origin;
    const double strain = m.em * (c - depth) / c;
    double stress = std::clamp(m.Er * strain, -static_cast<double>(m.fy), static_cast<double>(m.fy));
    if (depth <= a) stress -= fc;
    const double f = stress * bar.area;
    P += f, Mx += f * (ybar - bar.y), My += f * (bar.x - xbar);
  }
  return {static_cast<float>(P), static_cast<float>(Mx), 0, static_cast<float>(My)};
}

TEST(Biaxial, LShapedSectionAgainstFineFibres) {
  const ProjectModel m = PolygonSection({kL}, kLBars);
  const double po = SquashLoad(m), target = 0.3 * po;
  for (const double degrees : {30.0, 120.0, 200.0, 290.0}) {
    SCOPED_TRACE(degrees);
    const SectionAtAngle section(m, OrientationFor(m, static_cast<float>(degrees)));
    // The depth at which Pn = 0.3 Po, by halving.
    float below = 0, above = 2 * section.depthAcross();
    for (int i = 0; i < 60; ++i) {
      const float c = (below + above) / 2;
      (section.At(c).axial < target ? below : above) = c;
    }
    const SectionPoint code = section.At(above);
    const SectionPoint fibres = FibreL(m, degrees, above);
    const double size = std::hypot(fibres.moment, fibres.momentY);
    ExpectClose(code.axial, fibres.axial, fibres.axial, 1e-3, "P");
    ExpectClose(code.moment, fibres.moment, size, 1e-3, "Mx");
    ExpectClose(code.momentY, fibres.momentY, size, 1e-3, "My");
  }
}

// A 12 x 20 in rectangle as a polygon with unsymmetric bars, the same section turned by 90 degrees
// (compression of the top brought to the right: (x, y) -> (10 - y, x + 6)) and mirrored ((x, y) -> (-x, y)).
std::vector<SingleBar> UnsymmetricBars() {
  return {
      {-3.5f, 2.5f, 1.0f}, {3.5f, 2.5f, 0.6f}, {3.5f, 17.5f, 1.0f}, {-3.5f, 17.5f, 0.44f}, {0, 10, 0.31f}};
}
ProjectModel Transformed(const std::function<Vertex(Vertex)>& move, const std::vector<SingleBar>& bars) {
  std::vector<Vertex> rect;
  for (const Vertex& v : std::vector<Vertex>{{-6, 0}, {6, 0}, {6, 20}, {-6, 20}}) rect.push_back(move(v));
  std::vector<SingleBar> moved;
  for (const SingleBar& b : bars) {
    const Vertex p = move({b.x, b.y});
    moved.push_back({p.x, p.y, b.area});
  }
  return PolygonSection({rect}, moved);
}

// A 12 x 20 in rectangle with an embedded 4 x 8 in steel plate off centre and unsymmetric bars, as records;
// turned by 90 degrees as above it is again a rectangle (20 x 12) with a plate (8 x 4).
ProjectModel Composite(bool turned) {
  std::vector<SingleBar> bars = {{-3.5f, 2.5f, 1.0f}, {3.5f, 17.5f, 0.6f}, {-3.5f, 17.5f, 0.44f}};
  for (SingleBar& b : bars) b = turned ? SingleBar{10 - b.y, b.x + 6, b.area} : b;
  ProjectModel m = PolygonSection({}, bars);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.rects[1] = turned ? ConcreteRect{0, 12, 20, 1, 0} : ConcreteRect{0, 20, 12, 1, 0};
  // The plate's centre (1, 9) turned to (10 - 9, 1 + 6).
  m.steelRects[1] = turned ? SteelRect{5, 4, 8, 1} : SteelRect{5, 8, 4, 1};
  ComputeSectionProperties(m);
  return m;
}

// A 48 in circle with unsymmetric single bars, and the same turned by 90 degrees about its centre (0, 24):
// (x, y) -> (24 - y, x + 24).
ProjectModel RoundColumn(bool turned) {
  std::vector<SingleBar> bars = {{0, 3, 1.56f}, {15, 9, 1.0f}, {-18, 30, 1.56f}, {5, 44, 0.6f}, {20, 30, 0.79f}};
  for (SingleBar& b : bars) b = turned ? SingleBar{24 - b.y, b.x + 24, b.area} : b;
  ProjectModel m = PolygonSection({}, bars);
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {24, 24, 1, 0};
  ComputeSectionProperties(m);
  return m;
}

TEST(Biaxial, DiagramInvariants) {
  const auto same = [](Vertex v) { return v; };
  const ProjectModel plain = Transformed(same, UnsymmetricBars());
  const ProjectModel turned = Transformed([](Vertex v) { return Vertex{10 - v.y, v.x + 6}; }, UnsymmetricBars());
  const ProjectModel mirrored = Transformed([](Vertex v) { return Vertex{-v.x, v.y}; }, UnsymmetricBars());
  // Centrally symmetric about (0, 10), symmetric about neither axis.
  const ProjectModel central =
      Transformed(same, {{-3.5f, 2.5f, 1.0f}, {3.5f, 2.5f, 0.6f}, {3.5f, 17.5f, 1.0f}, {-3.5f, 17.5f, 0.6f}});
  const ProjectModel composite = Composite(false), compositeTurned = Composite(true);
  const ProjectModel round = RoundColumn(false), roundTurned = RoundColumn(true);
  struct Case {
    const char* name;
    const ProjectModel& a;
    float angleA;
    const ProjectModel& b;
    float angleB;
    // (Mx, My) of b's point from a's
    float xx, xy, yx, yy;
  };
  const Case cases[] = {
      // Turned: the moment vector turns with the section, (Mx, My) -> (-My, Mx). At 0 the upright walk is
      // compared with the walk across an inclined axis.
      {"turned 0", plain, 0, turned, 90, 0, -1, 1, 0},
      {"turned 200", plain, 200, turned, 290, 0, -1, 1, 0},
      {"composite turned 250", composite, 250, compositeTurned, 340, 0, -1, 1, 0},
      {"round turned 100", round, 100, roundTurned, 190, 0, -1, 1, 0},
      // Mirrored in x: angle t becomes -t and My changes sign.
      {"mirrored 40", plain, 40, mirrored, -40, 1, 0, 0, -1},
      // Centrally symmetric: t + 180 gives the point-reflected diagram.
      {"central 65", central, 65, central, 245, -1, 0, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const InteractionDiagram a = ComputeDiagramAt(c.a, c.angleA), b = ComputeDiagramAt(c.b, c.angleB);
    ASSERT_GT(a.idCount, 10);
    EXPECT_NEAR(a.idCount, b.idCount, 1);
    const double scale = SquashLoad(c.a) * 20;
    for (size_t k = 1; k + 1 < static_cast<size_t>(std::min(a.idCount, b.idCount)); ++k) {
      EXPECT_EQ(a.idDepth[k], b.idDepth[k]);
      ExpectClose(b.idAxial[k], a.idAxial[k], scale / 20, 1e-6, "P");
      ExpectClose(b.idMoment[k], c.xx * a.idMoment[k] + c.xy * a.idMomentY[k], scale, 1e-6, "Mx");
      ExpectClose(b.idMomentY[k], c.yx * a.idMoment[k] + c.yy * a.idMomentY[k], scale, 1e-6, "My");
    }
  }

  // Upright, a section symmetric about the vertical axis has no My, and the diagram is the one of the
  // loads' walk (a load's My makes the model two-dimensional, so My is computed).
  ProjectModel symmetric = SquareColumn();
  SetLoadCount(symmetric, 1);
  symmetric.loads[1].My = 1;
  ComputeInteractionDiagram(symmetric);
  const InteractionDiagram upright = ComputeDiagramAt(symmetric, 0);
  const InteractionDiagram& walk = symmetric.interactionDiagram;
  ASSERT_EQ(upright.idCount, walk.idCount);
  EXPECT_EQ(upright.idDepth, walk.idDepth);
  EXPECT_EQ(upright.idAxial, walk.idAxial);
  EXPECT_EQ(upright.idMoment, walk.idMoment);
  EXPECT_EQ(upright.idBalanced, walk.idBalanced);
  for (float my : upright.idMomentY) EXPECT_EQ(my, 0);

  // The surface has as many meridians as asked for.
  symmetric.surfaceAngles = 8;
  ComputeInteractionSurface(symmetric);
  EXPECT_EQ(symmetric.interactionSurface.meridians.size(), 8u);
}

TEST(Biaxial, CapacityOfBiaxialLoads) {
  const ProjectModel l = PolygonSection({kL}, kLBars);
  const ProjectModel square = SquareColumn();
  const struct {
    const char* name;
    const ProjectModel& m;
    double axial;  // share of Po
    float Mx, My;
  } cases[] = {
      {"L, compression", l, 0.4, 2e6f, 1e6f},   {"L, tension", l, -0.05, 5e5f, -5e5f},
      {"L, no axial load", l, 0, -2e6f, -1e6f}, {"L, near the cap", l, 0.5, 1e5f, 1e5f},
      {"square, -My only", square, 0.1, 0, -1e6f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProjectModel& m = c.m;
    const double po = SquashLoad(m);
    const float P = static_cast<float>(c.axial * po);
    const BiaxialCapacity b = BiaxialCapacityOf(m, P, c.Mx, c.My);
    ASSERT_TRUE(b.computed);
    ASSERT_TRUE(b.found);
    // The design moment points in the load's direction ...
    const double offset =
        std::remainder(std::atan2(b.momentY, b.momentX) - std::atan2(c.My, c.Mx), 2 * 3.14159265358979323846);
    EXPECT_LT(std::fabs(offset), 1.1e-4);
    // ... at the angle and depth where phi Pn is the load, evaluated again here.
    const SectionPoint at = SectionAtAngle(m, OrientationFor(m, b.angle)).At(b.depth);
    ExpectClose(b.phi * at.axial, P, po, 2e-6, "phi Pn");
    ExpectClose(b.momentX, b.phi * at.moment, po * 20, 1e-5, "phi Mnx");
    ExpectClose(b.momentY, b.phi * at.momentY, po * 20, 1e-5, "phi Mny");
    const double capacity = std::hypot(b.momentX, b.momentY), demand = std::hypot(c.Mx, c.My);
    EXPECT_NEAR(b.momentRatio, demand / capacity, 1e-6 * b.momentRatio);
    // The ray's point on the surface: at lambda times the load, the capacity is the load, or the ray meets
    // the flat end of the surface at phi Pn,max.
    const double lambda = 1 / b.rayRatio, top = CompressionPhi(m) * MaximumAxialCapacity(m);
    const BiaxialCapacity onRay =
        BiaxialCapacityOf(m, static_cast<float>(lambda * P), static_cast<float>(lambda * c.Mx),
                          static_cast<float>(lambda * c.My));
    if (std::fabs(lambda * P - top) > 1e-6 * po) {
      EXPECT_NEAR(onRay.momentRatio, 1, 2e-3);
    } else {
      EXPECT_LT(onRay.momentRatio, 1);
    }
  }

  // A surface of few angles still finds the capacity.
  ProjectModel coarse = PolygonSection({kL}, kLBars);
  coarse.surfaceAngles = 1;
  const BiaxialCapacity fine = BiaxialCapacityOf(l, 0.2f * SquashLoad(l), 2e6f, -1e6f);
  EXPECT_NEAR(BiaxialCapacityOf(coarse, 0.2f * SquashLoad(l), 2e6f, -1e6f).momentRatio, fine.momentRatio,
              1e-4 * fine.momentRatio);

  // About the horizontal axis alone the capacity is the one-axis capacity of the diagram's walk, phi by
  // the net tensile strain or (ACI 318-99) by the axial load below the balanced load.
  for (const char* criteria : {"aci19", "aci"}) {
    for (const float share : {0.2f, 0.03f}) {
      SCOPED_TRACE(std::string(criteria) + " " + std::to_string(share));
      ProjectModel uniaxial = SquareColumn(criteria);
      SetLoadCount(uniaxial, 1);
      uniaxial.loads[1].P = share * SquashLoad(uniaxial);
      uniaxial.loads[1].M = 1e6f;
      ComputeInteractionDiagram(uniaxial);
      const LoadCapacity& cap = uniaxial.interactionDiagram.capacity[1];
      const BiaxialCapacity alone = BiaxialCapacityOf(uniaxial, uniaxial.loads[1].P, 1e6f, 0);
      EXPECT_EQ(alone.angle, 0);
      EXPECT_NEAR(alone.momentX, cap.capMoment, 1e-5 * alone.momentX);
      EXPECT_NEAR(alone.phi, cap.capPhi, 1e-5);
    }
  }

  // Beyond the factored axial range there is no capacity, in compression and in tension.
  const float top = CompressionPhi(l) * MaximumAxialCapacity(l);
  const BiaxialCapacity above = BiaxialCapacityOf(l, 1.001f * top, 1e5f, 1e5f);
  EXPECT_FALSE(above.found);
  EXPECT_EQ(above.momentRatio, 0);
  EXPECT_GT(above.rayRatio, 1);  // the ray still meets the surface, inside the load
  EXPECT_TRUE(BiaxialCapacityOf(l, 0.999f * top, 1e5f, 1e5f).found);
  float tension = 0;
  for (const SingleBar& bar : kLBars) tension -= l.phiT * l.fy * bar.area;
  EXPECT_FALSE(BiaxialCapacityOf(l, 1.001f * tension, 1e5f, 1e5f).found);
  EXPECT_TRUE(BiaxialCapacityOf(l, 0.5f * tension, 1e5f, 1e5f).found);
}

TEST(Biaxial, VerdictOfTwoDimensionalLoads) {
  ProjectModel m = PolygonSection({kL}, kLBars);
  const float po = SquashLoad(m);
  const BiaxialCapacity pure = BiaxialCapacityOf(m, 0.2f * po, 3e6f, 1e6f);
  const float unit = std::hypot(pure.momentX, pure.momentY) / std::hypot(3.0f, 1.0f);
  const struct {
    float P, Mx, My;
    bool momentExceeded, axialExceeded;
  } loads[] = {{0.2f * po, 2.9f * unit, 0.97f * unit, false, false},
               {0.2f * po, 3.1f * unit, 1.03f * unit, true, false},
               {1.1f * po, unit, unit, false, true},
               {0.4f * po, 0, 0, false, false}};
  SetLoadCount(m, 4);
  for (int i = 1; i <= 4; ++i) {
    m.loads[static_cast<size_t>(i)].P = loads[i - 1].P;
    m.loads[static_cast<size_t>(i)].M = loads[i - 1].Mx;
    m.loads[static_cast<size_t>(i)].My = loads[i - 1].My;
  }
  ComputeInteractionDiagram(m);
  JudgeLoadConditions(m);
  for (int i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    const LoadCapacity& cap = m.interactionDiagram.capacity[static_cast<size_t>(i)];
    EXPECT_EQ(cap.momentExceeded, loads[i - 1].momentExceeded);
    EXPECT_EQ(cap.axialExceeded, loads[i - 1].axialExceeded);
  }
}

// A slender 16 x 24 in column bent about both axes, magnified about each with its own member data (the
// exchange of the two axes' data is the slenderness tests' own): the biaxial check measures the magnified
// moments, not the first-order ones.
TEST(Biaxial, SlenderColumnIsCheckedWithItsMagnifiedMoments) {
  ProjectModel m = Aci19Model();
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 24, 16, 1};
  m.nsb = 4;
  m.singleBars = {{}, {-5.5f, 2.5f, 1.56f}, {5.5f, 2.5f, 1.56f}, {-5.5f, 21.5f, 1.56f}, {5.5f, 21.5f, 1.56f}};
  m.SlendernessOption = Slenderness::MomentMagnification;
  m.L = 300, m.Keff = 1, m.Vri = m.Vrj = 1;
  m.memberY = {240, 1, 1, 1, 1, 0, 0};
  SetLoadCount(m, 1);
  LoadCondition& load = m.loads[1];
  load.P = 400000, load.M = 2.4e6f, load.My = 1.2e6f;  // single curvature, equal end moments
  load.M1ns = load.M2ns = load.M;
  load.endY.M1ns = load.endY.M2ns = load.My;
  ComputeSectionProperties(m);
  ComputeInteractionDiagram(m);
  ComputeSlenderness(m);
  JudgeLoadConditions(m);
  const LoadCapacity& cap = m.interactionDiagram.capacity[1];
  EXPECT_GT(cap.checkedMoment, load.M);  // magnified about both axes
  EXPECT_GT(cap.checkedMomentY, load.My);
  const BiaxialCapacity& b = m.interactionDiagram.biaxial[1];
  ASSERT_TRUE(b.found);
  EXPECT_NEAR(b.momentRatio, std::hypot(cap.checkedMoment, cap.checkedMomentY) / std::hypot(b.momentX, b.momentY),
              1e-5 * b.momentRatio);
  EXPECT_NEAR(std::atan2(b.momentY, b.momentX), std::atan2(cap.checkedMomentY, cap.checkedMoment), 1.1e-4);
}

}  // namespace
}  // namespace tarnix
