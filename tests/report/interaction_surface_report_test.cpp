// The interaction surface section of the report and surface.csv, from a surface filled by hand.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "hand_surface.h"
#include "report/csv_export.h"
#include "report/section_writers.h"

namespace tarnix {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The lines of the report from the line `first` up to the next empty line after `length` lines at most.
std::vector<std::string> Block(const std::string& text, const std::string& first, size_t length) {
  const std::vector<std::string> lines = Lines(text);
  for (size_t k = 0; k < lines.size(); ++k) {
    if (lines[k] == first) {
      return std::vector<std::string>(lines.begin() + static_cast<long>(k),
                                      lines.begin() + static_cast<long>(std::min(lines.size(), k + length)));
    }
  }
  return {};
}

// Meridian at 90 degrees: the pure bending point's 50 k-ft points along +My. phi is 0.9 at a net tensile
// strain of 0.006 (beyond 0.005) and in tension, 0.65 without tension: phi Pn at the maximum tension point
// 0.9 x -100 = -90.0, phi Mny at pure bending 0.9 x 50 = 45.0, phi Pn at maximum compression
// 0.65 x 200 = 130.0.
TEST(InteractionSurfaceReport, MeridianTableInTheDiagramsUnitsWithDesignValues) {
  const ProjectModel m = HandSurfaceColumn();
  ReportWriter out;
  WriteInteractionSurfaceReport(m, out);
  const std::vector<std::string> expected = {
      "     NEUTRAL-AXIS ANGLE 90.0 DEGREES:",
      "",
      //        6     12        22         33         44         55     62         73         84         95
      "     Point c         Pn         Mnx        Mny        phi    phi Pn     phi Mnx    phi Mny    et",
      "     1               -100.0     0.0        0.0        0.900  -90.0      0.0        0.0        -0.01000"
      "   Maximum tension",
      "     2     5.00      0.0        0.0        50.0       0.900  0.0        0.0        45.0       -0.00600"
      "   Pure bending",
      "     3               200.0      0.0        0.0        0.650  130.0      0.0        0.0        0.00000"
      "    Maximum compression",
  };
  EXPECT_EQ(Block(out.Text(), expected[0], expected.size()), expected);
}

TEST(InteractionSurfaceReport, BiaxialCapacityOfEachLoadWithTheVerdict) {
  const std::vector<std::string> head = {
      "     BIAXIAL CAPACITY OF LOAD CONDITION NO 1", "", "          Axial load          = 100.0",
      "          Design moment Mx    = 30.0", "          Design moment My    = 40.0"};
  const std::vector<std::string> capacity = {
      "          Neutral-axis angle  = 53.13 degrees",
      "          Neutral-axis depth  = 9.50",
      "          Reduction factor    = 0.650",
      "          phi Pn              = 100.0",
      "          phi Mnx             = 6.0",
      "          phi Mny             = 8.0",
      "          Net tensile strain  = -0.00012",
      "          Moment ratio        = 5.000  (|Mu| / |phi Mn| at the same axial load)",
      "          Ray ratio           = 1.800  (along the ray from the origin)"};
  const struct {
    const char* name;
    bool computed, found, exceeded;
    std::vector<std::string> tail;
  } cases[] = {
      {"exceeded", true, true, true, {"          *** Moment capacity is exceeded"}},
      {"beyond the axial range", true, false, false,  //
       {"          *** No capacity: the axial load lies beyond the section's factored axial range"}},
      {"not computed", false, false, false, {"          *** Biaxial capacity not computed"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectModel m = HandSurfaceColumn();
    m.interactionDiagram.capacity.resize(2);
    LoadCapacity& cap = m.interactionDiagram.capacity[1];
    cap.checked = true, cap.checkedAxial = 100000, cap.checkedMoment = 360000, cap.checkedMomentY = 480000;
    cap.momentExceeded = c.exceeded;
    BiaxialCapacity b{c.computed, c.found, 53.13f, 9.5f, 0.65f, 100000, 72000, 96000, -0.00012f, 5, 1.8f};
    m.interactionDiagram.biaxial = {BiaxialCapacity{}, b};
    ReportWriter out;
    WriteInteractionSurfaceReport(m, out);
    std::vector<std::string> expected = head;
    if (c.found) expected.insert(expected.end(), capacity.begin(), capacity.end());
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(Block(out.Text(), head[0], expected.size()), expected);
  }
}

// surface.csv in displayed units, every point of every meridian; the design point is phi times the nominal
// one (pure bending at 180 degrees: 0.9 x -50 = -45; maximum compression 0.65 x 200 = 130, where 0.65 in
// single precision is 0.64999998 and the product 129.99998).
TEST(InteractionSurfaceCsv, EveryPointOfEveryMeridian) {
  const std::vector<std::string> lines = Lines(InteractionSurfaceCsv(HandSurfaceColumn()));
  ASSERT_EQ(lines.size(), 1u + 4 * 3);
  EXPECT_EQ(lines[0], "angle,point,c,P,Mx,My,phi,phiP,phiMx,phiMy,net_tensile_strain");
  EXPECT_EQ(lines[1 + 2 * 3 + 1], "180,2,5,0,-50,0,0.9,0,-45,0,-0.006");
  EXPECT_EQ(lines[1 + 3 * 3 + 2], "270,3,25,200,0,0,0.65,129.99998,0,0,0");
}

// A two-dimensional model's loads.csv: the biaxial capacity in the capacity columns and the second axis
// after the others.
TEST(InteractionSurfaceCsv, LoadsGainTheSecondAxis) {
  ProjectModel m = HandSurfaceColumn();
  m.interactionDiagram.capacity.resize(2);
  LoadCapacity& cap = m.interactionDiagram.capacity[1];
  cap.checked = cap.designKnown = true, cap.checkedMoment = 360000, cap.checkedMomentY = 480000;
  cap.momentExceeded = true;
  m.interactionDiagram.biaxial = {BiaxialCapacity{}, BiaxialCapacity{true, true, 53.13f, 9.5f, 0.65f, 100000,
                                                                     72000, 96000, -0.00012f, 5, 1.8f}};
  std::vector<std::string> lines = Lines(LoadCapacityCsv(m));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "load,P,M,phi,phiPn,phiMn,point,exceeded,Mu,second_order_ratio,"
            "My,phiMny,angle,c,Muy,moment_ratio,ray_ratio");
  EXPECT_EQ(lines[1], "1,100,30,0.65,100,6,,yes,30,,40,8,53.13,9.5,40,5,1.8");

  m.interactionDiagram.biaxial[1].found = false;
  lines = Lines(LoadCapacityCsv(m));
  EXPECT_EQ(lines[1], "1,100,30,,,,,no solution,30,,40,,,,40,,");
}

// A section in two dimensions is judged on its surface, which holds moments of every direction: a negative
// Mx needs no inverted section, and each load shows its moment about the vertical axis and biaxial ratio.
TEST(SectionAnalysisReport, TwoDimensionalLoadsPointToTheirBiaxialCapacity) {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.loads[1].P = 100000, m.loads[1].M = -360000, m.loads[1].My = 480000;
  RunAnalyses(m);
  ReportWriter out;
  WriteSectionAnalysisReport(m, out);
  const std::string text = out.Text();
  EXPECT_EQ(text.find("Negative moment"), std::string::npos);
  EXPECT_NE(text.find("          Moment demand Mx    = -30.0\r\n"
                      "          Design moment My    = 40.0\r\n"
                      "          Moment ratio        = "),
            std::string::npos);

  m.loads[1].My = 0;  // one axis: a negative moment is judged on the inverted section
  RunAnalyses(m);
  ReportWriter upright;
  WriteSectionAnalysisReport(m, upright);
  EXPECT_NE(upright.Text().find("*** Negative moment"), std::string::npos);
  EXPECT_EQ(upright.Text().find("Moment ratio"), std::string::npos);
}

}  // namespace
}  // namespace tarnix
