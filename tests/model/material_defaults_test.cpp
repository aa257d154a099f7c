// Material-model defaults: steel point tables from the yield strain (with the AASHTO bar-size rule) and the
// confined core taken from the section.
#include "model/material_defaults.h"

#include <gtest/gtest.h>

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

ProjectModel Reset() {
  ProjectModel m;
  ResetAll(m);
  return m;
}

template <size_t N>
void ExpectPoints(const std::array<StressStrainPoint, N>& table,
                  std::initializer_list<StressStrainPoint> expected) {
  ASSERT_EQ(expected.size(), N - 1);
  size_t p = 1;
  for (const StressStrainPoint& e : expected) {
    EXPECT_FLOAT_EQ(table[p].strain, e.strain) << "point " << p;
    EXPECT_FLOAT_EQ(table[p].stress, e.stress) << "point " << p;
    ++p;
  }
}

TEST(SteelPoints, PointsFollowTheYieldStrain) {
  // Grade 60 reinforcing: yield strain fy / Er = 60000 / 29e6 = 0.00207; Park hardening from 5 x 0.00207.
  ProjectModel m = Reset();
  ExpectPoints(m.rpPA, {{-0.09f, -90000}, {-0.01035f, -60000}, {-0.00207f, -60000},
                        {0.00207f, 60000}, {0.01035f, 60000}, {0.09f, 90000}});
  // Bilinear A36 steel: 36000 / 29e6 = 0.00124, 1.6 fy at 0.2; grade 40 bars 40000 / 29e6 = 0.00138.
  m.fy = 40000;
  ChooseSteelModel(m, 1);
  ExpectPoints(m.spBL, {{-0.2f, -57600}, {-0.00124f, -36000}, {0.00124f, 36000}, {0.2f, 57600}});
  ExpectPoints(m.rpBL, {{-0.12f, -60000}, {-0.00138f, -40000}, {0.00138f, 40000}, {0.12f, 60000}});
  m.Er = 0;  // a modulus typed as 0 gives no infinite yield strain
  ChooseSteelModel(m, 2);
  EXPECT_EQ(m.rpPA[3].strain, 0.0f);
}

TEST(SteelPoints, AashtoBarSizeRule) {
  // Bar areas at the size limits: #8 0.79, #9 1.0, #10 1.27, #11 1.56, #14 2.25, #18 4.0 in^2.
  const struct {
    bool english;
    float largestBar;
    float strain1, strain2;
  } cases[] = {
      {true, 0.79f, -0.09f, -0.015f},  {true, 1.0f, -0.09f, -0.0125f}, {true, 1.27f, -0.09f, -0.0115f},
      {true, 1.56f, -0.06f, -0.0115f}, {true, 2.25f, -0.06f, -0.0075f}, {true, 4.0f, -0.06f, -0.005f},
      {false, 645, -0.09f, -0.0125f},
  };
  // The largest bar in a line, in an arc or alone; the others half as large.
  const RecordKind bars[] = {RecordKind::ReinforcingLine, RecordKind::ReinforcingArc, RecordKind::SingleBar};
  for (const RecordKind holder : bars) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.largestBar << " in record kind " << static_cast<int>(holder));
      ProjectModel m = Reset();
      ChooseCriteria(m, "aashto");
      ChooseUnits(m, c.english);
      for (const RecordKind kind : bars) SetRecordCount(m, kind, 1);
      const auto area = [&](RecordKind kind) { return kind == holder ? c.largestBar : c.largestBar / 2; };
      m.lines[1].Abl = area(RecordKind::ReinforcingLine);
      m.arcs[1].Aba = area(RecordKind::ReinforcingArc);
      m.singleBars[1].area = area(RecordKind::SingleBar);
      ApplySteelModelDefaults(m);
      EXPECT_FLOAT_EQ(m.rpPA[1].strain, c.strain1);
      EXPECT_FLOAT_EQ(m.rpPA[2].strain, c.strain2);
      EXPECT_FLOAT_EQ(m.rpPA[5].strain, -c.strain2);
    }
  }
}

TEST(Confinement, CoreDimensionsFromTheSection) {
  ProjectModel m = Reset();
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {18, 18, 1};
  ChooseConfinementOption(m, 2);
  EXPECT_EQ(m.Dc, 31.0f);  // 36 in diameter less twice the 2.5 in cover

  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 24, 16, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {2.5f, 11, 0, 4, 1};
  ChooseConfinementOption(m, 4);
  EXPECT_EQ(m.xcl, 11.0f);  // 16 - 2 x 2.5
  EXPECT_EQ(m.ycl, 19.0f);  // 24 - 2 x 2.5
  EXPECT_EQ(m.sl, 3.67f);   // four bars over 11 in: three spaces

}

}  // namespace
}  // namespace tarnix
