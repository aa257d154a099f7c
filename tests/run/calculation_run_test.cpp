// Calculation run: guards, the report file, and status texts.
#include "run/calculation_run.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

#include <filesystem>

#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

class CalculationRun : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ResetAll(model_);
    SetRecordCount(model_, RecordKind::SteelPipe, 1);
    model_.pipes[1] = {6, 6, 0.5f};
    SetInputFileNames(model_, Path("pipe.in"));
  }

  ProjectModel model_;
};

TEST_F(CalculationRun, GuardsTouchNoFile) {
  const Status status = RunCalculation(model_);
  EXPECT_EQ(status.message, "Please save output filename");
  EXPECT_TRUE(status.beep);

  SetOutputFileNames(model_, Path("pipe.out"));
  SetRecordCount(model_, RecordKind::ReinforcingLine, 1);  // bars without concrete
  EXPECT_EQ(RunCalculation(model_).message, "Input is incomplete");
  EXPECT_FALSE(std::filesystem::exists(Path("pipe.out")));

  SetRecordCount(model_, RecordKind::ReinforcingLine, 0);
  SetOutputFileNames(model_, Path("missing/pipe.out"));
  EXPECT_EQ(RunCalculation(model_).message, "Error writing output file");
}

TEST_F(CalculationRun, MaterialCurvesThatCannotBeEvaluatedStopTheMomentCurvature) {
  SetRecordCount(model_, RecordKind::ConcreteRect, 1);
  model_.rects[1] = {0, 20, 10, 1};
  SetLoadCount(model_, 1);
  model_.loads[1].P = 10000;
  SetPerformMomentCurvature(model_, 1);
  ChooseConcreteModel(model_, 3);
  model_.fcc = 7000;
  model_.ecu = 0.02f;
  model_.Eci = 100;  // below the secant modulus of the unconfined curve
  SetOutputFileNames(model_, Path("mander.out"));
  EXPECT_EQ(RunCalculation(model_).detail, "Mander concrete model: the modulus Eci must be greater than fc0 / ec0");
  const std::string report = ReadFileContent(Path("mander.out"), 1 << 20).value_or("");
  EXPECT_NE(report.find("     *** Mander concrete model: the modulus Eci must be greater than fc0 / ec0\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace tarnix
