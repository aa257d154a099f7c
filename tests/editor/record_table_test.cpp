// The record lists as tables: cells through the field rules, rows added and deleted, and tab-separated
// text to and from a spreadsheet.
#include "editor/record_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/menu_actions.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

ProjectModel Fresh() {
  ProjectModel m;
  ResetProject(m);  // English units: loads typed in kip and k-ft
  return m;
}

// Three loads pasted from a spreadsheet into an empty list: the rows are added, each cell is read as it is
// typed into its field (kip x 1000 = lb, k-ft x 12000 = lb-in; columns P, Mx, My, V), a short line leaves
// the other columns blank and a refused cell is named and keeps its value.
TEST(RecordTable, PastedRowsAreTypedCells) {
  const struct {
    const char* text;
    int rows;
    float P2, M2, My2, V2;
    std::vector<std::string> refused;
  } cases[] = {
      {"100\t50\n200\t80\t5\n300\t120\n", 3, 200000, 80 * 12000, 5 * 12000, 0, {}},
      // Windows lines, a blank one; 1 kip of shear.
      {"100\t50\r\n\r\n200\t80\t-5\t1\r\n", 2, 200000, 80 * 12000, -5 * 12000, 1000, {}},
      {"100\t50\nabc\t80\n", 2, 0, 80 * 12000, 0, 0, {"row 2, Axial load: not a number"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ProjectModel m = Fresh();
    const PasteOutcome outcome = PasteRows(m, RecordList::Load, 1, c.text);
    EXPECT_EQ(outcome.rows, c.rows);
    EXPECT_EQ(outcome.refused, c.refused);
    ASSERT_EQ(m.ns, c.rows);
    EXPECT_EQ(m.loads[1].P, 100000);
    EXPECT_EQ(m.loads[2].P, c.P2);
    EXPECT_EQ(m.loads[2].M, c.M2);
    EXPECT_EQ(m.loads[2].My, c.My2);
    EXPECT_EQ(m.loads[2].V, c.V2);
    EXPECT_EQ(CellText(m, RecordList::Load, 2, Field::M), "80.0");
  }
}

// With moment magnification the loads carry their slenderness data as further columns, in the order of the
// slenderness window: M1ns, M2ns, M1s, M2s (k-ft), BetaD, BetaDs, di, dj (in), ri, rj (degrees), and once
// the member has a length about the vertical axis the end moments and ratios about that axis.
TEST(RecordTable, LoadsCarryTheirSlendernessDataWhereTheOptionUsesIt) {
  const std::string row =
      "500\t100\t25\t0\t0\t60\t120\t20\t40\t0.6\t0\t0.3\t0\t0\t0\t30\t70\t0\t0\t0.5\t0\n";
  const struct {
    int option;
    float lengthY;
    size_t columns;
    const char* copied;
  } cases[] = {
      {Slenderness::None, 0, 0, "500.0\t100.0\t25.0\t0.0\t0.0\n"},
      {Slenderness::MomentMagnification, 0, 10,
       "500.0\t100.0\t25.0\t0.0\t0.0\t60.0\t120.0\t20.0\t40.0\t0.6\t0\t0.3\t0\t0\t0\n"},
      {Slenderness::MomentMagnification, 240, 16,
       "500.0\t100.0\t25.0\t0.0\t0.0\t60.0\t120.0\t20.0\t40.0\t0.6\t0\t0.3\t0\t0\t0\t30.0\t70.0\t0.0\t0.0\t0.5\t0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.copied);
    ProjectModel m = Fresh();
    m.SlendernessOption = c.option;
    m.memberY.L = c.lengthY;
    ASSERT_EQ(PasteRows(m, RecordList::Load, 1, row).refused, std::vector<std::string>{});
    const bool carried = c.columns > 0;
    EXPECT_EQ(LoadSlendernessColumns(m).size(), c.columns);
    EXPECT_EQ(m.loads[1].My, 25 * 12000);
    EXPECT_EQ(m.loads[1].M2ns, carried ? 120 * 12000 : 0);  // k-ft typed, lb-in stored
    EXPECT_EQ(m.loads[1].BetaD, carried ? 0.6f : 0);
    EXPECT_EQ(m.loads[1].di, carried ? 0.3f : 0);
    EXPECT_EQ(m.loads[1].endY.M2ns, c.columns == 16 ? 70 * 12000 : 0);
    EXPECT_EQ(m.loads[1].endY.BetaD, c.columns == 16 ? 0.5f : 0);
    EXPECT_EQ(RowsText(m, RecordList::Load, 1, 1), c.copied);
  }
}

// Rows inserted and deleted keep the other records in order; records hidden by a lowered count never come
// back as "new" rows; the points of the steel curves keep their number.
TEST(RecordTable, RowsInsertedAndDeleted) {
  ProjectModel m = Fresh();
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ReinforcingLine, 4));
  for (int i = 1; i <= 4; ++i) m.lines[static_cast<size_t>(i)].Yb = static_cast<float>(i);
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ReinforcingLine, 3));  // line 4 hidden
  const auto depths = [&] {
    std::string text;
    for (int row = 1; row <= TableRows(m, RecordList::ReinforcingLine); ++row)
      text += CellText(m, RecordList::ReinforcingLine, row, Field::Yb) + " ";
    return text;
  };
  EXPECT_TRUE(InsertRows(m, RecordList::ReinforcingLine, 2, 1));
  EXPECT_EQ(depths(), "1 0 2 3 ");
  EXPECT_TRUE(InsertRows(m, RecordList::ReinforcingLine, 5, 1));
  EXPECT_EQ(depths(), "1 0 2 3 0 ");  // not the hidden line 4
  EXPECT_TRUE(DeleteRows(m, RecordList::ReinforcingLine, 2, 2));
  EXPECT_EQ(depths(), "1 3 0 ");
  EXPECT_FALSE(DeleteRows(m, RecordList::ReinforcingLine, 3, 2));  // row 4 does not exist
  EXPECT_FALSE(InsertRows(m, RecordList::ReinforcingLine, 5, 1));  // beyond the end
  EXPECT_EQ(m.nl, 3);

  EXPECT_FALSE(RowsCanChange(RecordList::SteelPoint));
  EXPECT_FALSE(InsertRows(m, RecordList::SteelPoint, 1, 1));
  EXPECT_EQ(TableRows(m, RecordList::SteelPoint), 6);  // Park
}

// The corners of the polygon chosen in the polygon table: pasted as "x<TAB>y" lines, inserted and deleted as
// rows, and as many as its corner count says (more start at the origin, fewer drop the last). Without a
// polygon there are no corners to change.
TEST(RecordTable, CornersOfThePolygonChosen) {
  ProjectModel m = Fresh();
  const auto corners = [&] {
    std::string text;
    for (int row = 1; row <= TableRows(m, RecordList::PolygonCorner); ++row)
      text += CellText(m, RecordList::PolygonCorner, row, Field::vx) + "," +
              CellText(m, RecordList::PolygonCorner, row, Field::vy) + " ";
    return text;
  };
  EXPECT_FALSE(InsertRows(m, RecordList::PolygonCorner, 1, 1));
  ASSERT_TRUE(InsertRows(m, RecordList::ConcretePolygon, 1, 2));
  m.currentPolygon = 2;
  const struct {
    const char* step;
    std::function<bool()> edit;
    const char* after;
  } steps[] = {
      {"paste", [&] { return PasteRows(m, RecordList::PolygonCorner, 1, "0\t0\n40\t0\r\n40\t8\n").rows == 3; },
       "0,0 40,0 40,8 "},
      {"insert", [&] { return InsertRows(m, RecordList::PolygonCorner, 3, 1); }, "0,0 40,0 0,0 40,8 "},
      {"type", [&] { return EditCell(m, RecordList::PolygonCorner, 3, Field::vy, "-4").problem.empty(); },
       "0,0 40,0 0,-4 40,8 "},
      {"delete", [&] { return DeleteRows(m, RecordList::PolygonCorner, 1, 2); }, "0,-4 40,8 "},
      {"five corners", [&] { return EditCell(m, RecordList::ConcretePolygon, 2, Field::corners, "5").problem.empty(); },
       "0,-4 40,8 0,0 0,0 0,0 "},
      {"one corner", [&] { return EditCell(m, RecordList::ConcretePolygon, 2, Field::corners, "1").problem.empty(); },
       "0,-4 "},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    EXPECT_TRUE(s.edit());
    EXPECT_EQ(corners(), s.after);
  }
  EXPECT_TRUE(m.polygons[1].vertices.empty());  // the other polygon
  EXPECT_EQ(EditCell(m, RecordList::ConcretePolygon, 2, Field::corners, "-1").problem, "a count cannot be negative");
}

// Copied rows pasted into another project give the same table.
TEST(RecordTable, CopiedRowsPasteBackTheSame) {
  ProjectModel m = Fresh();
  ASSERT_EQ(
      PasteRows(m, RecordList::ReinforcingArc, 1, "10\t7.5\t90\t360\t8\t0.79\t-4\n12\t9\t0\t180\t5\t0.6\n").rows,
      2);
  const std::string copied = RowsText(m, RecordList::ReinforcingArc, 1, 2);
  EXPECT_EQ(copied, "10\t7.5\t90\t360\t8\t0.79\t-4\n12\t9\t0\t180\t5\t0.6\t0\n");
  ProjectModel other = Fresh();
  PasteRows(other, RecordList::ReinforcingArc, 1, copied);
  EXPECT_EQ(RowsText(other, RecordList::ReinforcingArc, 1, 2), copied);
}

}  // namespace
}  // namespace tarnix
