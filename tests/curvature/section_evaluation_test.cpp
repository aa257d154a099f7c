// Section evaluation against closed-form integration of elastic sections, the core and cover slices, and
// the concrete that steel displaces.
#include "curvature/section_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>

#include "strength/interaction_diagram.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// A 12 x 20 in rectangle of linear concrete (E = 4e6 psi up to a strain of 0.05, no tension) with
// elastic-plastic Bilinear bars (E = 29e6 psi, yield far away) 2.5 in from each face.
ProjectModel Elastic(bool bars) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  if (bars) {
    SetRecordCount(m, RecordKind::ReinforcingLine, 2);
    m.lines[1] = {2.5f, 7, 0, 3, 1};
    m.lines[2] = {17.5f, 7, 0, 3, 1};
  }
  ChooseConcreteModel(m, 1);
  m.ecu = 0.05f;
  m.fcu = 0.05f * 4e6f;
  ChooseSteelModel(m, 1);
  m.rpBL[1] = {-0.1f, -2.9e6f};
  m.rpBL[2] = {-0.05f, -1.45e6f};
  m.rpBL[3] = {0.05f, 1.45e6f};
  m.rpBL[4] = {0.1f, 2.9e6f};
  ComputeSectionProperties(m);
  return m;
}

SectionForces Evaluate(ProjectModel& m, float e, float c) {
  const SectionSlices slices = SliceSection(m);
  return EvaluateSection(slices, MaterialModelsOf(m), e, c);
}

// Closed-form integration of the elastic rectangle: uncracked with the neutral axis below the section
// (stress 4e6 e (c - y) / c over the whole depth), and cracked at c = 7 in with the bars, the compression
// bars net of the concrete they displace; moments about the gross centroid at 10 in.
TEST(SectionEvaluation, ElasticRectangleUncrackedAndCracked) {
  ProjectModel plain = Elastic(false);
  const double k = 4e6 * 0.001 / 40;
  const double P = k * 12 * (40 * 20 - 200), M = k * 12 * (8000.0 / 3 - 2000);  // integrals of (c - y), (c - y)(10 - y)
  const SectionForces uncracked = Evaluate(plain, 0.001f, 40);
  EXPECT_NEAR(uncracked.P, P, 1e-5 * P);
  EXPECT_NEAR(uncracked.M, M, 1e-3 * std::abs(M));  // midpoint slices: error of order (D / n)^2
  EXPECT_EQ(uncracked.T, 0);

  ProjectModel m = Elastic(true);
  const double e = 0.0008, c = 7;
  const double concrete = 0.5 * 4e6 * e * 12 * c;
  const double top = 3 * (29e6 - 4e6) * (c - 2.5) * e / c, bottom = 3 * 29e6 * (c - 17.5) * e / c;
  const SectionForces cracked = Evaluate(m, static_cast<float>(e), static_cast<float>(c));
  EXPECT_NEAR(cracked.P, concrete + top + bottom, 2e-3 * std::abs(concrete));
  const double moment = concrete * (10 - c / 3) + top * 7.5 - bottom * 7.5;
  EXPECT_NEAR(cracked.M, moment, 2e-3 * std::abs(moment));
  EXPECT_NEAR(cracked.T, bottom, 1e-4 * std::abs(bottom));
}

// The cover lines are slice boundaries: the core of a confined rectangle is exactly (W - 2 cover) by
// (D - 2 cover), that of a circle exactly the circle of radius R - cover, whatever the slice count.
TEST(SectionEvaluation, CoreAndCoverAreasFollowTheCoverLines) {
  const double pi = std::acos(-1.0);
  for (int slices : {7, 10, 100, 101}) {
    ProjectModel circle = HeavySection();  // R 24 in, cover 2 in
    circle.ccinc = slices;
    double core = 0, cover = 0;
    for (const ConcreteSlice& slice : SliceSection(circle).concrete)
      core += slice.coreArea, cover += slice.coverArea;
    EXPECT_NEAR(core, pi * 22 * 22, 1e-5 * pi * 22 * 22) << slices;
    EXPECT_NEAR(cover, pi * (24 * 24 - 22 * 22), 1e-5 * pi * 24 * 24) << slices;

    ProjectModel rect;
    ResetAll(rect);
    SetRecordCount(rect, RecordKind::ConcreteRect, 1);
    rect.rects[1] = {0, 25, 12, 1};
    ChooseConcreteModel(rect, 3);
    rect.fcc = 7000, rect.ecu = 0.02f, rect.confinementOption = 4, rect.cover = 1.5f, rect.rcinc = slices;
    ComputeSectionProperties(rect);
    const SectionSlices s = SliceSection(rect);
    ASSERT_EQ(s.concrete.size(), static_cast<size_t>(std::max(slices, 3))) << slices;
    core = 0;
    for (const ConcreteSlice& slice : s.concrete) {
      core += slice.coreArea;
      // A slice is either wholly in a cover band or wholly between the cover lines.
      EXPECT_TRUE(slice.coreArea == 0 || (slice.depth > 1.5f && slice.depth < 23.5f)) << slice.depth;
    }
    EXPECT_NEAR(core, 9.0 * 22, 1e-5 * 198) << slices;
  }
}

// One rule for the concrete that steel takes the place of, only where the steel lies in the concrete, in
// the section properties, the strength walk and the moment-curvature evaluation. Per section, worked by
// hand: the concrete (area Ac at yc, own inertia Ic), the steel (As at ys, Is) and the part of the steel
// that lies in the concrete (Ad at yd, Id):
// - plate 2 x 4 flush with the top of a 10 x 20 rectangle: all of it, Is = Id = 2 (4^3) / 12;
// - tube (mid-line radius 6, wall 0.5) around its fill of radius 5.75: none, As = 6.2832 (6) (0.5);
// - plate 2 x 4 reaching 2 above the rectangle (from 2 to 22): its lower half, 2 x 2 at 3, Id = 2 (2^3) / 12;
// - the same tube inside a 24 in circle: all of it, Is = 3.1416 (6.25^4 - 5.75^4) / 4.
TEST(SectionEvaluation, SteelDisplacesConcreteOnlyWhereItLiesInIt) {
  const double tube = 6.2832 * 6 * 0.5, tubeI = 3.1416 * (std::pow(6.25, 4) - std::pow(5.75, 4)) / 4;
  const double fill = 3.1416 * 5.75 * 5.75;
  const struct {
    const char* what;
    bool plate;
    float concreteTop, circleRadius;  // the rectangle's top; the circle's radius (0: no circle)
    double Ac, yc, Ic, As, ys, Is, Ad, yd, Id;
  } sections[] = {
      {"embedded plate flush with the top", true, 0, 0, 200, 10, 10 * 8000 / 12.0, 8, 2, 2 * 64 / 12.0, 8, 2,
       2 * 64 / 12.0},
      {"tube around its fill", false, 0, 5.75f, fill, 6.25, fill * 5.75 * 5.75 / 4, tube, 6.25, tubeI, 0, 0,
       0},
      {"plate half above the concrete", true, 2, 0, 200, 12, 10 * 8000 / 12.0, 8, 2, 2 * 64 / 12.0, 4, 3,
       2 * 8 / 12.0},
      {"tube inside a larger circle", false, 0, 12, 3.1416 * 144, 12, 3.1416 * 144 * 144 / 4, tube, 12, tubeI,
       tube, 12, tubeI},
  };
  for (const auto& s : sections) {
    SCOPED_TRACE(s.what);
    ProjectModel m = Elastic(false);
    m.criteria = "ud";  // Pn,max = Po
    m.phiConc = m.phiReinf = m.phiStl = 1, m.a1 = m.b1 = 0.85f, m.fpc = 4000, m.fs = 36000, m.Es = 29e6f;
    m.spBL = m.rpBL;  // elastic up to a strain of 0.05 in the moment-curvature analysis
    if (s.plate) {
      m.rects[1] = {s.concreteTop, 20, 10, 1};
      SetRecordCount(m, RecordKind::SteelRect, 1);
      m.steelRects[1] = {0, 4, 2};
    } else {
      SetRecordCount(m, RecordKind::ConcreteRect, 0);
      SetRecordCount(m, RecordKind::ConcreteCircle, 1);
      m.circles[1] = {s.circleRadius + 0.5f, s.circleRadius, 1};
      SetRecordCount(m, RecordKind::SteelPipe, 1);
      m.pipes[1] = {s.circleRadius + 0.5f, 6, 0.5f};
      if (s.circleRadius > 6) m.circles[1] = {12, 12, 1}, m.pipes[1].Ycp = 12;
    }
    ComputeSectionProperties(m);
    const SectionProperties& p = m.sectionProperties;
    ASSERT_EQ(p.problem, SectionProblem::None);

    // Transformed section: the steel at n = Es / Ec times its area less the concrete it takes the place of.
    const double n = 29e6 / 3605000.0;
    const double area = s.Ac + n * s.As - s.Ad;
    const double yt = (s.Ac * s.yc + n * s.As * s.ys - s.Ad * s.yd) / area;
    const auto about = [yt](double I, double A, double y) { return I + A * (yt - y) * (yt - y); };
    EXPECT_NEAR(p.transArea, area, 1e-5 * area);
    EXPECT_NEAR(p.transYbar, yt, 1e-5 * yt);
    const double I = about(s.Ic, s.Ac, s.yc) + n * about(s.Is, s.As, s.ys) - about(s.Id, s.Ad, s.yd);
    EXPECT_NEAR(p.transI, I, 1e-5 * I);

    // Strength: with em = 0.02 every piece yields before the block covers the section, so the top of the
    // diagram is the plastic section, Po = 0.85 f'c (Ac - Ad) + fs As, its moment about the concrete's
    // centroid from the displaced concrete and the steel alone.
    m.em = 0.02f;
    ComputeInteractionDiagram(m);
    const InteractionDiagram& d = m.interactionDiagram;
    const double Po = 3400 * (s.Ac - s.Ad) + 36000 * s.As;
    EXPECT_NEAR(d.PnMax, Po, 1e-6 * Po);
    size_t top = 1;  // the first point at Pn,max
    while (top < static_cast<size_t>(d.idCount) && d.idAxial[top] != d.PnMax) ++top;
    const double Mn = -3400 * s.Ad * (s.yc - s.yd) + 36000 * s.As * (s.yc - s.ys);
    EXPECT_NEAR(d.idMoment[top], Mn, 1e-5 * Po * s.yc);

    // Moment-curvature: a uniform strain of 0.001 stresses the concrete to 4000 psi, the steel to 29000.
    const SectionForces f = Evaluate(m, 0.001f, 1e7f);
    const double P = 4000 * (s.Ac - s.Ad) + 29000 * s.As;
    EXPECT_NEAR(f.P, P, 1e-4 * P);
    EXPECT_NEAR(f.M, -4000 * s.Ad * (s.yc - s.yd) + 29000 * s.As * (s.yc - s.ys), 1e-5 * P * s.yc);
  }
}

// Sections across the neutral axis at 30 degrees against a fibre integration on a 0.02 in grid written
// here, the axis direction n = (-sin 30, cos 30) pointing from the compressed corner, where n.p is least,
// into the section; bars carry 29e6 times their strain less the concrete they take the place of.
// - An L of Simple (parabolic) concrete, a 24 x 8 in flange over a leg 8 in wide reaching down to 24 in,
//   with six unequal single bars. Its centroid by hand: flange 192 in^2 at (12, 4), leg 128 in^2 at
//   (4, 16): x = y = (192 (12) + 128 (4)) / 320 = 8.8 in; least n.p = -12 at the corner (24, 0).
// - A 16 x 24 in rectangle of confined Mander concrete centred on x = 0, cover 1.5 in, with the same kind
//   of bars: centroid (0, 12); least n.p = -4 at the corner (8, 0). Its cover and core centroids within a
//   band differ, as nowhere across a horizontal axis.
TEST(SectionEvaluation, InclinedAxisAgainstFineFibres) {
  const auto elasticBars = [](ProjectModel& m, std::initializer_list<SingleBar> bars) {
    m.nsb = static_cast<int>(bars.size());
    m.singleBars.resize(1);  // slot 0 unused
    m.singleBars.insert(m.singleBars.end(), bars.begin(), bars.end());
    ChooseSteelModel(m, 1);
    m.rpBL[1] = {-0.1f, -2.9e6f};
    m.rpBL[2] = {-0.05f, -1.45e6f};
    m.rpBL[3] = {0.05f, 1.45e6f};
    m.rpBL[4] = {0.1f, 2.9e6f};
    m.mcAngle = 30;
    ComputeSectionProperties(m);
  };
  ProjectModel l;
  ResetAll(l);
  l.npg = 1;
  l.polygons.resize(2);
  l.polygons[1] = {{{0, 0}, {24, 0}, {24, 8}, {8, 8}, {8, 24}, {0, 24}}, 1};
  ChooseConcreteModel(l, 2);
  l.fc0 = 4000, l.ec0 = 0.002f, l.ecu = 0.004f, l.esp = 0.005f;
  l.rcinc = 400;
  elasticBars(l, {{2, 2, 1}, {22, 2, 0.6f}, {22, 6, 0.6f}, {2, 22, 1}, {6, 22, 0.44f}, {4, 12, 0.31f}});
  const auto parabola = [](double strain, bool) {
    if (strain <= 0) return 0.0;
    if (strain <= 0.002) return 4000 * (2 * strain / 0.002 - (strain / 0.002) * (strain / 0.002));
    return 4000 * (1 - 0.2 * (strain - 0.002) / (0.004 - 0.002));
  };

  ProjectModel rect;
  ResetAll(rect);
  SetRecordCount(rect, RecordKind::ConcreteRect, 1);
  rect.rects[1] = {0, 24, 16, 1};
  ChooseConcreteModel(rect, 3);
  rect.fcc = 7000, rect.ecu = 0.02f, rect.confinementOption = 4, rect.cover = 1.5f, rect.rcinc = 400;
  elasticBars(rect, {{-5.5f, 2.5f, 1}, {5.5f, 2.5f, 1}, {-5.5f, 21.5f, 2}, {5.5f, 21.5f, 2}, {0, 12, 0.6f}});
  const MaterialModels mander = MaterialModelsOf(rect);
  const auto manderStress = [&](double strain, bool core) {
    McEvents ignored;
    const ManderStresses f = ManderStress(mander, static_cast<float>(strain), ignored, ManderParts::Both);
    return static_cast<double>(core ? f.confined : f.unconfined);
  };

  const struct {
    const char* what;
    ProjectModel* m;
    double xbar, ybar, origin, x0, e, c;      // x0: left edge of the grid
    std::function<int(double, double)> part;  // 0 outside, 1 cover, 2 core
    std::function<double(double, bool)> stress;
  } sections[] = {
      {"L of Simple concrete", &l, 8.8, 8.8, -12, 0, 0.0025, 14,
       [](double x, double y) { return y > 8 && x > 8 ? 0 : 2; }, parabola},
      {"confined rectangle", &rect, 0, 12, -4, -8, 0.006, 12,
       [](double x, double y) {
         return std::abs(x) < 6.5 && y > 1.5 && y < 22.5 ? 2 : x < 8 && y < 24 ? 1 : 0;
       },
       manderStress},
  };
  for (const auto& s : sections) {
    SCOPED_TRACE(s.what);
    ProjectModel& m = *s.m;
    ASSERT_NEAR(m.sectionProperties.concXbar, s.xbar, 1e-5);
    ASSERT_NEAR(m.sectionProperties.concYbar, s.ybar, 1e-5);
    const double nx = -0.5, ny = std::sqrt(3.0) / 2;
    const auto strainAt = [&](double x, double y) {
      return s.e * (s.c - (nx * x + ny * y - s.origin)) / s.c;
    };
    double P = 0, Mx = 0, My = 0;
    const auto add = [&](double force, double x, double y) {
      P += force, Mx += force * (s.ybar - y), My += force * (x - s.xbar);
    };
    const double h = 0.02;
    for (int i = 0; i < 1200; ++i) {
      for (int j = 0; j < 1200; ++j) {
        const double x = s.x0 + (i + 0.5) * h, y = (j + 0.5) * h;
        const int part = s.part(x, y);
        if (part > 0) add(s.stress(strainAt(x, y), part == 2) * h * h, x, y);
      }
    }
    for (int i = 1; i <= m.nsb; ++i) {
      const SingleBar& bar = m.singleBars[static_cast<size_t>(i)];
      const double strain = strainAt(bar.x, bar.y);
      add((29e6 * strain - s.stress(strain, true)) * bar.area, bar.x, bar.y);
    }
    ASSERT_GT(Mx, 0);  // compression at the top right: both moments positive
    ASSERT_GT(My, 0);

    const SectionForces f = Evaluate(m, static_cast<float>(s.e), static_cast<float>(s.c));
    const double M = std::hypot(Mx, My);
    EXPECT_NEAR(f.P, P, 1e-4 * std::abs(P));
    EXPECT_NEAR(f.M, Mx, 1e-4 * M);
    EXPECT_NEAR(f.My, My, 1e-4 * M);
  }
}

}  // namespace
}  // namespace tarnix
