// Section evaluation against closed-form integration of elastic sections, and refinement of the slices.
#include "curvature/section_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "section/section_properties.h"
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

TEST(SectionEvaluation, UncrackedElasticRectangle) {
  ProjectModel m = Elastic(false);
  // Neutral axis below the section: stress 4e6 e (c - y) / c over the whole depth.
  const double e = 0.001, c = 40, k = 4e6 * e / c;
  const double P = k * 12 * (c * 20 - 200);
  const double M = k * 12 * (c * 200 - 2000 - c * 200 + 8000.0 / 3);  // integral of (c - y)(10 - y)
  const SectionForces f = Evaluate(m, e, c);
  EXPECT_NEAR(f.P, P, 1e-5 * P);
  EXPECT_NEAR(f.M, M, 1e-3 * std::abs(M));  // midpoint slices: error of order (D / n)^2
  EXPECT_EQ(f.T, 0);
  EXPECT_FALSE(f.events.Any());
}

TEST(SectionEvaluation, CrackedRectangleWithElasticBars) {
  ProjectModel m = Elastic(true);
  const double e = 0.0008, c = 7;
  // Concrete triangle above the neutral axis; bars net of the concrete they replace in compression.
  const double concrete = 0.5 * 4e6 * e * 12 * c;
  const double centroid = c / 3;
  const double topStrain = (c - 2.5) * e / c, bottomStrain = (c - 17.5) * e / c;
  const double top = 3 * (29e6 - 4e6) * topStrain, bottom = 3 * 29e6 * bottomStrain;
  const double P = concrete + top + bottom;
  const double M = concrete * (10 - centroid) + top * 7.5 - bottom * 7.5;
  const SectionForces f = Evaluate(m, e, c);
  EXPECT_NEAR(f.P, P, 2e-3 * std::abs(concrete));
  EXPECT_NEAR(f.M, M, 2e-3 * std::abs(M));
  EXPECT_NEAR(f.T, bottom, 1e-4 * std::abs(bottom));
}

TEST(SectionEvaluation, MomentOfACoupleIsAboutTheGrossCentroid) {
  ProjectModel m = Elastic(true);
  // Deep tension (P < 0): the moment is still taken about the gross centroid at 10 in, M = 10 P - sum F y.
  const SectionForces a = Evaluate(m, 0.0005f, 1.0f);
  EXPECT_LT(a.P, 0);
  const SectionForces b = Evaluate(m, 0.0005f, 1.0f);
  EXPECT_EQ(a.M, b.M);
  EXPECT_NE(a.M, 0);
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
  EXPECT_TRUE(std::isfinite(fine.P) && std::isfinite(fine.M));
}

TEST(SectionEvaluation, SharedSteelDepthsAndReusedScratch) {
  ProjectModel elastic = Elastic(true);
  const SectionSlices rectangle = SliceSection(elastic);
  // The three bars of each horizontal line share the stress of their depth.
  ASSERT_EQ(rectangle.bars.size(), 6u);
  ASSERT_EQ(rectangle.barLevels.size(), 2u);
  EXPECT_EQ(rectangle.bars[0].level, rectangle.bars[2].level);
  EXPECT_NE(rectangle.bars[0].level, rectangle.bars[3].level);
  EXPECT_TRUE(rectangle.barLevels[0].displacesConcrete);

  // One scratch reused across states and across sections of other sizes gives what a fresh one gives.
  ProjectModel heavy = HeavySection();
  const SectionSlices circle = SliceSection(heavy);
  const MaterialModels circleModels = MaterialModelsOf(heavy), rectangleModels = MaterialModelsOf(elastic);
  EvaluationScratch scratch;
  const struct {
    const SectionSlices& slices;
    const MaterialModels& models;
    float e, c;
  } states[] = {{circle, circleModels, 0.003f, 18},
                {rectangle, rectangleModels, 0.0008f, 7},
                {circle, circleModels, 0.012f, 9},
                {circle, circleModels, 0.0005f, 60},
                {rectangle, rectangleModels, 0.002f, 1}};
  for (const auto& state : states) {
    const SectionForces reused = EvaluateSection(state.slices, state.models, state.e, state.c, scratch);
    const SectionForces fresh = EvaluateSection(state.slices, state.models, state.e, state.c);
    EXPECT_EQ(reused.P, fresh.P) << state.e << " " << state.c;
    EXPECT_EQ(reused.M, fresh.M) << state.e << " " << state.c;
    EXPECT_EQ(reused.T, fresh.T) << state.e << " " << state.c;
    EXPECT_EQ(reused.events, fresh.events) << state.e << " " << state.c;
  }
}

TEST(SectionEvaluation, SubtractedRecordsAndTheCover) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 2);
  m.rects[1] = {0, 20, 12, 1};
  m.rects[2] = {8, 4, 4, -1};
  ChooseConcreteModel(m, 3);
  m.fcc = 7000, m.ecu = 0.02f;
  m.confinementOption = 2;
  m.cover = 2;
  m.rcinc = 10;
  ComputeSectionProperties(m);
  const SectionSlices s = SliceSection(m);
  ASSERT_EQ(s.concrete.size(), 20u);
  EXPECT_FLOAT_EQ(s.concrete[0].coverArea, 24);  // the first slice (depth 1) lies within the cover
  EXPECT_FLOAT_EQ(s.concrete[5].coverArea, 24 * 4 / 12.0f);  // the side strips
  EXPECT_FLOAT_EQ(s.concrete[15].coverArea, 0);  // a void takes the confined stress over its whole area
  EXPECT_EQ(s.concrete[15].sign, -1);
}

}  // namespace
}  // namespace tarnix
