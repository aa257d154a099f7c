// Completeness check: section, options, loads, member, moment-curvature parameters and steel curves, each
// refused with the first thing missing.
#include "model/input_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "criteria/criteria.h"
#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

// Reset model with every count set as given (lines of 3 bars, arcs of 8) and, for loads, P = 100 kip on each.
ProjectModel WithCounts(int nr, int nc, int nl, int na, int nb, int np, int ns) {
  ProjectModel m;
  ResetAll(m);
  const RecordKind kinds[] = {RecordKind::ConcreteRect,    RecordKind::ConcreteCircle, RecordKind::ReinforcingLine,
                              RecordKind::ReinforcingArc, RecordKind::SteelRect,      RecordKind::SteelPipe};
  const int counts[] = {nr, nc, nl, na, nb, np};
  for (int k = 0; k < 6; ++k) SetRecordCount(m, kinds[k], counts[k]);
  for (int i = 1; i <= nl; ++i) m.lines[static_cast<size_t>(i)].Nbl = 3;
  for (int i = 1; i <= na; ++i) m.arcs[static_cast<size_t>(i)].Nba = 8;
  SetLoadCount(m, ns);
  for (int i = 1; i <= ns; ++i) m.loads[static_cast<size_t>(i)].P = 100000;
  return m;
}

// An edit of a model and the problem the check finds after it ("" for none).
struct EditCase {
  const char* what;
  std::function<void(ProjectModel&)> edit;
  const char* problem;
};

TEST(InputCheck, SectionNeedsConcreteOrSteelAloneAndBarsNeedConcrete) {
  const struct {
    int nr, nc, nl, na, nb, np;
    const char* problem;
  } cases[] = {
      {0, 0, 0, 0, 0, 0, "no concrete section"},
      {0, 1, 0, 0, 0, 0, ""},
      {0, 0, 0, 0, 1, 0, ""},
      {0, 0, 1, 0, 0, 1, "no concrete section around the reinforcing"},
      {0, 0, 0, 1, 0, 0, "no concrete section around the reinforcing"},
      {0, 1, 0, 3, 1, 1, ""},
      {-2, 0, 0, 0, 0, 0, "no concrete section"},  // negative counts are empty lists
      {0, -1, 1, 0, 0, 0, "no concrete section around the reinforcing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nr << c.nc << c.nl << c.na << c.nb << c.np);
    ProjectModel m = WithCounts(c.nr, c.nc, c.nl, c.na, c.nb, c.np, 0);
    const Status status = RequireCompleteModel(m);
    EXPECT_EQ(status.message, *c.problem ? kInputIncomplete : "");
    EXPECT_EQ(status.detail, c.problem);
    EXPECT_EQ(m.inputComplete, *c.problem ? 0 : 1);
  }
}

TEST(InputCheck, FirstProblemOfOptionsLoadsMemberAndMomentCurvature) {
  // A concrete rectangle with two lines of bars, two loads, and curve parameters that a moment-curvature
  // analysis with the Simple concrete model and Park steel needs.
  const auto base = [] {
    ProjectModel m = WithCounts(1, 0, 2, 0, 0, 0, 2);
    m.ec0 = 0.002f, m.fc0 = 5200, m.ecu = 0.005f, m.esp = 0.005f;
    return m;
  };
  const EditCase cases[] = {
      {"as built", [](ProjectModel&) {}, ""},
      {"line without bars", [](ProjectModel& m) { m.lines[2].Nbl = 0; }, "reinforcing line 2: no bars"},
      {"arc without bars",
       [](ProjectModel& m) { SetRecordCount(m, RecordKind::ReinforcingArc, 1); },
       "reinforcing arc 1: no bars"},
      {"load without P or M",
       [](ProjectModel& m) { m.loads[2] = {}; m.loads[2].V = 10000; },
       "load condition 2: no axial load or moment"},
      {"load with My alone", [](ProjectModel& m) { m.loads[2] = {}; m.loads[2].My = 120000; }, ""},
      {"slender wall", [](ProjectModel& m) { SetSlendernessOption(m, 3); m.L = 120; }, ""},
      {"slender, no length", [](ProjectModel& m) { SetSlendernessOption(m, 2); }, "member: no length L"},
      {"slender, no K",
       [](ProjectModel& m) { SetSlendernessOption(m, 2); m.L = 120; m.Keff = 0; },
       "member: no effective length factor Keff"},
      {"slender about y, no K",
       [](ProjectModel& m) { SetSlendernessOption(m, 2); m.L = 120; m.memberY.L = 96; m.memberY.Keff = 0; },
       "member about the vertical axis: no effective length factor KeffY"},
      // Options edited in memory are refused as the reader refuses them in a file.
      {"slenderness option -1", [](ProjectModel& m) { m.SlendernessOption = -1; },
       "slenderness option -1 is not one of 1, 2, 3, 4"},
      {"restraint 2", [](ProjectModel& m) { m.Mrj = 2; }, "restraints: Mrj 2 is not one of 0, 1"},
      {"rectangle sign 0", [](ProjectModel& m) { m.rects[1].rsign = 0; },
       "concrete rectangle 1: rsign 0 is not one of 1, -1"},
      {"confinement 6", [](ProjectModel& m) { m.confinementOption = 6; },
       "confinement option 6 is not one of 1, 2, 3, 4, 5"},
      {"MC Simple, no spalling strain",
       [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); m.esp = 0; },
       "Simple concrete model: no spalling strain esp"},
      // The descending line 5200 (1 - 0.2 (e - 0.002) / (0.005 - 0.002)) reaches 0 at e = 0.002 + 5 x 0.003.
      {"MC Simple, spalling at the end of the line",
       [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); m.esp = 0.017f; },
       ""},
      {"MC Simple, spalling beyond the end of the line",
       [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); m.esp = 5; },
       "Simple concrete model: spalling strain esp 5 lies beyond 0.017, where the stress falls to 0"},
      {"MC without loads",
       [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); SetLoadCount(m, 0); },
       "moment-curvature analysis: no load conditions"},
      {"MC Mander casing",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         m.concreteModel = 3, m.fcc = 7000, m.confinementOption = 5, m.fyh = 36000, m.esf = 0.2f;
       },
       ""},
      {"MC Mander spirals without spacing",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         m.concreteModel = 3, m.fcc = 7000, m.confinementOption = 2, m.st = 0;
       },
       "confinement: no spacing st"},
      // A plain reinforced-concrete section needs no structural steel curve: a file the program saved
      // without steel shapes carries none, and must run when loaded again.
      {"MC no steel shapes, no steel curve",
       [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); ChooseSteelModel(m, 1); m.spBL = {}; },
       ""},
      {"MC steel shape needs its curve",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         SetRecordCount(m, RecordKind::SteelRect, 1);
         m.spPA[1].strain = 0;
       },
       "structural steel Park curve, point 1: no strain"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = base();
    c.edit(m);
    EXPECT_EQ(FindInputProblem(m), c.problem);
    EXPECT_EQ(IsInputComplete(m), *c.problem == '\0');
  }
}

// A damaged or mistyped curve is refused by its name and point instead of being analysed as a bar that
// fractures at once. The reset's grade 60 points: Park (-0.09, -90000) (-0.01035, -60000) (-0.00207,
// -60000) and their mirror images; Bilinear (-0.09, -90000) (-0.00207, -60000) and mirrored.
TEST(InputCheck, SteelCurvesRiseThroughTheOriginOnce) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const EditCase cases[] = {
      {"default Park points", [](ProjectModel&) {}, ""},
      {"point 1 at a strain of 35", [](ProjectModel& m) { m.rpPA[1] = {35, -90000}; },
       "reinforcing Park curve, point 1: strain 35 lies on the compression side; points 1 to 3 are in "
       "tension"},
      {"yield plateau of no length", [](ProjectModel& m) { m.rpPA[2].strain = -0.00207f; },
       "reinforcing Park curve, point 3: strain -0.00207 does not rise above point 2 (-0.00207)"},
      {"hardening points swapped", [](ProjectModel& m) { std::swap(m.rpPA[5], m.rpPA[6]); },
       "reinforcing Park curve, point 6: strain 0.01035 does not rise above point 5 (0.09)"},
      {"compression stress typed negative", [](ProjectModel& m) { m.rpPA[4].stress = -60000; },
       "reinforcing Park curve, point 4: stress -60000 lies on the tension side; points 4 to 6 are in "
       "compression"},
      {"not a number", [nan](ProjectModel& m) { m.rpPA[5].stress = nan; },
       "reinforcing Park curve, point 5: not a finite number"},
      // The origin may be a point of the table; the curve must pass through it.
      {"origin as point 3", [](ProjectModel& m) { m.rpPA[3] = {0, 0}; }, ""},
      {"stress at zero strain", [](ProjectModel& m) { m.rpPA[3] = {0, -60000}; },
       "reinforcing Park curve, point 3: stress -60000 at strain 0; the curve passes through the origin"},
      {"Bilinear point 3 in tension",
       [](ProjectModel& m) { ChooseSteelModel(m, 1); m.rpBL[3].strain = -0.001f; },
       "reinforcing Bilinear curve, point 3: strain -0.001 lies on the tension side; points 3 to 4 are in "
       "compression"},
      {"structural steel checked with its shape",
       [](ProjectModel& m) { SetRecordCount(m, RecordKind::SteelPipe, 1); m.spPA[2].strain = -0.5f; },
       "structural steel Park curve, point 2: strain -0.5 does not rise above point 1 (-0.2)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = WithCounts(1, 0, 1, 0, 0, 0, 1);
    SetPerformMomentCurvature(m, 1);
    c.edit(m);
    EXPECT_EQ(FindInputProblem(m), c.problem);
  }
}

// A curve's problem is located at its table, point and the value that is wrong, its strain or its stress
// (the window marks that cell); the other places are checked with the window's marks.
TEST(InputCheck, CurveProblemsAreLocatedAtTheValue) {
  const float infinity = std::numeric_limits<float>::infinity();
  const struct {
    const char* what;
    std::function<void(ProjectModel&)> edit;
    SteelCurve curve;
    int point;
    const char* value;
  } cases[] = {
      {"strain on the wrong side", [](ProjectModel& m) { m.rpPA[1].strain = 35; }, SteelCurve::Reinforcing, 1,
       "strain"},
      {"stress on the wrong side", [](ProjectModel& m) { m.rpPA[4].stress = -60000; },
       SteelCurve::Reinforcing, 4, "stress"},
      {"infinite strain", [&](ProjectModel& m) { m.rpPA[6].strain = infinity; }, SteelCurve::Reinforcing, 6,
       "strain"},
      {"infinite stress", [&](ProjectModel& m) { m.rpPA[6].stress = -infinity; }, SteelCurve::Reinforcing, 6,
       "stress"},
      {"stress at the origin",
       [](ProjectModel& m) {
         m.rpPA[3] = {0, -5};
       },
       SteelCurve::Reinforcing, 3, "stress"},
      {"strain not rising", [](ProjectModel& m) { m.rpPA[3].strain = -0.5f; }, SteelCurve::Reinforcing, 3,
       "strain"},
      {"structural steel point 1 without strain",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::SteelPipe, 1);
         m.spPA[1].strain = 0;
       },
       SteelCurve::Structural, 1, "strain"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = WithCounts(1, 0, 1, 0, 0, 0, 1);
    SetPerformMomentCurvature(m, 1);
    c.edit(m);
    const InputProblem problem = LocateInputProblem(m);
    EXPECT_EQ(problem.text, FindInputProblem(m));
    EXPECT_EQ(problem.where.part, InputLocation::Part::Curve);
    EXPECT_EQ(problem.where.curve, c.curve);
    EXPECT_EQ(problem.where.index, c.point);
    EXPECT_EQ(problem.where.value, c.value);
  }
}

// A polygon must be a region: three corners or more within the largest length, edges of some length that
// neither cross nor fold back, an area. Single bars need an area. The second polygon carries the case.
TEST(InputCheck, PolygonsAreRegionsAndSingleBarsHaveAnArea) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* what;
    std::vector<Vertex> vertices;
    const char* problem;
  } cases[] = {
      {"an L (concave, either way round)", {{0, 0}, {0, 72}, {12, 72}, {12, 12}, {72, 12}, {72, 0}}, ""},
      {"a triangle", {{0, 0}, {10, 0}, {0, 10}}, ""},
      {"two corners", {{0, 0}, {10, 0}}, "polygon 2: fewer than 3 vertices"},
      {"a corner at infinity", {{0, 0}, {10, 0}, {0, inf}}, "polygon 2: vertex 3: y is not a finite number"},
      {"a corner beyond 1E+06",
       {{0, 0}, {2e6f, 0}, {0, 10}},
       "polygon 2: vertex 2: x 2000000 lies beyond 1000000"},
      {"a corner given twice", {{0, 0}, {10, 0}, {10, 0}, {0, 10}}, "polygon 2: its edge 2 has no length"},
      {"corners on one line", {{0, 0}, {5, 5}, {10, 10}}, "polygon 2: no area"},
      // Edges 1 (0,0)-(10,10) and 3 (10,0)-(0,10) cross at (5,5).
      {"a bow tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, "polygon 2: its edges 1 and 3 cross"},
      // Corner 4 (5,0) lies on edge 1 (0,0)-(10,0): edge 3, which ends there, touches edge 1.
      {"a corner on an edge",
       {{0, 0}, {10, 0}, {10, 10}, {5, 0}, {0, 10}},
       "polygon 2: its edges 1 and 3 cross"},
      // Edge 2 runs from (10,0) back to (5,0) along edge 1.
      {"an edge folding back", {{0, 0}, {10, 0}, {5, 0}, {5, 5}}, "polygon 2: its edges 1 and 2 overlap"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = WithCounts(0, 0, 0, 0, 0, 0, 0);
    m.npg = 2;
    m.polygons.assign(3, ConcretePolygon{{{0, 0}, {10, 0}, {10, 10}}, 1});
    m.polygons[2].vertices = c.vertices;
    EXPECT_EQ(FindInputProblem(m), c.problem);
  }

  ProjectModel m = WithCounts(1, 0, 0, 0, 0, 0, 0);
  m.nsb = 1;
  m.singleBars.assign(2, SingleBar{2.5f, 2.5f, 0});
  const Status status = RequireCompleteModel(m);
  EXPECT_EQ(status.message, "Input is incomplete");
  EXPECT_EQ(status.detail, "single bar 1: no area");
  m.rects[1] = {0, 24, 12, 1};
  m.singleBars[1].area = 0.79f;
  EXPECT_EQ(FindInputProblem(m), "");
  m.nr = 0;  // bars alone are no section
  EXPECT_EQ(FindInputProblem(m), "no concrete section around the reinforcing");
}

// Every table the defaults make passes: each criteria, both unit systems, both steel models, and bars of
// every size the expected-property rules tell apart.
TEST(InputCheck, EveryDefaultCurvePasses) {
  for (const CriteriaRules* rules : CriteriaList()) {
    for (const bool english : {true, false}) {
      for (const int steel : {1, 2}) {
        for (const float barArea : {0.2f, 0.79f, 1.27f, 2.0f, 4.0f, 300.0f, 1000.0f, 2000.0f}) {
          SCOPED_TRACE(testing::Message() << rules->key << (english ? " english" : " metric") << " model "
                                          << steel << " bar " << barArea);
          ProjectModel m = WithCounts(1, 0, 1, 0, 1, 0, 1);
          m.lines[1].Abl = barArea;
          ChooseCriteria(m, rules->key);
          ChooseUnits(m, english);
          SetPerformMomentCurvature(m, 1);
          ChooseSteelModel(m, steel);
          EXPECT_EQ(FindInputProblem(m), "");
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarnix
