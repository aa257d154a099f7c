// Section properties of hand-computed sections, the embedded-steel rule, the balanced depth, and sections
// whose records leave a group without area.
#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

TEST(SectionProperties, ConcreteShapes) {
  ProjectModel rect = Reset();
  AddRect(rect, {0, 20, 10, 1});
  const SectionProperties& r = Computed(rect);
  ExpectClose(r.concArea, 200);
  ExpectClose(r.concYbar, 10);
  ExpectClose(r.concIo, 10 * 8000 / 12.0);
  ExpectClose(r.sectionDepth, 20);
  EXPECT_EQ(r.concI, r.concIo);
  EXPECT_EQ(r.transArea, r.concArea);
  EXPECT_EQ(r.transI, r.concIo);

  ProjectModel holed = Reset();
  AddRect(holed, {0, 20, 10, 1});
  SetRecordCount(holed, RecordKind::ConcreteCircle, 1);
  holed.circles[1] = {10, 2, -1};
  const SectionProperties& h = Computed(holed);
  ExpectClose(h.concArea, 200 - 3.1416 * 4);
  ExpectClose(h.concYbar, 10);
  ExpectClose(h.concIo, 10 * 8000 / 12.0 - 3.1416 * 16 / 4);

  ProjectModel box = Reset();  // 20 x 20 with a centred 10 x 10 void
  AddRect(box, {0, 20, 20, 1});
  AddRect(box, {5, 10, 10, -1});
  const SectionProperties& b = Computed(box);
  ExpectClose(b.concArea, 300);
  ExpectClose(b.concYbar, 10);
  ExpectClose(b.concIo, (160000 - 10000) / 12.0);

  ProjectModel tee = Reset();  // flange 30 x 4 over a 6 x 16 web
  AddRect(tee, {0, 4, 30, 1});
  AddRect(tee, {4, 16, 6, 1});
  const SectionProperties& t = Computed(tee);
  const double ybar = (120 * 2 + 96 * 12) / 216.0;
  ExpectClose(t.concYbar, ybar);
  ExpectClose(t.concIo, 30 * 64 / 12.0 + 120 * (ybar - 2) * (ybar - 2) + 6 * 4096 / 12.0 +
                            96 * (ybar - 12) * (ybar - 12));
}

TEST(SectionProperties, CircleWithAnArcOfBars) {
  ProjectModel m = Reset();
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {10, 10, 1};
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {10, 7, 0, 360, 8, 0.5f};
  const SectionProperties& p = Computed(m);
  EXPECT_FLOAT_EQ(m.arcs[1].Atot, 315);  // the full-circle rule stays in the model
  ExpectClose(p.reinfArea, 4);
  EXPECT_NEAR(p.reinfYbar, 10, 1e-5);
  // Eight bars 45 degrees apart: the sum of sin^2 is 4, so Io = 0.5 * 49 * 4.
  EXPECT_NEAR(p.reinfIo, 98, 1e-3);
  EXPECT_NEAR(p.reinfDepth, 17, 1e-4);
  ExpectClose(p.concArea, 314.16);
  const double nR = 29000000.0 / 3605000.0;
  EXPECT_NEAR(p.transArea, 314.16 + (nR - 1) * 4, 1e-3);
  EXPECT_NEAR(p.transI, 3.1416 * 10000 / 4 + (nR - 1) * 98, 0.05);
}

TEST(SectionProperties, SteelShapeFlushWithTheBottomDisplacesNoConcrete) {
  const double nS = 29000000.0 / 3605000.0;
  for (const float top : {16.0f, 15.0f}) {
    ProjectModel m = Reset();
    AddRect(m, {0, 20, 10, 1});
    SetRecordCount(m, RecordKind::SteelRect, 1);
    m.steelRects[1] = {top, 4, 2};
    const SectionProperties& p = Computed(m);
    const bool flush = top + 4 == 20;
    EXPECT_EQ(p.steelEmbedded, !flush);
    ExpectClose(p.steelArea, 8);
    ExpectClose(p.steelYbar, top + 2);
    ExpectClose(p.steelIo, 2 * 64 / 12.0);
    const double k = flush ? nS : nS - 1;
    const double area = 200 + k * 8;
    const double ybar = (200 * 10 + k * 8 * (top + 2)) / area;
    EXPECT_NEAR(p.transArea, area, 1e-3);
    EXPECT_NEAR(p.transYbar, ybar, 1e-5);
    const double concI = 10 * 8000 / 12.0 + 200 * (ybar - 10) * (ybar - 10);
    const double steelI = 2 * 64 / 12.0 + 8 * (ybar - top - 2) * (ybar - top - 2);
    EXPECT_NEAR(p.concI, concI, 0.01);
    EXPECT_NEAR(p.transI, concI + k * steelI, 0.02);
  }
}

TEST(SectionProperties, BalancedDepthFromBarsOrSteelShapes) {
  ProjectModel m = Reset();
  AddRect(m, {0, 20, 10, 1});
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {17.5f, 7, 0, 4, 1};
  const SectionProperties& bars = Computed(m);
  ExpectClose(bars.reinfDepth, 17.5);
  EXPECT_NEAR(bars.cBalanced, 17.5 * 0.003 / (60000 / 29e6 + 0.003), 1e-4);

  // Steel shapes alone decide it, even though their depth is the larger one.
  SetRecordCount(m, RecordKind::ReinforcingLine, 0);
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {10, 6, 0.5f};
  const SectionProperties& pipe = Computed(m);
  ExpectClose(pipe.steelDepth, 16.25);
  EXPECT_NEAR(pipe.cBalanced, 16.25 * 0.003 / (36000 / 29e6 + 0.003), 1e-4);
  ExpectClose(pipe.steelArea, 6.2832 * 3);
  const double outer = 6.25, inner = 5.75;
  EXPECT_NEAR(pipe.steelIo, 3.1416 * (std::pow(outer, 4) - std::pow(inner, 4)) / 4, 1e-2);
}

TEST(SectionProperties, GroupsWithoutAreaAreReportedNotDividedBy) {
  const struct {
    const char* what;
    void (*build)(ProjectModel&);
    SectionProblem problem;
  } cases[] = {
      {"rectangle minus itself",
       [](ProjectModel& m) {
         AddRect(m, {0, 20, 10, 1});
         AddRect(m, {0, 20, 10, -1});
       },
       SectionProblem::NoConcreteArea},
      {"only a void",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::ConcreteCircle, 1);
         m.circles[1] = {10, 5, -1};
       },
       SectionProblem::NoConcreteArea},
      {"a line without bars",
       [](ProjectModel& m) {
         AddRect(m, {0, 20, 10, 1});
         SetRecordCount(m, RecordKind::ReinforcingLine, 1);
       },
       SectionProblem::NoReinforcingArea},
      {"a zero pipe",
       [](ProjectModel& m) { SetRecordCount(m, RecordKind::SteelPipe, 1); },
       SectionProblem::NoSteelArea},
      {"no records", [](ProjectModel&) {}, SectionProblem::NoMaterial},
      {"bars with no concrete modulus",
       [](ProjectModel& m) {
         AddRect(m, {0, 20, 10, 1});
         SetRecordCount(m, RecordKind::ReinforcingLine, 1);
         m.lines[1] = {17.5f, 7, 0, 2, 1};
         m.Ec = 0;
       },
       SectionProblem::NoConcreteModulus},
  };
  for (const auto& c : cases) {
    ProjectModel m = Reset();
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
