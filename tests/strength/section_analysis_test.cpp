// Strength reduction factors, the capacity search of the load conditions, and their report rows.
#include "strength/section_analysis.h"

#include <gtest/gtest.h>

#include <sstream>

#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "report/csv_export.h"
#include "report/report_writer.h"
#include "report/section_writers.h"
#include "test_sections.h"

namespace tarnix {
namespace {

TEST(LoadPhi, StrainRuleOfAci318) {
  ProjectModel m = TwoLayerColumn("aci02");  // phiT 0.9, phiC 0.65
  InteractionDiagram d;
  const float ey = 60000.0f / 29e6f;
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 1000, -0.001f), 0.65f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 1000, -ey), 0.65f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 1000, -0.005f), 0.9f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 1000, -0.02f), 0.9f);
  EXPECT_NEAR(LoadPhi(m, d, 1000, -0.0035f), 0.9 - 0.25 * 0.0015 / (0.005 - 60000 / 29e6), 1e-6);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, -1000, -0.001f), 0.9f);  // tension
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 0, -0.0035f), LoadPhi(m, d, 1, -0.0035f));  // no axial load: as compression
  SetRecordCount(m, RecordKind::SteelPipe, 1);  // any steel shape fixes phiC for compression
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 1000, -0.02f), 0.65f);
}

TEST(LoadPhi, AxialLoadRuleOfTheOtherCriteria) {
  ProjectModel m = TwoLayerColumn("aci");  // phiT 0.9, phiC 0.7
  m.sectionProperties.concArea = 240;
  InteractionDiagram d;
  const float limit = 0.1f * 4000 * 240;
  EXPECT_FLOAT_EQ(LoadPhi(m, d, limit, 0), 0.7f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 2 * limit, 0), 0.7f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, limit / 2, 0), 0.8f);
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 0, 0), 0.9f);
  // A balanced point found so far with phiC Pb below 0.1 f'c Ag lowers the limit.
  d.idBalanced = 3;
  d.idAxial = {0, 0, 0, 50000};
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 0.7f * 50000 / 2, 0), 0.8f);
  m.fpc = 0;  // no limit at all: compression takes phiC
  d.idBalanced = 1;
  EXPECT_FLOAT_EQ(LoadPhi(m, d, 10, 0), 0.7f);
}

ProjectModel Analysed(ProjectModel m, std::initializer_list<std::pair<float, float>> loads) {
  SetLoadCount(m, static_cast<int>(loads.size()));
  int i = 1;
  for (const auto& [P, M] : loads) {
    m.loads[static_cast<size_t>(i)].P = P;
    m.loads[static_cast<size_t>(i)].M = M;
    ++i;
  }
  RunAnalyses(m);
  return m;
}

TEST(CapacitySearch, FirstPointReachingTheLoadAndTheFixedCases) {
  const ProjectModel m = Analysed(TwoLayerColumn("aci"), {{100000, 600000},  // ordinary compression with moment
                                                  {-200000, 100000},  // tension with moment
                                                  {0, 0},             // nothing: pure bending capacity
                                                  {300000, 0},        // pure compression
                                                  {-100000, 0},       // pure tension
                                                  {5e6f, 100000}});   // beyond the diagram
  const InteractionDiagram& d = m.interactionDiagram;
  const LoadCapacity& c1 = d.capacity[1];
  ASSERT_EQ(c1.capFound, 0);
  // The capacity is taken at the load itself; its point is the first that reaches the load.
  EXPECT_EQ(c1.capAxial, 100000);
  EXPECT_LT(c1.capPhi * d.idAxial[static_cast<size_t>(c1.capPoint - 1)], 100000);
  EXPECT_GE(c1.capPhi * d.idAxial[static_cast<size_t>(c1.capPoint)], 100000);

  EXPECT_FLOAT_EQ(d.capacity[2].capPhi, 0.9f);
  EXPECT_EQ(d.capacity[2].capAxial, -200000);

  EXPECT_EQ(d.capacity[3].capPoint, d.idPureBending);
  EXPECT_FLOAT_EQ(d.capacity[3].capMoment, 0.9f * d.idMoment[static_cast<size_t>(d.idPureBending)]);

  EXPECT_EQ(d.capacity[4].capPoint, d.idCount);
  EXPECT_FLOAT_EQ(d.capacity[4].capAxial, 0.7f * d.PnMax);

  EXPECT_EQ(d.capacity[5].capPoint, 1);
  EXPECT_FLOAT_EQ(d.capacity[5].capAxial, 0.9f * -360000);

  EXPECT_EQ(d.capacity[6].capFound, 1);
}

std::string AnalysisReport(const ProjectModel& m) {
  ReportWriter out;
  WriteSectionAnalysisReport(m, out);
  return out.Text();
}

TEST(SectionAnalysisReport, DemandsNegativeMomentsAndMissingSolutions) {
  ProjectModel probe = Analysed(TwoLayerColumn("aci"), {{100000, 1}});
  const float capacity = probe.interactionDiagram.capacity[1].capMoment;
  const ProjectModel m = Analysed(TwoLayerColumn("aci"), {{100000, 1.01f * capacity},
                                                          {100000, 1.02f * capacity},
                                                          {100000, -1.5f * capacity},
                                                          {5e6f, -100000},
                                                          {300000, 0},
                                                          {-5e6f, 100000},  // far beyond the tension strength
                                                          {-5e6f, 0},
                                                          {5e6f, 0}});
  const std::string text = AnalysisReport(m);
  const auto block = [&](int i) {
    const size_t from = text.find("LOAD CONDITION NO " + std::to_string(i));
    const size_t to = text.find("LOAD CONDITION NO " + std::to_string(i + 1));
    return text.substr(from, to == std::string::npos ? std::string::npos : to - from);
  };
  EXPECT_EQ(block(1).find("exceeded"), std::string::npos) << block(1);
  EXPECT_NE(block(2).find("*** Moment capacity is exceeded"), std::string::npos) << block(2);
  // A negative demand larger than the capacity is exceeded too, and its face needs the inverted section.
  EXPECT_NE(block(3).find("*** Moment capacity is exceeded"), std::string::npos) << block(3);
  EXPECT_NE(block(3).find("invert the section"), std::string::npos);
  EXPECT_NE(block(4).find("*** Solution not found"), std::string::npos) << block(4);
  EXPECT_EQ(block(4).find("Moment capacity"), std::string::npos);
  EXPECT_NE(block(5).find("          Axial load          = 300.0\r\n"
                          "          Reduction factor    = 0.700\r\n"),
            std::string::npos)
      << block(5);
  EXPECT_EQ(block(5).find("Moment demand"), std::string::npos);
  EXPECT_EQ(block(5).find("exceeded"), std::string::npos) << block(5);
  // Only the maximum tension point reaches the tension load: no moment capacity is left for its moment.
  EXPECT_NE(block(6).find("          Moment capacity     = 0.0\r\n"
                          "          Moment demand       = 8.3\r\n"
                          "          *** Moment capacity is exceeded\r\n"),
            std::string::npos)
      << block(6);
  // Loads without moment beyond the axial capacity of their sign.
  for (int i : {7, 8}) {
    EXPECT_NE(block(i).find("          *** Axial load capacity is exceeded\r\n"), std::string::npos)
        << block(i);
    EXPECT_EQ(block(i).find("Moment capacity is exceeded"), std::string::npos) << block(i);
  }
  // The exported table agrees with the report.
  std::istringstream csv(LoadCapacityCsv(m));
  std::string row;
  std::getline(csv, row);  // the header
  for (const char* expected : {"no", "yes", "yes", "no solution", "no", "yes", "yes", "yes"}) {
    ASSERT_TRUE(std::getline(csv, row));
    EXPECT_EQ(row.substr(row.rfind(',') + 1), expected) << row;
  }
  EXPECT_NE(block(1).find("          Reduction factor    = "), std::string::npos);
}

TEST(InteractionDiagramReport, LabelledRowsAndPlainRows) {
  ProjectModel m = Analysed(TwoLayerColumn("aci"), {{-360000, 1000}, {100000, 600000}});
  m.inc = 0.01f;
  m = Analysed(m, {{-360000, 1000}, {100000, 600000}});
  ReportWriter out;
  WriteInteractionDiagramReport(m, out);
  const std::string text = out.Text();
  const InteractionDiagram& d = m.interactionDiagram;
  ASSERT_EQ(d.idCount, 2000);
  // The tension load takes point 1, whose row then shows its depth and the load's label.
  EXPECT_EQ(d.capacity[1].capPoint, 1);
  EXPECT_NE(text.find("     0.01          0.0            -360.0         Load condition no 1\r\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("Maximum tension"), std::string::npos);
  EXPECT_NE(text.find("Pure bending"), std::string::npos);
  EXPECT_NE(text.find("Balanced strain"), std::string::npos);
  EXPECT_NE(text.find("Load condition no 2"), std::string::npos);
  EXPECT_NE(text.find("                   0.0            924.5          Maximum compression\r\n"), std::string::npos);
  // Five heading lines, five labelled rows, and a plain row every 100 points: 19 or 20 of them.
  int lines = 0;
  for (size_t at = text.find("\r\n     "); at != std::string::npos; at = text.find("\r\n     ", at + 1)) ++lines;
  EXPECT_GE(lines, 5 + 5 + 19);
  EXPECT_LE(lines, 5 + 5 + 20);
}

}  // namespace
}  // namespace tarnix
