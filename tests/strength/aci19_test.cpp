// ACI 318-19 members against the worked checks of the provision sheet (section 4.1): moment magnification
// with the code's end-moment sign and the sway factor beyond the stability limit.
#include <gtest/gtest.h>

#include "strength/interaction_diagram.h"
#include "strength/section_analysis.h"
#include "strength/slenderness.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// The column of sheet 4.1 as a braced member, lu = 240 in (6000 mm), k = 1.
ProjectModel Member(bool english, float P, float M1, float M2) {
  ProjectModel m = Aci19Column(english);
  m.Ec = english ? 3604997 : 24870;
  m.L = english ? 240 : 6000, m.Keff = 1;
  m.Vri = 1, m.Vrj = 1;
  m.SlendernessOption = Slenderness::MomentMagnification;
  SetLoadCount(m, 1);
  LoadCondition& load = m.loads[1];
  load.P = P, load.M1ns = M1, load.M2ns = M2, load.BetaD = 0.6f;
  ComputeSectionProperties(m);
  return m;
}

// Sheet 4.1, A2 (magnifier with (EI)eff = 0.4 EcIg / (1 + betadns)) and A3 (minimum moment) in metric
// units and beyond the second-order limit; in English units the aci19 verification example pins them.
// End moments are entered positive in single curvature; the code's ratio is then -0.8.
TEST(Aci19, MagnifiedMomentWorkedChecksA2A3) {
  const struct {
    const char* source;
    bool english;
    float P, M1, M2;  // kip / kN, k-ft / kN-m
    double Pc, Cm, delta, Mc, M2min, ratio;
    bool exceeded;
  } rows[] = {
      {"A2 SI", false, 2000, 80, 100, 12273, 0.92, 1.1754, 117.5, 0, 1.175, false},
      // SI twin of A3: delta = 1 / (1 - 2000 / (0.75 x 12273)) = 1.2776, Mc = 66.0 x 1.2776 = 84.3 kN-m.
      {"A3 SI", false, 2000, 0, 20, 12273, 1.0, 1.2776, 84.3, 66.0, 1.278, false},
      // A2 with load and moments doubled (M2,min = 110 k-ft stays below M2):
      // delta = 0.92 / (1 - 1000 / (0.75 x 2846.4)) = 1.7307, beyond 1.4.
      {"A2 US doubled", true, 1000, 160, 200, 2846.4, 0.92, 1.7307, 346.1, 0, 1.731, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    const double force = 1000, moment = row.english ? 12000 : 1e6;
    ProjectModel m = Member(row.english, static_cast<float>(row.P * force), static_cast<float>(row.M1 * moment),
                            static_cast<float>(row.M2 * moment));
    ComputeInteractionDiagram(m);
    ComputeSlenderness(m);
    JudgeLoadConditions(m);
    const SlendernessResults& s = m.slenderness;
    const LoadCapacity& cap = m.interactionDiagram.capacity[1];
    ASSERT_EQ(s.outcome[1], SlenderOutcome::Magnified);
    EXPECT_NEAR(s.Pc[1] / force, row.Pc, 0.5);
    EXPECT_NEAR(s.Cm[1], row.Cm, 1e-6);
    EXPECT_NEAR(s.deltaNs[1], row.delta, 1e-4);
    EXPECT_NEAR(s.Mc[1] / moment, row.Mc, 0.05);
    EXPECT_NEAR(s.M2min[1] / moment, row.M2min, 0.01);
    EXPECT_NEAR(cap.secondOrderRatio, row.ratio, 1e-3);
    EXPECT_EQ(cap.secondOrderExceeded, row.exceeded);
    EXPECT_EQ(LoadBeyondCapacity(m, 1), row.exceeded);  // the verdict of the report, table and chart
    if (row.M1 != 0) {
      EXPECT_NEAR(EndMomentRatio(m, m.loads[1].M1ns, m.loads[1].M2ns), -0.8, 1e-6);
      EXPECT_NEAR(s.klrLimit[1], 34 + 12 * -0.8, 1e-5);  // 24.4 < kl/r = 34.64: slender
    }
  }
}

// A sway member: the stability index gives 1 / (1 - Q) above 1.5, which 318-19 does not permit; the sway
// factor then comes from the critical load with betads = 0 (no sustained shear) instead of betadns.
TEST(Aci19, SwayFactorBeyondTheStabilityLimitTakesTheCriticalLoadWithBetads) {
  ProjectModel m = Member(true, 500000, 0, 0);
  m.Vri = 0, m.Keff = 1.2f;
  LoadCondition& load = m.loads[1];
  load.M2s = 100 * 12000.0f, load.M1s = 50 * 12000.0f;
  load.V = 10000, load.di = 2;  // Q = 500000 x 2 / (240 x 10000) = 0.4167, 1 / (1 - Q) = 1.714
  ComputeSlenderness(m);
  // Pc = pi^2 x 0.4 Ec Ig / (1.2 x 240)^2 with betads = 0: 0.4 x 3604997 x 18432 = 2.65787e10 lb-in^2.
  const double Pc = 9.8696044 * 2.65787e10 / (288.0 * 288.0);
  EXPECT_NEAR(m.slenderness.Q[1], 0.41667, 1e-4);
  EXPECT_EQ(m.slenderness.swayMagnifier[1], SwayMagnifier::kCriticalLoadBeyondStabilityLimit);
  EXPECT_NEAR(m.slenderness.deltaS[1], 1 / (1 - 500000 / (0.75 * Pc)), 1e-3);
}

// Magnification about the vertical axis with its own member data: braced, lu = 180 in, k = 0.8 (about x:
// 240 in, k = 1). Ig about the vertical axis = 24 x 16^3 / 12 = 8192 in^4, r = sqrt(8192 / 384) = 4.6188 in,
// kl/r = 144 / 4.6188 = 31.18. With betadns = 0.5: (EI)eff = 0.4 x 3604997 x 8192 / 1.5 = 7.87524e9 lb-in^2,
// Pc = 3.1416^2 x 7.87524e9 / 144^2 = 3748.35 kip; P = 500 kip: 1 / (1 - 500 / (0.75 x 3748.35)) = 1.21633.
// M2,min about this axis takes h = 16 in: 500 (0.6 + 0.03 x 16) = 540 kip-in = 45 k-ft.
TEST(Aci19, MagnificationAboutTheVerticalAxisWithItsOwnMemberData) {
  const struct {
    const char* what;
    float My, M1, M2;  // k-ft, end moments entered positive in single curvature
    double limit, Cm, delta, Mc, M2min;
  } rows[] = {
      // Code ratio -40 / 60: limit 34 - 8 = 26, Cm = 0.6 + 0.4 x 0.6667 = 0.8667, delta = 0.8667 x 1.21633.
      {"end moments govern", 60, 40, 60, 26, 0.86667, 1.05415, 63.249, 0},
      {"negative My", -60, 40, 60, 26, 0.86667, 1.05415, -63.249, 0},
      // Code ratio -0.5: limit 28; the minimum moment governs with Cm = 1: 45 x 1.21633.
      {"minimum moment", 10, 5, 10, 28, 1, 1.21633, 54.735, 45},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ProjectModel m = Member(true, 500000, 0, 0);
    m.memberY = {180, 0.8f, 1, 1, 1, 0, 0};
    LoadCondition& load = m.loads[1];
    load.My = row.My * 12000;
    load.endY = {row.M1 * 12000, row.M2 * 12000, 0, 0, 0.5f, 0};
    ComputeSlenderness(m);
    const SlendernessResults& s = m.slenderness;
    ASSERT_EQ(s.outcomeY.size(), 2u);
    ASSERT_EQ(s.outcomeY[1], SlenderOutcome::Magnified);
    EXPECT_NEAR(s.rY, 4.6188, 1e-4);
    EXPECT_NEAR(s.PcY[1] / 1000, 3748.35, 0.05);
    EXPECT_NEAR(s.klrLimitY[1], row.limit, 1e-4);
    EXPECT_NEAR(s.CmY[1], row.Cm, 1e-5);
    EXPECT_NEAR(s.deltaNsY[1], row.delta, 1e-4);
    EXPECT_NEAR(s.McY[1] / 12000, row.Mc, 0.01);
    EXPECT_NEAR(s.M2minY[1] / 12000, row.M2min, 1e-4);
    EXPECT_TRUE(DesignMomentYKnown(s, 1));
    // About x the column keeps its own data: Ig = 18432 in^4, betadns 0.6, kl = 240 in.
    EXPECT_NEAR(s.Pc[1], 3.1416 * 3.1416 * 0.4 * 3604997 * 18432 / 1.6 / (240.0 * 240.0), 1);
  }
  // Without member data for the vertical axis My stays first order: nothing is magnified about it.
  ProjectModel m = Member(true, 500000, 0, 0);
  m.loads[1].My = 720000;
  ComputeSlenderness(m);
  EXPECT_TRUE(m.slenderness.McY.empty());
  EXPECT_FALSE(DesignMomentYKnown(m.slenderness, 1));
}

// The member's choice of (EI)eff, about both axes, for the 16 x 24 in column above: Ec = 3604997 psi,
// Es = 29e6 psi, four bars of 2 in^2 at 2.5 in from the faces (Ast/Ag = 8 / 384), lu = 240 in, k = 1,
// betadns = 0.6 about either axis, f'c = 4000 psi, fy = 60000 psi.
//   Ig = 16 x 24^3 / 12 = 18432 in^4 (x), 24 x 16^3 / 12 = 8192 in^4 (y);
//   Ise = 8 x 9.5^2 = 722 in^4 (x), 8 x 5.5^2 = 242 in^4 (y); pi^2 / 240^2 / 1.6 = 1.07089e-4 / in^2.
//   (a) 0.4 x 3604997 x 18432 = 2.65787e10 -> Pc = 2846.4 kip; y: 1.18128e10 -> 1265.1 kip.
//   (b) 0.2 x 3604997 x 18432 + 29e6 x 722 = 1.32894e10 + 2.09380e10 = 3.42274e10 -> 3665.5 kip;
//       y: 5.90643e9 + 7.018e9 = 1.29244e10 -> 1384.1 kip.
//   (c) Po = 0.85 x 4 x 376 + 60 x 8 = 1758.4 kip; 0.80 + 25 x 8 / 384 = 1.32083.
//       P = 1000 kip, M = 200 k-ft = 2400 kip-in: x (h = 24): 1 - 2400 / 24000 - 500 / 1758.4 = 0.61565,
//       I = 0.81317 Ig -> 0.81317 x 3604997 x 18432 = 5.40331e10 -> 5786.5 kip; y (h = 16):
//       1 - 2400 / 16000 - 0.28435 = 0.56565, I = 0.74713 Ig -> 2362.9 kip.
//       P = 200 kip, M = 300 k-ft: 1 - 3600 / 4800 - 0.0569 = 0.193 x 1.32083 = 0.255 < 0.35: the floor,
//       Pc = 0.35 / 0.4 x 2846.4 = 2490.6 kip (y: 0.35 / 0.4 x 1265.1 = 1106.9).
//       P = 500 kip, M = 0: (1 - 0.14218) x 1.32083 = 1.133 > 0.875: the cap, 0.875 / 0.4 x 2846.4 = 6226.5
//       kip (y: 2767.3).
TEST(Aci19, CriticalLoadWithTheMembersChoiceOfColumnStiffness) {
  const struct {
    const char* what;
    int choice;
    float P, M;       // kip, k-ft, about either axis
    double Pc, PcY;   // kip
    double ratio, ratioY;  // I / Ig reported where (c) applies
  } rows[] = {
      {"criteria's rule", ColumnStiffnessChoice::Criteria, 1000, 200, 2846.4, 1265.1, 0, 0},
      {"(a)", ColumnStiffnessChoice::GrossConcrete, 1000, 200, 2846.4, 1265.1, 0, 0},
      {"(b)", ColumnStiffnessChoice::ConcreteAndBars, 1000, 200, 3665.5, 1384.1, 0, 0},
      {"(c)", ColumnStiffnessChoice::ReducedInertia, 1000, 200, 5786.5, 2362.9, 0.81317, 0.74713},
      {"(c) floor", ColumnStiffnessChoice::ReducedInertia, 200, 300, 2490.6, 1106.9, 0.35, 0.35},
      {"(c) cap", ColumnStiffnessChoice::ReducedInertia, 500, 0, 6226.5, 2767.3, 0.875, 0.875},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const float M = row.M * 12000;
    ProjectModel m = Member(true, row.P * 1000, 0.8f * M, M);
    m.columnStiffness = row.choice;
    m.memberY = {240, 1, 1, 1, 1, 0, 0};
    m.loads[1].My = M;
    m.loads[1].endY = {0.8f * M, M, 0, 0, 0.6f, 0};
    ComputeInteractionDiagram(m);
    ComputeSlenderness(m);
    const SlendernessResults& s = m.slenderness;
    EXPECT_NEAR(s.Pc[1] / 1000, row.Pc, 0.1);
    ASSERT_EQ(s.PcY.size(), 2u);
    EXPECT_NEAR(s.PcY[1] / 1000, row.PcY, 0.1);
    EXPECT_NEAR(s.inertiaRatio[1], row.ratio, 1e-5);
    EXPECT_NEAR(s.inertiaRatioY[1], row.ratioY, 1e-5);
  }
  // Criteria without the options keep their own rule: ACI 318-02's (0.2 Ec Ig + Es Ise) / (1 + betad).
  for (int choice : {ColumnStiffnessChoice::Criteria, ColumnStiffnessChoice::ReducedInertia}) {
    ProjectModel m = Member(true, 1000000, 0, 2400000);
    ChooseCriteria(m, "aci02");
    m.Ec = 3604997;
    m.columnStiffness = choice;
    ComputeSectionProperties(m);
    ComputeInteractionDiagram(m);
    ComputeSlenderness(m);
    EXPECT_NEAR(m.slenderness.Pc[1] / 1000, 3665.5, 0.1) << choice;
  }
}

}  // namespace
}  // namespace tarnix
