// Completeness check: section, loads, member and moment-curvature rules.
#include "model/input_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

// Reset model with every count set as given (records blank) and, for loads, P = 100 kip on each.
ProjectModel WithCounts(int nr, int nc, int nl, int na, int nb, int np, int ns) {
  ProjectModel m;
  ResetAll(m);
  const RecordKind kinds[] = {RecordKind::ConcreteRect,    RecordKind::ConcreteCircle, RecordKind::ReinforcingLine,
                              RecordKind::ReinforcingArc, RecordKind::SteelRect,      RecordKind::SteelPipe};
  const int counts[] = {nr, nc, nl, na, nb, np};
  for (int k = 0; k < 6; ++k) SetRecordCount(m, kinds[k], counts[k]);
  SetLoadCount(m, ns);
  for (int i = 1; i <= ns; ++i) m.loads[static_cast<size_t>(i)].P = 100000;
  return m;
}

TEST(InputCheck, SectionNeedsConcreteOrSteelAloneAndBarsNeedConcrete) {
  const struct {
    int nr, nc, nl, na, nb, np;
    bool complete;
  } cases[] = {
      {0, 0, 0, 0, 0, 0, false}, {0, 1, 0, 0, 0, 0, true},  {0, 0, 0, 0, 1, 0, true},
      {0, 0, 1, 0, 0, 1, false}, {0, 0, 0, 1, 0, 0, false}, {0, 1, 0, 3, 1, 1, true},
      {-2, 0, 0, 0, 0, 0, false}, {0, -1, 1, 0, 0, 0, false},  // negative counts are empty lists
  };
  for (const auto& c : cases) {
    ProjectModel m = WithCounts(c.nr, c.nc, c.nl, c.na, c.nb, c.np, 0);
    EXPECT_EQ(CheckInputComplete(m), c.complete) << c.nr << c.nc << c.nl << c.na << c.nb << c.np;
  }
}

TEST(InputCheck, LoadsMemberAndMomentCurvature) {
  using Edit = std::function<void(ProjectModel&)>;
  // A concrete rectangle with bars, two loads, and curve parameters that a moment-curvature analysis
  // with the Simple concrete model and Park steel needs.
  const auto base = [] {
    ProjectModel m = WithCounts(1, 0, 1, 0, 0, 0, 2);
    m.ec0 = 0.002f, m.fc0 = 5200, m.ecu = 0.005f, m.esp = 0.005f;
    m.rpPA[1].strain = -0.09f;
    m.spPA[1].strain = -0.18f;
    return m;
  };
  const struct {
    const char* what;
    Edit edit;
    bool complete;
  } cases[] = {
      {"as built", [](ProjectModel&) {}, true},
      {"load without P or M", [](ProjectModel& m) { m.loads[2] = {}; m.loads[2].V = 10000; }, false},
      {"slender wall", [](ProjectModel& m) { SetSlendernessOption(m, 3); m.L = 120; }, true},
      {"MC Simple, no spalling strain", [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); m.esp = 0; }, false},
      {"MC Mander casing", [](ProjectModel& m) { SetPerformMomentCurvature(m, 1); m.concreteModel = 3;
                                                 m.fcc = 7000; m.confinementOption = 5; m.fyh = 36000;
                                                 m.esf = 0.2f; }, true},
      // A plain reinforced-concrete section needs no structural steel curve: a file the program saved
      // without steel shapes carries none, and must run when loaded again.
      {"MC no steel shapes, no steel curve", [](ProjectModel& m) { SetPerformMomentCurvature(m, 1);
                                                                   m.reinfModel = 1; m.steelModel = 1;
                                                                   m.rpBL[1].strain = -0.05f;
                                                                   m.spBL = {}; }, true},
      {"MC steel shape needs its curve", [](ProjectModel& m) { SetPerformMomentCurvature(m, 1);
                                                               SetRecordCount(m, RecordKind::SteelRect, 1);
                                                               m.spPA[1].strain = 0; }, false},
  };
  for (const auto& c : cases) {
    ProjectModel m = base();
    c.edit(m);
    EXPECT_EQ(IsInputComplete(m), c.complete) << c.what;
  }
}

}  // namespace
}  // namespace tarnix
