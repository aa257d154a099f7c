// Calculation run: the guards that stop a run before it writes anything, and the analyses a run makes.
#include "run/calculation_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "model/defaults.h"
#include "model/input_file.h"
#include "model/project_file.h"
#include "strength/section_analysis.h"
#include "model/model_edits.h"
#include "temp_folder.h"
#include "test_sections.h"

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

// A two-dimensional model gets the biaxial capacity of every load and the interaction surface, after the
// judgement; a one-axis model neither, and the surface of an earlier run does not stay.
TEST(Analyses, BiaxialResultsOfTwoDimensionalModelsOnly) {
  ProjectModel m = TwoLayerColumn("aci19");
  SetLoadCount(m, 2);
  m.loads[1].P = 100000, m.loads[1].M = 1e6f, m.loads[1].My = 5e5f;
  m.loads[2].P = 200000;
  RunAnalyses(m);
  ASSERT_EQ(m.interactionSurface.meridians.size(), static_cast<size_t>(kDefaultSurfaceAngles));
  ASSERT_EQ(m.interactionDiagram.biaxial.size(), 3u);
  const BiaxialCapacity& b = m.interactionDiagram.biaxial[1];
  EXPECT_TRUE(b.found);
  EXPECT_TRUE(std::isfinite(b.momentRatio) && b.momentRatio > 0);
  EXPECT_EQ(m.interactionDiagram.capacity[1].checkedMomentY, 5e5f);

  m.loads[1].My = 0;
  RunAnalyses(m);
  EXPECT_TRUE(m.interactionSurface.meridians.empty());
  EXPECT_TRUE(m.interactionDiagram.biaxial.empty());
}

// A slender corner column, magnified about both axes; run again without slenderness, nothing of the
// magnification may remain to judge its loads by.
TEST(Analyses, NoSlendernessResultOutlivesItsRun) {
  ProjectModel m;
  ResetAll(m);
  ASSERT_TRUE(LoadModelFile(m, TARNIX_EXAMPLES_DIR "/corner_column.json").ok());
  RunAnalyses(m);
  ASSERT_EQ(m.slenderness.McY.size(), 4u);
  EXPECT_GT(std::fabs(m.interactionDiagram.capacity[2].checkedMomentY), std::fabs(m.loads[2].My));
  EXPECT_FALSE(LoadBeyondCapacity(m, 2));
  // Longer about the vertical axis only: load 2's moment about that axis is magnified past 1.4 times its
  // first-order moment (ACI 318-19 6.2.5.3), while about the horizontal axis it stays within the limit.
  m.memberY.L = 330;
  RunAnalyses(m);
  const LoadCapacity& cap = m.interactionDiagram.capacity[2];
  EXPECT_GT(cap.secondOrderRatioY, 1.4f);
  EXPECT_LE(cap.secondOrderRatio, 1.4f);
  EXPECT_TRUE(cap.secondOrderExceeded && LoadBeyondCapacity(m, 2));
  m.SlendernessOption = Slenderness::None;
  RunAnalyses(m);
  EXPECT_TRUE(m.slenderness.McY.empty() && m.slenderness.Mc.empty());
  EXPECT_EQ(m.interactionDiagram.capacity[2].checkedMomentY, m.loads[2].My);
}

}  // namespace
}  // namespace tarnix
