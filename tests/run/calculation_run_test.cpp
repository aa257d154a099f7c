// Calculation run: the guards that stop a run before it writes anything.
#include "run/calculation_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

using CalculationRun = TempFolderTest;

TEST_F(CalculationRun, GuardsTouchNoFile) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {6, 6, 0.5f};
  SetInputFileNames(m, Path("pipe.in"));
  const Status status = RunCalculation(m);
  EXPECT_EQ(status.message, "Please save output filename");
  EXPECT_TRUE(status.beep);

  SetOutputFileNames(m, Path("pipe.out"));
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);  // bars without concrete
  EXPECT_EQ(RunCalculation(m).message, "Input is incomplete");
  EXPECT_FALSE(std::filesystem::exists(Path("pipe.out")));

  SetRecordCount(m, RecordKind::ReinforcingLine, 0);
  SetOutputFileNames(m, Path("missing/pipe.out"));
  EXPECT_EQ(RunCalculation(m).message, "Error writing output file");
}

}  // namespace
}  // namespace tarnix
