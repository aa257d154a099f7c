// A record list of the main window as a table: one row per record, cells edited through the editor's field
// rules, rows added, inserted and deleted, rows copied and pasted as tab-separated text.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "editor/input_mark.h"
#include "editor/record_table.h"
#include "model/project_model.h"

class QTableView;

namespace tarnix {

/// Runs an edit of the project as one change for Undo; false when the edit changed nothing.
using ProjectChange = std::function<bool(const std::function<bool()>&)>;

/// The table of one list over the project. Concrete sections have a last column "Subtract"; loads have
/// their slenderness data after their own columns while the slenderness option uses it.
class RecordTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  RecordTableModel(ProjectModel& m, RecordList list, ProjectChange change, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  /// The project changed as a whole (a file, Undo, a unit system): every cell is read again.
  void Reload();
  RecordList List() const { return list_; }
  /// Marks the row or cell where the input is incomplete, for `problem`, until a cell under the mark is
  /// edited; none takes the mark away.
  void SetMark(std::optional<TableMark> mark, const QString& problem = {});
  const std::optional<TableMark>& Mark() const { return mark_; }
  /// The column that shows `field`; -1 for none.
  int ColumnOf(Field field) const;

 signals:
  /// An edit changed more than its row (a polygon's number of corners).
  void Reshaped();

 private:
  bool SignColumn(int column) const;
  /// The mark covers the cell.
  bool Marked(const QModelIndex& index) const;
  /// The slenderness column at `column`, or none.
  const SlenderField* SlenderColumn(int column) const;

  ProjectModel& m_;
  RecordList list_;
  std::vector<Field> columns_;
  std::vector<SlenderField> slender_;  // the loads' slenderness data, where the option uses it
  ProjectChange change_;
  std::map<std::pair<int, int>, std::pair<QString, QString>> refused_;  // (row, column): text, problem
  std::optional<TableMark> mark_;                                       // where the input is incomplete
  QString markProblem_;
};

class RecordTable : public QWidget {
  Q_OBJECT

 public:
  RecordTable(ProjectModel& m, RecordList list, ProjectChange change, QWidget* parent);
  RecordTableModel& Model() { return *model_; }
  QTableView& View() { return *view_; }
  void Reload();
  /// Puts the selected rows on the clipboard as tab-separated text.
  void CopyRows();
  /// Writes the clipboard's tab-separated rows from the first selected row on (or after the last row).
  void PasteRows();
  /// Marks the table, a row or a cell where the input is incomplete and brings the marked cell into view;
  /// rows added, deleted or pasted, or an edit under the mark, take it away.
  void ShowMark(const TableMark& mark, const QString& problem);
  void ClearMark();

 signals:
  /// Rows were added, deleted or pasted: the window shows the project again.
  void RowsChanged();
  /// The engineer selected rows (1-based, in order; empty for none).
  void RowsSelected(const std::vector<int>& rows);
  /// A paste refused some cells: why.
  void Refused(const QString& why);

 private:
  ProjectModel& m_;
  RecordList list_;
  ProjectChange change_;
  RecordTableModel* model_;
  QTableView* view_;
};

}  // namespace tarnix
