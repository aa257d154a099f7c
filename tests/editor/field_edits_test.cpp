// Write-through of typed text into the model and the text each field shows.
#include "editor/field_edits.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

ProjectModel ModelWithOneOfEach() {
  ProjectModel m;
  ResetAll(m);
  for (RecordKind kind : {RecordKind::ConcreteRect, RecordKind::ConcreteCircle, RecordKind::ReinforcingLine,
                          RecordKind::ReinforcingArc, RecordKind::SteelRect, RecordKind::SteelPipe}) {
    SetRecordCount(m, kind, 2);
  }
  SetLoadCount(m, 2);
  return m;
}

TEST(FieldParse, LeadingNumberOfTheTextGoesIntoTheShownRecord) {
  ProjectModel m = ModelWithOneOfEach();
  m.currentRect = 2, m.currentLine = 2;
  const struct {
    Field field;
    const char* text;
    std::function<float(const ProjectModel&)> stored;
    float expected;
  } cases[] = {
      {Field::Yt, "12abc", [](const ProjectModel& p) { return p.rects[2].Yt; }, 12},
      {Field::Abl, "1e-1 in2", [](const ProjectModel& p) { return p.lines[2].Abl; }, 0.1f},
      {Field::Nbl, "2.5", [](const ProjectModel& p) { return static_cast<float>(p.lines[2].Nbl); }, 2},
      {Field::P, "-40 kip", [](const ProjectModel& p) { return p.loads[1].P; }, -40000},
  };
  for (const auto& c : cases) {
    EditField(m, c.field, c.text);
    EXPECT_EQ(c.stored(m), c.expected) << c.text;
  }
  EXPECT_EQ(m.rects[1].Yt, 0.0f);  // record 1 was not the one shown

  m.units = "metric";
  SetUnitFactors(m);
  m.currentLoad = 2;
  EditField(m, Field::M, "12.5");
  EXPECT_EQ(m.loads[2].M, 1.25e7f);  // kN-m to N-mm
}

TEST(FieldParse, EmptyListsAndRefusedCountsChangeNothing) {
  ProjectModel m;
  ResetAll(m);
  EditField(m, Field::Yt, "5");  // no rectangle to write into
  EXPECT_EQ(FieldText(m, Field::Yt), "");

  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1].Nbl = 3;
  EditField(m, Field::Nbl, "1e12");
  EXPECT_EQ(m.lines[1].Nbl, 3);
  EXPECT_FALSE(EditField(m, Field::nl, "1e9").problem.empty());
  EXPECT_EQ(m.nl, 1);
}

TEST(FieldParse, DerivedValuesFollowStrengthCoverAndStrainIncrement) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci02");
  const EditEffect effect = EditField(m, Field::fpc, "8000");
  EXPECT_EQ(std::vector<Field>(effect.derived.begin(), effect.derived.begin() + 4),
            (std::vector<Field>{Field::a1, Field::b1, Field::Ec, Field::fc0}));  // and the material models

  // The count of strain increments, halves to the even neighbour; none without a positive increment.
  m.ebeg = 0, m.einc = 0.25f;
  const struct {
    const char* eend;
    const char* status;
  } increments[] = {
      {"0.375", "Number of strain increments = 2"},
      {"0.625", "Number of strain increments = 4"},
      {"0.5", "Number of strain increments = 3"},
  };
  for (const auto& c : increments) EXPECT_EQ(EditField(m, Field::eend, c.eend).status, c.status) << c.eend;
  EXPECT_EQ(EditField(m, Field::einc, "-1").status, "");
}

TEST(FieldParse, ShownTextTypedBackChangesNothing) {
  ProjectModel m = ModelWithOneOfEach();
  m.rects[1] = {1.25f, 24, 12.5f, 1};
  m.lines[1] = {2.5f, 7.125f, 90, 3, 0.79f};
  m.arcs[1] = {24, 21, 7.5f, 360, 24, 1.56f};
  m.pipes[1] = {24, 8, 0.375f};
  m.loads[1].P = 100000, m.loads[1].M = 50.5f * 12000;
  m.em = 0.0035f, m.Ec = 3605000, m.rpPA[1].strain = -0.09f;
  for (Field field : MainWindowFields()) {
    if (field == Field::fpc || field == Field::fc0) continue;  // these derive other fields
    const std::string shown = FieldText(m, field);
    ProjectModel before = m;
    EditField(m, field, shown);
    EXPECT_EQ(FieldText(m, field), shown);
    EXPECT_EQ(FormatInputFile(m), FormatInputFile(before)) << shown;
  }
  EXPECT_EQ(FieldText(m, Field::P), "100.0");
}

}  // namespace
}  // namespace tarnix
