// The results dock: one row per load condition from the last calculation, with the verdict in green or red.
#pragma once

#include <QDockWidget>

#include "editor/results_table.h"

class QLabel;
class QTableWidget;

namespace tarnix {

class ResultsPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit ResultsPanel(QWidget* parent = nullptr);

  /// Shows the results of a calculation.
  void ShowResults(const ResultsTable& table);
  /// The project changed after the calculation: the rows stay, marked as out of date.
  void MarkOutOfDate();
  /// A new project: nothing calculated yet.
  void Clear();
  /// The last run failed or was cancelled: no rows, no charts, only `outcome` saying so.
  void ShowFailure(const QString& outcome);
  bool OutOfDate() const { return outOfDate_; }
  const ResultsTable& Table() const { return table_; }
  /// The width that shows every shown column without scrolling.
  int PreferredWidth() const;
  /// Puts the table on the clipboard as tab-separated text.
  void CopyTable();

 signals:
  /// The engineer double-clicked the row of this load condition.
  void LoadActivated(int load);

 private:
  QTableWidget* grid_ = nullptr;
  QLabel* note_ = nullptr;
  ResultsTable table_;
  bool outOfDate_ = false;
};

}  // namespace tarnix
