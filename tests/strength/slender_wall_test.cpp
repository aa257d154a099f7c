// Slender wall design against a hand calculation of a tilt-up panel, its limits, and its refusals.
#include "strength/slender_wall.h"

#include <gtest/gtest.h>

#include <cmath>

#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "report/section_writers.h"
#include "strength/slenderness.h"
#include "test_sections.h"

namespace tarnix {
namespace {

ProjectModel Panel(std::initializer_list<std::pair<float, float>> loads) {
  ProjectModel m = SlenderPanel(loads);
  RunAnalyses(m);
  return m;
}

TEST(SlenderWall, TiltUpPanelByHand) {
  const ProjectModel m = Panel({{2000, 24000}, {0, 18000}});
  const SlendernessResults& s = m.slenderness;
  ASSERT_EQ(s.wallProblem, "");
  EXPECT_NEAR(s.rho, 0.31 / (12 * 4), 1e-7);
  EXPECT_NEAR(s.rhomax, 0.6 * (0.85 * 0.85 * 4000 / 60000.0) * 0.003 / (60000 / 29e6 + 0.003), 1e-7);
  const double fr = 7.5 * std::sqrt(4000.0);  // 474.3 psi
  EXPECT_NEAR(s.Mcr, 2 * fr * (12 * 8 * 8 * 8 / 12.0) / 8, 0.1);

  // Load 1: Ase = (fy As + P) / fy; a = Ase fy / (0.85 f'c b); c = a / 0.85.
  const double Ase = (60000 * 0.31 + 2000) / 60000.0;
  const double a = Ase * 60000 / (0.85 * 4000 * 12), c = a / 0.85;
  const double phi = m.interactionDiagram.capacity[1].capPhi;
  EXPECT_NEAR(s.phiMnAse[1], phi * Ase * 60000 * (4 - a / 2), 1);
  const double Icr = 29e6 / 3604997 * Ase * (4 - c) * (4 - c) + 12 * c * c * c / 3;
  const double K = 5.0 * 240 * 240 / (m.phiC * 48 * 3604997 * Icr);
  const double Mu = 24000 / (1 - K * 2000);
  EXPECT_NEAR(s.Mc[1], 24000 + 2000 * K * Mu, 1);
  EXPECT_GT(s.Mc[1], 24000);

  // No axial load: Ase is the bar area and the moment is not magnified.
  EXPECT_NEAR(
      s.phiMnAse[2],
      m.interactionDiagram.capacity[2].capPhi * 0.31 * 60000 * (4 - 0.31 * 60000 / (0.85 * 4000 * 12) / 2),
      1);
  EXPECT_EQ(s.Mc[2], 18000);
}

// Load 2: Ase = (18600 + 2000) / 60000 = 0.3433 in^2, a = 20600 / (0.85 x 4000 x 12) = 0.505 in,
// phi Mn = 0.9 x 20600 x (4 - 0.2525) = 69480 lb-in; c = 0.594 in, Icr = 8.044 x 0.3433 x 3.406^2 +
// 12 x 0.594^3 / 3 = 32.88 in^4, K P = 5 x 240^2 x 2000 / (0.65 x 48 x 3604997 x 32.88) = 0.156, so
// Mc = 66000 / (1 - 0.156) = 78200 lb-in: 12 % above the capacity.
TEST(SlenderWall, MagnifiedMomentAboveTheCapacity) {
  const ProjectModel m = Panel({{2000, 24000}, {2000, 66000}});
  const SlendernessResults& s = m.slenderness;
  EXPECT_NEAR(s.phiMnAse[2], 69480, 70);
  EXPECT_NEAR(s.Mc[2], 78200, 150);
  ReportWriter out;
  WriteSlenderWallReport(m, out);
  const std::string text = out.Text();
  const size_t second = text.find("LOAD CONDITION 2:");
  EXPECT_EQ(text.substr(0, second).find("***"), std::string::npos);
  EXPECT_NE(text.find("               Magnified moment = 6.5\r\n"
                      "               *** Magnified moment exceeds the moment capacity of the wall\r\n",
                      second),
            std::string::npos)
      << text.substr(second);
}

TEST(SlenderWall, LimitsAndRefusals) {
  // The panel's buckling load (1 - K P <= 0) gives no magnified moment.
  ProjectModel m = Panel({{20000, 12000}});
  EXPECT_EQ(m.slenderness.outcome[1], SlenderOutcome::Buckling);
  ReportWriter out;
  WriteSlenderWallReport(m, out);
  EXPECT_NE(out.Text().find(
                " From Ase formula\r\n               *** Axial load exceeds critical buckling load\r\n"),
            std::string::npos);
  EXPECT_EQ(out.Text().find("Magnified moment"), std::string::npos);

  // Tension beyond the yield force of the bars leaves no effective steel.
  m = Panel({{-20000, 12000}});
  EXPECT_EQ(m.slenderness.outcome[1], SlenderOutcome::TensionExceeded);

  // Above the maximum ratio nothing per load is computed; the report stops with the message.
  m = Panel({{2000, 24000}});
  m.lines[1].Abl = 2;
  RunAnalyses(m);
  EXPECT_GT(m.slenderness.rho, m.slenderness.rhomax);
  ReportWriter over;
  WriteSlenderWallReport(m, over);
  EXPECT_NE(over.Text().find("               *** The maximum reinforcing ratio is exceeded\r\n"),
            std::string::npos);
  EXPECT_EQ(over.Text().find("LOAD CONDITION"), std::string::npos);

  // Metric modulus of rupture: 0.7 sqrt(25) = 3.5 MPa.
  m = Panel({{2000, 24000}});
  m.units = "metric";
  m.fpc = 25;
  ComputeSlenderWall(m);
  EXPECT_NEAR(m.slenderness.Mcr, 2 * 3.5 * 512 / 8, 1e-3);

  // A wall needs its rectangle and its reinforcing line.
  SetRecordCount(m, RecordKind::ReinforcingLine, 0);
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {4, 2, 0, 360, 4, 0.2f};
  RunAnalyses(m);
  ReportWriter refused;
  WriteSlenderWallReport(m, refused);
  EXPECT_NE(
      refused.Text().find(
          "               *** Slender wall design needs a concrete rectangle and a reinforcing line\r\n"),
      std::string::npos);
  EXPECT_EQ(refused.Text().find("rho"), std::string::npos);
}

}  // namespace
}  // namespace tarnix
