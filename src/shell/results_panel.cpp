#include "shell/results_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnix {
namespace {

// The choice kept for the session and the next one: the headings without their units.
QString ColumnKey(const QString& heading) { return heading.section(" (", 0, 0); }

// The columns shown until the engineer chooses others: the load, its verdict, the axial load, the design
// moments, the capacity, the ratio and the neutral-axis angle of a capacity on the interaction surface. The
// others (phi, phi Pn, the capacity's components, magnifiers, ductility) are a right click on the headings
// away.
bool ShownByDefault(const QString& heading) {
  return QStringList{"Load", "Status", "P", "Design M", "Mux", "Muy", "phi Mn", "Angle", "M / phi Mn"}
      .contains(ColumnKey(heading));
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QDockWidget("Results", parent) {
  setObjectName("resultsPanel");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* top = new QHBoxLayout;
  note_ = new QLabel("No calculation yet (F5 calculates)", body);
  auto* copy = new QAction("Copy", this);
  copy->setObjectName("copyResults");
  copy->setToolTip("Copy the table as tab-separated text, for a spreadsheet");
  connect(copy, &QAction::triggered, this, &ResultsPanel::CopyTable);
  auto* copyButton = new QToolButton(body);
  copyButton->setDefaultAction(copy);
  top->addWidget(note_, 1);
  top->addWidget(copyButton);
  layout->addLayout(top);

  grid_ = new QTableWidget(body);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->setVisible(false);
  grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  grid_->addAction(copy);
  // A right click on the headings chooses the columns.
  grid_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_->horizontalHeader(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    for (int c = 0; c < grid_->columnCount(); ++c) {
      const QString heading = grid_->horizontalHeaderItem(c)->text();
      QAction* shown = menu.addAction(heading);
      shown->setCheckable(true);
      shown->setChecked(!grid_->isColumnHidden(c));
      connect(shown, &QAction::toggled, this, [this, c, heading](bool on) {
        grid_->setColumnHidden(c, !on);
        QSettings settings;
        QStringList chosen = settings.value("resultsColumns/shown").toStringList();
        QStringList hidden = settings.value("resultsColumns/hidden").toStringList();
        chosen.removeAll(ColumnKey(heading));
        hidden.removeAll(ColumnKey(heading));
        (on ? chosen : hidden) << ColumnKey(heading);
        settings.setValue("resultsColumns/shown", chosen);
        settings.setValue("resultsColumns/hidden", hidden);
      });
    }
    menu.exec(grid_->horizontalHeader()->mapToGlobal(at));
  });
  layout->addWidget(grid_, 1);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row >= 0 && static_cast<size_t>(row) < table_.rows.size()) {
      emit LoadActivated(table_.rows[static_cast<size_t>(row)].load);
    }
  });
  setWidget(body);
}

void ResultsPanel::ShowResults(const ResultsTable& table) {
  table_ = table;
  outOfDate_ = false;
  grid_->clear();
  grid_->setColumnCount(static_cast<int>(table.columns.size()));
  grid_->setRowCount(static_cast<int>(table.rows.size()));
  QStringList headings;
  for (const std::string& c : table.columns) headings << QString::fromStdString(c);
  grid_->setHorizontalHeaderLabels(headings);
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const ResultsRow& row = table.rows[r];
    for (size_t c = 0; c < row.cells.size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(row.cells[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (static_cast<int>(c) == table.statusColumn) {
        const bool ok = row.verdict == LoadVerdict::Ok;
        item->setBackground(ok ? QColor(198, 239, 206) : QColor(255, 199, 206));
        item->setForeground(ok ? QColor(0, 97, 0) : QColor(156, 0, 6));
        item->setTextAlignment(Qt::AlignCenter);
      }
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  grid_->resizeColumnsToContents();
  const QSettings settings;
  const QStringList chosen = settings.value("resultsColumns/shown").toStringList();
  const QStringList hidden = settings.value("resultsColumns/hidden").toStringList();
  for (int c = 0; c < grid_->columnCount(); ++c) {
    const QString heading = headings[c];
    const bool shown = chosen.contains(ColumnKey(heading)) ||
                       (ShownByDefault(heading) && !hidden.contains(ColumnKey(heading)));
    grid_->setColumnHidden(c, !shown);
  }
  grid_->setEnabled(true);
  note_->setText(table.empty() ? "The calculation gave no load capacities"
                               : "Double-click a load for its chart");
}

int ResultsPanel::PreferredWidth() const {
  // The shown columns; before any calculation, the widest texts of the columns shown first, each with the
  // room a column keeps beside its text.
  int columns = grid_->horizontalHeader()->length();
  if (grid_->columnCount() == 0) {
    const QFontMetrics metrics(grid_->horizontalHeader()->font());
    for (const char* widest :
         {"Load", "EXCEEDED", "P (kip)", "Design M (kN-m)", "phi Mn (kN-m)", "M / phi Mn"})
      columns += metrics.horizontalAdvance(widest) + 3 * metrics.averageCharWidth();
  }
  // The frame, a vertical scroll bar for a long list of loads, and the margins of the dock.
  return columns + grid_->frameWidth() * 2 + grid_->verticalScrollBar()->sizeHint().width() + 16;
}

void ResultsPanel::MarkOutOfDate() {
  if (table_.empty() || outOfDate_) return;
  outOfDate_ = true;
  grid_->setEnabled(false);
  note_->setText("<b>Out of date</b>: the project changed after the calculation (F5 calculates again)");
}

void ResultsPanel::Clear() {
  ShowResults(ResultsTable());
  note_->setText("No calculation yet (F5 calculates)");
}

void ResultsPanel::ShowFailure(const QString& outcome) {
  ShowResults(ResultsTable());
  note_->setText(outcome);
}

void ResultsPanel::CopyTable() {
  if (table_.columns.empty()) return;
  QApplication::clipboard()->setText(QString::fromStdString(ResultsTableText(table_)));
}

}  // namespace tarnix
