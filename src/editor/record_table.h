// The record lists as tables, one row per record: the rules of the window's tables (cells, adding and
// deleting rows, copy and paste as tab-separated text) over the same field rules as the single fields.
#pragma once

#include <string>
#include <vector>

#include "editor/field_edits.h"
#include "editor/member_editor.h"
#include "editor/record_navigation.h"
#include "model/project_model.h"

namespace tarnix {

/// The columns of a list's table: the fields of its records, in the order of the window.
std::vector<Field> TableColumns(RecordList list);
/// Rows of the table (the list's length).
int TableRows(const ProjectModel& m, RecordList list);
/// Rows can be added and deleted (the section and load lists; not the points of the steel curves).
bool RowsCanChange(RecordList list);

/// The text of the cell of record `row` (1-based) in `field`'s column, as its field shows it.
std::string CellText(const ProjectModel& m, RecordList list, int row, Field field);
/// Typing `text` into the cell: the field's rules for record `row`, which becomes the current record.
EditEffect EditCell(ProjectModel& m, RecordList list, int row, Field field, std::string_view text);

/// The slenderness data of each load, further columns of the loads table while the slenderness option
/// magnifies the moments of each load (moment magnification, general P-delta): end moments, sustained load
/// ratios, initial deflections and rotations; none otherwise.
std::vector<SlenderField> LoadSlendernessColumns(const ProjectModel& m);
/// The caption of such a column with its unit ("Larger end moment, sway, k-ft").
std::string SlenderColumnCaption(const ProjectModel& m, SlenderField field);
/// The text of load `row`'s value, as the slenderness window shows it.
std::string SlenderCellText(const ProjectModel& m, int row, SlenderField field);
/// Typing into it: the slenderness window's rule for load `row`; returns why the text was refused.
std::string EditSlenderCell(ProjectModel& m, int row, SlenderField field, std::string_view text);

/// Inserts `n` blank records before record `row` (row = length + 1 appends; concrete sections added, not
/// subtracted); false, and nothing changed, when the list cannot change or would exceed its limit.
bool InsertRows(ProjectModel& m, RecordList list, int row, int n);
/// Deletes records `row` .. `row` + `n` - 1; false, and nothing changed, when they do not all exist.
bool DeleteRows(ProjectModel& m, RecordList list, int row, int n);

/// Records `first` .. `last` as tab-separated text, a line each ended by a newline, for a spreadsheet (loads
/// with their slenderness columns).
std::string RowsText(const ProjectModel& m, RecordList list, int first, int last);

/// What a paste did: the rows written and why cells were refused ("row 2, Depth: not a number").
struct PasteOutcome {
  int rows = 0;
  std::vector<std::string> refused;
};
/// Writes tab-separated lines (from a spreadsheet) into records from `row` on, a line per record and a
/// cell per column from the first; rows are added where the list runs out (where it can change). A refused
/// cell keeps its value; empty lines are skipped.
PasteOutcome PasteRows(ProjectModel& m, RecordList list, int row, const std::string& text);

}  // namespace tarnix
