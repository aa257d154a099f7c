// Record navigation and captions, and option clicks raised by a refresh.
#include <gtest/gtest.h>

#include "editor/field_edits.h"
#include "editor/main_window_texts.h"
#include "editor/option_choices.h"
#include "editor/record_navigation.h"
#include "editor/window_refresh.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

TEST(Navigation, MovesStayWithinTheListAndNameTheRecordShown) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteCircle, 3);
  EXPECT_FALSE(ShowPrevious(m, RecordList::ConcreteCircle));  // Previous on record 1 changes nothing
  while (ShowNext(m, RecordList::ConcreteCircle)) {
  }
  EXPECT_EQ(FrameCaption(m, RecordList::ConcreteCircle), "SECTION NO 3");
  EXPECT_FALSE(ShowNext(m, RecordList::ReinforcingLine));  // an empty list: nowhere to go
  EXPECT_EQ(FrameCaption(m, RecordList::SteelPoint), "STEEL POINT NO 1");
}

TEST(OptionChoices, ClicksRaisedByTheRefreshChangeNothing) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  SetLoadCount(m, 1);
  const std::string before = *FormatInputFile(m);
  RefreshScope refresh(m);
  EXPECT_FALSE(SelectCriteria(m, 5));
  EXPECT_FALSE(SelectUnits(m, false));
  EXPECT_FALSE(SelectSlendernessOption(m, 3));
  SelectConcreteSign(m, RecordKind::ConcreteRect, false);
  SelectOutputOption(m, OutputOption::InputEcho, false);
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_EQ(m.OutputInputEcho, 1);
  EXPECT_EQ(m.modified, 0);
}

}  // namespace
}  // namespace tarnix
