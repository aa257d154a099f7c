// Where the window shows the engineer the first problem of an incomplete input: the tab brought to the
// front and the field, or the table with its row and cell, that is marked until the engineer edits it.
#pragma once

#include <optional>
#include <string>

#include "editor/field_descriptors.h"
#include "editor/member_editor.h"
#include "model/input_check.h"
#include "model/project_model.h"

namespace tarnix {

/// The part of a table a mark covers: the whole table (row 0), one row (no column) or one cell.
struct TableMark {
  RecordList list = RecordList::ConcreteRect;
  int row = 0;                  ///< the record or point, 1-based; 0 for the table as a whole
  std::optional<Field> column;  ///< the cell's column; none for the whole row

  /// True when the cell of record `cellRow` in the column of `cellColumn` lies under the mark: a whole row
  /// covers every cell of it (`cellColumn` none for a column that shows no field, as "Subtract"); a whole
  /// table covers none (the table itself is marked).
  bool Covers(int cellRow, std::optional<Field> cellColumn) const;
};

/// What the window marks for an input problem. At most one of `field`, `member` and `table` is set; with
/// none of them only the tab comes to the front (an option chosen by buttons).
struct InputMark {
  MainTab tab = MainTab::Criteria;    ///< the tab brought to the front
  std::optional<Field> field;         ///< a text field of the main window or of the confinement window
  std::optional<MemberField> member;  ///< a field of the member properties window
  std::optional<TableMark> table;     ///< a table, a row of it or a cell
  std::string problem;                ///< what is wrong, as the message names it
};

/// Where the window shows `problem`.
InputMark MarkOf(const InputProblem& problem);
/// The mark of the first problem of the model; none when the model is complete.
std::optional<InputMark> IncompleteInputMark(const ProjectModel& m);

}  // namespace tarnix
