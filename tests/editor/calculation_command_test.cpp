// The window's calculation: how a run's end is told, and a run that did not finish leaves no results.
#include "editor/calculation_command.h"

#include <gtest/gtest.h>

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

using FailedRun = TempFolderTest;

// A run whose report cannot be written after an earlier run of the same project: the capacities of the
// earlier run must not stay to be shown as if they belonged to this one.
TEST_F(FailedRun, LeavesNoResults) {
  ProjectModel m = AnalysedInput(TARNIX_EXAMPLES_DIR "/rect_column.in");
  ASSERT_GT(m.interactionDiagram.idCount, 0);
  SetOutputFileNames(m, Path("no/such/folder/column.out"));
  EXPECT_FALSE(RunKeepingEarlierReport(m, nullptr).ok());
  EXPECT_EQ(m.interactionDiagram.idCount, 0);
  EXPECT_TRUE(m.interactionDiagram.capacity.empty());
  EXPECT_FALSE(m.momentCurvature.ran());
}

}  // namespace
}  // namespace tarnix
