// Section evaluation against closed-form integration of elastic sections, and refinement of the slices.
#include "curvature/section_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SectionEvaluation, RefiningTheSlicesConverges) {
  ProjectModel m = HeavySection();
  const auto at = [&](int slices) {
    m.ccinc = slices;
    m.psinc = slices;
    return Evaluate(m, 0.003f, 18);
  };
  const SectionForces coarse = at(100), fine = at(200);
  EXPECT_NEAR(fine.P, coarse.P, 2e-3 * std::abs(fine.P));
  EXPECT_NEAR(fine.M, coarse.M, 2e-3 * std::abs(fine.M));
  EXPECT_TRUE(fine.events.Has(McEvent::ReinfTensYield));
  EXPECT_TRUE(fine.events.Has(McEvent::ReinfCompYield));
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

// Steel displaces concrete only where it lies in it: a pipe around a concrete core (a filled tube)
// displaces none, a pipe or a plate inside the concrete all of theirs.
TEST(SectionEvaluation, SteelDisplacesOnlyTheConcreteItLiesIn) {
  const struct {
    float pipeRadius;
    bool displaces;
  } cases[] = {{8, true}, {24.5f, false}};
  for (const auto& c : cases) {
    ProjectModel m = HeavySection();  // circle of radius 24 centred 24 below the top
    m.pipes[1] = {24, c.pipeRadius, 0.5f};
    SetRecordCount(m, RecordKind::SteelRect, 1);
    m.steelRects[1] = {20, 8, 1};
    ComputeSectionProperties(m);
    const SectionSlices s = SliceSection(m);
    for (const SteelDivision& fibre : s.steel) {
      const bool pipe = &fibre >= &s.steel[static_cast<size_t>(m.bsinc)];
      EXPECT_EQ(fibre.displacesConcrete, pipe ? c.displaces : true) << fibre.depth;
    }
  }
}

}  // namespace
}  // namespace tarnix
