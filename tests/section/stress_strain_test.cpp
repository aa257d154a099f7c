// Stress-strain curves at their characteristic strains, with the events each raises.
#include "section/stress_strain.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/defaults.h"
#include "model/material_defaults.h"

namespace tarnix {
namespace {

struct Expect {
  float strain;
  double stress;
  std::initializer_list<McEvent> events;
};

template <typename Fn>
void Check(Fn stress, std::initializer_list<Expect> table) {
  for (const Expect& x : table) {
    McEvents events;
    EXPECT_NEAR(stress(x.strain, events), x.stress, 1e-4 * std::abs(x.stress) + 1e-3) << "strain " << x.strain;
    McEvents expected;
    for (McEvent e : x.events) expected.Raise(e);
    EXPECT_TRUE(events == expected) << "strain " << x.strain;
  }
}

TEST(ConcreteCurves, ManderConfinedAndCover) {
  ProjectModel m;
  ResetAll(m);
  ChooseConcreteModel(m, 3);
  m.fc0 = 5000, m.ec0 = 0.002f, m.Eci = 4030509, m.fcc = 7000, m.ecu = 0.015f, m.esp = 0.005f;
  m.confinementOption = 2;
  const MaterialModels mm = MaterialModelsOf(m);
  // Mander, Priestley and Park (1988): ecc = ec0 (1 + 5 (fcc / fc0 - 1)); r = Ec / (Ec - Esec).
  const double ecc = 0.002 * (1 + 5 * (7000.0 / 5000 - 1));
  const double rc = 4030509 / (4030509 - 7000 / ecc);
  const double ru = 4030509 / (4030509 - 5000 / 0.002);
  const auto curve = [](double f, double x, double r) { return f * x * r / (r - 1 + std::pow(x, r)); };
  const double f2 = curve(5000, 2, ru);

  const struct {
    float e;
    double confined, unconfined;
    bool spalling, crushing;
  } table[] = {
      {0, 0, 0, false, false},
      {0.001f, curve(7000, 0.001 / ecc, rc), curve(5000, 0.5, ru), false, false},
      {static_cast<float>(ecc), 7000, 0, true, false},  // the cover has spalled before the core peaks
      {0.004f, curve(7000, 0.004 / ecc, rc), f2, false, false},  // the straight cover descent starts at 2 ec0
      {0.0045f, curve(7000, 0.0045 / ecc, rc), f2 / 2, false, false},
      {0.005f, curve(7000, 0.005 / ecc, rc), 0, true, false},
      {0.015f, 0, 0, true, true},
  };
  // Past its first intervals the curve is read from a table built once: these strains check the table too.
  for (const auto& row : table) {
    McEvents events;
    const ManderStresses s = ManderStress(mm, row.e, events);
    EXPECT_NEAR(s.confined, row.confined, 1e-4 * row.confined + 1e-3) << row.e;
    EXPECT_NEAR(s.unconfined, row.unconfined, 1e-4 * row.unconfined + 1e-3) << row.e;
    EXPECT_EQ(events.Has(McEvent::ConcSpalling), row.spalling) << row.e;
    EXPECT_EQ(events.Has(McEvent::ConfReinfFail), row.crushing) << row.e;
  }
}

TEST(SteelCurves, ParkHardeningWithItsEvents) {
  ProjectModel m;
  ResetAll(m);  // English, fy 60000, Park reinforcing (-0.09, -90000) (-0.01035, -60000) (-0.00207, -60000)
  MaterialModels mm = MaterialModelsOf(m);
  const auto park = [&](float e, McEvents& ev) { return ReinforcingStress(mm, e, ev); };
  const McEvent T = McEvent::ReinfTensYield, C = McEvent::ReinfCompYield, F = McEvent::LongReinfFail;
  // Park's complex hardening (Park and Paulay 1975) written out: m = ((fu/fy)(30r+1)^2 - 60r - 1) / (15 r^2).
  const double r = 0.09 - 0.01035;
  const double mk = (1.5 * std::pow(30 * r + 1, 2) - 60 * r - 1) / (15 * r * r);
  const auto hardening = [&](double x) {
    return 60000 * ((mk * x + 2) / (60 * x + 2) + x * (60 - mk) / (2 * std::pow(30 * r + 1, 2)));
  };
  Check(park, {{-0.0901f, 0, {F}},  {-0.09f, -hardening(0.09 - 0.01035), {T}},  {-0.05f, -hardening(0.05 - 0.01035), {T}},
               {-0.01035f, -60000, {T}},  {-0.00207f, -60000, {T}},  // the plateau end belongs to the plateau
               {-0.001f, -0.001 * 60000 / 0.00207, {}},  {0, 0, {}},  {0.00207f, 60000, {C}},
               {0.05f, hardening(0.05 - 0.01035), {C}},  {0.09f, hardening(0.09 - 0.01035), {C}},  {0.0901f, 0, {F}}});
  EXPECT_NEAR(hardening(r), 90000, 1);  // Park's curve reaches fu at the last point

  m.ParkModel = 1;  // parabolic hardening with its vertex at the plateau end
  mm = MaterialModelsOf(m);
  const double t = (0.05 - 0.01035) / r;
  Check(park, {{0.05f, 60000 + 30000 * t * t, {C}}, {0.09f, 90000, {C}}, {-0.0104f, -60000 - 30000 * std::pow(0.00005 / r, 2), {T}}});
}

}  // namespace
}  // namespace tarnix
