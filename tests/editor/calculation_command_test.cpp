// The window's calculation: how a run's end is told, and the report it writes.
#include "editor/calculation_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "analysed_input.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

TEST(CalculationCommand, TheOutcomeNamesTheReason) {
  const struct {
    Status status;
    bool succeeded;
    const char* text;
  } cases[] = {
      {Status::Success(), true, "Calculation complete (3.6 s)"},
      {Status::Failure(kCalculationCancelled), false, "Calculation cancelled"},
      {Status::Failure("Error writing output file"), false, "Calculation failed: Error writing output file"},
      // The detail is the cause; "Calculation Error" alone says nothing.
      {Status::Failure("Calculation Error",
                       std::string("Mander concrete model: the confined stress fcc must be greater than 0")),
       false, "Calculation failed: Mander concrete model: the confined stress fcc must be greater than 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const RunOutcome outcome = DescribeRun(c.status, 3.6);
    EXPECT_EQ(outcome.succeeded, c.succeeded);
    EXPECT_EQ(outcome.text, c.text);
  }
}

using WindowRun = TempFolderTest;

// The report's input echo names both compression factors where the criteria has two: ACI 318-19 fixes
// 0.75 for spiral columns beside the 0.65 of tied ones (Table 21.2.2); ACI 318-02 has one.
TEST_F(WindowRun, TheEchoNamesTheSpiralFactorWhereTheCriteriaHasOne) {
  const struct {
    const char* input;
    bool spiralLine;
  } cases[] = {{TARNIX_EXAMPLES_DIR "/verification/aci19_column.in", true},
               {TARNIX_EXAMPLES_DIR "/rect_column.in", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    ProjectModel m = AnalysedInput(c.input);
    SetOutputFileNames(m, Path("echo.out"));
    ASSERT_TRUE(RunKeepingEarlierReport(m, nullptr).ok());
    std::ifstream in(Path("echo.out"));
    const std::string report((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(report.find("Compression and flexure = 0.65"), std::string::npos);
    EXPECT_EQ(report.find("Compression, spiral     = 0.75") != std::string::npos, c.spiralLine);
  }
}

}  // namespace
}  // namespace tarnix
