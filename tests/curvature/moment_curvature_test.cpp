// Moment-curvature analysis: equilibrium of every shipped curve, a plastic steel rectangle in closed form,
// the failure drop, the load limits, and the idealisation and member ductility of a hand-made curve.
#include "curvature/moment_curvature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "curvature/idealization.h"
#include "run/calculation_run.h"
#include "model/input_file.h"
#include "report/report_writer.h"
#include "analysed_input.h"

namespace tarnix {
namespace {

// 12 x 20 in rectangle, linear concrete E = 4e6 psi without tension, three 1 in^2 bars at d = 17.5 with
// elastic Bilinear steel (E = 29e6 psi) that fractures at a strain of `fracture`.
ProjectModel SinglyReinforced(float fracture) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {17.5f, 7, 0, 3, 1};
  SetLoadCount(m, 1);
  SetPerformMomentCurvature(m, 1);
  ChooseConcreteModel(m, 1);
  m.ecu = 0.05f, m.fcu = 0.05f * 4e6f, m.esp = 0.002f;
  ChooseSteelModel(m, 1);
  m.rpBL[1] = {-fracture, -29e6f * fracture};
  m.rpBL[2] = {-fracture / 2, -29e6f * fracture / 2};
  m.rpBL[3] = {fracture / 2, 29e6f * fracture / 2};
  m.rpBL[4] = {fracture, 29e6f * fracture};
  m.cinc = 0.01f;
  ComputeSectionProperties(m);
  return m;
}

TEST(MomentCurvature, FractureOfTheOnlyLayerEndsTheCurveWithItsEvent) {
  // After its one layer of bars fractures a beam has nothing to balance the concrete: the curve ends at the
  // last state in equilibrium, the bars at their fracture strain 0.004, marked and noted as the failure.
  ProjectModel m = SinglyReinforced(0.004f);
  m.esp = 0.01f;
  m.cinc = 0.05f;
  MomentCurvatureAnalysis(m);
  const McCurve& curve = m.momentCurvature.curves[1];
  ASSERT_TRUE(curve.finished);
  ASSERT_GE(curve.points.size(), 2u);
  const McPoint& last = curve.points.back();
  EXPECT_TRUE(last.events.Has(McEvent::LongReinfFail));
  EXPECT_TRUE(curve.failRecorded);
  EXPECT_EQ(curve.failPoint.strain, last.strain);
  const double barStrain = (last.depth - 17.5) * last.strain / last.depth;
  EXPECT_NEAR(barStrain, -0.004, 1e-4 * m.einc * (17.5 - last.depth) / last.depth + 1e-7);
  EXPECT_GT(last.moment, curve.points[curve.points.size() - 2].moment);  // the moment just before fracture
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
      if (curve.finished) {
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

TEST(MomentCurvature, LoadsOutsideTheRangeAreRejected) {
  ProjectModel m = SinglyReinforced(0.05f);
  m.loads[1].P = 1.001f * m.sectionProperties.transArea * m.fpc;
  MomentCurvatureAnalysis(m);
  EXPECT_EQ(m.momentCurvature.rejection, "Load condition 1 is too high for MC analysis");
  m.loads[1].P = -(3 * m.fy);
  MomentCurvatureAnalysis(m);
  EXPECT_EQ(m.momentCurvature.rejection, "Load condition 1 is too low for MC analysis");

  ReportWriter out;
  WriteReport(m, std::tm{}, out);
  EXPECT_EQ(out.Text().find("     Load condition 1 is too low for MC analysis\r\n"), 0u);
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

  // No bars: the hinge is 0.08 L; a cantilever-like member (ends free to rotate) deflects phi L^2 / 3.
  const MemberDuctilityResult free = MemberDuctility(m, r.phiYi, r.phiU);
  EXPECT_NEAR(free.Lp, 8, 1e-5);
  const double theta = (0.003 - 0.001375) * 8;
  EXPECT_NEAR(free.deltaY, 0.001375 * 1e4 / 3, 1e-4);
  EXPECT_NEAR(free.deltaU, 0.001375 * 1e4 / 3 + theta * 96, 1e-4);
  m.Mri = m.Mrj = 1;
  const MemberDuctilityResult fixed = MemberDuctility(m, r.phiYi, r.phiU);
  EXPECT_NEAR(fixed.deltaY, free.deltaY / 2, 1e-5);
  EXPECT_NEAR(fixed.deltaU, fixed.deltaY + theta * 92, 1e-4);
}

}  // namespace
}  // namespace tarnix
