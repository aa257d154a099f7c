// The record marked in the drawing, option clicks raised by a refresh, the criteria choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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
#include "model/project_file.h"
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
    if (c.currentLine == 2) CurrentRecord(m, RecordList::ReinforcingLine) = 2;
    SectionDrawing drawing = DrawSection(m);
    MarkCurrentRecords(m, c.tab, drawing);
    std::vector<std::pair<ShapeRole, double>> marked;
    for (const DrawShape& s : drawing.shapes) {
      if (s.highlighted) marked.emplace_back(s.role, s.y);
    }
    EXPECT_EQ(marked, c.marked) << TabCaption(c.tab) << " line " << c.currentLine;
  }

  // Rows selected in a table are marked instead of the current record: both lines' six bars.
  ProjectModel column = TwoLayerColumn("aci02");
  SectionDrawing both = DrawSection(column);
  MarkCurrentRecords(column, MainTab::Reinforcing, both, {{RecordList::ReinforcingLine, {1, 2}}});
  EXPECT_EQ(std::count_if(both.shapes.begin(), both.shapes.end(), [](const DrawShape& s) { return s.highlighted; }),
            6);

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

// The L-shaped wall: one polygon and 24 single bars. Polygons are marked from the concrete tab and single
// bars from the reinforcing tab, by their own rows (the current one, or those selected).
TEST(Navigation, PolygonsAndSingleBarsAreMarkedByTheirOwnRows) {
  ProjectModel wall;
  ASSERT_TRUE(LoadModelFile(wall, TARNIX_EXAMPLES_DIR "/l_wall.json").ok());
  const struct {
    MainTab tab;
    SelectedRecords selected;
    std::vector<std::pair<RecordKind, int>> marked;
  } cases[] = {
      {MainTab::Concrete, {}, {{RecordKind::ConcretePolygon, 1}}},
      {MainTab::Concrete, {{RecordList::SingleBar, {3}}}, {{RecordKind::ConcretePolygon, 1}}},
      {MainTab::Reinforcing, {}, {{RecordKind::SingleBar, 24}}},
      {MainTab::Reinforcing,
       {{RecordList::SingleBar, {3, 5}}},
       {{RecordKind::SingleBar, 3}, {RecordKind::SingleBar, 5}}},
      {MainTab::Loads, {{RecordList::SingleBar, {3}}}, {}},
  };
  CurrentRecord(wall, RecordList::SingleBar) = 24;
  for (const auto& c : cases) {
    SCOPED_TRACE(TabCaption(c.tab));
    SectionDrawing drawing = DrawSection(wall);
    MarkCurrentRecords(wall, c.tab, drawing, c.selected);
    std::vector<std::pair<RecordKind, int>> marked;
    for (const DrawShape& s : drawing.shapes) {
      if (s.highlighted) marked.emplace_back(s.source, s.record);
    }
    EXPECT_EQ(marked, c.marked);
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

int ListIndexOf(const std::string& key) {
  const auto& list = CriteriaList();
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i]->key == key) return static_cast<int>(i);
  }
  return -1;
}

// Another criteria either replaces the engineer's strengths by its defaults or keeps them and changes only
// what the code fixes, and every value it changed is named.
TEST(OptionChoices, AnotherCriteriaKeepsOrReplacesTheStrengths) {
  // AREMA in English units with f'c typed as 5000 psi: b1 = 0.85 - 0.05 (5000 - 4000) / 1000 = 0.80 and
  // Ec = 57000 sqrt(5000) = 4030509 psi; the reset's neutral axis step inc is 0.01.
  const auto english5000 = [] {
    ProjectModel m;
    ResetAll(m);
    EditField(m, Field::fpc, "5000");
    return m;
  };
  // AREMA in metric units with f'c typed as 40 MPa: b1 = 0.85 - 0.05 (40 - 30) / 7 = 0.779.
  const auto metric40 = [] {
    ProjectModel m;
    ResetAll(m);
    SelectUnits(m, false);
    EditField(m, Field::fpc, "40");
    return m;
  };
  const auto typedPhi = [] {
    ProjectModel m;
    ResetAll(m);
    SelectCriteria(m, ListIndexOf("aci02"));
    EditField(m, Field::phiC, "0.6");
    return m;
  };
  const auto keep = NewCriteriaStrengths::KeepStrengths;
  const struct {
    const char* what;
    std::function<ProjectModel()> start;
    const char* key;
    NewCriteriaStrengths strengths;
    std::vector<float> values;  // f'c, Ec, a1, b1, phi of compression
    std::vector<std::string> changed;
  } cases[] = {
      {"ACI 318-02, defaults", english5000, "aci02", NewCriteriaStrengths::UseDefaults,
       {4000, 3605000, 0.85f, 0.85f, 0.65f},
       {"Concrete strength f'c: 5000 to 4000 psi", "Concrete modulus Ec: 4030509 to 3605000 psi",
        "Compression: 0.7 to 0.65", "Shear and torsion: 0.85 to 0.75", "Block depth ratio b1: 0.8 to 0.85",
        "Neutral axis step: 0.01 to 0.05 in"}},
      // ACI 318-02 fixes phi; its b1 for 5000 psi is the same 0.80.
      {"ACI 318-02, kept", english5000, "aci02", keep, {5000, 4030509, 0.85f, 0.8f, 0.65f},
       {"Compression: 0.7 to 0.65", "Shear and torsion: 0.85 to 0.75"}},
      // CSA A23.3 fixes the resistance factors, em = 0.0035 and the stress block from the kept 40 MPa:
      // a1 = 0.85 - 0.0015 (40) = 0.79, b1 = 0.97 - 0.0025 (40) = 0.87.
      {"CSA A23.3, kept", metric40, "csa", keep, {40, 29725, 0.79f, 0.87f, 1},
       {"Tension and flexure: 0.9 to 1", "Compression: 0.7 to 1", "Shear and torsion: 0.85 to 1",
        "Concrete: 1 to 0.65", "Reinforcing: 1 to 0.85", "Structural steel: 1 to 0.9",
        "Block stress ratio a1: 0.85 to 0.79", "Block depth ratio b1: 0.779 to 0.87",
        "Ultimate concrete strain: 0.003 to 0.0035"}},
      // User-defined criteria fix nothing: the typed factor stays.
      {"user defined, kept", typedPhi, "ud", keep, {4000, 3605000, 0.85f, 0.85f, 0.6f}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = c.start();
    const ProjectModel before = m;
    ASSERT_TRUE(SelectCriteria(m, ListIndexOf(c.key), false, c.strengths));
    EXPECT_EQ(m.criteria, c.key);
    EXPECT_EQ((std::vector<float>{m.fpc, m.Ec, m.a1, m.b1, m.phiC}), c.values);
    EXPECT_EQ(ChangedValues(before, m), c.changed);
  }
  EXPECT_EQ(CriteriaDefaultsQuestion(ListIndexOf("aci19")),
            "Use the default strengths and factors of ACI 318-19?");
}

// ACI 318-19 has a compression factor of its own for spiral columns (Table 21.2.2): the field shows it
// beside the tied one.
TEST(OptionChoices, TheSpiralFactorStandsBesideTheCompressionField) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_EQ(FieldNote(m, Field::phiC), "");
  SelectCriteria(m, ListIndexOf("aci19"));
  EXPECT_EQ(FieldNote(m, Field::phiC), "spiral 0.75");
}

}  // namespace
}  // namespace tarnix
