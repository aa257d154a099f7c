// Record navigation and captions, option choices with the refresh guard, enable rules and the refresh.
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
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  SetLoadCount(m, 2);
  const struct {
    RecordList list;
    int length;
    const char* lastCaption;
  } cases[] = {
      {RecordList::ConcreteCircle, 3, "SECTION NO 3"},
      {RecordList::ReinforcingLine, 0, "LINE NO 1"},  // empty list: nowhere to go
      {RecordList::Load, 2, "LOAD CONDITION NO 2"},
      {RecordList::SteelPoint, 6, "STEEL POINT NO 6"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ShowPrevious(m, c.list));  // Previous on record 1 changes nothing
    int moves = 0;
    while (ShowNext(m, c.list)) ++moves;
    EXPECT_EQ(moves, c.length > 1 ? c.length - 1 : 0) << c.lastCaption;
    EXPECT_EQ(FrameCaption(m, c.list), c.lastCaption);
    EXPECT_EQ(CurrentIndex(m, c.list), c.length > 0 ? c.length : 1);
  }
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
  EXPECT_FALSE(SelectConcreteModel(m, 3));
  EXPECT_FALSE(SelectSlendernessOption(m, 3));
  SelectConcreteSign(m, RecordKind::ConcreteRect, false);
  SelectOutputOption(m, OutputOption::InputEcho, false);
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_EQ(m.OutputInputEcho, 1);
  EXPECT_EQ(m.modified, 0);
}

}  // namespace
}  // namespace tarnix
