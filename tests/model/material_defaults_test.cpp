// Material-model defaults: concrete parameters, steel point tables (with the AASHTO bar-size rule),
// confinement inputs and the largest strain of the moment-curvature analysis.
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

TEST(SteelPoints, ParkAndBilinearTablesByGrade) {
  ProjectModel m = Reset();  // English, AREMA, fy 60000, Er 29000000, Park
  ExpectPoints(m.rpPA, {{-0.09f, -90000}, {-0.01035f, -60000}, {-0.00207f, -60000},
                        {0.00207f, 60000}, {0.01035f, 60000}, {0.09f, 90000}});
  EXPECT_EQ(m.StressStrainPointCount, 6);

  m.fy = 40000;
  ApplySteelModelDefaults(m);
  EXPECT_FLOAT_EQ(m.rpPA[1].strain, -0.12f);
  EXPECT_FLOAT_EQ(m.rpPA[2].strain, 14 * -0.00138f);

  ChooseSteelModel(m, 1);
  EXPECT_EQ(m.reinfModel, 1);
  EXPECT_EQ(m.steelModel, 1);
  EXPECT_EQ(m.StressStrainPointCount, 4);
  ExpectPoints(m.spBL, {{-0.2f, -57600}, {-0.00124f, -36000}, {0.00124f, 36000}, {0.2f, 57600}});
  ExpectPoints(m.rpBL, {{-0.12f, -60000}, {-0.00138f, -40000}, {0.00138f, 40000}, {0.12f, 60000}});

  m.fs = 50000;  // higher structural grade
  ChooseSteelModel(m, 2);
  ExpectPoints(m.spPA, {{-0.18f, -65000}, {-0.0086f, -50000}, {-0.00172f, -50000},
                        {0.00172f, 50000}, {0.0086f, 50000}, {0.18f, 65000}});

  m.Er = 0;  // a modulus typed as 0 gives no infinite yield strain
  ApplySteelModelDefaults(m);
  EXPECT_EQ(m.rpPA[3].strain, 0.0f);
}

TEST(SteelPoints, AashtoBarSizeRule) {
  const struct {
    bool english;
    float largestBar;
    float strain1, strain2;
  } cases[] = {
      {true, 0.0f, -0.06f, -0.005f},  {true, 0.44f, -0.09f, -0.015f},  {true, 0.79f, -0.09f, -0.015f},
      {true, 1.0f, -0.09f, -0.0125f}, {true, 1.27f, -0.09f, -0.0115f}, {true, 1.56f, -0.06f, -0.0115f},
      {true, 2.25f, -0.06f, -0.0075f}, {true, 4.0f, -0.06f, -0.005f},  {false, 500, -0.09f, -0.015f},
      {false, 645, -0.09f, -0.0125f}, {false, 1006, -0.06f, -0.0115f}, {false, 2581, -0.06f, -0.005f},
  };
  for (const auto& c : cases) {
    ProjectModel m = Reset();
    ChooseCriteria(m, "aashto");
    ChooseUnits(m, c.english);
    SetRecordCount(m, RecordKind::ReinforcingLine, 1);
    SetRecordCount(m, RecordKind::ReinforcingArc, 1);
    m.lines[1].Abl = c.largestBar / 2;
    m.arcs[1].Aba = c.largestBar;
    ApplySteelModelDefaults(m);
    SCOPED_TRACE(c.largestBar);
    EXPECT_EQ(m.maxBarArea, c.largestBar);
    const float yield = c.english ? 68000.0f : 475.0f;
    ExpectPoints(m.rpPA, {{c.strain1, c.english ? -95000.0f : -655.0f}, {c.strain2, -yield}, {-0.0023f, -yield},
                          {0.0023f, yield}, {-c.strain2, yield}, {-c.strain1, c.english ? 95000.0f : 655.0f}});
  }
}

TEST(ConcreteModel, DefaultsByModel) {
  ProjectModel m = Reset();
  ChooseConcreteModel(m, 2);
  EXPECT_EQ(m.fc0, 5200.0f);
  EXPECT_EQ(m.ec0, 0.002f);
  EXPECT_EQ(m.ecu, 0.005f);
  EXPECT_EQ(m.esp, 0.005f);
  EXPECT_EQ(m.Eci, 4110328.0f);

  ChooseConcreteModel(m, 1);
  EXPECT_EQ(m.ecu, m.em);
  EXPECT_EQ(m.fcu, 4000.0f);
  EXPECT_EQ(m.fc0, 0.0f);
  EXPECT_EQ(m.Eci, 0.0f);

  ChooseCriteria(m, "aashto");
  ChooseConcreteModel(m, 3);
  EXPECT_EQ(m.fc0, 5200.0f);
  EXPECT_EQ(m.ecu, 0.0f);
  EXPECT_EQ(m.fcc, 0.0f);
  m.fpc = 3000;
  ApplyConcreteModelDefaults(m);
  EXPECT_EQ(m.fc0, 5000.0f);  // AASHTO raises the expected strength to at least 5000 psi

  DeriveInitialModulus(m, "6000");
  EXPECT_EQ(m.Eci, 4415201.0f);
  ChooseUnits(m, false);
  DeriveInitialModulus(m, "36.4");
  EXPECT_EQ(m.Eci, 28356.0f);
}

TEST(Confinement, DefaultsFromTheSection) {
  ProjectModel m = Reset();
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {18, 18, 1};
  ChooseConfinementOption(m, 2);
  EXPECT_EQ(m.Dc, 31.0f);  // 36 in diameter less twice the 2.5 in cover
  EXPECT_EQ(m.fyh, 60000.0f);
  EXPECT_EQ(m.esf, 0.09f);
  EXPECT_EQ(m.sl, 12.0f);

  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 24, 16, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {2.5f, 11, 0, 4, 1};
  ChooseConfinementOption(m, 4);
  EXPECT_EQ(m.sl, 3.67f);
  EXPECT_EQ(m.xcl, 11.0f);
  EXPECT_EQ(m.ycl, 19.0f);
  EXPECT_EQ(m.nx, 2);
  EXPECT_EQ(m.Dc, 0.0f);
  m.lines[1].Nbl = 1;  // one bar has no spacing: the tie spacing stands
  ChooseConfinementOption(m, 4);
  EXPECT_EQ(m.sl, 12.0f);

  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {12, 11.75f, 0.5f};
  ChooseConfinementOption(m, 5);
  EXPECT_EQ(m.cover, 0.0f);
  EXPECT_EQ(m.ds, 0.5f);
  EXPECT_EQ(m.Dc, 23.5f);
  EXPECT_EQ(m.fyh, 36000.0f);
  EXPECT_EQ(m.esf, 0.2f);
  EXPECT_EQ(m.st, 0.0f);

  ChooseCriteria(m, "aashto");
  ChooseUnits(m, false);
  ChooseConfinementOption(m, 3);
  EXPECT_EQ(m.cover, 63.0f);
  EXPECT_EQ(m.fyh, 475.0f);
  EXPECT_EQ(m.st, 300.0f);
}

TEST(MaximumStrain, FromConcreteOrTheEndOfTheSteelCurve) {
  ProjectModel m = Reset();
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  ChooseSteelModel(m, 1);
  SetMaximumStrain(m);
  EXPECT_EQ(m.eend, 0.2f);
  m.fs = 50000;
  ChooseSteelModel(m, 2);
  SetMaximumStrain(m);
  EXPECT_EQ(m.eend, 0.18f);

  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  SetMaximumStrain(m);
  EXPECT_EQ(m.eend, m.esp);
  ChooseConcreteModel(m, 3);
  m.ecu = 0.018f;
  SetMaximumStrain(m);
  EXPECT_EQ(m.eend, 0.018f);
}

}  // namespace
}  // namespace tarnix
