// The interaction diagram walk against strain compatibility worked by hand, for bar layers and an arc of
// bars, and the end rules (steel shapes: with the moment-curvature section, which follows the same rule).
#include "strength/interaction_diagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "strength/hand_strength.h"
#include "test_sections.h"

namespace tarnix {
namespace {

const InteractionDiagram& Walk(ProjectModel& m) {
  ComputeSectionProperties(m);
  ComputeInteractionDiagram(m);
  return m.interactionDiagram;
}

// Points of the walk against the hand strain compatibility, for two and three bar layers.
TEST(InteractionDiagram, RectangleWithBarLayersAgainstStrainCompatibility) {
  for (const bool middle : {false, true}) {
    SCOPED_TRACE(middle ? "three layers" : "two layers");
    ProjectModel m = TwoLayerColumn("aci");
    if (middle) {
      SetRecordCount(m, RecordKind::ReinforcingLine, 3);
      m.lines[3] = {10, 7, 0, 2, 0.6f};
    }
    m.inc = 0.01f;
    const InteractionDiagram& d = Walk(m);
    const HandRectangle hand = HandSectionOf(m);
    // c = h at k = 2000; the walk goes on to Pn,max = 924480 lb near c = 20.85 (two layers).
    ASSERT_GT(d.idCount, 2071);
    for (int k : {20, 150, 400, 700, 1000, 1300, 1700, 1999, 2040, 2070}) {
      if (k >= d.idCount) continue;
      const HandPoint p = HandAt(hand, d.idDepth[static_cast<size_t>(k)]);
      EXPECT_NEAR(d.idAxial[static_cast<size_t>(k)], p.P, 1e-4 * std::abs(p.P) + 1) << "k " << k;
      EXPECT_NEAR(d.idMoment[static_cast<size_t>(k)], p.M, 1e-4 * std::abs(p.M) + 1) << "k " << k;
    }
    if (middle) continue;
    // Pure bending: the first point with P >= 0, its moment about mid-depth like every other point.
    const size_t pb = static_cast<size_t>(d.idPureBending);
    EXPECT_GE(d.idAxial[pb], 0);
    EXPECT_LT(HandAt(hand, d.idDepth[pb - 1]).P, 0);
    const double Mpb = HandAt(hand, d.idDepth[pb]).M;
    EXPECT_NEAR(d.idMoment[pb], Mpb, 1e-4 * Mpb);
    // The balanced point is the rect_balanced worked example's.
  }
}

// The walk goes on past the section to Pn,max. Bars yielding at 100 ksi never yield at em = 0.003 (Es em =
// 87 ksi): under the user-defined cap of Po itself, Pn can only approach 0.85 (4000) (234) + 87000 (6) =
// 1317600 lb < Po = 1395600 lb, and the walk stops at its bound, 100 section depths down, flagged. With
// fy = 60 ksi it reaches Po at the depth where the bars 17.5 in down yield, 17.5 / (1 - 60 / 87) = 56.4 in.
TEST(InteractionDiagram, WalkPastTheSectionToPnMaxOrItsBound) {
  const struct {
    float fy;
    bool reached;
    double lastDepth;
  } rows[] = {{60000, true, 17.5 / (1 - 60000 / (29e6 * 0.003))}, {100000, false, 100 * 20}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.fy);
    ProjectModel m = TwoLayerColumn("ud");
    m.fy = row.fy, m.inc = 0.05f;
    const InteractionDiagram& d = Walk(m);
    EXPECT_EQ(d.compressionCapUnreached, !row.reached);
    EXPECT_NEAR(d.PnMax, 0.85 * 4000 * 234 + row.fy * 6, 1);
    const size_t last = static_cast<size_t>(d.idCount);
    EXPECT_EQ(d.idAxial[last], d.PnMax);
    EXPECT_EQ(d.idMoment[last], 0);
    EXPECT_NEAR(d.idDepth[last], row.lastDepth, 1e-3 * row.lastDepth);  // depths summed step by step
  }
}

// A 24 in circle with eight 0.79 in^2 bars on a 9.5 in radius: the segment above a with exact trigonometry.
TEST(InteractionDiagram, CircleWithAnArcOfBars) {
  ProjectModel m;
  ResetAll(m);
  m.criteria = "aci";
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {12, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {12, 9.5f, 90, 360, 8, 0.79f};
  const InteractionDiagram& d = Walk(m);
  for (int k : {60, 150, 240, 330, 420}) {
    if (k >= d.idCount) continue;
    const double c = d.idDepth[static_cast<size_t>(k)], a = 0.85 * c;
    const double t = std::acos((12 - a) / 12);
    const double area = 144 * (t - std::sin(t) * std::cos(t));
    const double centroid = 12 - 2.0 / 3.0 * 1728 * std::pow(std::sin(t), 3) / area;
    double P = 3400 * area, M = 3400 * area * (12 - centroid);
    for (int j = 0; j < 8; ++j) {
      const double y = 12 - 9.5 * std::sin((90 + 45 * j) * 3.14159265 / 180);
      double stress = std::clamp(29e6 * (c - y) * 0.003 / c, -60000.0, 60000.0);
      if (y <= a) stress = std::max(0.0, stress - 3400);
      P += stress * 0.79;
      M += stress * 0.79 * (12 - y);
    }
    EXPECT_NEAR(d.idAxial[static_cast<size_t>(k)], P, 2e-4 * std::abs(P) + 5) << k;
    EXPECT_NEAR(d.idMoment[static_cast<size_t>(k)], M, 2e-4 * std::abs(M) + 50) << k;
  }
}

// A bare steel pipe displaces no concrete: squashed it carries fs As (the user-defined criteria cap a
// tied section at 1.0 Po), pulled it yields whole.
TEST(InteractionDiagram, BareSteelPipeSquashedAndPulled) {
  ProjectModel m;
  ResetAll(m);
  m.criteria = "ud";
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {6, 5.75f, 0.5f};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {1, 0, 0, 0, 0};  // a bar line without bars: a tied section
  const double steel = 6.2832 * 5.75 * 0.5;
  ComputeSectionProperties(m);
  EXPECT_NEAR(MaximumAxialCapacity(m), 36000 * steel, 1);
  SetRecordCount(m, RecordKind::ReinforcingLine, 0);
  EXPECT_NEAR(Walk(m).idAxial[1], -36000 * steel, 1);
}

}  // namespace
}  // namespace tarnix
