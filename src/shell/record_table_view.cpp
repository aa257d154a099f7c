// The record tables of the main window.
#include "shell/record_table_view.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/option_choices.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

bool HasSign(RecordList list) {
  return list == RecordList::ConcreteRect || list == RecordList::ConcreteCircle ||
         list == RecordList::ConcretePolygon;
}

RecordKind SignedKind(RecordList list) {
  if (list == RecordList::ConcretePolygon) return RecordKind::ConcretePolygon;
  return list == RecordList::ConcreteRect ? RecordKind::ConcreteRect : RecordKind::ConcreteCircle;
}

}  // namespace

RecordTableModel::RecordTableModel(ProjectModel& m, RecordList list, ProjectChange change, QObject* parent)
    : QAbstractTableModel(parent),
      m_(m),
      list_(list),
      columns_(TableColumns(list)),
      change_(std::move(change)) {
  if (list_ == RecordList::Load) slender_ = LoadSlendernessColumns(m_);
}

int RecordTableModel::ColumnOf(Field field) const {
  const auto at = std::find(columns_.begin(), columns_.end(), field);
  return at == columns_.end() ? -1 : static_cast<int>(at - columns_.begin());
}

bool RecordTableModel::Marked(const QModelIndex& index) const {
  if (!mark_) return false;
  const size_t column = static_cast<size_t>(index.column());
  return mark_->Covers(index.row() + 1,
                       column < columns_.size() ? std::optional(columns_[column]) : std::nullopt);
}

void RecordTableModel::SetMark(std::optional<TableMark> mark, const QString& problem) {
  mark_ = std::move(mark);
  markProblem_ = problem;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool RecordTableModel::SignColumn(int column) const {
  return HasSign(list_) && column == static_cast<int>(columns_.size());
}

const SlenderField* RecordTableModel::SlenderColumn(int column) const {
  const int at = column - static_cast<int>(columns_.size());
  return at >= 0 && at < static_cast<int>(slender_.size()) ? &slender_[static_cast<size_t>(at)] : nullptr;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : TableRows(m_, list_);
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size() + slender_.size()) + (HasSign(list_) ? 1 : 0);
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
  const int row = index.row() + 1;
  // Marked as where the input is incomplete, or holding refused text.
  const QBrush markColour(QColor(255, 199, 206));
  if (SignColumn(index.column())) {
    if (role == Qt::BackgroundRole && Marked(index)) return markColour;
    if (role != Qt::CheckStateRole) return {};
    const int shown = CurrentIndex(m_, list_);
    CurrentRecord(const_cast<ProjectModel&>(m_), list_) = row;
    const bool added = ShownAsAdded(m_, SignedKind(list_));
    CurrentRecord(const_cast<ProjectModel&>(m_), list_) = shown;
    return added ? Qt::Unchecked : Qt::Checked;
  }
  const SlenderField* slender = SlenderColumn(index.column());
  // Refused text stays in its cell, marked, until it is corrected.
  const auto refused = refused_.find({index.row(), index.column()});
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (refused != refused_.end()) return refused->second.first;
      if (slender != nullptr) return Q(SlenderCellText(m_, row, *slender));
      return Q(CellText(m_, list_, row, columns_[static_cast<size_t>(index.column())]));
    case Qt::ToolTipRole: {
      const QString tip = headerData(index.column(), Qt::Horizontal, Qt::ToolTipRole).toString();
      if (refused != refused_.end()) return kNotTaken + refused->second.second + "\n" + tip;
      return Marked(index) ? kIncompleteHere + markProblem_ + "\n" + tip : tip;
    }
    case Qt::BackgroundRole:
      return refused != refused_.end() || Marked(index) ? markColour : QVariant();
    case Qt::TextAlignmentRole:
      return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  if (SignColumn(section)) {
    if (role == Qt::DisplayRole) return "Subtract";
    if (role == Qt::ToolTipRole) return "Ticked: the section is cut out of the ones before it";
    return {};
  }
  if (const SlenderField* slender = SlenderColumn(section)) {
    if (role == Qt::DisplayRole) return Q(SlenderColumnCaption(m_, *slender));
    for (const SlenderFieldDescriptor& d : SlenderFieldDescriptors()) {
      if (role == Qt::ToolTipRole && d.id == *slender) return QString(d.tip);
    }
    return {};
  }
  const Field field = columns_[static_cast<size_t>(section)];
  if (role == Qt::DisplayRole) return Q(FieldCaption(m_, field));
  if (role == Qt::ToolTipRole) return Q(ToolTip(m_, field));
  return {};
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  return SignColumn(index.column()) ? flags | Qt::ItemIsUserCheckable : flags | Qt::ItemIsEditable;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const int row = index.row() + 1;
  // An edit under the mark of an incomplete input takes the mark away (text handed back unchanged is none).
  const auto unmark = [this, &index] {
    if (Marked(index)) SetMark(std::nullopt);
  };
  if (SignColumn(index.column())) {
    if (role != Qt::CheckStateRole) return false;
    unmark();
    const bool add = value.toInt() != Qt::Checked;
    const bool changed = change_([&] {
      CurrentRecord(m_, list_) = row;
      SelectConcreteSign(m_, SignedKind(list_), add);
      return true;
    });
    emit dataChanged(index, index);
    return changed;
  }
  if (role != Qt::EditRole) return false;
  // A cell left as it was is no edit (the cell's editor hands its text back when it closes).
  if (refused_.count({index.row(), index.column()}) == 0 && value.toString() == data(index, Qt::EditRole).toString())
    return true;
  unmark();
  const SlenderField* slender = SlenderColumn(index.column());
  EditEffect effect;
  change_([&] {
    const std::string text = value.toString().toStdString();
    if (slender != nullptr) {
      effect.problem = EditSlenderCell(m_, row, *slender, text);
    } else {
      effect = EditCell(m_, list_, row, columns_[static_cast<size_t>(index.column())], text);
    }
    return effect.problem.empty();
  });
  // A polygon's number of corners changes the rows of its corner table.
  if (effect.refreshWindow) emit Reshaped();
  if (effect.problem.empty()) {
    refused_.erase({index.row(), index.column()});
  } else {
    refused_[{index.row(), index.column()}] = {value.toString(), Q(effect.problem)};
  }
  // A cell may derive others of its row (none today, but the field rules may).
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  return effect.problem.empty();
}

void RecordTableModel::Reload() {
  beginResetModel();
  refused_.clear();
  if (mark_ && mark_->row > TableRows(m_, list_)) mark_.reset();
  if (list_ == RecordList::Load) slender_ = LoadSlendernessColumns(m_);
  endResetModel();
}

RecordTable::RecordTable(ProjectModel& m, RecordList list, ProjectChange change, QWidget* parent)
    : QWidget(parent),
      m_(m),
      list_(list),
      change_(change),
      model_(new RecordTableModel(m, list, change, this)),
      view_(new QTableView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  view_->setModel(model_);
  connect(model_, &RecordTableModel::Reshaped, this, &RecordTable::RowsChanged, Qt::QueuedConnection);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  layout->addWidget(view_, 1);

  auto* copy = new QAction("Copy rows", view_);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, &RecordTable::CopyRows);
  auto* paste = new QAction("Paste rows", view_);
  paste->setShortcut(QKeySequence::Paste);
  paste->setShortcutContext(Qt::WidgetShortcut);
  connect(paste, &QAction::triggered, this, &RecordTable::PasteRows);
  view_->addActions({copy, paste});
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    emit RowsSelected(rows);
  });
  if (!RowsCanChange(list)) return;

  // The selected rows, first to last (none: the end of the list).
  const auto selected = [this] {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
  };
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const QString& text, const QString& tip, std::function<bool()> edit) {
    auto* b = new QPushButton(text, this);
    b->setToolTip(tip);
    buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, edit] {
      if (!change_(edit)) return;
      ClearMark();
      emit RowsChanged();
    });
  };
  button("Add", "A blank row after the last",
         [this] { return InsertRows(m_, list_, TableRows(m_, list_) + 1, 1); });
  button("Insert", "A blank row before the first selected one", [this, selected] {
    const std::vector<int> rows = selected();
    return InsertRows(m_, list_, rows.empty() ? TableRows(m_, list_) + 1 : rows.front(), 1);
  });
  button("Delete", "Deletes the selected rows", [this, selected] {
    const std::vector<int> rows = selected();
    bool deleted = false;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) deleted |= DeleteRows(m_, list_, *row, 1);
    return deleted;
  });
  buttons->addStretch(1);
  layout->addLayout(buttons);
}

void RecordTable::Reload() { model_->Reload(); }

void RecordTable::ShowMark(const TableMark& mark, const QString& problem) {
  model_->SetMark(mark, problem);
  if (mark.row == 0) {
    // A list without the records it needs: the table itself.
    view_->setStyleSheet("QTableView { border: 2px solid red; }");
    view_->setToolTip(kIncompleteHere + problem);
    return;
  }
  // The marked cell, not selected (a selection would hide its colour), in view and ready to be typed into.
  const int column = mark.column ? std::max(0, model_->ColumnOf(*mark.column)) : 0;
  const QModelIndex cell = model_->index(mark.row - 1, column);
  view_->clearSelection();
  view_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
  view_->scrollTo(cell);
  view_->setFocus();
}

void RecordTable::ClearMark() {
  model_->SetMark(std::nullopt);
  view_->setStyleSheet({});
  view_->setToolTip({});
}

void RecordTable::CopyRows() {
  QModelIndexList rows = view_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end());
  std::string text;
  for (const QModelIndex& index : rows) text += RowsText(m_, list_, index.row() + 1, index.row() + 1);
  if (!text.empty()) QApplication::clipboard()->setText(Q(text));
}

void RecordTable::PasteRows() {
  const std::string text = QApplication::clipboard()->text().toStdString();
  QModelIndexList rows = view_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end());
  const int first = rows.empty() ? TableRows(m_, list_) + 1 : rows.front().row() + 1;
  PasteOutcome outcome;
  change_([&] {
    outcome = tarnix::PasteRows(m_, list_, first, text);
    return outcome.rows > 0;
  });
  if (outcome.rows > 0) ClearMark();
  emit RowsChanged();
  if (!outcome.refused.empty()) {
    QStringList lines;
    for (const std::string& line : outcome.refused) lines << Q(line);
    emit Refused("Not taken:\n" + lines.join("\n"));
  }
}

}  // namespace tarnix
