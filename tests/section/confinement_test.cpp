// Mander confinement from the confinement steel, worked by hand: f'cc = f'co (2.254 sqrt(1 + 7.94 fl / f'co)
// - 2 fl / f'co - 1.254) (Mander, Priestley and Park 1988), ecu = 0.004 + 1.4 rho fyh esm / f'cc (Priestley,
// Seible and Calvi 1996).
#include "section/confinement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

double ConfinedStrength(double fc0, double fl) {
  return fc0 * (2.254 * std::sqrt(1 + 7.94 * fl / fc0) - 2 * fl / fc0 - 1.254);
}

ProjectModel Mander(int option) {
  ProjectModel m;
  ResetAll(m);
  m.concreteModel = 3;
  m.fc0 = 4000;
  m.esp = 0.005f;
  m.confinementOption = option;
  m.ds = 0.5f, m.st = 3, m.Dc = 19, m.fyh = 60000, m.esf = 0.09f;
  return m;
}

TEST(Confinement, SteelCasingAndCrossTies) {
  // Casing, t = 0.25 in, D = 20 in, fy 36000 psi: rho = 4 t / D = 0.05, fl = 2 t fy / D = 900 psi,
  // f'cc = 8234.2 psi (the closed form above, evaluated by hand), ecu = 0.004 + 1.4 x 0.05 x 36000 x 0.1 /
  // 8234.2 = 0.0346.
  ProjectModel casing = Mander(5);
  casing.ds = 0.25f, casing.Dc = 20, casing.fyh = 36000, casing.esf = 0.1f;
  ASSERT_EQ(ComputeConfinement(casing), "");
  EXPECT_FLOAT_EQ(casing.fcc, 8234.2f);
  EXPECT_FLOAT_EQ(casing.ecu, 0.0346f);

  // Ties at 4 in, two legs each way, 6 in between tied bars on a 19 x 19 in core: ke from the parabolas
  // between tied bars, w' = 5.5 in, s' = 3.5 in; rho x = 2 pi ds^2 / 4 / (s ycl); the smaller fl governs.
  ProjectModel ties = Mander(4);
  ties.st = 4, ties.sl = 6, ties.xcl = 19, ties.ycl = 19, ties.nx = 2, ties.ny = 2;
  ASSERT_EQ(ComputeConfinement(ties), "");
  const double pi = 3.1416, ae = (361 - 2 * 5.5 * 5.5 / 6) * (1 - 3.5 / 38) * (1 - 3.5 / 38);
  const double rx = 2 * pi * 0.25 / (4 * 4 * 19), flTies = ae / 361 * 60000 * rx;
  EXPECT_NEAR(ties.fcc, ConfinedStrength(4000, flTies), 0.051);
  EXPECT_NEAR(ties.ecu, 0.004 + 1.4 * 2 * rx * 60000 * 0.09 / ConfinedStrength(4000, flTies), 6e-6);

  // Unconfined: f'c and the spalling strain, rounded.
  ProjectModel none = Mander(1);
  none.fc0 = 5200.04f;
  ASSERT_EQ(ComputeConfinement(none), "");
  EXPECT_FLOAT_EQ(none.fcc, 5200.0f);
  EXPECT_FLOAT_EQ(none.ecu, 0.005f);
}

TEST(Confinement, ZeroDimensionsAreRefusedAndChangeNothing) {
  const struct {
    int option;
    void (*edit)(ProjectModel&);
    const char* message;
  } cases[] = {
      {2, [](ProjectModel& m) { m.Dc = 0; }, "Confinement: the diameter Dc must be greater than 0"},
      {4, [](ProjectModel& m) { m.ycl = 0; }, "Confinement: the core height ycl must be greater than 0"},
      {2, [](ProjectModel& m) { m.Dc = 1; }, "Confinement: the confined core area must be greater than 0"},
  };
  for (const auto& c : cases) {
    ProjectModel m = Mander(c.option);
    SetRecordCount(m, RecordKind::ReinforcingLine, 1);
    m.lines[1] = {2, 10, 0, 4, 1};
    m.xcl = 19, m.ycl = 19, m.nx = 2, m.ny = 2;
    m.fcc = 1234, m.ecu = 0.0123f;
    c.edit(m);
    EXPECT_EQ(ComputeConfinement(m), c.message);
    EXPECT_EQ(m.fcc, 1234.0f);
    EXPECT_EQ(m.ecu, 0.0123f);
  }
}

}  // namespace
}  // namespace tarnix
