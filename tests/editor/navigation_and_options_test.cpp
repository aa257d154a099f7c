// Record navigation and captions, option choices with the refresh guard, enable rules and the refresh.
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
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  SetLoadCount(m, 2);
  const struct {
    RecordList list;
    int length;
    const char* lastCaption;
  } cases[] = {
      {RecordList::ConcreteCircle, 3, "SECTION NO 3"},
      {RecordList::SteelPipe, 1, "SHAPE NO 1"},
      {RecordList::ReinforcingLine, 0, "LINE NO 1"},  // empty list: nowhere to go
      {RecordList::Load, 2, "LOAD CONDITION NO 2"},
      {RecordList::ReinforcingPoint, 6, "REINFORCING POINT NO 6"},
      {RecordList::SteelPoint, 6, "STEEL POINT NO 6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ListLength(m, c.list), c.length);
    EXPECT_FALSE(ShowPrevious(m, c.list));  // Previous on record 1 changes nothing
    int moves = 0;
    while (ShowNext(m, c.list)) ++moves;
    EXPECT_EQ(moves, c.length > 1 ? c.length - 1 : 0) << c.lastCaption;
    EXPECT_EQ(FrameCaption(m, c.list), c.lastCaption);
    EXPECT_FALSE(ShowNext(m, c.list));  // Next on the last record changes nothing
    EXPECT_EQ(CurrentIndex(m, c.list), c.length > 0 ? c.length : 1);
  }
  EXPECT_TRUE(ShowPrevious(m, RecordList::ConcreteCircle));
  EXPECT_EQ(FrameCaption(m, RecordList::ConcreteCircle), "SECTION NO 2");

  // A Bilinear curve has four points to step through.
  ASSERT_TRUE(SelectSteelModel(m, 1));
  {
    RefreshScope refresh(m);
  }
  while (ShowNext(m, RecordList::SteelPoint)) {
  }
  EXPECT_EQ(FrameCaption(m, RecordList::SteelPoint), "STEEL POINT NO 4");
}

TEST(Navigation, FrameShowsTheRecordAtTheNewIndex) {
  ProjectModel m;
  ResetAll(m);
  SetLoadCount(m, 2);
  m.loads[2].P = 250000, m.loads[2].M = 12.5f * 12000;
  ShowNext(m, RecordList::Load);
  std::vector<std::string> shown;
  for (Field f : FrameFields(RecordList::Load)) shown.push_back(FieldText(m, f));
  EXPECT_EQ(shown, (std::vector<std::string>{"250.0", "12.5", "0.0", "0.0"}));
  EditField(m, Field::V, "7");
  EXPECT_EQ(m.loads[2].V, 7000.0f);
  EXPECT_EQ(m.loads[1].V, 0.0f);
}

TEST(OptionChoices, EachChoiceAppliesItsDefaults) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_TRUE(SelectCriteria(m, 5));  // CAN/CSA-S6 switches to metric
  EXPECT_EQ(m.criteria, "s6");
  EXPECT_EQ(m.units, "metric");
  EXPECT_EQ(m.a1, 0.805f);
  EXPECT_FALSE(SelectCriteria(m, static_cast<int>(CriteriaList().size())));
  EXPECT_FALSE(SelectCriteria(m, -1));
  EXPECT_EQ(m.criteria, "s6");
  EXPECT_TRUE(SelectUnits(m, true));
  EXPECT_EQ(m.units, "metric");  // CSA criteria stay metric
  m.SlendernessOption = 2;
  SelectCriteria(m, 0);
  EXPECT_EQ(m.criteria, "ud");
  EXPECT_EQ(m.SlendernessOption, 1);

  SelectSteelModel(m, 1);
  EXPECT_EQ(m.reinfModel, 1);
  EXPECT_EQ(m.steelModel, 1);
  EXPECT_EQ(m.StressStrainPointCount, 4);
  SelectConcreteModel(m, 1);
  EXPECT_EQ(m.concreteModel, 1);
  EXPECT_EQ(m.ecu, m.em);

  SelectPerformMomentCurvature(m, true);
  EXPECT_EQ(m.OutputMomentCurvature, 1);
  SelectPerformMomentCurvature(m, false);
  EXPECT_EQ(m.OutputMomentCurvature, 0);

  SetRecordCount(m, RecordKind::ConcreteRect, 2);
  m.currentRect = 2;
  SelectConcreteSign(m, RecordKind::ConcreteRect, false);
  EXPECT_EQ(m.rects[2].rsign, -1);
  EXPECT_FALSE(ShownAsAdded(m, RecordKind::ConcreteRect));
  EXPECT_EQ(m.rects[1].rsign, 1);
  SelectConcreteSign(m, RecordKind::ConcreteCircle, false);  // no circles: nothing to change
  EXPECT_EQ(m.circles.size(), 1u);

  // Slender wall: shear restrained, and at the next refresh section analysis off, slenderness on.
  SelectCriteria(m, 3);
  SetLoadCount(m, 1);
  m.Vri = 0;
  SelectSlendernessOption(m, 3);
  EXPECT_EQ(m.Vri, 1);
  { RefreshScope refresh(m); }
  EXPECT_EQ(m.OutputSectionAnalysis, 0);
  EXPECT_EQ(m.OutputSlenderness, 1);

  EXPECT_EQ(SelectOutputOption(m, OutputOption::SectionAnalysis, true), "");
  EXPECT_EQ(OutputOptionValue(m, OutputOption::SectionAnalysis), 1);
  SelectCriteria(m, 0);
  EXPECT_EQ(SelectOutputOption(m, OutputOption::Slenderness, true),
            "Slenderness effects not available for user defined criteria");
  EXPECT_EQ(OutputOptionValue(m, OutputOption::Slenderness), 0);

  SelectParkModel(m, 1);
  EXPECT_EQ(ParkModelTip(m), "Park model with parabolic strain hardening");
  SelectParkModel(m, 2);
  EXPECT_EQ(ParkModelTip(m), "Park model with complex strain hardening");
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
  EXPECT_FALSE(SelectSteelModel(m, 1));
  EXPECT_FALSE(SelectSlendernessOption(m, 3));
  EXPECT_FALSE(SelectPerformMomentCurvature(m, true));
  EXPECT_FALSE(SelectConfinementOption(m, 4));
  SelectConcreteSign(m, RecordKind::ConcreteRect, false);
  SelectParkModel(m, 1);
  SelectOutputOption(m, OutputOption::InputEcho, false);
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_EQ(m.ParkModel, 2);
  EXPECT_EQ(m.confinementOption, 1);
  EXPECT_EQ(m.OutputInputEcho, 1);
  EXPECT_EQ(m.modified, 0);
}

TEST(Refresh, ShowsRecordOneAndEndsTheGuard) {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ReinforcingArc, 3);
  SetLoadCount(m, 2);
  m.currentArc = 3, m.currentLoad = 2, m.currentSPoint = 5;
  m.OutputSectionAnalysis = 0;
  {
    RefreshScope refresh(m);
    EXPECT_EQ(m.refreshing, 1);
    {
      RefreshScope inner(m);
    }
    EXPECT_EQ(m.refreshing, 1);  // an inner refresh does not end the outer one
    EXPECT_EQ(FrameCaption(m, RecordList::ReinforcingArc), "ARC NO 1");
    EXPECT_EQ(FrameCaption(m, RecordList::Load), "LOAD CONDITION NO 1");
    EXPECT_EQ(FrameCaption(m, RecordList::SteelPoint), "STEEL POINT NO 1");
    EXPECT_EQ(m.OutputSectionAnalysis, 1);
  }
  EXPECT_EQ(m.refreshing, 0);

  // Filling a form guards the clicks but leaves the main window's records where they are.
  m.currentArc = 2;
  {
    FillingGuard filling(m);
    EXPECT_FALSE(SelectConfinementOption(m, 3));
  }
  EXPECT_EQ(m.currentArc, 2);
  EXPECT_EQ(m.refreshing, 0);
  EXPECT_TRUE(SelectConfinementOption(m, 3));
}

TEST(EnableRules, FramesFollowCountsAndSlendernessNeedsLoadsAndCriteria) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_FALSE(FrameEnabled(m, RecordList::ConcreteRect));
  EXPECT_FALSE(FrameEnabled(m, RecordList::Load));
  EXPECT_TRUE(FrameEnabled(m, RecordList::ReinforcingPoint));
  EXPECT_FALSE(SlendernessOptionsEnabled(m));
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  SetRecordCount(m, RecordKind::SteelRect, -1);
  EXPECT_TRUE(FrameEnabled(m, RecordList::ConcreteRect));
  EXPECT_FALSE(FrameEnabled(m, RecordList::SteelRect));

  SetLoadCount(m, 2);
  EXPECT_TRUE(SlendernessOptionsEnabled(m));
  SelectCriteria(m, 0);  // user defined, two loads
  EXPECT_TRUE(FrameEnabled(m, RecordList::Load));
  EXPECT_FALSE(SlendernessOptionsEnabled(m));

  EXPECT_FALSE(OpensConfinementWindow(m));
  SelectConcreteModel(m, 3);
  EXPECT_TRUE(OpensConfinementWindow(m));
  SelectCriteria(m, 3);
  EXPECT_TRUE(OpensSlendernessForm(m));
  SelectSlendernessOption(m, 3);
  EXPECT_FALSE(OpensSlendernessForm(m));
}

}  // namespace
}  // namespace tarnix
