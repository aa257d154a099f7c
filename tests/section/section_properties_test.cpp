// Section properties of hand-computed sections and sections whose records leave a group without area
// (the concrete displaced by steel is checked with the moment-curvature section).
#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
