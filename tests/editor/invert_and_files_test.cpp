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
#include "section/geometry.h"
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
  // Each depth measured from the bottom at 37 in; a rectangle's top is its old bottom.
  EXPECT_EQ(m.rects[1].Yt, 31.0f);     // 37 - (0 + 6)
  EXPECT_EQ(m.circles[1].Yc, 17.0f);   // 37 - 20
  EXPECT_EQ(m.lines[1].Yb, 4.0f);      // 37 - 33
  EXPECT_EQ(m.steelRects[1].Ytb, 8.0f);  // 37 - (25 + 4)
  EXPECT_EQ(m.pipes[1].Ycp, 7.0f);     // 37 - 30
  // Angles are measured the other way round: the vertical line (90) runs down (270), the horizontal ones
  // stay; the arc from 270 through 180 degrees (the right half, bottom to top) starts at its old end 450 =
  // 90, mirrored to 270, and again covers the right half.
  EXPECT_EQ(m.lines[1].Ab, 0.0f);
  EXPECT_EQ(m.lines[2].Ab, 270.0f);
  EXPECT_EQ(m.lines[3].Ab, 180.0f);
  EXPECT_EQ(m.arcs[1].Abeg, 270.0f);
  EXPECT_EQ(m.arcs[1].Atot, 180.0f);
  InvertSection(m);
  EXPECT_EQ(*FormatInputFile(m), *FormatInputFile(original));
}

// A section in two dimensions turns over about a horizontal line: every bar keeps its x and takes the depth
// H - y, H = 24 the polygon's lowest corner. An inclined line of three bars from (2, 20) up to the right at
// 45 degrees, 4 in long (2.8284 in across and up, centred on x = 3): bars at x = 1.5858, 3, 4.4142 and
// depths 20, 18.5858, 17.1716, which become 4, 5.4142, 6.8284. A quarter arc of radius 5 about (0, 12)
// from 0 to 90 degrees (bars at (5, 12), (3.5355, 8.4645), (0, 7)) becomes bars at (5, 12), (3.5355,
// 15.5355), (0, 17).
TEST(InvertSection, EveryBarAtItsXAndTheOtherDepth) {
  ProjectModel m;
  ResetProject(m);
  SetRecordCount(m, RecordKind::ConcretePolygon, 1);
  m.polygons[1].vertices = {{-6, 0}, {6, 0}, {6, 24}, {-6, 24}};
  SetRecordCount(m, RecordKind::SingleBar, 1);
  m.singleBars[1] = {-3, 2.5f, 0.79f};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {20, 4, 45, 3, 0.2f, 3};
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {12, 5, 0, 90, 3, 0.2f, 0};
  InvertSection(m);
  EXPECT_EQ(m.polygons[1].vertices[2].y, 0);
  EXPECT_EQ(m.polygons[1].vertices[0].y, 24);
  EXPECT_EQ(m.singleBars[1].x, -3);
  EXPECT_EQ(m.singleBars[1].y, 21.5f);
  const struct {
    float x, y, x2, y2;  // the line's j-th bar and the arc's
  } bars[] = {{1.5858f, 4, 0, 17}, {3, 5.4142f, 3.5355f, 15.5355f}, {4.4142f, 6.8284f, 5, 12}};
  for (int j = 1; j <= 3; ++j) {
    SCOPED_TRACE(j);
    const auto& b = bars[j - 1];
    EXPECT_NEAR(LineBarX(m.lines[1], j), b.x, 1e-3);
    EXPECT_NEAR(LineBarDepth(m.lines[1], j), b.y, 1e-3);
    EXPECT_NEAR(ArcBarX(m.arcs[1], j), b.x2, 1e-3);
    EXPECT_NEAR(ArcBarDepth(m.arcs[1], j), b.y2, 1e-3);
  }
}

TEST(ModifiedState, EditsOfSavedInputSetItAndOnlyThose) {
  ProjectModel m = MixedSection();
  EXPECT_FALSE(AskToSaveOnExit(m));  // building the section used the model directly

  const struct {
    const char* what;
    std::function<void(ProjectModel&)> edit;
    bool modifies;
  } cases[] = {
      {"a load", [](ProjectModel& p) { EditField(p, Field::P, "120"); }, true},
      {"the criteria", [](ProjectModel& p) { SelectCriteria(p, 1); }, true},
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
  ResetProject(m);  // the defaults hold nothing worth saving
  EXPECT_FALSE(AskToSaveOnExit(m));
}

TEST(FormCommands, ConfinementAndControlParameters) {
  ProjectModel m = MixedSection();
  SelectConcreteModel(m, 3);
  SelectConfinementOption(m, 5);
  m.ds = 0.25f, m.Dc = 20, m.fyh = 36000, m.fc0 = 4000, m.esf = 0.1f;
  m.modified = 0;
  // Mander: a casing 0.25 in thick of 36 ksi steel round a 20 in core confines at fl = 2 (0.25)(36000) / 20
  // = 900 psi; f'cc = 4000 [2.254 sqrt(1 + 7.94 (900) / 4000) - 2 (900) / 4000 - 1.254] = 8234.2 psi.
  // Steel ratio 4 t / D = 0.05: ecu = 0.004 + 1.4 (0.05)(36000)(0.1) / 8234.2 = 0.0346.
  EXPECT_EQ(CalculateConfinement(m), "");
  EXPECT_EQ(m.fcc, 8234.2f);
  EXPECT_EQ(m.ecu, 0.0346f);
  EXPECT_TRUE(AskToSaveOnExit(m));

  // Mander concrete: the last strain is the ultimate strain.
  m.eend = 0.01f;
  OpenControlParameters(m);
  EXPECT_EQ(m.eend, 0.0346f);
}

using FileCommands = TempFolderTest;

// Which file a name gives: an input file, or a project file for ".json" and for a bare name when the model
// uses two dimensions (a bar off the vertical axis); a model in two dimensions named for an input file is
// offered the project file of that name.
TEST_F(FileCommands, ProjectFileForAModelInTwoDimensions) {
  const struct {
    const char* typed;
    bool twoDimensional;
    const char* saved;  // empty: refused
    const char* instead;
  } cases[] = {
      {"pier", false, "pier.in", ""},
      {"pier", true, "pier.json", ""},
      {"pier.JSON", false, "pier.JSON", ""},
      {"pier.in", true, "", "pier.json"},
      {"v1.2/pier.txt", true, "", "v1.2/pier.json"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ProjectModel m = MixedSection();
    if (c.twoDimensional) m.lines[1].Xb = 2;
    std::filesystem::create_directories(Path("v1.2"));
    EXPECT_EQ(ProjectFileInstead(m, Path(c.typed)), *c.instead ? Path(c.instead) : "");
    const FileCommandResult result = SaveInputAs(m, Path(c.typed));
    EXPECT_EQ(result.status.ok(), *c.saved != 0) << result.status.detail;
    if (*c.saved == 0) {
      EXPECT_EQ(result.status.detail, kInputFileIsOneDimensional);
      continue;
    }
    EXPECT_EQ(m.inputFileName, Path(c.saved));
    ProjectModel read;
    ASSERT_TRUE(LoadInput(read, Path(c.saved)).status.ok());
    EXPECT_EQ(read.lines[1].Xb, c.twoDimensional ? 2 : 0);
  }
}

TEST_F(FileCommands, SaveAndLoadClearTheModifiedStateAndNameTheFile) {
  ProjectModel m = MixedSection();
  EditField(m, Field::title, "Pier 3");
  ASSERT_TRUE(SaveInputAs(m, Path("pier.in")).status.ok());
  EXPECT_EQ(InputFilePanelText(m), "Input file = pier.in");

  // A name typed without an extension gets the one of its kind.
  ASSERT_TRUE(SaveInputAs(m, Path("pier")).status.ok());
  EXPECT_EQ(m.inputFileTitle, "pier.in");
  ASSERT_TRUE(ChooseOutputFile(m, Path("v1.2/pier")));
  EXPECT_EQ(m.outputFileTitle, "pier.out");
  ASSERT_TRUE(ChooseOutputFile(m, Path("pier.txt")));
  EXPECT_EQ(m.outputFileTitle, "pier.txt");

  ProjectModel other;
  ResetProject(other);
  EditField(other, Field::fpc, "5000");
  ASSERT_TRUE(LoadInput(other, Path("pier.in")).refreshWindow());
  EXPECT_FALSE(AskToSaveOnExit(other));  // the edit before loading is gone with its project
}

// What a file does not hold comes from a fresh start, never from the project open before: a Mander
// project with its moment-curvature run, fine control steps and a report, then a file without curves.
TEST_F(FileCommands, LoadingIsAFreshStartFollowedByTheFile) {
  ProjectModel saved = MixedSection();
  ASSERT_TRUE(SaveInputAs(saved, Path("plain.in")).status.ok());  // no moment-curvature rows
  ProjectModel fresh;
  ResetProject(fresh);
  ASSERT_TRUE(LoadInput(fresh, Path("plain.in")).status.ok());

  ProjectModel m = MixedSection();
  SelectPerformMomentCurvature(m, true);
  SelectConcreteModel(m, ConcreteModel::Mander);
  m.fcc = 0;
  m.einc = 0.0001f;
  m.OutputInputEcho = 0;
  m.ParkModel = StrainHardening::Parabolic;
  ChooseOutputFile(m, Path("earlier.out"));
  ASSERT_TRUE(LoadInput(m, Path("plain.in")).status.ok());
  EXPECT_EQ(m.PerformMomentCurvature, 0);
  EXPECT_EQ(m.OutputMomentCurvature, 0);  // the two never disagree
  EXPECT_EQ(m.concreteModel, ConcreteModel::Simple);
  EXPECT_EQ(m.einc, fresh.einc);
  EXPECT_EQ(m.fcc, fresh.fcc);
  EXPECT_EQ(m.OutputInputEcho, 1);
  EXPECT_EQ(m.ParkModel, fresh.ParkModel);
  EXPECT_EQ(m.outputFileName, "");  // the earlier project's report is not written over
  ProjectModel curves = m, freshCurves = fresh;
  curves.PerformMomentCurvature = freshCurves.PerformMomentCurvature = 1;  // the material rows written too
  EXPECT_EQ(*FormatInputFile(curves), *FormatInputFile(freshCurves));
}

TEST_F(FileCommands, CancelledAndFailedCommandsLeaveModelAndNamesAlone) {
  ProjectModel m = MixedSection();
  ASSERT_TRUE(SaveInputAs(m, Path("first.in")).status.ok());
  ASSERT_TRUE(ChooseOutputFile(m, Path("first.out")));
  EditField(m, Field::D, "32");
  const std::string before = *FormatInputFile(m);

  EXPECT_TRUE(LoadInput(m, "").cancelled);
  EXPECT_TRUE(SaveInputAs(m, "").cancelled);
  EXPECT_FALSE(ChooseOutputFile(m, ""));
  EXPECT_EQ(LoadInput(m, Path("missing.in")).status.message, "Error reading input file");
  EXPECT_EQ(SaveInputAs(m, Path("no/such/folder/x.in")).status.message, "Error writing input file");
  EXPECT_EQ(m.outputFileTitle, "first.out");
  EXPECT_EQ(*FormatInputFile(m), before);
  EXPECT_TRUE(AskToSaveOnExit(m));  // none of them kept the edit

  for (RecordKind kind : {RecordKind::ConcreteRect, RecordKind::ConcreteCircle, RecordKind::SteelRect,
                          RecordKind::SteelPipe}) {
    SetRecordCount(m, kind, 0);  // bars without concrete
  }
  EXPECT_EQ(SaveInputAs(m, Path("second.in")).status.message, "Input is incomplete");
  EXPECT_FALSE(std::filesystem::exists(Path("second.in")));
  EXPECT_EQ(m.inputFileName, Path("first.in"));
}

}  // namespace
}  // namespace tarnix
