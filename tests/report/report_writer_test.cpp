// Report number forms, golden reports, and the blocks the output options decide.
#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include "base/number_format.h"
#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_file.h"
#include "model/project_file.h"
#include "model/model_edits.h"
#include "report/input_echo.h"
#include "run/calculation_run.h"

namespace tarnix {
namespace {

TEST(ReportNumbers, GeneralPlainAndFixedForms) {
  const struct {
    double value;
    const char* number;
    const char* plain;
  } cases[] = {
      {-0.09f, "-.09 ", "-0.09"},        {29000000, " 2.9E+07 ", "2.9E+07"},
      {1234567.8, " 1234568 ", "1234568"},  // seven significant digits
      {0.00001, " 1E-05 ", "1E-05"},     {std::numeric_limits<double>::quiet_NaN(), " NaN ", "NaN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatReportNumber(c.value), c.number) << c.value;
    EXPECT_EQ(FormatPlain(c.value), c.plain) << c.value;
  }
  EXPECT_EQ(FormatFixed(0.25, 1), "0.3");  // halves away from zero
  EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");  // never "-0.0"
  EXPECT_EQ(FormatFixedExponent(-0.000123, 4), "-1.2300E-04");
}

TEST(ReportWriterLines, DateAndVersion) {
  std::tm midnight{};
  midnight.tm_year = 100, midnight.tm_mday = 9, midnight.tm_min = 30;
  EXPECT_EQ(FormatReportTime(midnight), "1/09/00, 12:30 am");

  ::setenv("SOURCE_DATE_EPOCH", "1796583900", 1);
  EXPECT_EQ(FormatReportTime(ReportTime()), "12/06/26, 7:05 pm");
  ::unsetenv("SOURCE_DATE_EPOCH");
}

std::tm FixedTime() {
  std::tm t{};
  t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 6, t.tm_hour = 9, t.tm_min = 41;
  return t;
}

// The model of a golden input file with every output option set, as the batch tool runs it.
ProjectModel GoldenModel(const std::string& name) {
  ProjectModel m;
  ResetAll(m);
  // A section in two dimensions is a project file; the others are input files.
  const std::string stem = std::string(TARNIX_TESTS_DIR) + "/report/golden/" + name;
  const std::string path = std::filesystem::exists(stem + ".json") ? stem + ".json" : stem + ".in";
  EXPECT_TRUE(LoadModelFile(m, path).ok()) << path;
  SetInputFileNames(m, path);
  SetOutputFileNames(m, name + ".out");
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = m.OutputSectionAnalysis = 1;
  SetOutputSlenderness(m, 1);
  RunAnalyses(m);
  return m;
}

// Compares the report with the golden file; TARNIX_UPDATE_GOLDEN=1 rewrites the golden file instead.
void ExpectGolden(const ProjectModel& m, const std::string& name) {
  ReportWriter out;
  WriteReport(m, FixedTime(), out);
  const std::string path = std::string(TARNIX_TESTS_DIR) + "/report/golden/" + name + ".out";
  if (std::getenv("TARNIX_UPDATE_GOLDEN") != nullptr) {
    ASSERT_TRUE(ReplaceFileContent(path, out.Text()));
  }
  EXPECT_EQ(out.Text(), ReadFileContent(path, 1 << 20).value_or("<missing golden file>"));
}

// English column with moment magnification; sway column with secondary magnification and buckling; slender
// wall panel; metric composite with cross ties and a general P-delta analysis; a corner column bent about
// both axes, slender about both, with its interaction surface and biaxial capacities.
TEST(ReportGolden, EveryGoldenReport) {
  for (const char* name : {"english_column", "sway_column", "slender_wall", "metric_composite", "corner_column"}) {
    SCOPED_TRACE(name);
    ExpectGolden(GoldenModel(name), name);
  }
}

TEST(ReportBlocks, OptionsDecideWhatIsWritten) {
  const auto report = [](const ProjectModel& m) {
    ReportWriter out;
    WriteReport(m, FixedTime(), out);
    return out.Text();
  };
  ProjectModel m = GoldenModel("english_column");

  // Without the echo: the title, an empty line and the output banner.
  m.OutputInputEcho = 0;
  std::string text = report(m);
  EXPECT_EQ(text.find("     Column C-4"), 0u);
  EXPECT_EQ(text.find("INPUT DATA ECHO"), std::string::npos);
  EXPECT_NE(text.find("\r\n\r\n\r\n     * * *"), std::string::npos);

  m.OutputInputEcho = 1;
  // No member length: neither member nor slenderness block in the echo, and the slenderness effects say
  // why they are missing instead of showing the results of an earlier run.
  m.L = 0;
  text = report(m);
  EXPECT_EQ(text.find("M E M B E R"), std::string::npos);
  EXPECT_NE(text.find("*** Member length is zero: slenderness effects are not computed"), std::string::npos);

  // Only the echo and no design options: no criteria block.
  m.OutputInteractionDiagram = m.OutputSlenderness = m.OutputSectionAnalysis = 0;
  text = report(m);
  EXPECT_EQ(text.find("D E S I G N"), std::string::npos);
  EXPECT_NE(text.find("C O N C R E T E   C O N F I G U R A T I O N"), std::string::npos);
}

// A section in two dimensions adds the vertical axis to the section properties and the slenderness
// effects; My is first order without member data for that axis, and in a slender wall.
TEST(ReportBlocks, VerticalAxisOnlyInTwoDimensions) {
  const auto report = [](ProjectModel& m) {
    RunAnalyses(m);
    ReportWriter out;
    WriteReport(m, FixedTime(), out);
    if (std::getenv("TARNIX_SHOW_REPORT") != nullptr) std::fputs(out.Text().c_str(), stdout);
    return out.Text();
  };
  const char* firstOrder = "My is first order: no member data for the vertical axis";
  ProjectModel m = GoldenModel("english_column");
  m.loads[1].My = 40 * 12000.0f;
  m.loads[1].endY = {30 * 12000.0f, 40 * 12000.0f, 0, 0, 0.6f, 0};
  std::string text = report(m);
  for (const char* line :
       {"          Xbar    = 0.0000E+00\r\n", "          Ioy     = 8.1920E+03 About concrete CG",
        "          Angle   = 0.00 deg", firstOrder}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  m.memberY = {168, 1.2f, 1, 1, 1, 0, 0};
  text = report(m);
  EXPECT_EQ(text.find(firstOrder), std::string::npos);
  EXPECT_NE(text.find("               Magnified moment My            = "), std::string::npos);
  m.SlendernessOption = Slenderness::SlenderWall;
  EXPECT_NE(report(m).find("My is first order: the wall is designed about the horizontal axis"),
            std::string::npos);
}

// A model edited in memory may hold any option number: the echo writes the captions of the numbers it
// knows and nothing for the others, and never reads beyond its caption tables.
TEST(ReportBlocks, EchoOfOptionsOutsideTheirRangeHasNoCaption) {
  ProjectModel m = GoldenModel("metric_composite");  // Mander concrete with cross ties, general P-delta
  m.reinfModel = 2;
  for (const int option : {-1, 0, 6, std::numeric_limits<int>::min()}) {
    SCOPED_TRACE(option);
    m.SlendernessOption = m.confinementOption = m.ParkModel = option;
    ReportWriter out;
    WriteInputEcho(m, FixedTime(), out);
    for (const char* caption :
         {"General P-delta analysis\r\n", "Cross tie confinement:", "strain hardening)"}) {
      EXPECT_EQ(out.Text().find(caption), std::string::npos) << caption;
    }
    EXPECT_NE(out.Text().find("Mander concrete model"), std::string::npos);
  }
  m.concreteModel = 0;
  ReportWriter out;
  WriteInputEcho(m, FixedTime(), out);
  EXPECT_EQ(out.Text().find("concrete model\r\n"), std::string::npos);
}

// The section-properties block is in every golden report; its numbers are those of the section tests.

}  // namespace
}  // namespace tarnix
