// Moment-curvature analysis: equilibrium of every shipped curve, a plastic steel rectangle in closed form,
// failures at the limit on the curve's own branch, the load limits, and the idealisation and member
// ductility of a hand-made curve.
#include "curvature/moment_curvature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "curvature/idealization.h"
#include "run/calculation_run.h"
#include "model/input_file.h"
#include "report/report_writer.h"
#include "report/section_writers.h"
#include "analysed_input.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// 12 x 20 in beam of linear concrete without tension, E = 4000 / 0.003 psi up to the crushing strain
// `ecu`; three 1 in^2 bars at d = 17.5 (or, with `plate`, a 3 x 1 in steel plate from 17 to 18 in, cut
// into 20 strips across its depth) and, with two layers, two more at d = 15; Bilinear bars and steel
// yielding at 60 ksi (0.00207) and hardening to 90 ksi at the fracture strain `esu`. 1000 slices make the
// concrete triangle exact to far below the tolerances.
ProjectModel Beam(int layers, float load, float esu, float ecu, bool plate = false) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  m.rcinc = 1000;
  SetRecordCount(m, RecordKind::ReinforcingLine, layers);
  m.lines[1] = {17.5f, 7, 0, 3, 1};
  if (layers == 2) m.lines[2] = {15, 7, 0, 2, 1};
  if (plate) {
    m.lines[1] = m.lines[layers];
    SetRecordCount(m, RecordKind::ReinforcingLine, layers - 1);
    SetRecordCount(m, RecordKind::SteelRect, 1);
    m.steelRects[1] = {17, 1, 3};
  }
  SetLoadCount(m, 1);
  m.loads[1].P = load;
  SetPerformMomentCurvature(m, 1);
  ChooseConcreteModel(m, 1);
  m.ecu = ecu, m.fcu = 4000 / 0.003f * ecu, m.esp = 0.01f;
  ChooseSteelModel(m, 1);
  m.rpBL[1] = {-esu, -90000};
  m.rpBL[2] = {-0.00207f, -60000};
  m.rpBL[3] = {0.00207f, 60000};
  m.rpBL[4] = {0.09f, 90000};
  m.spBL = m.rpBL;
  ComputeSectionProperties(m);
  return m;
}

// The curve ends where the first element reaches its limit, on the branch the curve is on: the lowest
// bars (or plate strip) at their fracture strain (no further: a fractured layer leaves another depth in
// equilibrium, with the upper layer alone in tension), or the top fibre at the crushing strain. The state
// is solved by hand: with the limit fixing the top strain e for each depth c, the bisection below finds
// the c at which
//   C + sum As fs = P,  C = Ec e b c / 2 (triangle),  fs from the bar strain (c - d) e / c,
// and the moment about the centroid at 10 in is M = C (10 - c / 3) + sum As fs (10 - d).
TEST(MomentCurvature, CurveEndsAtTheFirstLimitOnItsOwnBranch) {
  const struct {
    const char* name;
    int layers;
    float load, esu, ecu;
    McEvent failure;
    float firstStrain;
  } cases[] = {
      {"two layers, lower fractures", 2, 0, 0.006f, 0.009f, McEvent::LongReinfFail, 0.0005f},
      {"two layers under 100 kip", 2, 100000, 0.004f, 0.009f, McEvent::LongReinfFail, 0.0005f},
      {"one layer, fractures", 1, 0, 0.008f, 0.009f, McEvent::LongReinfFail, 0.0005f},
      {"one layer under 20 kip tension", 1, -20000, 0.005f, 0.009f, McEvent::LongReinfFail, 0.0005f},
      {"two layers, concrete crushes", 2, 0, 0.09f, 0.003f, McEvent::ConcCompFail, 0.0005f},
      // The first step (emin) lies past the fracture: the one point is the fracture.
      {"fractured before the first step", 1, 0, 0.008f, 0.009f, McEvent::LongReinfFail, 0.0075f},
      {"steel plate under 100 kip", 2, 100000, 0.004f, 0.009f, McEvent::StrSteelFail, 0.0005f},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    ProjectModel m = Beam(t.layers, t.load, t.esu, t.ecu, t.failure == McEvent::StrSteelFail);
    m.ebeg = t.firstStrain;
    const double Ec = 4000 / 0.003, b = 12, esu = t.esu;
    const bool fracture = t.failure != McEvent::ConcCompFail;
    const auto steel = [&](double strain) {  // tension branch of the bars' curve
      if (strain >= -0.00207) return strain / 0.00207 * 60000;
      return -60000 - 30000 * (-0.00207 - strain) / (esu - 0.00207);
    };
    // Depth and area of the bars, or of the plate's strips (0.15 in^2 at 17.025, 17.075, ... 17.975).
    std::vector<std::pair<double, double>> bars = {{15, t.layers == 2 ? 2 : 0}};
    const bool plate = t.failure == McEvent::StrSteelFail;
    for (int j = 0; j < (plate ? 20 : 1); ++j) {
      bars.push_back(plate ? std::make_pair(17.025 + 0.05 * j, 0.15) : std::make_pair(17.5, 3.0));
    }
    const double lowest = bars.back().first;
    const auto topStrain = [&](double c) { return fracture ? esu * c / (lowest - c) : t.ecu; };
    const auto forces = [&](double e, double c, double& M) {
      const double C = Ec * e * b * c / 2;
      double P = C;
      M = C * (10 - c / 3);
      for (const auto& [d, As] : bars) {
        P += As * steel((c - d) * e / c);
        M += As * steel((c - d) * e / c) * (10 - d);
      }
      return P;
    };
    double lo = 0.5, hi = 14.9, M = 0;  // force rises with c; bisection to 1e-9 in
    while (hi - lo > 1e-9) {
      const double middle = (lo + hi) / 2;
      (forces(topStrain(middle), middle, M) > t.load ? hi : lo) = middle;
    }
    const double c = lo, e = topStrain(c);
    forces(e, c, M);
    const double C = Ec * e * b * c / 2;  // the concrete force, the scale of the forces

    MomentCurvatureAnalysis(m);
    if (!m.momentCurvature.ran() || m.momentCurvature.curves[1].points.empty()) {
      ADD_FAILURE() << "no curve: " << m.momentCurvature.problem;
      continue;
    }
    const McCurve& curve = m.momentCurvature.curves[1];
    EXPECT_TRUE(curve.finished && curve.failRecorded);
    const McPoint& last = curve.points.back();
    EXPECT_TRUE(last.events.Has(t.failure));
    EXPECT_EQ(curve.failPoint.strain, last.strain);
    // Located to 1e-4 of the strain step on the top strain; the depth and moment follow.
    EXPECT_NEAR(last.strain, e, 1e-4 * m.einc);
    EXPECT_NEAR(last.depth, c, 1e-4 * c);
    EXPECT_NEAR(last.moment, M, 1e-4 * M);
    // The stored state itself, every element on its curve (the lowest bars not past their fracture
    // strain), balances the load.
    double stored = 0;
    if (fracture) {
      EXPECT_GE((static_cast<double>(last.depth) - lowest) * last.strain / last.depth, -esu - 1e-9);
    }
    EXPECT_NEAR(forces(last.strain, last.depth, stored), t.load, 1e-4 * C);
    // The idealisation and the member's ductility take their ultimate curvature from this point.
    if (curve.points.size() >= 2) {
      EXPECT_NEAR(IdealizeMomentCurvature(m, 1).phiU, e / c, 2e-4 * e / c);
    }
  }
}

// The tilt-up wall panel of the report examples (12 in strip, 8 in thick, one 0.31 in^2 bar at mid-depth)
// under 2 kip and under no load: its neutral axis rises close to the top and the curve runs on to the
// crushing of the Simple concrete at esp = 0.005 (fc0 6500 psi, ec0 0.002, falling by 0.2 fc0 to ecu =
// 0.005), with the bar on its parabolic hardening (60 ksi at 0.01035 to 90 ksi at 0.09). By hand, with
// e = 0.005 at the top and the axis at c:
//   concrete C = b c / e * (integral of the stress from 0 to e)
//              = 12 c / 0.005 * 6500 (0.002 * 2/3 + 0.003 * 0.9) = 62920 c,
//   first moment of C about the top = b c^2 / e^2 * (integral of stress * (e - strain)),
//   bar strain (c - 4) e / c, tension As fs = 0.31 (60000 + 30000 t^2), t = (-strain - 0.01035) / 0.07965,
// C - As fs = P solved by bisection; the bar lies at the centroid, so M = C (4 - depth of C).
TEST(MomentCurvature, SlenderWallRunsOnToCrushing) {
  ProjectModel m;
  ResetAll(m);
  ASSERT_TRUE(LoadInputFile(m, TARNIX_TESTS_DIR "/report/golden/slender_wall.in").ok());
  m.rcinc = 8000;  // 0.001 in slices: the hand integral to far below the tolerances
  ComputeSectionProperties(m);
  MomentCurvatureAnalysis(m);
  ASSERT_TRUE(m.momentCurvature.ran()) << m.momentCurvature.problem;
  ASSERT_EQ(m.ParkModel, StrainHardening::Parabolic);

  const double b = 12, e = 0.005, fc0 = 6500;
  // Integrals of the stress, and of the stress times the strain, over the parabola 0..0.002 and the
  // falling line 0.002..0.005 (6500 to 5200 psi).
  const double force = fc0 * (0.002 * 2 / 3 + 0.003 * 0.9);
  const double parabola = fc0 * 0.002 * 0.002 * 5 / 12;  // int fc0 (2 r - r^2) x dx, r = x / 0.002
  const double line = fc0 * ((0.005 * 0.005 - 0.002 * 0.002) / 2 -
                             0.2 / 0.003 * ((0.005 * 0.005 * 0.005 - 0.002 * 0.002 * 0.002) / 3 -
                                            0.002 * (0.005 * 0.005 - 0.002 * 0.002) / 2));
  const double strainMoment = parabola + line;
  for (int k : {1, 2}) {
    SCOPED_TRACE(k);
    const double P = m.loads[static_cast<size_t>(k)].P;
    const auto net = [&](double c) {
      const double t = (-(c - 4) * e / c - 0.01035) / 0.07965;
      return b * c / e * force - 0.31 * (60000 + 30000 * t * t) - P;
    };
    double lo = 0.1, hi = 1;  // net rises with c
    while (hi - lo > 1e-9) ((net((lo + hi) / 2) > 0) ? hi : lo) = (lo + hi) / 2;
    const double c = lo, C = b * c / e * force;
    const double depthOfC = b * c * c / (e * e) * (e * force - strainMoment) / C;
    const double M = C * (4 - depthOfC);

    const McCurve& curve = m.momentCurvature.curves[static_cast<size_t>(k)];
    ASSERT_FALSE(curve.points.empty());
    const McPoint& last = curve.points.back();
    EXPECT_EQ(curve.end, McCurveEnd::Failure);
    EXPECT_TRUE(last.events.Has(McEvent::ConcCompFail));
    EXPECT_FLOAT_EQ(last.strain, 0.005f);
    EXPECT_NEAR(last.depth, c, 1e-4 * c);
    EXPECT_NEAR(last.moment, M, 1e-4 * M);
  }
}

// A 12 x 20 in plain concrete column of Simple concrete (fc0 4000 psi at 0.002, falling by 800 psi to
// ecu = 0.004, crushing only at esp = 0.006) under loads near its 960 kip squash load. Past the peak the
// section can carry less and less: at some strain no depth balances the load, and the curve ends there,
// short of crushing, saying so, with no ultimate curvature or ductility. By hand, the largest force at
// top strain e is the best of b c / e (F(e) - F(bottom strain)) over the depths c, F being the integral of
// the stress: F(x) = fc0 (x^2 / 0.002 - x^3 / (3 0.002^2)) up to 0.002, then
// F(0.002) + fc0 ((x - 0.002) - 0.1 (x - 0.002)^2 / 0.002).
TEST(MomentCurvature, CurveThatNoDepthBalancesEndsWithTheReason) {
  const double b = 12, h = 20, fc0 = 4000;
  const auto F = [&](double x) {
    if (x <= 0.002) return fc0 * (x * x / 0.002 - x * x * x / (3 * 0.002 * 0.002));
    return fc0 * (0.002 - 0.002 / 3) + fc0 * ((x - 0.002) - 0.1 * (x - 0.002) * (x - 0.002) / 0.002);
  };
  const auto largest = [&](double e) {
    double best = 0;
    for (double c = 0.5; c < 1000 * h; c *= 1.0005) {
      best = std::max(best, b * c / e * (F(e) - F(std::max(0.0, e * (1 - h / c)))));
    }
    return best;
  };
  const double loads[] = {880000, 850000};
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  m.rcinc = 2000;
  SetLoadCount(m, 2);
  m.loads[1].P = static_cast<float>(loads[0]);
  m.loads[2].P = static_cast<float>(loads[1]);
  m.L = 120;
  SetPerformMomentCurvature(m, 1);
  ChooseConcreteModel(m, 2);
  m.fc0 = 4000, m.ec0 = 0.002f, m.ecu = 0.004f, m.esp = 0.006f;
  ComputeSectionProperties(m);
  MomentCurvatureAnalysis(m);
  ASSERT_TRUE(m.momentCurvature.ran()) << m.momentCurvature.problem << m.momentCurvature.rejection;
  for (int k : {1, 2}) {
    SCOPED_TRACE(loads[k - 1]);
    const McCurve& curve = m.momentCurvature.curves[static_cast<size_t>(k)];
    ASSERT_GE(curve.points.size(), 2u);
    const McPoint& last = curve.points.back();
    EXPECT_EQ(curve.end, McCurveEnd::NoEquilibrium);
    EXPECT_TRUE(curve.finished);
    EXPECT_FALSE(curve.failRecorded);
    EXPECT_FALSE(last.events.Has(McEvent::ConcCompFail));
    EXPECT_LT(last.strain, 0.006f);
    // The last point carries the load (within the equilibrium tolerance) and a fiftieth of a strain
    // step further nothing does.
    EXPECT_GE(largest(last.strain), loads[k - 1] - 1);
    EXPECT_LT(largest(last.strain + 1e-5), loads[k - 1]);
  }
  ReportWriter out;
  WriteMomentCurvatureReport(m, out);
  const std::string text = out.Text();
  const auto count = [&](const std::string& line) {
    int n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("     *** Curve ended: no neutral-axis depth balances the load at a larger strain\r\n"), 2);
  EXPECT_EQ(count("     Ultimate curvature        = not available (the curve ended without a failure)\r\n"), 2);
  EXPECT_EQ(count("         Local member ductility    = not available (the curve ended without a failure)\r\n"),
            2);
  EXPECT_EQ(count("Failure occurred"), 0);
}

// Every point of every curve of every shipped input file is in equilibrium with its load.
TEST(MomentCurvature, EveryPointOfEveryFileIsInEquilibrium) {
  std::vector<std::string> files;
  for (const char* folder :
       {TARNIX_EXAMPLES_DIR, TARNIX_EXAMPLES_DIR "/verification", TARNIX_TESTS_DIR "/report/golden"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".in") files.push_back(entry.path().string());
    }
  }
  ASSERT_GE(files.size(), 12u);
  int curves = 0;
  for (const std::string& file : files) {
    const ProjectModel m = AnalysedInput(file);
    if (!m.momentCurvature.ran()) continue;
    const double squash = m.sectionProperties.transArea * m.fpc;
    for (int k = 1; k <= m.ns; ++k) {
      const McCurve& curve = m.momentCurvature.curves[static_cast<size_t>(k)];
      ++curves;
      EXPECT_GE(curve.points.size(), 2u) << file << " load " << k;
      for (const McPoint& p : curve.points) {
        EXPECT_NEAR(p.axial, m.loads[static_cast<size_t>(k)].P, 1e-6 * squash)
            << file << " load " << k << " " << p.strain;
        EXPECT_TRUE(std::isfinite(p.moment) && p.depth > 0) << file;
      }
      if (curve.failRecorded) {
        EXPECT_EQ(curve.failPoint.strain, curve.points.back().strain) << file;
      }
    }
  }
  EXPECT_GE(curves, 10);
}

// A steel rectangle of elastic-perfectly-plastic steel in pure bending, against the closed form: the axis
// stays at mid-depth, M = fy b h^2/6 (e/ey) while elastic and fy b h^2/4 (1 - (ey/e)^2/3) after yield
// (extreme fibre strain e; Timoshenko, Strength of Materials II, plastic bending of a rectangular beam).
TEST(MomentCurvature, ElasticPerfectlyPlasticRectangleAgainstClosedForm) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.steelRects[1] = {0, 20, 10};
  m.bsinc = 400;
  SetLoadCount(m, 1);
  SetPerformMomentCurvature(m, 1);
  ChooseSteelModel(m, 1);
  const float fy = 36000, ey = fy / 29e6f;
  m.spBL[1] = {-0.02f, -fy};
  m.spBL[2] = {-ey, -fy};
  m.spBL[3] = {ey, fy};
  m.spBL[4] = {0.02f, fy};
  ComputeSectionProperties(m);
  MomentCurvatureAnalysis(m);
  ASSERT_TRUE(m.momentCurvature.ran()) << m.momentCurvature.problem;
  const McCurve& curve = m.momentCurvature.curves[1];
  ASSERT_GE(curve.points.size(), 30u);
  const double b = 10, h = 20;
  bool yieldSeen = false;
  for (const McPoint& p : curve.points) {
    EXPECT_NEAR(p.depth, 10, 1e-4) << p.strain;
    const double e = p.strain;
    const double closed =
        e <= ey ? fy * b * h * h / 6 * e / ey : fy * b * h * h / 4 * (1 - (ey / e) * (ey / e) / 3);
    EXPECT_NEAR(p.moment, closed, 1e-4 * closed) << e;
    if (!yieldSeen && p.events.Has(McEvent::StrSteelTensYield)) {
      yieldSeen = true;
      // The lowest strip's middle (0.025 above the bottom) reaches ey at this point.
      EXPECT_NEAR(e, ey * 10 / (10 - 0.025), 1e-4 * m.einc) << e;
    }
  }
  EXPECT_TRUE(yieldSeen);
  EXPECT_FLOAT_EQ(curve.points.back().strain, 0.02f);  // the last step ends exactly at the last strain
}

TEST(MomentCurvature, LoadsOutsideTheRangeAndAnglesOfNoNumberAreRejected) {
  ProjectModel m = Beam(1, 0, 0.05f, 0.003f);
  m.loads[1].P = 1.001f * m.sectionProperties.transArea * m.fpc;
  MomentCurvatureAnalysis(m);
  EXPECT_EQ(m.momentCurvature.rejection, "Load condition 1 is too high for MC analysis");
  m.loads[1].P = -(3 * m.fy);
  MomentCurvatureAnalysis(m);
  EXPECT_EQ(m.momentCurvature.rejection, "Load condition 1 is too low for MC analysis");

  ReportWriter out;
  WriteReport(m, std::tm{}, out);
  EXPECT_EQ(out.Text().find("     Load condition 1 is too low for MC analysis\r\n"), 0u);

  // An angle that is no number (a damaged file) is refused rather than turned into curves of NaN.
  m.loads[1].P = 0;
  m.mcAngle = std::nanf("");
  MomentCurvatureAnalysis(m);
  EXPECT_EQ(m.momentCurvature.problem,
            "The neutral axis angle of the moment-curvature analysis must be a number of degrees");
}

// A confined 16 wide x 24 deep rectangle with unequal bars, its curve across the axis at 90 degrees
// (compression on the right), against the same section turned so that its right face is at the top and
// analysed upright: (x, y) -> (y - 12, 8 - x), a 24 wide x 16 deep rectangle. The turned section's Mx is
// the moment about the vertical axis, My = sum F (y - 12) = -Mx of the original. The curves must match
// point for point, events included, and so must the idealisation on the moment along the angle.
TEST(MomentCurvature, SectionAcrossAnAxisAt90DegreesIsTheTurnedSectionUpright) {
  const auto section = [](bool turned) {
    ProjectModel m;
    ResetAll(m);
    SetRecordCount(m, RecordKind::ConcreteRect, 1);
    m.rects[1] = turned ? ConcreteRect{0, 16, 24, 1, 0} : ConcreteRect{0, 24, 16, 1, 0};
    const SingleBar bars[] = {{-5.5f, 2.5f, 1}, {5.5f, 2.5f, 1},  {-5.5f, 21.5f, 2},
                              {5.5f, 21.5f, 2}, {0, 21.5f, 1.5f}, {-5.5f, 12, 0.6f}};
    m.nsb = static_cast<int>(std::size(bars));
    m.singleBars.resize(1);
    for (const SingleBar& bar : bars)
      m.singleBars.push_back(turned ? SingleBar{bar.y - 12, 8 - bar.x, bar.area} : bar);
    SetLoadCount(m, 1);
    m.loads[1].P = 200000;
    SetPerformMomentCurvature(m, 1);
    ChooseConcreteModel(m, 3);
    m.fcc = 7000, m.ecu = 0.02f, m.confinementOption = 4, m.cover = 1.5f;
    m.mcAngle = turned ? 0.0f : 90.0f;
    m.L = 120;
    ComputeSectionProperties(m);
    MomentCurvatureAnalysis(m);
    return m;
  };
  const ProjectModel across = section(false), upright = section(true);
  ASSERT_TRUE(across.momentCurvature.ran()) << across.momentCurvature.problem;
  ASSERT_TRUE(upright.momentCurvature.ran());
  const McCurve &a = across.momentCurvature.curves[1], &u = upright.momentCurvature.curves[1];
  ASSERT_EQ(a.points.size(), u.points.size());
  ASSERT_GT(a.points.size(), 10u);
  double largest = 0;
  for (const McPoint& p : u.points) largest = std::max<double>(largest, std::hypot(p.moment, p.momentY));
  for (size_t j = 0; j < a.points.size(); ++j) {
    SCOPED_TRACE(j);
    const McPoint &p = a.points[j], &q = u.points[j];
    EXPECT_NEAR(p.strain, q.strain, 1e-4 * q.strain);
    EXPECT_NEAR(p.depth, q.depth, 1e-4 * q.depth);
    EXPECT_NEAR(p.moment, -q.momentY, 1e-4 * largest);
    EXPECT_NEAR(p.momentY, q.moment, 1e-4 * largest);
    EXPECT_TRUE(p.events == q.events);
  }
  EXPECT_EQ(a.end, u.end);
  const McIdealization ia = IdealizeMomentCurvature(across, 1), iu = IdealizeMomentCurvature(upright, 1);
  EXPECT_NEAR(ia.phiY, iu.phiY, 1e-4 * iu.phiY);
  EXPECT_NEAR(ia.Mp, iu.Mp, 1e-4 * iu.Mp);
  EXPECT_NEAR(ia.phiYi, iu.phiYi, 1e-4 * iu.phiYi);
  EXPECT_NEAR(ia.firstYieldStrain, iu.firstYieldStrain, 1e-4 * std::abs(iu.firstYieldStrain));

  // The report of a section in two dimensions names the angle and shows both moments.
  ReportWriter out;
  WriteMomentCurvatureReport(across, out);
  const std::string text = out.Text();
  for (const char* line :
       {"     Neutral axis angle = 90.0 degrees\r\n",
        "     Strain        c              Axial          Curvature      Mx             My\r\n",
        "          My                   = 398.7\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

// The heavy circular section (confined circle, 24 bars at 15 degrees, a pipe cut into 120 fibres at 3
// degrees) is the same section turned by any multiple of 15 degrees: across the axis at such an angle its
// curve is the upright curve, the moment along the angle being the upright moment and the moment across
// it nothing.
TEST(MomentCurvature, CircularSectionGivesOneCurveAtEveryAngle) {
  const auto analysed = [](float angle) {
    ProjectModel m = HeavySection();
    m.psinc = 120;
    SetLoadCount(m, 1);
    m.loads[1].P = 2e6f;
    m.mcAngle = angle;
    MomentCurvatureAnalysis(m);
    return m;
  };
  const ProjectModel upright = analysed(0);
  ASSERT_TRUE(upright.momentCurvature.ran());
  const McCurve& u = upright.momentCurvature.curves[1];
  ASSERT_GT(u.points.size(), 10u);
  double largest = 0;
  for (const McPoint& p : u.points) largest = std::max<double>(largest, std::abs(p.moment));
  for (float angle : {45.0f, 180.0f, 255.0f}) {
    SCOPED_TRACE(angle);
    const ProjectModel m = analysed(angle);
    ASSERT_TRUE(m.momentCurvature.ran());
    const McCurve& a = m.momentCurvature.curves[1];
    ASSERT_EQ(a.points.size(), u.points.size());
    const double t = angle * std::acos(-1.0) / 180;
    for (size_t j = 0; j < a.points.size(); ++j) {
      SCOPED_TRACE(j);
      const McPoint &p = a.points[j], &q = u.points[j];
      EXPECT_NEAR(p.strain, q.strain, 1e-4 * q.strain);
      EXPECT_NEAR(p.depth, q.depth, 1e-3 * q.depth);
      EXPECT_NEAR(MomentAlong(m.momentCurvature, p), q.moment, 1e-3 * largest);
      EXPECT_NEAR(-p.moment * std::sin(t) + p.momentY * std::cos(t), 0, 1e-3 * largest);
      EXPECT_TRUE(p.events == q.events);
    }
  }
}

TEST(Idealization, HandMadeCurveAndDuctility) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  SetLoadCount(m, 1);
  m.Eci = 4e6f;
  m.L = 100;
  McCurve curve;
  McEvents yield, later;
  yield.Raise(McEvent::ReinfTensYield);
  later.Raise(McEvent::ReinfTensYield);
  later.Raise(McEvent::ConcSpalling);
  curve.points = {{0.0005f, 1, 0, 60, {}},
                  {0.001f, 1, 0, 100, yield},
                  {0.002f, 1, 0, 150, later},
                  {0.003f, 1, 0, 150, later}};
  m.momentCurvature.curves = {McCurve{}, curve};
  const McIdealization r = IdealizeMomentCurvature(m, 1);
  EXPECT_STREQ(r.labels[1], "Reinf tens yield");
  EXPECT_STREQ(r.labels[2], "Conc spalling");  // a yield is labelled once, a later first event in its place
  EXPECT_STREQ(r.labels[3], "");
  EXPECT_FLOAT_EQ(r.phiY, 0.001f);
  EXPECT_FLOAT_EQ(r.My, 100);
  EXPECT_NEAR(r.phiYi, 137.5 * 0.001 / 100, 1e-8);

  // No bars: the hinge is 0.08 L. Ends fixed against rotation deflect phi L^2 / 6 while elastic, then the
  // hinge's rotation (phiU - phiYi) Lp acts over L - Lp = 92 in; ends free to rotate are the beam curvature
  // worked example's.
  m.Mri = m.Mrj = 1;
  const MemberDuctilityResult fixed = MemberDuctility(m, r.phiYi, r.phiU);
  EXPECT_NEAR(fixed.Lp, 8, 1e-5);
  EXPECT_NEAR(fixed.deltaY, 0.001375 * 1e4 / 6, 1e-5);
  EXPECT_NEAR(fixed.deltaU, fixed.deltaY + (0.003 - 0.001375) * 8 * 92, 1e-4);

  // A single bar of 1 in^2 (db = sqrt(4 / 3.1416) = 1.12837 in) yielding at 60 ksi: the hinge is at least
  // 0.0003 fye db = 20.311 in, more than 0.08 L + 0.00015 fye db = 18.155 in.
  m.nsb = 1;
  m.singleBars = {{}, {0, 1, 1}};
  ChooseSteelModel(m, 1);
  m.rpBL[3].stress = 60000;
  EXPECT_NEAR(MemberDuctility(m, r.phiYi, r.phiU).Lp, 20.311, 1e-3);
}

}  // namespace
}  // namespace tarnix
