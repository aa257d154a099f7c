// Model edits: record counts that hide and bring back records, and coupled options.
#include "model/model_edits.h"

#include <gtest/gtest.h>

#include "model/defaults.h"

namespace tarnix {
namespace {

TEST(RecordCounts, RaisingKeepsWhatWasTypedAndBringsHiddenRecordsBack) {
  ProjectModel m;
  ResetAll(m);
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 2));
  m.rects[1] = {0, 24, 12, -1};
  m.rects[2] = {24, 6, 30, 1};
  m.currentRect = 2;
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 3));
  EXPECT_EQ(m.currentRect, 1);
  EXPECT_EQ(m.rects[1].rsign, -1);
  EXPECT_EQ(m.rects[3].rsign, 1);  // a new record adds concrete

  // Lowering hides records; raised back into view they are as they were.
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 1));
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 2));
  EXPECT_EQ(m.rects[2].W, 30.0f);

  // A negative count is refused; 0 keeps storage until it is trimmed (after saving), then lists start blank.
  EXPECT_FALSE(SetRecordCount(m, RecordKind::ConcreteRect, -2));
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 0));
  EXPECT_EQ(m.rects[1].D, 24.0f);
  TrimRecordStorage(m);
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteRect, 1));
  EXPECT_EQ(m.rects[1].D, 0.0f);
}

TEST(CoupledOptions, MomentCurvatureSlendernessAndDerivedOutputs) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci02");
  m.Vri = 0;
  SetLoadCount(m, 2);
  SetSlendernessOption(m, 3);
  EXPECT_EQ(m.Vri, 1);
  m.OutputSlenderness = 0;
  DeriveOutputOptions(m);
  EXPECT_EQ(m.OutputSectionAnalysis, 0);
  EXPECT_EQ(m.OutputSlenderness, 1);

  m.criteria = "ud";  // a file may carry a slenderness option with user-defined criteria
  SetSlendernessOption(m, 2);
  DeriveOutputOptions(m);
  EXPECT_EQ(m.OutputSlenderness, 0);
}

}  // namespace
}  // namespace tarnix
