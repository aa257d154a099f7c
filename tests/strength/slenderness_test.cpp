// Moment magnification of slender members per criteria family, checked against hand calculations with the
// codes' formulas written out here, and the effective length factor of the end restraints.
#include "strength/slenderness.h"

#include <gtest/gtest.h>

#include <cmath>

#include "run/calculation_run.h"
#include "model/project_model.h"
#include "report/csv_export.h"
#include "report/report_writer.h"
#include "report/section_writers.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// The 12 x 20 in two-layer column: Ag = 240 in^2, Ig = 12 x 20^3 / 12 = 8000 in^4, six 1 in^2 bars
// 7.5 in from the centroid: Ise = 6 x 7.5^2 = 337.5 in^4, r = sqrt(8000 / 240) = 5.7735 in.
constexpr double kAg = 240, kIg = 8000, kIse = 337.5, kEc = 3.6e6, kEr = 29e6, kFc = 4000;
constexpr double kPi2 = 3.1416 * 3.1416;

ProjectModel Member(const char* criteria, bool braced, float L, float Keff) {
  ProjectModel m = TwoLayerColumn(criteria);
  m.Ec = static_cast<float>(kEc), m.Er = static_cast<float>(kEr), m.fpc = static_cast<float>(kFc);
  m.L = L, m.Keff = Keff;
  m.Vri = braced ? 1 : 0, m.Vrj = 1;
  SetLoadCount(m, 1);
  ComputeSectionProperties(m);
  return m;
}

LoadCondition& Load(ProjectModel& m, int i = 1) { return m.loads[static_cast<size_t>(i)]; }

// Runs the magnification and returns load i's results as a small record.
struct LoadResult {
  double Mc, Pc, klrLimit, Cm, Q, deltaNs, deltaS, Cm2, deltaNs2;
  SlenderOutcome outcome;
};
LoadResult Magnified(ProjectModel& m, int i = 1) {
  ComputeSlenderness(m);
  const SlendernessResults& s = m.slenderness;
  const size_t n = static_cast<size_t>(i);
  return {s.Mc[n],      s.Pc[n],     s.klrLimit[n], s.Cm[n],       s.Q[n],
          s.deltaNs[n], s.deltaS[n], s.Cm2[n],      s.deltaNs2[n], s.outcome[n]};
}

double EulerLoad(double EI, double kl) { return kPi2 * EI / (kl * kl); }

TEST(SlendernessAci318, BracedColumnUnderBothAciKeys) {
  for (const char* key : {"aci02", "aci"}) {
    SCOPED_TRACE(key);
    ProjectModel m = Member(key, true, 240, 1);
    LoadCondition& load = Load(m);
    load.P = 600000, load.M = 400000, load.M1ns = 450000, load.M2ns = 900000, load.BetaD = 0.5f;
    const LoadResult r = Magnified(m);

    // EI = (0.2 Ec Ig + Es Ise) / (1 + betaD); kl/r = 240 / 5.7735 = 41.6 is above 34 - 12 (0.5) = 28.
    const double Pc = EulerLoad((0.2 * kEc * kIg + kEr * kIse) / 1.5, 240);
    const double amplification = 1 / (1 - 600000 / (0.75 * Pc));
    EXPECT_NEAR(m.slenderness.r, std::sqrt(kIg / kAg), 1e-4);
    EXPECT_NEAR(r.Pc, Pc, Pc * 1e-5);
    EXPECT_FLOAT_EQ(r.klrLimit, 28);
    EXPECT_FLOAT_EQ(r.Cm, 0.8f);
    EXPECT_NEAR(r.deltaNs, 0.8 * amplification, 1e-5);
    // M below M2ns: the end moment is magnified; it is above M2,min = 600 kip (0.6 + 0.03 x 20 in).
    EXPECT_NEAR(r.Mc, 0.8 * amplification * 900000, 1);
    EXPECT_EQ(m.slenderness.M2min[1], 0);
    EXPECT_EQ(r.outcome, SlenderOutcome::Magnified);
    EXPECT_EQ(r.deltaS, 1);
    EXPECT_EQ(r.Q, 0);

    // Smaller end moments: the minimum moment 720000 lb-in governs with Cm = 1 (ACI 318-02 10.12.3.2).
    load.M1ns = 300000, load.M2ns = 600000;
    const LoadResult minimum = Magnified(m);
    EXPECT_FLOAT_EQ(minimum.Cm, 1);
    EXPECT_FLOAT_EQ(m.slenderness.M2min[1], 720000);
    EXPECT_NEAR(minimum.Mc, amplification * 720000, 1);

    // Transverse loads between the supports: Cm = 1. No end moments: the initial moment is uniform along
    // the member, Cm = 1, limit 34, M magnified.
    load.M1ns = 450000, load.M2ns = 900000, load.Tloads = 1;
    EXPECT_FLOAT_EQ(Magnified(m).Cm, 1);
    load.Tloads = 0, load.M1ns = load.M2ns = 0, load.M = 800000;
    const LoadResult none = Magnified(m);
    EXPECT_FLOAT_EQ(none.Cm, 1);
    EXPECT_FLOAT_EQ(none.klrLimit, 34);
    EXPECT_NEAR(none.Mc, amplification * 800000, 1);

    // Double curvature: the limit is capped at 40 and Cm raised to 0.4.
    load.M1ns = -450000, load.M2ns = 900000;
    EXPECT_FLOAT_EQ(Magnified(m).klrLimit, 40);
    load.M1ns = -900000;
    const LoadResult reverse = Magnified(m);
    EXPECT_FLOAT_EQ(reverse.klrLimit, 40);
    EXPECT_FLOAT_EQ(reverse.Cm, 0.4f);
  }
}

// The minimum moment belongs to ACI 318 and CSA A23.3 only; Cm = 1 for equal end moments in single
// curvature, so only M2 differs between the families. P = 400 kip, h = 20 in: M2,min = 400000 (0.6 + 0.6)
// = 480000 lb-in in English units; the CSA model is metric: 400000 (15 + 0.6) N-mm.
TEST(SlendernessMinimumMoment, OnlyTheCodesThatRequireIt) {
  struct Row {
    const char* key;
    double minimum;  // 0: the end moment is magnified as it is
  };
  for (const Row& row : {Row{"aci", 480000}, Row{"aci02", 480000}, Row{"csa", 400000 * 15.6},
                         Row{"aashto", 0}, Row{"arema", 0}, Row{"lrfd", 0}, Row{"s6", 0}, Row{"ohbdc", 0}}) {
    SCOPED_TRACE(row.key);
    ProjectModel m = Member(row.key, true, 240, 1);
    m.phiC = 0.75f;  // the AASHTO-type stiffness factor, the 0.75 of the others
    LoadCondition& load = Load(m);
    load.P = 400000, load.M = 100000, load.M1ns = load.M2ns = 120000;
    const double amplification = 1 / (1 - 400000 / (0.75 * EulerLoad(0.2 * kEc * kIg + kEr * kIse, 240)));
    const LoadResult r = Magnified(m);
    ASSERT_EQ(r.outcome, SlenderOutcome::Magnified);
    EXPECT_FLOAT_EQ(r.Cm, 1);
    EXPECT_NEAR(r.Mc, amplification * std::max(120000.0, row.minimum), 1);
    EXPECT_NEAR(m.slenderness.M2min[1], row.minimum, 1);

    // Without end moments the initial moment is uniform along the member: Cm = 1 in every family. The
    // member is longer so that kl/r = 52 passes the CSA limit 30 / sqrt(400000 / (4000 x 240)) = 46.5.
    load.M1ns = load.M2ns = 0, load.M = 800000;
    m.L = 300;
    const LoadResult none = Magnified(m);
    ASSERT_EQ(none.outcome, SlenderOutcome::Magnified);
    EXPECT_FLOAT_EQ(none.Cm, 1);
    const double longer = 1 / (1 - 400000 / (0.75 * EulerLoad(0.2 * kEc * kIg + kEr * kIse, 300)));
    EXPECT_NEAR(none.Mc, longer * std::max(800000.0, row.minimum), 1);
  }
}

TEST(SlendernessReports, MinimumMomentAndSwayMethodLines) {
  ProjectModel m = Member("aci02", true, 240, 1);
  SetLoadCount(m, 3);
  m.SlendernessOption = 2;
  Load(m, 1).P = 600000, Load(m, 1).M = 100000;  // braced: M2,min = 720000 lb-in = 60 k-ft governs
  m.Vri = 0, m.Keff = 1.5f;                       // swaying first, for loads 2 and 3
  for (int i : {2, 3}) {
    Load(m, i).P = 300000, Load(m, i).M2ns = 200000, Load(m, i).M2s = 300000, Load(m, i).V = 20000;
  }
  Load(m, 2).di = 0.4f;  // Q = 0.025
  Load(m, 3).di = 6.4f;  // Q = 0.4, 1 / (1 - Q) = 1.67
  const auto report = [&m] {
    ComputeSlenderness(m);
    ReportWriter out;
    WriteSlendernessReport(m, out);
    return out.Text();
  };
  const std::string sway = report();
  EXPECT_NE(sway.find("               Sway magnification factor      = 1.026\r\n"
                      "               Sway factor from the stability index, 1/(1 - Q)\r\n"),
            std::string::npos)
      << sway;
  EXPECT_NE(sway.find("               Sway factor from the critical load: 1/(1 - Q) exceeds 1.5\r\n"),
            std::string::npos);

  m.Vri = 1, m.Keff = 1;
  const std::string braced = report();
  EXPECT_NE(braced.find("               Minimum moment governs, M2,min = 60.0\r\n"
                        "               Equivalent moment factor, Cm   = 1.000\r\n"),
            std::string::npos)
      << braced;
  EXPECT_EQ(braced.find("Sway factor"), std::string::npos);
}

TEST(SlendernessAci318, SwayColumnMagnifiesTheSwayMoments) {
  ProjectModel m = Member("aci02", false, 240, 1.5f);
  LoadCondition& load = Load(m);
  load.P = 300000, load.M = 100000, load.M1ns = 100000, load.M2ns = 200000, load.M1s = 150000,
  load.M2s = 300000;
  load.V = 20000, load.di = 0.4f;
  const double Pc = EulerLoad(0.2 * kEc * kIg + kEr * kIse, 360);
  const double critical = 1 / (1 - 300000 / (0.75 * Pc));

  // Stability index Q = P di / (L V) = 0.025: its magnifier 1 / (1 - Q) replaces the critical-load one.
  LoadResult r = Magnified(m);
  EXPECT_FLOAT_EQ(r.klrLimit, 22);
  EXPECT_FLOAT_EQ(r.Cm, 0.6f);
  EXPECT_EQ(r.deltaNs, 1);  // ACI: non-sway moments of a sway frame are not magnified
  EXPECT_NEAR(r.Q, 0.025, 1e-7);
  EXPECT_NEAR(r.deltaS, 1 / 0.975, 1e-6);
  EXPECT_NEAR(r.Mc, 200000 + 300000 / 0.975, 1);
  EXPECT_EQ(r.deltaNs2, 1);  // L/r = 41.6 is below 35 / sqrt(P / f'c Ag) = 62.6

  // The choice between the two sway magnifiers.
  const auto withStabilityMagnifier = [&](double x, double P) {
    load.P = static_cast<float>(P);
    load.V = static_cast<float>(P * 0.4 / (240 * (1 - 1 / x)));  // gives Q = 1 - 1 / x
    return Magnified(m).deltaS;
  };
  // ACI 318-02 10.13.4.2: 1 / (1 - Q) only up to 1.5; above it the critical-load magnifier, larger or not.
  EXPECT_NEAR(withStabilityMagnifier(1.2, 300000), 1.2, 1e-5);
  EXPECT_EQ(m.slenderness.swayMagnifier[1], SwayMagnifier::kStabilityIndex);
  EXPECT_NEAR(withStabilityMagnifier(1.8, 300000), critical, 1e-5);  // critical-load magnifier 1.51
  EXPECT_EQ(m.slenderness.swayMagnifier[1], SwayMagnifier::kCriticalLoadBeyondStabilityLimit);
  const double P25 = 0.6 * 0.75 * Pc;  // critical-load magnifier 2.5
  EXPECT_NEAR(withStabilityMagnifier(1.8, P25), 2.5, 1e-4);
  // The other ACI-type codes keep 1 / (1 - Q) above 1.5 while it is below the critical-load magnifier.
  m.criteria = "csa";
  EXPECT_NEAR(withStabilityMagnifier(1.8, P25), 1.8, 1e-4);
  EXPECT_EQ(m.slenderness.swayMagnifier[1], SwayMagnifier::kStabilityIndex);
  EXPECT_NEAR(withStabilityMagnifier(1.8, 300000), critical, 1e-5);
  EXPECT_EQ(m.slenderness.swayMagnifier[1], SwayMagnifier::kCriticalLoad);
  m.criteria = "aci02";

  // Q of 1 or more: the storey is unstable, no magnified moment.
  load.P = 300000, load.V = 300000 * 0.4f / 240;
  r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::Buckling);
  EXPECT_EQ(r.Mc, 500000);
  EXPECT_FALSE(DesignMomentKnown(m.slenderness, 1));
}

TEST(SlendernessAci318, SecondaryMagnificationOfAVerySlenderSwayColumn) {
  ProjectModel m = Member("aci02", false, 240, 1.5f);
  LoadCondition& load = Load(m);
  load.P = 750000, load.M = 100000, load.M1ns = 100000, load.M2ns = 200000, load.M1s = 150000,
  load.M2s = 300000;
  const double Pc = EulerLoad(0.2 * kEc * kIg + kEr * kIse, 360);
  const double amplification = 1 / (1 - 750000 / (0.75 * Pc));
  // L/r = 41.57 exceeds 35 / sqrt(750000 / (4000 x 240)) = 39.6.
  const double M1 = 100000 + amplification * 150000, M2 = 200000 + amplification * 300000;
  const double Cm2 = 0.6 + 0.4 * M1 / M2;
  const LoadResult r = Magnified(m);
  EXPECT_NEAR(m.slenderness.LrMax[1], 35 / std::sqrt(750000 / (kFc * kAg)), 1e-4);
  EXPECT_NEAR(r.deltaS, amplification, 1e-4);
  EXPECT_NEAR(r.Cm2, Cm2, 1e-6);
  EXPECT_NEAR(r.deltaNs2, Cm2 * amplification, 1e-4);
  EXPECT_NEAR(r.Mc, Cm2 * amplification * M2, M2 * 1e-5);
}

TEST(SlendernessAashto, BracedAndSwayColumns) {
  for (const char* key : {"aashto", "arema", "lrfd"}) {
    SCOPED_TRACE(key);
    ProjectModel m = Member(key, true, 300, 1);  // kl/r = 52
    m.phiC = 0.7f;                               // the stiffness reduction factor of these codes is phiC
    LoadCondition& load = Load(m);
    load.P = 600000, load.M = 400000, load.M1ns = -600000, load.M2ns = 600000;
    const double Pc = EulerLoad(0.2 * kEc * kIg + kEr * kIse, 300);
    LoadResult r = Magnified(m);
    EXPECT_FLOAT_EQ(r.klrLimit, 46);  // 34 + 12, no cap
    EXPECT_NEAR(r.Pc, Pc, Pc * 1e-5);
    EXPECT_FLOAT_EQ(r.Cm, 0.4f);
    EXPECT_NEAR(r.deltaNs, std::max(0.4 / (1 - 600000 / (0.7 * Pc)), 1.0), 1e-5);

    // Sway: Cm = 1, both magnifiers from the critical load, no stability index, no secondary factor.
    m.Vri = 0, m.Keff = 1.5f, m.L = 240;
    load.P = 300000, load.M1ns = 100000, load.M2ns = 200000, load.M1s = 150000, load.M2s = 300000;
    load.V = 20000, load.di = 0.4f;
    const double delta = 1 / (1 - 300000 / (0.7 * EulerLoad(0.2 * kEc * kIg + kEr * kIse, 360)));
    r = Magnified(m);
    EXPECT_FLOAT_EQ(r.Cm, 1);
    EXPECT_NEAR(r.deltaNs, delta, 1e-5);
    EXPECT_NEAR(r.deltaS, delta, 1e-5);
    EXPECT_EQ(r.Q, 0);
    EXPECT_NEAR(r.Mc, 200000 * delta + 300000 * delta, 2);
    EXPECT_EQ(r.deltaNs2, 1);
  }
}

TEST(SlendernessAashto, CompositeColumnsOfLrfd) {
  // A 6 x 10 in steel shape encased in the 12 x 20 in column: As = 60 in^2, Is = 6 x 10^3 / 12 = 500 in^4.
  ProjectModel m = Member("lrfd", true, 240, 1);
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.steelRects[1] = {5, 10, 6};
  m.fs = 50000, m.fy = 60000, m.Es = 29e6f;
  ComputeSectionProperties(m);
  Load(m).P = 100000, Load(m).M = 100000;
  ComputeSlenderness(m);
  const SlendernessResults& s = m.slenderness;
  const double Ac = m.sectionProperties.concArea;
  const double Fe = 50000 + 0.7 * 60000 * 6 / 60 + 0.6 * kFc * Ac / 60;
  const double Ee = 29e6 * (1 + 0.2 * Ac / (60 * 29e6 / kEc));
  const double rs = std::sqrt(500.0 / 60);
  const double gamma = std::pow(240 / (rs * 3.1416), 2) * Fe / Ee;
  EXPECT_NEAR(s.Fe, Fe, 0.1);
  EXPECT_NEAR(s.Ee, Ee, Ee * 1e-6);
  EXPECT_NEAR(s.rs, rs, 1e-5);
  EXPECT_NEAR(s.gamma, gamma, gamma * 1e-5);
  EXPECT_NEAR(s.Pc[1], Fe * 60 / gamma, Fe * 60 / gamma * 1e-5);

  // A steel tube that encloses the concrete: the filled-tube coefficients.
  ProjectModel tube = Member("lrfd", true, 240, 1);
  SetRecordCount(tube, RecordKind::ConcreteRect, 0);
  SetRecordCount(tube, RecordKind::ReinforcingLine, 0);
  SetRecordCount(tube, RecordKind::ConcreteCircle, 1);
  tube.circles[1] = {10.5f, 10, 1};
  SetRecordCount(tube, RecordKind::SteelPipe, 1);
  tube.pipes[1] = {10.5f, 10.25f, 0.5f};
  tube.fs = 50000, tube.Es = 29e6f;
  ComputeSectionProperties(tube);
  ASSERT_EQ(tube.sectionProperties.steelDepth, tube.sectionProperties.sectionDepth);
  Load(tube).P = 100000;
  ComputeSlenderness(tube);
  const SectionProperties& p = tube.sectionProperties;
  EXPECT_NEAR(tube.slenderness.Fe, 50000 + 0.85 * kFc * p.concArea / p.steelArea, 0.1);
  EXPECT_NEAR(tube.slenderness.Ee, 29e6 * (1 + 0.4 * p.concArea / (p.steelArea * 29e6 / kEc)), 10);
}

TEST(SlendernessAci318, CompositeColumnStiffnessLeavesTheBarsOut) {
  ProjectModel m = Member("aci02", true, 240, 1);
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.steelRects[1] = {5, 10, 6};
  m.Es = 29e6f;
  ComputeSectionProperties(m);
  Load(m).P = 100000, Load(m).M = 100000, Load(m).BetaD = 0.5f;
  const SectionProperties& p = m.sectionProperties;
  const LoadResult r = Magnified(m);
  EXPECT_NEAR(m.slenderness.r,
              std::sqrt((0.2 * kEc * p.concI + 29e6 * 500) / (0.2 * kEc * p.concArea + 29e6 * 60)), 1e-4);
  const double Pc = EulerLoad(0.2 * kEc * p.concI / 1.5 + 29e6 * 500, 240);
  EXPECT_NEAR(r.Pc, Pc, Pc * 1e-5);
}

TEST(SlendernessCsa, KlrLimitFromTheAxialLoadLevel) {
  ProjectModel m = Member("csa", true, 240, 1);
  LoadCondition& load = Load(m);
  load.P = 240000, load.M = 100000, load.M1ns = 100000, load.M2ns = 200000;
  const double R = std::sqrt(240000 / (kFc * kAg));  // 0.5
  EXPECT_NEAR(Magnified(m).klrLimit, (25 - 10 * 0.5) / R, 1e-4);
  load.M1ns = -160000;  // k = -0.8 below -0.5
  EXPECT_NEAR(Magnified(m).klrLimit, 30 / R, 1e-4);
  load.M1ns = load.M2ns = 0;
  EXPECT_NEAR(Magnified(m).klrLimit, 30 / R, 1e-4);

  // A small load makes the limit large: slenderness may be ignored, even beyond kl/r 100.
  m.L = 720;  // kl/r = 124.7
  load.P = 1000;
  EXPECT_EQ(Magnified(m).outcome, SlenderOutcome::MayBeIgnored);

  // No compression: the limit has no value and is not reported.
  for (float P : {-50000.0f, 0.0f}) {
    load.P = P;
    const LoadResult r = Magnified(m);
    EXPECT_FALSE(m.slenderness.klrLimitKnown[1]);
    EXPECT_TRUE(std::isfinite(r.klrLimit));
    EXPECT_EQ(r.outcome, P < 0 ? SlenderOutcome::TensileLoad : SlenderOutcome::NoAxialLoad);
  }

  // Sway under CSA: Cm keeps 0.6 and the non-sway moments are not magnified.
  m.L = 240, m.Keff = 1.5f, m.Vri = 0;
  load.P = 300000, load.M1ns = 100000, load.M2ns = 200000, load.M1s = 150000, load.M2s = 300000;
  const LoadResult sway = Magnified(m);
  EXPECT_FLOAT_EQ(sway.Cm, 0.6f);
  EXPECT_EQ(sway.deltaNs, 1);
}

TEST(SlendernessBridgeCodes, S6AndOhbdc) {
  for (const char* key : {"s6", "ohbdc"}) {
    SCOPED_TRACE(key);
    ProjectModel m = Member(key, true, 240, 1);
    LoadCondition& load = Load(m);
    load.P = 300000, load.M = 100000, load.M1ns = -200000, load.M2ns = 200000;
    EXPECT_FLOAT_EQ(Magnified(m).klrLimit, 46);  // no cap at 40

    // Sway: Cm = 1, but as an ACI-type code the non-sway moments stay and the stability index applies.
    m.Vri = 0, m.Keff = 1.5f;
    load.M1ns = 100000, load.M1s = 150000, load.M2s = 300000, load.V = 20000, load.di = 0.4f;
    const LoadResult r = Magnified(m);
    EXPECT_FLOAT_EQ(r.Cm, 1);
    EXPECT_EQ(r.deltaNs, 1);
    EXPECT_NEAR(r.Q, 0.025, 1e-7);
    EXPECT_NEAR(r.Mc, 200000 + 300000 / 0.975, 1);
  }
}

TEST(SlendernessMessages, OrderAndBoundaries) {
  // A solid circle of radius 10 in has r = 5 in exactly, so kl/r is exact.
  ProjectModel m = Member("aci02", true, 140, 1);
  SetRecordCount(m, RecordKind::ConcreteRect, 0);
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {10, 10, 1};
  ComputeSectionProperties(m);
  LoadCondition& load = Load(m);
  load.P = 50000, load.M = 100000, load.M1ns = 100000, load.M2ns = 200000, load.M2s = 50000;
  ComputeSlenderness(m);
  ASSERT_EQ(m.slenderness.r, 5.0f);

  // kl/r equal to the limit (28) is magnified, 27 is ignored; kl/r of 100 is magnified, above it not.
  EXPECT_EQ(Magnified(m).outcome, SlenderOutcome::Magnified);
  m.L = 135;
  EXPECT_EQ(Magnified(m).outcome, SlenderOutcome::MayBeIgnored);
  m.L = 500;
  EXPECT_EQ(Magnified(m).outcome, SlenderOutcome::Magnified);
  m.L = 505;
  LoadResult r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::PDeltaRequired);
  EXPECT_EQ(r.Mc, 250000);  // the initial moment: M2ns + M2s above M
  EXPECT_FALSE(DesignMomentKnown(m.slenderness, 1));

  // The load tests come before the kl/r tests.
  load.P = 0;
  r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::NoAxialLoad);
  EXPECT_TRUE(DesignMomentKnown(m.slenderness, 1));
  load.P = -1000;
  m.L = 100;
  EXPECT_EQ(Magnified(m).outcome, SlenderOutcome::TensileLoad);

  // Buckling comes first and includes the load that equals the critical load.
  m.L = 400;
  load.P = 50000;
  const double critical = 0.75 * Magnified(m).Pc;
  load.P = static_cast<float>(critical);
  if (load.P < critical) load.P = std::nextafter(load.P, 2 * load.P);
  r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::Buckling);
  EXPECT_EQ(r.Mc, 250000);
  EXPECT_EQ(r.deltaNs, 1);
  load.P = std::nextafter(static_cast<float>(critical), 0.0f);
  if (load.P >= critical) load.P = std::nextafter(load.P, 0.0f);
  r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::Magnified);
  EXPECT_TRUE(std::isfinite(r.Mc) && r.Mc > 0);

  // A zero effective length factor gives no critical load and no number.
  m.Keff = 0;
  r = Magnified(m);
  EXPECT_EQ(r.outcome, SlenderOutcome::NoCriticalLoad);
  EXPECT_EQ(r.Pc, 0);
}

TEST(SlendernessReports, BucklingAndOptionFourShowNoMagnifiedMoment) {
  ProjectModel m = TwoLayerColumn("aci02");
  m.L = 600, m.Keff = 2, m.Vri = 0, m.Vrj = 1, m.SlendernessOption = 2;
  SetLoadCount(m, 2);
  Load(m, 1) = {};
  Load(m, 1).P = 200000, Load(m, 1).M = 600000;  // beyond the critical load of this very long column
  Load(m, 2).P = 20000, Load(m, 2).M = 600000;
  RunAnalyses(m);
  ASSERT_EQ(m.slenderness.outcome[1], SlenderOutcome::Buckling);
  ReportWriter analysis;
  WriteSectionAnalysisReport(m, analysis);
  const std::string text = analysis.Text();
  const size_t second = text.find("LOAD CONDITION NO 2");
  const std::string first = text.substr(0, second);
  EXPECT_NE(first.find("          *** Axial load exceeds critical buckling load\r\n"), std::string::npos);
  EXPECT_EQ(first.find("Magnified moment"), std::string::npos);

  // The slenderness section: the load header, Pc and the message, nothing between them.
  ReportWriter slender;
  WriteSlendernessReport(m, slender);
  EXPECT_NE(slender.Text().find("          LOAD CONDITION 1:\r\n\r\n               Pc         = "),
            std::string::npos);
  EXPECT_NE(slender.Text().find("\r\n               *** Axial load exceeds critical buckling load\r\n\r\n"
                                "          LOAD CONDITION 2:"),
            std::string::npos);

  // The exported table agrees: no design moment for the buckling load, and the magnified moment decides.
  const std::string csv = LoadCapacityCsv(m);
  EXPECT_NE(csv.find(",no design moment\n2,"), std::string::npos) << csv;

  // General P-delta: the initial moment is the design moment, and the report says why.
  m.SlendernessOption = 4;
  RunAnalyses(m);
  ReportWriter general;
  WriteSectionAnalysisReport(m, general);
  EXPECT_NE(general.Text().find("          *** General P-delta analysis is not performed by the program\r\n"
                                "          Design moment       = 50.0\r\n"),
            std::string::npos);
}

TEST(EffectiveLengthFactor, FromTheEndRestraints) {
  struct Row {
    int Vri, Vrj, Mri, Mrj;
    float Keff;  // 0: no tabulated factor, Keff stays
  };
  const Row table[] = {
      {1, 1, 0, 0, 1.0f}, {1, 1, 0, 1, 0.7f}, {1, 1, 1, 0, 0.7f}, {1, 1, 1, 1, 0.5f},
      {0, 1, 0, 1, 2.0f}, {0, 1, 1, 0, 2.0f}, {0, 1, 1, 1, 1.0f}, {0, 1, 0, 0, 0},
      {1, 0, 1, 1, 0},    {0, 0, 1, 1, 0},    {1, 0, 0, 0, 0},
  };
  for (const Row& row : table) {
    ProjectModel m;
    m.Keff = 1.3f;
    m.Vri = row.Vri, m.Vrj = row.Vrj, m.Mri = row.Mri, m.Mrj = row.Mrj;
    EXPECT_EQ(SetKeffFromRestraints(m), row.Keff != 0);
    EXPECT_FLOAT_EQ(m.Keff, row.Keff != 0 ? row.Keff : 1.3f) << row.Vri << row.Vrj << row.Mri << row.Mrj;
  }
}

}  // namespace
}  // namespace tarnix
