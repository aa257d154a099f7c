// Strength reduction factors, the capacity of each load solved at the load itself against hand strain
// compatibility, and the verdicts of the report and the exported table.
#include "strength/section_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>

#include "base/number_format.h"
#include "editor/results_table.h"
#include "plot/chart_data.h"
#include "report/csv_export.h"
#include "report/report_writer.h"
#include "report/section_writers.h"
#include "run/calculation_run.h"
#include "strength/hand_strength.h"
#include "strength/interaction_diagram.h"
#include "strength/slenderness.h"
#include "analysed_input.h"

namespace tarnix {
namespace {

// The column of the ACI 318-19 provision sheet, or for other criteria the 12 x 20 in two-layer column.
ProjectModel Column(const std::string& criteria, bool english, bool spiral, float fy) {
  ProjectModel m = criteria == "aci19" ? Aci19Column(english) : TwoLayerColumn(criteria.c_str());
  if (criteria == "aci19") m.inc = english ? 0.05f : 1;
  m.fy = fy;
  if (spiral) {  // spiral confinement of Mander concrete, the only place the input file keeps it
    m.PerformMomentCurvature = 1;
    m.concreteModel = ConcreteModel::Mander;
    m.confinementOption = Confinement::Spirals;
  }
  ComputeSectionProperties(m);
  return m;
}

// phi against the net tensile strain et (positive) or the axial load, per criteria:
// - aci02, ACI 318-02 9.3.2: 0.65 up to ey = fy / Es, 0.90 from 0.005, linear between;
// - aci19, provision sheet 4.1 A1 (Table 21.2.2): phiC up to ety, 0.90 from ety + 0.003, linear between;
//   "ety = 0.002" with fy = 58000 psi;
// - aci (ACI 318-99 9.3.2.2): 0.9 - 0.2 P / (0.1 f'c Ag), from 0.9 down to 0.7; 0.1 f'c Ag = 96000 lb.
TEST(LoadPhi, ByStrainOrAxialLoadPerCriteria) {
  const struct {
    const char* criteria;
    bool english, spiral;
    float fy, P, strain;
    double phi;
  } rows[] = {
      {"aci02", true, false, 60000, 1000, 0.001f, 0.65},  {"aci02", true, false, 60000, 1000, 60000 / 29e6f, 0.65},
      {"aci02", true, false, 60000, 1000, 0.005f, 0.9},   {"aci02", true, false, 60000, 1000, 0.02f, 0.9},
      {"aci02", true, false, 60000, 1000, 0.0035f, 0.772059},  // 0.65 + 0.25 (0.0035 - ey) / (0.005 - ey)
      {"aci02", true, false, 60000, -1000, 0.001f, 0.9},  // tension
      // The transition zone of aci19 is checked through the capacity at a load below; here its ends.
      {"aci19", true, false, 58000, 1000, 0.0035f, 0.7750}, {"aci19", true, false, 58000, 1000, 0.0050f, 0.9},
      {"aci19", true, true, 60000, 1000, 0.0010f, 0.7500},  {"aci19", true, true, 60000, 1000, 0.0050690f, 0.9},
      {"aci", true, false, 60000, 96000, 0, 0.7},           {"aci", true, false, 60000, 192000, 0, 0.7},
      {"aci", true, false, 60000, 48000, 0, 0.8},           {"aci", true, false, 60000, 0, 0, 0.9},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.criteria << (row.spiral ? " spiral " : " tied ") << row.fy << " P "
                                    << row.P << " et " << row.strain);
    const ProjectModel m = Column(row.criteria, row.english, row.spiral, row.fy);
    EXPECT_NEAR(LoadPhi(m, InteractionDiagram{}, row.P, -row.strain), row.phi, 5e-5);
  }
  // A balanced point with phiC Pb below 0.1 f'c Ag lowers the limit of the axial-load rule.
  ProjectModel m = Column("aci", true, false, 60000);
  InteractionDiagram d;
  d.idBalanced = 3;
  d.idAxial = {0, 0, 0, 50000};
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 0.7f * 50000 / 2, 0), 0.8f);
  // Any steel shape keeps phiC for compression whatever the strain.
  m = Column("aci02", true, false, 60000);
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  EXPECT_FLOAT_EQ(LoadPhi(m, InteractionDiagram{}, 1000, -0.02f), 0.65f);
}

// The capacity of a load is solved at the load: phi and phi Mn at the neutral-axis depth where phi Pn
// equals it, against the hand strain compatibility, with phi by the rules above. The compression cap is
// 0.80 Po tied, 0.85 Po spiral, with fy at most 80 ksi (550 MPa) in Po (ACI 318-19 22.4.2.1).
TEST(CapacityAtLoad, SolvedAtTheLoadAgainstStrainCompatibility) {
  const struct {
    const char* criteria;
    bool english, spiral;
    float fy, load;
  } rows[] = {
      {"aci", true, false, 60000, -200000}, {"aci", true, false, 60000, -20000}, {"aci", true, false, 60000, 50000},
      {"aci", true, false, 60000, 100000},  {"aci", true, false, 60000, 600000}, {"aci02", true, false, 60000, 150000},
      {"aci02", true, false, 60000, -100000}, {"aci19", true, false, 60000, 300000},  // transition zone
      {"aci19", true, true, 60000, 300000},  {"aci19", true, false, 90000, 600000},  // fy above the cap in Po
      {"aci19", false, false, 420, 1.5e6f},  {"aci19", false, true, 420, 1.5e6f}, {"aci19", false, true, 600, 2.0e6f},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.criteria << (row.spiral ? " spiral " : " tied ") << row.fy << " "
                                    << row.load);
    ProjectModel m = Column(row.criteria, row.english, row.spiral, row.fy);
    SetLoadCount(m, 1);
    m.loads[1].P = row.load, m.loads[1].M = 1;
    ComputeInteractionDiagram(m);
    const HandRectangle hand = HandSectionOf(m);
    const std::string key = row.criteria;
    const auto phiOf = [&](const HandPoint& p) {
      if (row.load < 0) return 0.9;
      if (key == "aci") return std::max(0.7, 0.9 - 0.2 * row.load / 96000);
      const double ey = hand.fy / hand.Es, et = p.tensileStrain;
      if (key == "aci02") return std::clamp(0.65 + 0.25 * (et - ey) / (0.005 - ey), 0.65, 0.9);
      const double phiC = row.spiral ? 0.75 : 0.65;
      return std::clamp(phiC + (0.9 - phiC) * (et - ey) / 0.003, phiC, 0.9);
    };
    const HandCapacity expected = HandCapacityAt(hand, row.load, phiOf);
    const bool revised = key == "aci19";
    const InteractionDiagram& d = m.interactionDiagram;
    const LoadCapacity& cap = d.capacity[1];
    ASSERT_EQ(cap.capFound, 0);
    EXPECT_EQ(cap.capAxial, row.load);
    EXPECT_NEAR(cap.capPhi, expected.phi, revised ? 2e-4 : 1e-5);
    EXPECT_NEAR(cap.capMoment, expected.phiMn, (revised ? 1e-3 : 2e-5) * std::abs(expected.phiMn) + 1);
    // The load's point is the first of the walk at or past the solved depth.
    EXPECT_GE(d.idDepth[static_cast<size_t>(cap.capPoint)], expected.c - 1e-4);
    EXPECT_LT(d.idDepth[static_cast<size_t>(cap.capPoint - 1)], expected.c);

    double Ast = 0;
    for (const HandLayer& layer : hand.layers) Ast += layer.area;
    const double fyPo = std::min<double>(m.fy, row.english ? 80000 : 550);
    const double Po = 0.85 * m.fpc * (hand.b * hand.h - Ast) + fyPo * Ast;
    EXPECT_NEAR(d.PnMax / ((row.spiral ? 0.85 : 0.80) * Po), 1.0, 1e-5);
  }
}

// A 12 x 20 in column of 10 ksi concrete (beta1 0.65) with six #8 bars (0.79 in^2) 2.5 in from each face:
// Po = 0.85 (10000) (240 - 9.48) + 60000 (9.48) = 2528220 lb, phi Pn,max = 0.65 (0.80) Po = 1314674 lb. At
// c = h = 20 the block is 13 deep and Pn = 1326000 + 4.74 (60000 - 8500) + 4.74 (29e6) (0.003) (2.5 / 20) =
// 1621657 lb, phi Pn = 1054077 lb: every load between that and phi Pn,max is solved with the neutral axis
// beyond the section, all the way up to phi Pn,max itself; a load above phi Pn,max has no capacity.
TEST(CapacityAtLoad, HighStrengthColumnUpToPhiPnMax) {
  ProjectModel m = TwoLayerColumn("aci19");
  m.fpc = 10000, m.b1 = 0.65f, m.a1 = 0.85f;
  m.lines[1].Nbl = m.lines[2].Nbl = 6, m.lines[1].Abl = m.lines[2].Abl = 0.79f;
  ComputeSectionProperties(m);
  const float phiPnMax = 0.65f * MaximumAxialCapacity(m);
  EXPECT_NEAR(phiPnMax, 0.65 * 0.80 * 2528220, 1);
  const float loads[] = {1.0e6f, 1.2e6f, 1.3e6f, 1.314e6f, phiPnMax, 1.001f * phiPnMax};
  SetLoadCount(m, static_cast<int>(std::size(loads)));
  for (size_t i = 0; i < std::size(loads); ++i) m.loads[i + 1].P = loads[i], m.loads[i + 1].M = 1;
  ComputeInteractionDiagram(m);
  const HandRectangle hand = HandSectionOf(m);
  for (size_t i = 0; i < std::size(loads); ++i) {
    SCOPED_TRACE(testing::Message() << "load " << loads[i]);
    const LoadCapacity& cap = m.interactionDiagram.capacity[i + 1];
    if (loads[i] > phiPnMax) {
      EXPECT_EQ(cap.capFound, 1);
      continue;
    }
    ASSERT_EQ(cap.capFound, 0);
    const HandCapacity expected = HandCapacityAt(hand, loads[i], [](const HandPoint&) { return 0.65; });
    EXPECT_EQ(cap.capPhi, 0.65f);
    EXPECT_NEAR(cap.capMoment, expected.phiMn, 2e-5 * expected.phiMn);
    if (loads[i] == 1.3e6f) {
      EXPECT_NEAR(expected.c, 24.68, 0.01);  // phi Mn = 225.96 k-ft
    }
  }
}

// Field `column` (0-based) of a CSV row.
std::string CsvField(const std::string& row, int column) {
  size_t at = 0;
  for (int comma = 0; comma < column; ++comma) at = row.find(',', at) + 1;
  return row.substr(at, row.find_first_of(",\n", at) - at);
}

// The block of load condition i in a section-analysis report.
std::string LoadBlock(const std::string& text, int i) {
  const size_t from = text.find("LOAD CONDITION NO " + std::to_string(i));
  const size_t to = text.find("LOAD CONDITION NO " + std::to_string(i + 1));
  return text.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

ProjectModel Analysed(ProjectModel m, std::initializer_list<std::pair<float, float>> loads) {
  SetLoadCount(m, static_cast<int>(loads.size()));
  int i = 1;
  for (const auto& [P, M] : loads) m.loads[static_cast<size_t>(i)].P = P, m.loads[static_cast<size_t>(i++)].M = M;
  RunAnalyses(m);
  return m;
}

// Loads without moment take fixed capacities; the report and the exported table give each load its
// verdict, and a load beyond the diagram has no solution.
TEST(CapacitySearch, FixedCasesAndTheVerdictsOfReportAndTable) {
  const float capacity = Analysed(TwoLayerColumn("aci"), {{100000, 1}}).interactionDiagram.capacity[1].capMoment;
  const ProjectModel m = Analysed(TwoLayerColumn("aci"), {{100000, 1.02f * capacity},
                                                          {100000, -1.5f * capacity},
                                                          {5e6f, -100000},
                                                          {300000, 0},
                                                          {-5e6f, 100000},  // far beyond the tension strength
                                                          {-5e6f, 0},
                                                          {0, 0},
                                                          {-100000, 0}});
  const InteractionDiagram& d = m.interactionDiagram;
  EXPECT_EQ(d.capacity[3].capFound, 1);
  EXPECT_EQ(d.capacity[7].capPoint, d.idPureBending);
  EXPECT_FLOAT_EQ(d.capacity[7].capMoment, 0.9f * d.idMoment[static_cast<size_t>(d.idPureBending)]);

  ReportWriter out;
  WriteSectionAnalysisReport(m, out);
  const auto block = [text = out.Text()](int i) { return LoadBlock(text, i); };
  // A negative demand larger than the capacity is exceeded too, and its face needs the inverted section.
  EXPECT_NE(block(2).find("*** Moment capacity is exceeded"), std::string::npos) << block(2);
  EXPECT_NE(block(2).find("invert the section"), std::string::npos);
  // A load beyond the diagram (3) reads "*** Solution not found" as load 3 of the sway_column golden report.
  // Only the maximum tension point reaches the tension load: no moment capacity is left for its moment.
  EXPECT_NE(block(5).find("          Moment capacity     = 0.0\r\n"
                          "          Moment demand       = 8.3\r\n"
                          "          *** Moment capacity is exceeded\r\n"),
            std::string::npos)
      << block(5);
  EXPECT_NE(block(6).find("          *** Axial load capacity is exceeded\r\n"), std::string::npos) << block(6);
  std::istringstream csv(LoadCapacityCsv(m));
  std::string row;
  std::getline(csv, row);  // the header
  for (const char* expected : {"yes", "yes", "no solution", "no", "yes", "yes", "no", "no"}) {
    ASSERT_TRUE(std::getline(csv, row));
    EXPECT_EQ(CsvField(row, 7), expected) << row;  // load,P,M,phi,phiPn,phiMn,point,exceeded,...
  }
}

// Load 1 of the sway column example (P = 450 kip, end moments M2ns = 120, M2s = 40 k-ft, di = 0.3 in,
// V = 15 kip, L = 168 in): Q = 450 x 0.3 / (168 x 15) = 0.0535714, deltaS = 1 / (1 - Q) = 1.056604, so
// the magnified moment is 120 + 1.056604 x 40 = 162.26 k-ft. Its own moment of 120 lies below the end
// moments' 160, which the magnifier raises by 162.26 / 160 = 1.0141. Raised to 900 k-ft, the moment is
// larger than anything the end moments give: the load is checked with 900, a ratio of 1, and exceeds its
// capacity; the report, the CSV and the results table all show that one moment.
TEST(DesignMoment, OverloadedSwayColumnIsCheckedWithItsFirstOrderMoment) {
  const double magnified = 120 + 40 / (1 - 450 * 0.3 / (168 * 15.0));
  const struct {
    float M;  // k-ft
    double design, ratio;
    bool exceeded;
    const char *designLine, *csvDesign;
  } rows[] = {
      {120, magnified, magnified / 160, false, nullptr, "162.26"},
      {900, 900, 1, true, "          Design moment       = 900.0\r\n", "900"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.M);
    ProjectModel m;
    ResetAll(m);
    ASSERT_TRUE(LoadInputFile(m, std::string(TARNIX_EXAMPLES_DIR) + "/rect_column.in").ok());
    m.loads[1].M = row.M * 12000;
    RunAnalyses(m);
    const LoadCapacity& cap = m.interactionDiagram.capacity[1];
    EXPECT_NEAR(m.slenderness.Mc[1] / 12000, magnified, 0.01);
    EXPECT_NEAR(cap.checkedMoment / 12000, row.design, 0.01);
    EXPECT_NEAR(cap.secondOrderRatio, row.ratio, 1e-4);
    ASSERT_EQ(cap.checkedMoment / cap.capMoment > 1.01f, row.exceeded);  // phi Mn at 450 kip is 496 k-ft

    ReportWriter out;
    WriteSectionAnalysisReport(m, out);
    const std::string block = LoadBlock(out.Text(), 1);
    EXPECT_NE(block.find("          Magnified moment    = 162.3\r\n"), std::string::npos) << block;
    EXPECT_EQ(block.find("Design moment") != std::string::npos, row.designLine != nullptr) << block;
    if (row.designLine) {
      EXPECT_NE(block.find(row.designLine), std::string::npos) << block;
    }
    EXPECT_EQ(block.find("*** Moment capacity is exceeded") != std::string::npos, row.exceeded) << block;
    ReportWriter slenderness;
    WriteSlendernessReport(m, slenderness);
    EXPECT_EQ(slenderness.Text().find("Design moment (first-order)    = 900.0\r\n") != std::string::npos,
              row.designLine != nullptr);

    // The CSV row: load,P,M,phi,phiPn,phiMn,point,exceeded,Mu,second_order_ratio.
    std::istringstream csv(LoadCapacityCsv(m));
    std::string first;
    std::getline(csv, first);
    std::getline(csv, first);
    EXPECT_EQ(CsvField(first, 7), row.exceeded ? "yes" : "no") << first;
    EXPECT_EQ(CsvField(first, 8).substr(0, std::string(row.csvDesign).size()), row.csvDesign) << first;
    EXPECT_NEAR(std::stod(CsvField(first, 9)), row.ratio, 1e-4) << first;

    // The results table; the chart plots what the table shows (the test below).
    const std::vector<std::string> cells = BuildResultsTable(m).rows[0].cells;
    EXPECT_EQ(cells[1], row.exceeded ? "EXCEEDED" : "OK");
    EXPECT_EQ(cells[3], FormatFixed(row.design, 1));
  }
}

// Over the shipped examples and the golden inputs, every load is plotted at the design moment the results
// table shows, and is marked beyond its capacity exactly when the table says so.
TEST(DesignMoment, VerdictRatioAndPlottedPointAgree) {
  const std::string examples = TARNIX_EXAMPLES_DIR, golden = std::string(TARNIX_TESTS_DIR) + "/report/golden";
  for (const std::string& path :
       {examples + "/rect_column.in", examples + "/circular_spiral.in", examples + "/composite_encased.in",
        golden + "/sway_column.in", golden + "/english_column.in", golden + "/metric_composite.in",
        golden + "/slender_wall.in"}) {
    SCOPED_TRACE(path);
    const ProjectModel m = AnalysedInput(path);
    const ResultsTable table = BuildResultsTable(m);
    const Chart chart = InteractionChart(m);
    for (const ResultsRow& row : table.rows) {
      SCOPED_TRACE(row.load);
      const std::string label = std::to_string(row.load);
      const auto marker = std::find_if(chart.markers.begin(), chart.markers.end(),
                                       [&](const ChartMarker& k) { return k.label == label; });
      ASSERT_NE(marker, chart.markers.end());
      if (row.verdict != LoadVerdict::NoSolution) {
        EXPECT_EQ(marker->kind == MarkerKind::ExceededLoad, row.verdict == LoadVerdict::Exceeded);
      }
      // The chart plots the design moment by its size.
      const std::string& design = row.cells[3];
      if (!design.empty()) {
        EXPECT_EQ(FormatFixed(marker->at.x, 1), design.substr(design[0] == '-' ? 1 : 0));
      }
    }
  }
}

}  // namespace
}  // namespace tarnix
