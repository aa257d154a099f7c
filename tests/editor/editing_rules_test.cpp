// What the engineer typed is never lost or silently changed: counts, refused text, undo, values that
// follow their inputs and unit conversion.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "editor/calculation_command.h"
#include "editor/field_edits.h"
#include "editor/invert_section.h"
#include "editor/menu_actions.h"
#include "editor/model_history.h"
#include "editor/option_choices.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "model/unit_conversion.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

ProjectModel RectColumn() {
  ProjectModel m;
  ResetProject(m);
  EXPECT_TRUE(LoadInput(m, TARNIX_EXAMPLES_DIR "/rect_column.in").status.ok());
  return m;
}

TEST_F(TempFolderTest, SavingLetsHiddenRecordsGo) {
  ProjectModel m = RectColumn();
  EditField(m, Field::nl, "1");
  ASSERT_TRUE(SaveInputAs(m, Path("one_line.in")).status.ok());
  EditField(m, Field::nl, "2");
  EXPECT_EQ(m.lines[2].Yb, 0.0f);  // the file holds one line, and so does the project now
}

TEST(Validation, TextTheFieldCannotMeanIsRefusedAndTheValueKept) {
  const struct {
    Field field;
    const char* text;
    bool refused;
  } cases[] = {
      {Field::fpc, "-5000", true}, {Field::fpc, "5000 psi", false}, {Field::Abl, "-1", true},
      {Field::Abl, "0", false},    {Field::ns, "10001", true},      {Field::Yt, "-3", false},
  };
  for (const auto& c : cases) EXPECT_EQ(!FieldProblem(c.field, c.text).empty(), c.refused) << c.text;

  ProjectModel m = RectColumn();
  EXPECT_EQ(EditField(m, Field::fpc, "abc").problem, "not a number");
  EXPECT_EQ(m.fpc, 5000.0f);

  FieldProblems problems;
  problems.Set(Field::fpc, "not a number");
  EXPECT_EQ(problems.RequireNone().detail, "Concrete compressive strength: not a number");
}

// Each kind of change is undone and redone exactly; the results of the last run stay.
TEST(Undo, EveryKindOfChangeIsUndoneAndRedone) {
  const struct {
    const char* what;
    std::function<void(ProjectModel&)> change;
  } cases[] = {
      {"a field", [](ProjectModel& p) { EditField(p, Field::D, "30"); }},
      {"a count", [](ProjectModel& p) { EditField(p, Field::nl, "1"); }},
      {"the criteria", [](ProjectModel& p) { SelectCriteria(p, 6); }},
      {"units converted", [](ProjectModel& p) { SelectUnits(p, false, true); }},
      {"the inversion", [](ProjectModel& p) { InvertSection(p); }},
      {"the reset", [](ProjectModel& p) { ResetProject(p); }},
  };
  for (const auto& c : cases) {
    ProjectModel m = RectColumn();
    const ProjectModel before = m;
    c.change(m);
    const ProjectModel after = m;
    m.interactionDiagram.idCount = 7;  // stands for the results of a run made since
    const ModelChange change(before, after);
    change.Undo(m);
    EXPECT_EQ(FormatInputFile(m), FormatInputFile(before)) << c.what;
    EXPECT_EQ(m.lines.size(), before.lines.size()) << c.what;
    EXPECT_EQ(m.interactionDiagram.idCount, 7) << c.what;
    change.Redo(m);
    EXPECT_EQ(FormatInputFile(m), FormatInputFile(after)) << c.what;
  }
}

// The material-model values follow f'c unless they were set; the file's own values are kept.
TEST(DerivedValues, MaterialModelFollowsItsInputs) {
  // The file has no material-model section: Simple concrete from f'c 5000 psi, fc0 = 1.3 x 5000 = 6500,
  // Eci = 57000 sqrt(6500) = 4595487 psi (ACI 318-19 19.2.2.1 with the unconfined strength).
  ProjectModel m = RectColumn();
  EXPECT_EQ(m.fc0, 6500.0f);
  EXPECT_EQ(m.Eci, 4595487.0f);

  EditField(m, Field::fc0, "6000");  // set by the engineer: kept from now on
  EditField(m, Field::fpc, "4000");
  EXPECT_EQ(m.fc0, 6000.0f);
}

TEST(UnitConversion, TheSameSectionInOtherUnits) {
  ProjectModel m = RectColumn();
  SelectUnits(m, false, true);
  EXPECT_EQ(m.units, "metric");
  // 24 in = 609.6 mm; 1 in^2 = 645.16 mm^2; 5000 psi = 34.474 MPa; 450 kip = 2001.7 kN;
  // 120 k-ft = 162.70 kN-m (1 lbf = 4.4482216 N, 1 in = 25.4 mm).
  EXPECT_FLOAT_EQ(m.rects[1].D, 609.6f);
  EXPECT_FLOAT_EQ(m.lines[1].Abl, 645.16f);
  EXPECT_NEAR(m.fpc, 34.4738f, 1e-4);
  EXPECT_NEAR(DisplayedLoadValue(m, 1, LoadValue::P), 2001.70f, 0.01);
  EXPECT_NEAR(DisplayedLoadValue(m, 1, LoadValue::M), 162.698f, 0.001);

  // And back: every number within single precision of what was typed.
  const ProjectModel english = RectColumn();
  SelectUnits(m, true, true);
  EXPECT_FLOAT_EQ(m.rects[1].D, 24.0f);
  EXPECT_FLOAT_EQ(m.loads[3].M, english.loads[3].M);
  EXPECT_FLOAT_EQ(m.loads[2].M2s, english.loads[2].M2s);

  // CSA-A23.3 (list entry 6) is metric only: converting first keeps the section the same one.
  ASSERT_TRUE(CriteriaChangesUnits(m, 6));
  SelectCriteria(m, 6, true);
  EXPECT_FLOAT_EQ(m.rects[1].D, 609.6f);
  EXPECT_FALSE(CriteriaChangesUnits(m, 6));
}

class Reports : public TempFolderTest {};

class CancellingObserver : public RunObserver {
 public:
  void ShowStatus(const std::string&, const std::string&) override {}
  bool CancelRequested() override { return true; }
};

// The window's run replaces its report only when it completes, through a link into the linked file, and
// leaves nothing beside it; a run that fails leaves no results.
TEST_F(Reports, TheWindowsRunReplacesItsReportOnlyWhenItCompletes) {
  ProjectModel m = RectColumn();
  { std::ofstream(Path("column.out")) << "earlier report"; }
  std::filesystem::create_symlink(Path("column.out"), Path("link.out"));
  ChooseOutputFile(m, Path("link.out"));
  const auto report = [this] {
    std::ifstream in(Path("column.out"));
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  CancellingObserver cancel;
  EXPECT_EQ(RunKeepingEarlierReport(m, &cancel).message, kCalculationCancelled);
  EXPECT_EQ(report(), "earlier report");
  ASSERT_TRUE(RunKeepingEarlierReport(m, nullptr).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.out")));
  EXPECT_NE(report().find("I N T E R A C T I O N"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("")), {}), 2);

  // A report that cannot be written: the capacities of the run before must not stay to be shown as if
  // they belonged to this one.
  ASSERT_GT(m.interactionDiagram.idCount, 0);
  SetOutputFileNames(m, Path("no/such/folder/column.out"));
  EXPECT_FALSE(RunKeepingEarlierReport(m, nullptr).ok());
  EXPECT_EQ(m.interactionDiagram.idCount, 0);
  EXPECT_TRUE(m.interactionDiagram.capacity.empty());
}

}  // namespace
}  // namespace tarnix
