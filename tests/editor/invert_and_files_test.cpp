// Inversion of the section, the modified state, and file commands given the dialog's answer.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "editor/field_edits.h"
#include "editor/invert_section.h"
#include "editor/menu_actions.h"
#include "editor/option_choices.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

// A T-beam over a steel shape and a pipe, reinforced by a line and a part arc; the top lies at depth 0.
ProjectModel MixedSection() {
  ProjectModel m;
  ResetProject(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 2);
  m.rects[1] = {0, 6, 48, 1};
  m.rects[2] = {6, 30, 12, 1};
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {20, 4, -1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 3);
  m.lines[1] = {33, 8, 0, 3, 1};
  m.lines[2] = {3, 40, 90, 6, 0.31f};
  m.lines[3] = {10, 20, 180, 4, 0.44f};
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {20, 3, 270, 180, 5, 0.2f};
  SetRecordCount(m, RecordKind::SteelRect, 1);
  m.steelRects[1] = {25, 4, 2};
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {30, 6.5f, 1};  // outer face at 30 + 6.5 + 0.5 = 37, below the web
  SetLoadCount(m, 1);
  m.loads[1].P = 100000;
  return m;
}

TEST(InvertSection, MeasuresFromTheBottomAndTwiceRestores) {
  ProjectModel m = MixedSection();
  EXPECT_EQ(SectionBottom(m), 37.0f);
  const ProjectModel original = m;
  InvertSection(m);
  EXPECT_EQ(m.rects[1].Yt, 31.0f);
  EXPECT_EQ(m.rects[2].Yt, 1.0f);
  EXPECT_EQ(m.circles[1].Yc, 17.0f);
  EXPECT_EQ(m.lines[1].Yb, 4.0f);
  EXPECT_EQ(m.steelRects[1].Ytb, 8.0f);
  EXPECT_EQ(m.pipes[1].Ycp, 7.0f);
  EXPECT_EQ(m.arcs[1].Y0, 17.0f);
  // Angles turn half a circle: 0 -> 180, 90 -> 270, 180 -> 0, 270 -> 90.
  EXPECT_EQ(m.lines[1].Ab, 180.0f);
  EXPECT_EQ(m.lines[2].Ab, 270.0f);
  EXPECT_EQ(m.lines[3].Ab, 0.0f);
  EXPECT_EQ(m.arcs[1].Abeg, 90.0f);
  EXPECT_EQ(m.arcs[1].Atot, 180.0f);  // the arc's extent does not turn
  EXPECT_EQ(m.modified, 1);

  EXPECT_EQ(SectionBottom(m), 37.0f);
  InvertSection(m);
  EXPECT_EQ(*FormatInputFile(m), *FormatInputFile(original));
}

TEST(InvertSection, HiddenRecordsStayAsTheyWere) {
  ProjectModel m = MixedSection();
  SetRecordCount(m, RecordKind::SteelPipe, 0);  // the pipe is hidden, the web is now the bottom
  EXPECT_EQ(SectionBottom(m), 36.0f);
  InvertSection(m);
  EXPECT_EQ(m.pipes[1].Ycp, 30.0f);
  EXPECT_EQ(m.rects[1].Yt, 30.0f);
}

TEST(ModifiedState, EditsOfSavedInputSetItAndOnlyThose) {
  ProjectModel m = MixedSection();
  EXPECT_FALSE(AskToSaveOnExit(m));  // building the section used the model directly

  const struct {
    const char* what;
    std::function<void(ProjectModel&)> edit;
    bool modifies;
  } cases[] = {
      {"a field", [](ProjectModel& p) { EditField(p, Field::W, "14"); }, true},
      {"a count", [](ProjectModel& p) { EditField(p, Field::ns, "2"); }, true},
      {"a load", [](ProjectModel& p) { EditField(p, Field::P, "120"); }, true},
      {"the title", [](ProjectModel& p) { EditField(p, Field::title, "Pier 3"); }, true},
      {"the criteria", [](ProjectModel& p) { SelectCriteria(p, 1); }, true},
      {"a concrete sign", [](ProjectModel& p) { SelectConcreteSign(p, RecordKind::ConcreteRect, false); },
       true},
      {"the inversion", [](ProjectModel& p) { InvertSection(p); }, true},
      {"the Park model", [](ProjectModel& p) { SelectParkModel(p, 1); }, true},
      {"a control parameter", [](ProjectModel& p) { EditField(p, Field::cinc, "0.1"); }, true},
      // Neither the output options nor the report name are kept in the input file.
      {"an output option", [](ProjectModel& p) { SelectOutputOption(p, OutputOption::InputEcho, false); },
       false},
      {"the output file", [](ProjectModel& p) { ChooseOutputFile(p, "/tmp/x.out"); }, false},
  };
  for (const auto& c : cases) {
    ProjectModel edited = m;
    c.edit(edited);
    EXPECT_EQ(AskToSaveOnExit(edited), c.modifies) << c.what;
  }
  SetRecordCount(m, RecordKind::ConcreteCircle, 0);
  EditField(m, Field::Yc, "3");
  EXPECT_FALSE(AskToSaveOnExit(m));

  EditField(m, Field::W, "14");
  ResetProject(m);  // the defaults hold nothing worth saving
  EXPECT_FALSE(AskToSaveOnExit(m));
}

TEST(FormCommands, ConfinementAndControlParameters) {
  ProjectModel m = MixedSection();
  SelectConcreteModel(m, 3);
  SelectConfinementOption(m, 5);
  m.ds = 0.25f, m.Dc = 20, m.fyh = 36000, m.fc0 = 4000, m.esf = 0.1f;
  m.modified = 0;
  EXPECT_EQ(CalculateConfinement(m), "");
  EXPECT_EQ(m.fcc, 8234.2f);
  EXPECT_EQ(m.ecu, 0.0346f);
  EXPECT_TRUE(AskToSaveOnExit(m));

  m.modified = 0;
  m.Dc = 0;
  EXPECT_NE(CalculateConfinement(m), "");
  EXPECT_EQ(m.fcc, 8234.2f);
  EXPECT_FALSE(AskToSaveOnExit(m));

  // Mander concrete: the last strain is the ultimate strain.
  m.eend = 0.01f;
  OpenControlParameters(m);
  EXPECT_EQ(m.eend, 0.0346f);
}

using FileCommands = TempFolderTest;

TEST_F(FileCommands, SaveAndLoadClearTheModifiedStateAndNameTheFile) {
  ProjectModel m = MixedSection();
  EditField(m, Field::title, "Pier 3");
  const FileCommandResult saved = SaveInputAs(m, Path("pier.in"));
  ASSERT_TRUE(saved.status.ok()) << saved.status.message;
  EXPECT_FALSE(saved.cancelled);
  EXPECT_FALSE(AskToSaveOnExit(m));
  EXPECT_EQ(InputFilePanelText(m), "Input file = pier.in");

  ProjectModel other;
  ResetProject(other);
  EditField(other, Field::fpc, "5000");
  const FileCommandResult loaded = LoadInput(other, Path("pier.in"));
  ASSERT_TRUE(loaded.status.ok());
  EXPECT_TRUE(loaded.refreshWindow());
  EXPECT_EQ(other.title, "Pier 3");
  EXPECT_EQ(other.inputFileName, Path("pier.in"));
  EXPECT_FALSE(AskToSaveOnExit(other));

  ASSERT_TRUE(ChooseOutputFile(m, Path("pier.out")));
  EXPECT_EQ(OutputFilePanelText(m), "Output file = pier.out");
}

TEST_F(FileCommands, CancelledAndFailedCommandsLeaveModelAndNamesAlone) {
  ProjectModel m = MixedSection();
  ASSERT_TRUE(SaveInputAs(m, Path("first.in")).status.ok());
  ASSERT_TRUE(ChooseOutputFile(m, Path("first.out")));
  EditField(m, Field::D, "32");
  const std::string before = *FormatInputFile(m);

  const FileCommandResult cancelledLoad = LoadInput(m, "");
  EXPECT_TRUE(cancelledLoad.cancelled);
  EXPECT_FALSE(cancelledLoad.refreshWindow());
  EXPECT_TRUE(SaveInputAs(m, "").cancelled);
  EXPECT_FALSE(ChooseOutputFile(m, ""));
  EXPECT_EQ(m.inputFileName, Path("first.in"));
  EXPECT_EQ(m.outputFileTitle, "first.out");
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_TRUE(AskToSaveOnExit(m));  // the cancelled save kept nothing

  const FileCommandResult missing = LoadInput(m, Path("missing.in"));
  EXPECT_EQ(missing.status.message, "Error reading input file");
  EXPECT_EQ(m.inputFileName, Path("first.in"));
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_TRUE(AskToSaveOnExit(m));

  const FileCommandResult unwritable = SaveInputAs(m, Path("no/such/folder/x.in"));
  EXPECT_EQ(unwritable.status.message, "Error writing input file");
  EXPECT_EQ(m.inputFileTitle, "first.in");
  EXPECT_TRUE(AskToSaveOnExit(m));

  SetRecordCount(m, RecordKind::ConcreteRect, 0);
  SetRecordCount(m, RecordKind::ConcreteCircle, 0);
  SetRecordCount(m, RecordKind::SteelRect, 0);
  SetRecordCount(m, RecordKind::SteelPipe, 0);
  EXPECT_EQ(RequireCompleteInput(m).message, "Input is incomplete");
  EXPECT_EQ(SaveInputAs(m, Path("second.in")).status.message, "Input is incomplete");
  EXPECT_FALSE(std::filesystem::exists(Path("second.in")));
  EXPECT_EQ(m.inputFileTitle, "first.in");
}

}  // namespace
}  // namespace tarnix
