// Record navigation and captions, and option clicks raised by a refresh.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/enable_rules.h"
#include "editor/field_edits.h"
#include "editor/main_window_texts.h"
#include "editor/option_choices.h"
#include "editor/record_navigation.h"
#include "editor/section_highlight.h"
#include "editor/window_refresh.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// The section drawing marks the records shown in the frames of the tab in front. The column: a 12 x 20 in
// rectangle, line 1 of three bars at 17.5 in, line 2 of three bars at 2.5 in, and a 2 x 4 in steel shape
// at 8 in added for the steel tab.
TEST(Navigation, TheDrawingMarksTheRecordShownOnTheTabInFront) {
  const struct {
    MainTab tab;
    int currentLine;
    std::vector<std::pair<ShapeRole, double>> marked;  // role and depth of each marked shape
  } cases[] = {
      {MainTab::Reinforcing, 1, {{ShapeRole::Bar, 17.5}, {ShapeRole::Bar, 17.5}, {ShapeRole::Bar, 17.5}}},
      {MainTab::Reinforcing, 2, {{ShapeRole::Bar, 2.5}, {ShapeRole::Bar, 2.5}, {ShapeRole::Bar, 2.5}}},
      {MainTab::Concrete, 2, {{ShapeRole::Concrete, 0}}},
      {MainTab::Steel, 1, {{ShapeRole::Steel, 8}}},
      {MainTab::Loads, 1, {}},
      {MainTab::Criteria, 2, {}},
  };
  for (const auto& c : cases) {
    ProjectModel m = TwoLayerColumn("aci02");
    SetRecordCount(m, RecordKind::SteelRect, 1);
    m.steelRects[1] = {8, 4, 2};
    if (c.currentLine == 2) ShowNext(m, RecordList::ReinforcingLine);
    SectionDrawing drawing = DrawSection(m);
    MarkCurrentRecords(m, c.tab, drawing);
    std::vector<std::pair<ShapeRole, double>> marked;
    for (const DrawShape& s : drawing.shapes) {
      if (s.highlighted) marked.emplace_back(s.role, s.y);
    }
    EXPECT_EQ(marked, c.marked) << TabCaption(c.tab) << " line " << c.currentLine;
  }

  // The bars of an arc are marked with their arc, the pipe on the steel tab.
  ProjectModel heavy = HeavySection();
  SectionDrawing drawing = DrawSection(heavy);
  MarkCurrentRecords(heavy, MainTab::Reinforcing, drawing);
  EXPECT_EQ(std::count_if(drawing.shapes.begin(), drawing.shapes.end(),
                          [](const DrawShape& s) { return s.highlighted && s.role == ShapeRole::Bar; }),
            24);
  MarkCurrentRecords(heavy, MainTab::Steel, drawing);
  EXPECT_EQ(std::count_if(drawing.shapes.begin(), drawing.shapes.end(),
                          [](const DrawShape& s) { return s.highlighted; }),
            1);
}

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

// The calculation window's moment-curvature box and "Perform Moment-Curvature Analysis" are one switch:
// whichever sets it, both read it, and the run follows it.
TEST(OptionChoices, MomentCurvatureIsOneSwitch) {
  ProjectModel m;
  ResetAll(m);
  SelectOutputOption(m, OutputOption::MomentCurvature, true);
  EXPECT_EQ(m.PerformMomentCurvature, 1);
  EXPECT_EQ(m.OutputMomentCurvature, 1);
  SelectPerformMomentCurvature(m, false);
  EXPECT_EQ(OutputOptionValue(m, OutputOption::MomentCurvature), 0);
  EXPECT_EQ(m.OutputMomentCurvature, 0);
}

}  // namespace
}  // namespace tarnix
