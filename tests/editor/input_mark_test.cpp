// The marks of an incomplete input: the tab brought to the front and the field, table, row or cell marked.
#include "editor/input_mark.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

// The mark as a short text: the tab's caption, then what is marked ("lines 2 Nbl", "field esp").
std::string Describe(const InputMark& mark) {
  std::string text = TabCaption(mark.tab);
  if (mark.field) text += std::string(" field ") + DescriptorOf(*mark.field).name;
  if (mark.member) text += mark.member == MemberField::L ? " member L" : " member Keff";
  if (mark.table) {
    const char* lists[] = {"rects",  "circles", "lines",   "arcs",   "pipes",
                           "shapes", "loads",   "rpoints", "spoints"};
    text +=
        std::string(" ") + lists[static_cast<int>(mark.table->list)] + " " + std::to_string(mark.table->row);
    if (mark.table->column) text += std::string(" ") + DescriptorOf(*mark.table->column).name;
  }
  return text;
}

// A model of one rectangle, one line of 3 bars and one load of 100 kip, complete for both analyses with the
// Park curves of the reset, and an edit that leaves one problem in it.
TEST(InputMark, EachProblemMarksWhatTheEngineerCorrects) {
  const struct {
    const char* what;
    std::function<void(ProjectModel&)> edit;
    const char* mark;
  } cases[] = {
      {"no concrete section", [](ProjectModel& m) { SetRecordCount(m, RecordKind::ConcreteRect, 0); },
       "CONCRETE rects 0"},
      {"second bar line without bars",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::ReinforcingLine, 2);
         m.lines[1].Nbl = 3;
       },
       "REINFORCING lines 2 Nbl"},
      {"arc without bars", [](ProjectModel& m) { SetRecordCount(m, RecordKind::ReinforcingArc, 1); },
       "REINFORCING arcs 1 Nba"},
      {"rectangle neither added nor cut out", [](ProjectModel& m) { m.rects[1].rsign = 0; },
       "CONCRETE rects 1"},
      {"load without axial load or moment", [](ProjectModel& m) { m.loads[1].P = 0; }, "LOADS loads 1 P"},
      {"slender member without length", [](ProjectModel& m) { SetSlendernessOption(m, 2); },
       "LOADS member L"},
      {"slender member without length factor",
       [](ProjectModel& m) {
         SetSlendernessOption(m, 2);
         m.L = 120, m.Keff = 0;
       },
       "LOADS member Keff"},
      {"unknown criteria", [](ProjectModel& m) { m.criteria = "bs8110"; }, "DESIGN CRITERIA"},
      {"concrete model 9", [](ProjectModel& m) { m.concreteModel = 9; }, "STRESS-STRAIN"},
      {"MC without spalling strain",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         m.esp = 0;
       },
       "STRESS-STRAIN field esp"},
      {"MC Mander ties without spacing",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         m.concreteModel = 3, m.fcc = 7000, m.confinementOption = 2, m.st = 0;
       },
       "STRESS-STRAIN field st"},
      {"MC without loads",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         SetLoadCount(m, 0);
       },
       "LOADS loads 0"},
      {"reinforcing point 1 strain on the compression side",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         m.rpPA[1].strain = 35;
       },
       "STRESS-STRAIN rpoints 1 strainr"},
      {"structural steel point 4 stress on the tension side",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 1);
         SetRecordCount(m, RecordKind::SteelPipe, 1);
         m.spPA[4].stress = -1;
       },
       "STRESS-STRAIN spoints 4 stresss"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m;
    ResetAll(m);
    SetRecordCount(m, RecordKind::ConcreteRect, 1);
    SetRecordCount(m, RecordKind::ReinforcingLine, 1);
    m.lines[1].Nbl = 3;
    SetLoadCount(m, 1);
    m.loads[1].P = 100000;
    m.ec0 = 0.002f, m.fc0 = 5200, m.ecu = 0.005f, m.esp = 0.005f;
    EXPECT_FALSE(IncompleteInputMark(m)) << "the model before the edit is complete";
    c.edit(m);
    const std::optional<InputMark> mark = IncompleteInputMark(m);
    ASSERT_TRUE(mark);
    EXPECT_EQ(Describe(*mark), c.mark);
    EXPECT_EQ(mark->problem, FindInputProblem(m));
  }
}

// The mark of a cell goes with an edit of that cell, the mark of a row with an edit of any of its cells; a
// table marked as a whole (a list with no records) has no cell under its mark.
TEST(InputMark, CellsUnderAMark) {
  const struct {
    TableMark mark;
    int row;
    std::optional<Field> column;  // none: the Subtract column
    bool covered;
  } cases[] = {
      {{RecordList::ReinforcingLine, 2, Field::Nbl}, 2, Field::Nbl, true},
      {{RecordList::ReinforcingLine, 2, Field::Nbl}, 2, Field::Abl, false},
      {{RecordList::ReinforcingLine, 2, Field::Nbl}, 1, Field::Nbl, false},
      {{RecordList::ConcreteRect, 1, std::nullopt}, 1, Field::D, true},
      {{RecordList::ConcreteRect, 1, std::nullopt}, 1, std::nullopt, true},
      {{RecordList::ReinforcingLine, 2, Field::Nbl}, 2, std::nullopt, false},
      {{RecordList::ConcreteRect, 1, std::nullopt}, 2, Field::D, false},
      {{RecordList::ConcreteRect, 0, std::nullopt}, 1, Field::D, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.row << " column "
                                    << (c.column ? DescriptorOf(*c.column).name : "Subtract"));
    EXPECT_EQ(c.mark.Covers(c.row, c.column), c.covered);
  }
}

}  // namespace
}  // namespace tarnix
