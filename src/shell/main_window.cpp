// The main window. Every handler hands the typed text or the click to the editor layer and then shows the
// model again; the window keeps no copy of the data.
#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>

#include "editor/bar_generators.h"
#include "editor/calculation_command.h"
#include "editor/enable_rules.h"
#include "editor/invert_section.h"
#include "editor/main_window_texts.h"
#include "editor/menu_actions.h"
#include "editor/model_history.h"
#include "editor/option_choices.h"
#include "editor/results_table.h"
#include "editor/view_actions.h"
#include "editor/window_refresh.h"
#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "plot/chart_data.h"
#include "run/calculation_run.h"
#include "shell/analysis_settings_dialog.h"
#include "shell/bar_generator_dialog.h"
#include "shell/calculation_worker.h"
#include "shell/confinement_window.h"
#include "shell/file_viewer.h"
#include "shell/help_window.h"
#include "shell/member_properties_window.h"
#include "shell/plot_load_window.h"
#include "shell/record_table_view.h"
#include "shell/results_panel.h"
#include "shell/section_preview.h"
#include "shell/slenderness_parameters_window.h"
#include "shell/view_window.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The editor's "All Files (*.*)|*.*|..." filter list in the dialog's "All Files (*.*);;..." form.
QString DialogFilter(const char* filter) {
  const QStringList parts = QString(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) entries << parts[i];
  return entries.join(";;");
}

QGroupBox* FormFrame(FieldGroup group, QWidget* parent) {
  auto* frame = new QGroupBox(DescriptorOf(group).caption, parent);
  auto* form = new QFormLayout(frame);
  form->setLabelAlignment(Qt::AlignRight);
  return frame;
}

// The one local input or project file of a drop, or an empty name.
QString DroppedInputFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return path.endsWith(".in", Qt::CaseInsensitive) || path.endsWith(".json", Qt::CaseInsensitive) ? path
                                                                                                   : QString();
}

// The object name of a list's table.
const char* TableName(RecordList list) {
  switch (list) {
    case RecordList::ConcreteRect:
      return "rects";
    case RecordList::ConcreteCircle:
      return "circles";
    case RecordList::ReinforcingLine:
      return "lines";
    case RecordList::ReinforcingArc:
      return "arcs";
    case RecordList::SteelPipe:
      return "pipes";
    case RecordList::SteelRect:
      return "shapes";
    case RecordList::Load:
      return "loads";
    case RecordList::ReinforcingPoint:
      return "reinforcingPoints";
    case RecordList::SteelPoint:
      return "steelPoints";
    case RecordList::ConcretePolygon:
      return "polygons";
    case RecordList::PolygonCorner:
      return "corners";
    case RecordList::SingleBar:
      return "singleBars";
  }
  return "";
}

bool IsCountField(Field field) {
  const FieldSlot& slot = DescriptorOf(field).slot;
  return std::holds_alternative<RecordKind>(slot) || std::holds_alternative<LoadCount>(slot);
}

// A change of the project on the undo stack. Pushing it runs redo(), but the change has then been made.
class ModelCommand : public QUndoCommand {
 public:
  ModelCommand(ModelChange change, ProjectModel& m, std::function<void()> stepped)
      : change_(std::move(change)), m_(m), stepped_(std::move(stepped)) {}
  void undo() override {
    change_.Undo(m_);
    stepped_();
  }
  void redo() override {
    if (pushed_) {
      change_.Redo(m_);
      stepped_();
    }
    pushed_ = true;
  }
  int id() const override { return change_.MergeKey(); }
  bool mergeWith(const QUndoCommand* other) override {
    return change_.Merge(static_cast<const ModelCommand*>(other)->change_);
  }

 private:
  ModelChange change_;
  ProjectModel& m_;
  std::function<void()> stepped_;
  bool pushed_ = false;
};

// A small window's refused text keeps the calculation from starting, as the main window's does.
template <class Window>
void CollectRefusals(QObject* owner, Window* window, FieldProblems& problems) {
  QObject::connect(window, &Window::FieldChecked, owner,
                   [&problems](const QString& name, const QString& problem) {
                     problems.Set(name.toStdString(), problem.toStdString());
                   });
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), undo_(new QUndoStack(this)), worker_(new CalculationWorker(this)) {
  ResetProject(model_);
  connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) {
    model_.modified = clean ? 0 : 1;
    UpdateTitle();
  });
  results_ = new ResultsPanel(this);
  addDockWidget(Qt::RightDockWidgetArea, results_);
  connect(results_, &ResultsPanel::LoadActivated, this, &MainWindow::ShowLoadChart);
  preview_ = new SectionPreview(model_, this);
  addDockWidget(Qt::RightDockWidgetArea, preview_);  // below the results
  OnRefresh([this] { preview_->Redraw(); });          // a loaded file, a new count, Undo, Next, Previous
  BuildMenus();
  BuildTabs();
  connect(tabs_, &QTabWidget::currentChanged, preview_, [this](int i) { preview_->SetTab(MainTabs()[i]); });
  connect(preview_, &SectionPreview::ShapeClicked, this, &MainWindow::SelectRecordOf);
  status1_ = new QLabel(this);
  status2_ = new QLabel(this);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setVisible(false);
  statusBar()->addWidget(status1_, 1);
  statusBar()->addWidget(status2_, 1);
  calculated_ = new QLabel(this);
  calculated_->setObjectName("calculationStatus");
  statusBar()->addPermanentWidget(calculated_);
  statusBar()->addPermanentWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, worker_, &CalculationWorker::Cancel);
  connect(worker_, &CalculationWorker::Status, this, &MainWindow::ShowStatus);
  connect(worker_, &CalculationWorker::Finished, this, &MainWindow::CalculationEnded);
  setAcceptDrops(true);
  ShowFileNames();
  StartHistory();
  // Where the engineer left the window and the docks; else the whole of a 1280 x 800 screen, or of a
  // smaller one, with the results wide enough for their columns.
  const QSettings settings;
  if (!restoreGeometry(settings.value("mainWindow/geometry").toByteArray())) {
    const QRect screen = QApplication::primaryScreen() != nullptr
                             ? QApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1280, 800);
    // Room for the title bar and the frame.
    resize(QSize(1280, 800).boundedTo(screen.size()) - QSize(0, 40));
  }
  placeDocks_ = !restoreState(settings.value("mainWindow/docks").toByteArray());
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The docks take their width once the window is laid out at its own; later only the engineer moves the
  // split.
  if (placeDocks_) {
    QTimer::singleShot(0, this,
                       [this] { resizeDocks({results_}, {results_->PreferredWidth()}, Qt::Horizontal); });
  }
  placeDocks_ = false;
}

MainWindow::~MainWindow() = default;

void MainWindow::AddField(QWidget* form, Field field) {
  auto* label = new QLabel(form);
  auto* edit = new QLineEdit(form);
  edit->setObjectName(DescriptorOf(field).name);
  label->setBuddy(edit);
  FitNumberField(edit);
  auto* row = new QHBoxLayout;
  row->addWidget(edit);
  // A second value the field stands beside (the spiral-column factor).
  auto* unit = new QLabel(form);
  unit->setVisible(false);
  row->addWidget(unit);
  auto* formLayout = static_cast<QFormLayout*>(form->layout());
  // The fields widen with the window, on every style.
  formLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  formLayout->addRow(label, row);
  const size_t index = fields_.size();
  fields_.push_back({edit, field, label, unit});
  edit->installEventFilter(this);
  // A count takes effect when it is complete (Enter or leaving the field), never at each key: on its way
  // from 3 to 10 it would pass through 1.
  if (IsCountField(field)) {
    connect(edit, &QLineEdit::editingFinished, this, [this, index] {
      const FieldControl& control = fields_[index];
      if (control.edit->text() != Q(FieldText(model_, control.field)))
        TypeInto(control, control.edit->text());
    });
  } else {
    connect(edit, &QLineEdit::textEdited, this,
            [this, index](const QString& text) { TypeInto(fields_[index], text); });
  }
  connect(edit, &QLineEdit::editingFinished, this, [this] { ++typingSession_; });
}

void MainWindow::TypeInto(const FieldControl& control, const QString& text) {
  if (steppingHistory_) return;
  EditEffect effect;
  Change(
      [&] {
        effect = EditField(model_, control.field, text.toStdString());
        return effect.problem.empty();
      },
      static_cast<int>(control.field) + 1000 * typingSession_);
  problems_.Set(control.field, effect.problem);
  if (mark_ && mark_->field == control.field) mark_.reset();
  MarkField(control.edit, effect.problem, ToolTip(model_, control.field));
  if (!effect.problem.empty()) return;
  if (effect.refreshWindow) {
    Refresh();
  } else {
    ShowFields(effect.derived);
  }
  if (!effect.status.empty()) statusBar()->showMessage(Q(effect.status), 5000);
}

void MainWindow::ShowField(const FieldControl& control) {
  // The field being typed into keeps the user's text ("12." stays "12."); refused text stays until it is
  // corrected.
  control.caption->setText(Q(FieldCaption(model_, control.field)));
  control.unit->setText(Q(FieldNote(model_, control.field)));
  control.unit->setVisible(!control.unit->text().isEmpty());
  if (!problems_.Of(control.field).empty()) return;
  if (!control.edit->hasFocus()) control.edit->setText(Q(FieldText(model_, control.field)));
  const bool marked = mark_ && mark_->field == control.field;
  MarkField(control.edit, marked ? mark_->problem : std::string(), ToolTip(model_, control.field),
            kIncompleteHere);
}

void MainWindow::ShowFields(const std::vector<Field>& fields) {
  for (const FieldControl& control : fields_) {
    if (std::find(fields.begin(), fields.end(), control.field) != fields.end()) ShowField(control);
  }
}

void MainWindow::Refresh() {
  RefreshScope scope(model_);
  ShowModel();
  UpdateTitle();
}

void MainWindow::ShowModel() {
  FillingGuard guard(model_);
  for (const FieldControl& control : fields_) ShowField(control);
  for (const auto& refresh : refreshers_) refresh();
}

void MainWindow::RefreshWindows() {
  Refresh();
  if (member_ != nullptr) member_->Refresh();
  if (slender_ != nullptr) slender_->Refresh();
  if (confinement_ != nullptr) confinement_->Refresh();
  if (plotLoad_ != nullptr) plotLoad_->Refresh();
  RedrawView();
}

void MainWindow::Choice(bool refresh) {
  if (refresh) Refresh();
}

bool MainWindow::Change(const std::function<bool()>& edit, int mergeKey) {
  if (!edit()) return false;
  model_.modified = 1;
  undo_->push(new ModelCommand(ModelChange(std::move(committed_), model_, mergeKey), model_,
                               [this] { HistoryStepped(); }));
  committed_ = InputsOf(model_);
  UpdateTitle();
  results_->MarkOutOfDate();
  preview_->Redraw();  // a typed value
  return true;
}

void MainWindow::SmallWindowEdited(int window) {
  // The loads table shows the slenderness data the slenderness window edits.
  for (RecordTable* table : tables_) table->Reload();
  // A length about the vertical axis brings that axis's end moments into the slenderness window.
  if (window == 1 && slender_ != nullptr) slender_->Refresh();
  // The small windows change the project themselves; typing on in one of them is one change.
  Change([] { return true; }, static_cast<int>(Field::title) + 1 + window + 1000 * typingSession_);
}

void MainWindow::StartHistory() {
  undo_->clear();
  undo_->setClean();
  committed_ = InputsOf(model_);
  problems_.Clear();
  ClearInputMark();
  Refresh();
}

void MainWindow::HistoryStepped() {
  committed_ = InputsOf(model_);
  results_->MarkOutOfDate();
  problems_.Clear();
  ClearInputMark();
  steppingHistory_ = true;  // a field losing focus now must not count as typing
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();  // show every restored value
  steppingHistory_ = false;
  ++typingSession_;
  RefreshWindows();
}

void MainWindow::UpdateTitle() {
  const QString name = model_.inputFileTitle.empty() ? QString("Untitled") : Q(model_.inputFileTitle);
  setWindowTitle(name + "[*] - " + kMainWindowCaption);
  setWindowModified(model_.modified != 0);
}

void MainWindow::ChangeUnits(bool english) {
  if (model_.refreshing) return;
  if (model_.unitSystem().IsEnglish() != english) {
    const auto answer = QMessageBox::question(this, "TARNIX", ConvertUnitsQuestion(english),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer != QMessageBox::Cancel)
      Change([&] { return SelectUnits(model_, english, answer == QMessageBox::Yes); });
  }
  Refresh();  // the option buttons show the units kept
}

void MainWindow::ChangeCriteria(int index) {
  if (model_.refreshing || IsCurrentCriteria(model_, index)) return;
  auto convert = QMessageBox::No;
  if (CriteriaChangesUnits(model_, index)) {
    convert = QMessageBox::question(this, "TARNIX", ConvertUnitsQuestion(false),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
  auto defaults = QMessageBox::Cancel;
  if (convert != QMessageBox::Cancel) {
    defaults = QMessageBox::question(this, "TARNIX", Q(CriteriaDefaultsQuestion(index)),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
  if (defaults == QMessageBox::Cancel) {
    Refresh();  // the list shows the criteria kept
    return;
  }
  const ProjectModel before = model_;
  const NewCriteriaStrengths strengths =
      defaults == QMessageBox::Yes ? NewCriteriaStrengths::UseDefaults : NewCriteriaStrengths::KeepStrengths;
  Change([&] { return SelectCriteria(model_, index, convert == QMessageBox::Yes, strengths); });
  Refresh();
  // Nothing changes unsaid: the values the criteria set are listed.
  const std::vector<std::string> changed = ChangedValues(before, model_);
  QStringList lines;
  for (const std::string& line : changed) lines << Q(line);
  if (strengths == NewCriteriaStrengths::KeepStrengths && !lines.isEmpty()) {
    QMessageBox::information(this, "TARNIX", "Changed by the design criteria:\n\n" + lines.join("\n"));
  } else if (!lines.isEmpty()) {
    statusBar()->showMessage("Design criteria defaults applied: " + lines.join(", "), 15000);
  }
}

void MainWindow::SaveInput() {
  if (model_.inputFileName.empty()) {
    SaveInputAs();
    return;
  }
  if (!InputReady(RequireCompleteModel(model_))) return;
  SaveTo(model_.inputFileName);
}

void MainWindow::SaveTo(std::string path) {
  // An input file has no place for two dimensions or a chosen column stiffness: the window says so and offers the project file.
  if (const std::string instead = ProjectFileInstead(model_, path); !instead.empty()) {
    const auto answer = QMessageBox::question(
        this, "TARNIX",
        QString(kErrorWritingInput) + " " + Q(path) + ":\n" + InputFileRefusal(model_) + ".\n\nSave it as " +
            Q(instead) + "?",
        QMessageBox::Yes | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes) return;
    path = instead;
  }
  const FileCommandResult result = tarnix::SaveInputAs(model_, path);
  if (result.cancelled) return;
  ShowMessage(result.status);
  if (result.status.ok()) {
    AddRecentFile(Q(model_.inputFileName));
    undo_->setClean();
  }
  ShowFileNames();
}

RecordTable* MainWindow::Table(QWidget* parent, RecordList list) {
  auto* table = new RecordTable(
      model_, list, [this](const std::function<bool()>& edit) { return Change(edit); }, parent);
  table->View().setObjectName(TableName(list));
  // Rows added, deleted or pasted: counts, captions and the section drawing follow.
  connect(table, &RecordTable::RowsChanged, this, &MainWindow::Refresh);
  // The drawing marks the rows selected; the first is the list's current record.
  connect(table, &RecordTable::RowsSelected, this, [this, list](const std::vector<int>& rows) {
    if (!rows.empty()) CurrentRecord(model_, list) = rows.front();
    preview_->Select(list, rows);
    if (list == RecordList::ConcretePolygon && !rows.empty()) ShowCorners();
  });
  connect(table, &RecordTable::Refused, this,
          [this](const QString& why) { QMessageBox::warning(this, "TARNIX", why); });
  // Read again, the table has no selection: the drawing marks the current record again.
  connect(&table->Model(), &QAbstractItemModel::modelReset, preview_, [this, list] { preview_->Select(list, {}); });
  OnRefresh([table] { table->Reload(); });
  tables_.push_back(table);
  return table;
}

void MainWindow::GenerateBars() {
  BarGeneratorDialog dialog(model_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  bool replace = true;
  if (ListSize(model_.nsb) > 0) {
    QMessageBox ask(QMessageBox::Question, "TARNIX",
                    QString("The list holds %1 single bars. Replace them with the %2 new ones, or add these?")
                        .arg(ListSize(model_.nsb))
                        .arg(dialog.Bars().size()),
                    QMessageBox::Cancel, this);
    QAbstractButton* replaceButton = ask.addButton("&Replace", QMessageBox::AcceptRole);
    QAbstractButton* addButton = ask.addButton("&Add", QMessageBox::AcceptRole);
    ask.exec();
    if (ask.clickedButton() != replaceButton && ask.clickedButton() != addButton) return;
    replace = ask.clickedButton() == replaceButton;
  }
  Change([&] { return PlaceBars(model_, dialog.Bars(), replace); });
  Refresh();
}

void MainWindow::ShowCorners() {
  model_.currentVertex = 1;
  for (RecordTable* corners : tables_)
    if (corners->Model().List() == RecordList::PolygonCorner) corners->Reload();
}

QGroupBox* MainWindow::ListFrame(QWidget* tab, FieldGroup group) {
  auto* outer = new QGroupBox(DescriptorOf(group).caption, tab);
  auto* layout = new QVBoxLayout(outer);
  // The lists of the group side by side: a polygon's corners beside the polygons.
  auto* tables = new QHBoxLayout;
  layout->addLayout(tables, 1);
  std::vector<RecordList> lists;
  for (Field field : FieldsOf(group)) {
    const auto list = DescriptorOf(field).record;
    if (!list || std::find(lists.begin(), lists.end(), *list) != lists.end()) continue;
    lists.push_back(*list);
    RecordTable* table = Table(outer, *list);
    if (*list != RecordList::PolygonCorner) {
      tables->addWidget(table, 1);
      continue;
    }
    // The corner table says whose corners it shows.
    auto* corners = new QVBoxLayout;
    auto* caption = new QLabel(outer);
    corners->addWidget(caption);
    corners->addWidget(table, 1);
    tables->addLayout(corners, 2);
    const auto name = [this, caption] {
      caption->setText(CurrentPolygon(model_) == nullptr
                           ? QString("Corners: choose a polygon")
                           : QString("Corners of polygon %1").arg(model_.currentPolygon));
    };
    connect(&table->Model(), &QAbstractItemModel::modelReset, caption, name);
    name();
  }
  if (group == FieldGroup::SingleBars) {
    auto* generate = new QPushButton("&Generate bars...", outer);
    generate->setToolTip("Bars around a rectangle or on a circle, at their coordinates");
    connect(generate, &QPushButton::clicked, this, &MainWindow::GenerateBars);
    layout->addWidget(generate, 0, Qt::AlignLeft);
  }
  return outer;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Save", QKeySequence(Qt::CTRL | Qt::Key_S), this, &MainWindow::SaveInput);
  file->addAction("Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                  &MainWindow::SaveInputAs);
  file->addSeparator();
  file->addAction("&Load input...", QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] {
    if (!MaybeSave()) return;
    LoadInput(QFileDialog::getOpenFileName(this, "Load input", QString(), DialogFilter(kInputFileFilter)));
  });
  file->addAction("Report &file...", this, &MainWindow::ChooseOutputFile);
  recentMenu_ = file->addMenu("&Recent input files");
  RebuildRecentMenu();
  file->addSeparator();
  file->addAction("&Exit", QKeySequence::Quit, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu("&Edit");
  undoAction_ = undo_->createUndoAction(this, "&Undo");
  undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction_ = undo_->createRedoAction(this, "&Redo");
  redoAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(undoAction_);
  edit->addAction(redoAction_);

  QMenu* define = menuBar()->addMenu("&Define");
  define->addAction("Analysis &Settings...", this, &MainWindow::ShowAnalysisSettings);
  define->addAction("&Perform Calculations", QKeySequence(Qt::Key_F5), this,
                    &MainWindow::PerformCalculations);

  QMenu* reset = menuBar()->addMenu("&Reset");
  reset->addAction("&All", this, [this] {
    if (!MaybeSave()) return;
    Change([this] {
      ResetProject(model_);
      return true;
    });
    problems_.Clear();
    ClearInputMark();
    results_->Clear();
    calculated_->clear();
    ShowFileNames();
    RefreshWindows();
  });
  reset->addAction("&Invert current section", this, [this] {
    Change([this] {
      InvertSection(model_);
      return true;
    });
    Refresh();
  });

  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("&Input file", this, [this] { ShowFile(ViewedFile::Input); });
  view->addAction("&Output file", this, [this] { ShowFile(ViewedFile::Output); });
  view->addAction("Interaction &Diagram", this, &MainWindow::ShowInteractionDiagram);
  view->addAction("&Moment Curvature", this, &MainWindow::ShowMomentCurvature);
  view->addAction("&Section", this, &MainWindow::ShowSection);
  view->addAction("Interaction S&urface", this, [this] { ShowSurface(PlotKind::MomentContour, 1); });
  // The docks can be closed and brought back.
  view->addSeparator();
  QAction* resultsShown = results_->toggleViewAction();
  resultsShown->setText("&Results Panel");
  view->addAction(resultsShown);
  QAction* previewShown = preview_->toggleViewAction();
  previewShown->setText("Section &Preview");
  view->addAction(previewShown);

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&About Program TARNIX", this, [this] {
    QMessageBox::about(this, "About Program TARNIX", Q(AboutText(TARNIX_BUILD_DATE)));
  });
  help->addAction("&Contents", QKeySequence::HelpContents, this, [this] {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->ShowPage("introduction");
  });
}

void MainWindow::BuildTabs() {
  tabs_ = new QTabWidget(this);
  for (MainTab tab : MainTabs()) tabs_->addTab(Tab(tab), TabCaption(tab));
  setCentralWidget(tabs_);
}

QWidget* MainWindow::Tab(MainTab tab) {
  switch (tab) {
    case MainTab::Criteria: return CriteriaTab();
    case MainTab::Concrete:
    case MainTab::Reinforcing:
    case MainTab::Steel: return ListsTab(tab);
    case MainTab::Loads: return LoadsTab();
    case MainTab::StressStrain: return StressStrainTab();
  }
  return nullptr;
}

QWidget* MainWindow::CriteriaTab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);

  auto* units = new QGroupBox("UNITS", tab);
  auto* unitsLayout = new QHBoxLayout(units);
  auto* english = new QRadioButton("English", units);
  auto* metric = new QRadioButton("Metric", units);
  unitsLayout->addWidget(english);
  unitsLayout->addWidget(metric);
  connect(english, &QRadioButton::clicked, this, [this] { ChangeUnits(true); });
  connect(metric, &QRadioButton::clicked, this, [this] { ChangeUnits(false); });
  OnRefresh([this, english, metric] {
    english->setChecked(model_.unitSystem().IsEnglish());
    metric->setChecked(model_.unitSystem().IsMetric());
  });

  auto* criteria = new QGroupBox("DESIGN CRITERIA", tab);
  auto* criteriaLayout = new QVBoxLayout(criteria);
  auto* combo = new QComboBox(criteria);
  combo->setToolTip("Select Design Criteria");
  for (const CriteriaRules* entry : CriteriaList()) combo->addItem(entry->caption, entry->key);
  criteriaLayout->addWidget(combo);
  connect(combo, qOverload<int>(&QComboBox::activated), this, &MainWindow::ChangeCriteria);
  // Criteria read from older files only have no entry: the list then shows none.
  OnRefresh([this, combo] { combo->setCurrentIndex(combo->findData(Q(model_.criteria))); });

  const auto fieldFrame = [this, tab](FieldGroup group) {
    QGroupBox* frame = FormFrame(group, tab);
    for (Field field : FieldsOf(group)) AddField(frame, field);
    return frame;
  };
  QGroupBox* strength = fieldFrame(FieldGroup::MaterialStrength);
  QGroupBox* reduction = fieldFrame(FieldGroup::ReductionFactors);
  QGroupBox* resistance = fieldFrame(FieldGroup::ResistanceFactors);
  QGroupBox* block = fieldFrame(FieldGroup::StressBlock);
  // Two columns, so that the tabs leave the results their width on a 1280 px screen.
  grid->addWidget(units, 0, 0);
  grid->addWidget(criteria, 0, 1);
  grid->addWidget(strength, 1, 0, 2, 1);
  grid->addWidget(reduction, 1, 1);
  grid->addWidget(resistance, 2, 1);
  grid->addWidget(block, 3, 0);
  // The columns share the width; the spare height stays below them.
  for (int column = 0; column < 2; ++column) grid->setColumnStretch(column, 1);
  grid->setRowStretch(4, 1);
  return tab;
}

QWidget* MainWindow::ListsTab(MainTab which) {
  auto* tab = new QWidget;
  auto* column = new QVBoxLayout(tab);
  // The lists one above the other, each table as wide as the tab so that its columns show whole.
  for (FieldGroup group : GroupsOn(which)) column->addWidget(ListFrame(tab, group), 1);
  return tab;
}

QWidget* MainWindow::LoadsTab() {
  auto* tab = new QWidget;
  // The options above the loads, so that the table with its slenderness columns has the tab's width.
  auto* column = new QVBoxLayout(tab);
  auto* options = new QGroupBox("SLENDERNESS OPTIONS", tab);
  auto* optionsLayout = new QGridLayout(options);
  const char* captions[] = {"No slenderness effects", "Moment magnification", "Slender wall design",
                            "General P-delta analysis"};
  std::vector<QRadioButton*> buttons;
  for (int option = Slenderness::None; option <= Slenderness::GeneralPDelta; ++option) {
    auto* button = new QRadioButton(captions[option - Slenderness::None], options);
    const int at = option - Slenderness::None;
    optionsLayout->addWidget(button, at / 2, at % 2);
    buttons.push_back(button);
    connect(button, &QRadioButton::clicked, this,
            [this, option] { Choice(Change([&] { return SelectSlendernessOption(model_, option); })); });
  }
  auto* parameters = new QPushButton("Set &Slenderness Parameters", options);
  optionsLayout->addWidget(parameters, 0, 2, Qt::AlignRight);
  connect(parameters, &QPushButton::clicked, this, &MainWindow::ShowSlendernessWindows);
  OnRefresh([this, buttons, options] {
    for (int option = Slenderness::None; option <= Slenderness::GeneralPDelta; ++option)
      buttons[static_cast<size_t>(option - Slenderness::None)]->setChecked(model_.SlendernessOption == option);
    options->setEnabled(SlendernessOptionsEnabled(model_));
  });
  column->addWidget(options);
  column->addWidget(ListFrame(tab, FieldGroup::Loads), 1);
  return tab;
}

QWidget* MainWindow::StressStrainTab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  auto* perform = new QCheckBox("&Perform Moment-Curvature Analysis", tab);
  connect(perform, &QCheckBox::clicked, this, [this](bool ticked) {
    Choice(Change([&] { return SelectPerformMomentCurvature(model_, ticked); }));
  });
  auto* memberButton = new QPushButton("Set &Member Properties", tab);
  connect(memberButton, &QPushButton::clicked, this, &MainWindow::ShowMemberWindow);
  grid->addWidget(perform, 0, 0);
  grid->addWidget(memberButton, 0, 1, Qt::AlignLeft);

  auto* concrete = new QGroupBox(DescriptorOf(FieldGroup::ConcreteModel).caption, tab);
  auto* concreteLayout = new QVBoxLayout(concrete);
  auto* models = new QHBoxLayout;
  const struct {
    const char* caption;
    const char* tip;
  } concreteModels[] = {
      {"Linear", kLinearModelTip}, {"Simple", kSimpleModelTip}, {"Mander", kManderModelTip}};
  std::vector<QRadioButton*> concreteButtons;
  for (int model = ConcreteModel::Linear; model <= ConcreteModel::Mander; ++model) {
    auto* button = new QRadioButton(concreteModels[model - ConcreteModel::Linear].caption, concrete);
    button->setToolTip(concreteModels[model - ConcreteModel::Linear].tip);
    models->addWidget(button);
    concreteButtons.push_back(button);
    connect(button, &QRadioButton::clicked, this,
            [this, model] { Choice(Change([&] { return SelectConcreteModel(model_, model); })); });
  }
  concreteLayout->addLayout(models);
  auto* concreteForm = new QWidget(concrete);
  static_cast<QFormLayout*>(new QFormLayout(concreteForm))->setLabelAlignment(Qt::AlignRight);
  concreteLayout->addWidget(concreteForm);
  for (Field field : FieldsOf(FieldGroup::ConcreteModel)) AddField(concreteForm, field);
  auto* calcFcc = new QPushButton("Calc fcc", concrete);
  calcFcc->setToolTip(kCalcFccTip);
  concreteLayout->addWidget(calcFcc);
  connect(calcFcc, &QPushButton::clicked, this, &MainWindow::ShowConfinementWindow);

  auto* steel = new QGroupBox(DescriptorOf(FieldGroup::SteelModel).caption, tab);
  auto* steelLayout = new QVBoxLayout(steel);
  auto* steelModels = new QHBoxLayout;
  auto* bilinear = new QRadioButton("Bilinear", steel);
  bilinear->setToolTip(kBilinearModelTip);
  auto* park = new QRadioButton("Park", steel);
  steelModels->addWidget(bilinear);
  steelModels->addWidget(park);
  steelLayout->addLayout(steelModels);
  connect(bilinear, &QRadioButton::clicked, this,
          [this] { Choice(Change([&] { return SelectSteelModel(model_, 1); })); });
  connect(park, &QRadioButton::clicked, this,
          [this] { Choice(Change([&] { return SelectSteelModel(model_, 2); })); });
  for (const auto& [caption, list] : {std::pair{"REINFORCING STEEL POINTS", RecordList::ReinforcingPoint},
                                      std::pair{"STRUCTURAL STEEL POINTS", RecordList::SteelPoint}}) {
    auto* points = new QGroupBox(caption, steel);
    (new QVBoxLayout(points))->addWidget(Table(points, list));
    steelLayout->addWidget(points);
  }
  OnRefresh([this, perform, concreteButtons, calcFcc, bilinear, park] {
    perform->setChecked(IsSet(model_.PerformMomentCurvature));
    for (int model = ConcreteModel::Linear; model <= ConcreteModel::Mander; ++model)
      concreteButtons[static_cast<size_t>(model - ConcreteModel::Linear)]->setChecked(model_.concreteModel == model);
    calcFcc->setEnabled(OpensConfinementWindow(model_));
    bilinear->setChecked(model_.reinfModel == SteelModel::Bilinear);
    park->setChecked(model_.reinfModel != SteelModel::Bilinear);
    park->setToolTip(Q(ParkModelTip(model_)));
  });
  grid->addWidget(concrete, 1, 0, Qt::AlignTop);
  grid->addWidget(steel, 1, 1, Qt::AlignTop);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);
  return tab;
}

void MainWindow::ShowMemberWindow() {
  if (member_ == nullptr) {
    member_ = new MemberPropertiesWindow(model_, this);
    connect(member_, &MemberPropertiesWindow::Edited, this, [this] { SmallWindowEdited(1); });
    CollectRefusals(this, member_, problems_);
    // Typed into or shown again, the marked field is no longer marked.
    connect(member_, &MemberPropertiesWindow::FieldChecked, this, [this](const QString& name) {
      if (mark_ && mark_->member && name == TipOf(MemberFieldDescriptors(), *mark_->member)) mark_.reset();
    });
    connect(member_, &MemberPropertiesWindow::RestraintsChanged, this, [this] {
      if (slender_ != nullptr) slender_->Refresh();
    });
  }
  member_->Refresh();
  member_->show();
  member_->raise();
}

void MainWindow::ShowSlendernessWindows() {
  ShowMemberWindow();
  if (!OpensSlendernessForm(model_)) return;
  if (slender_ == nullptr) {
    slender_ = new SlendernessParametersWindow(model_, this);
    connect(slender_, &SlendernessParametersWindow::Edited, this, [this] { SmallWindowEdited(2); });
    CollectRefusals(this, slender_, problems_);
  }
  slender_->Refresh();
  slender_->show();
  slender_->raise();
  // Beside the member properties window, not on top of it.
  PlaceOnScreen(slender_, *member_, member_->frameGeometry().topRight() + QPoint(12, 0));
}

void MainWindow::ShowAnalysisSettings() {
  if (settings_ == nullptr) {
    settings_ = new AnalysisSettingsDialog(model_, this);
    CollectRefusals(this, settings_, problems_);
    connect(settings_, &QDialog::finished, this, [this](int result) {
      if (result == QDialog::Accepted) {
        // One change for Undo; the report parts just chosen are shown, not derived again.
        Change([] { return true; });
        ShowModel();
      } else {
        model_ = std::move(settingsBefore_);
        settings_->Refresh();  // takes back the marks of refused text
      }
    });
  }
  settingsBefore_ = model_;
  // The last strain of the moment-curvature analysis follows the section and the material models.
  OpenControlParameters(model_);
  settings_->Refresh();
  settings_->open();
}

void MainWindow::ShowConfinementWindow() {
  if (!OpensConfinementWindow(model_)) return;
  if (confinement_ == nullptr) {
    confinement_ = new ConfinementWindow(model_, this);
    connect(confinement_, &ConfinementWindow::Edited, this, [this] { SmallWindowEdited(5); });
    CollectRefusals(this, confinement_, problems_);
    connect(confinement_, &ConfinementWindow::FieldChecked, this, [this](const QString& name) {
      if (mark_ && mark_->field && name == DescriptorOf(*mark_->field).tip) mark_.reset();
    });
    connect(confinement_, &ConfinementWindow::Computed, this, [this] {
      ShowFields({Field::fcc, Field::ecu});
      activateWindow();
    });
  }
  confinement_->Refresh();
  confinement_->show();
  confinement_->raise();
}

void MainWindow::ShowMessage(const Status& status) {
  if (status.ok()) return;
  if (status.beep) QApplication::beep();
  QString text = Q(status.message);
  if (!status.detail.empty()) text += "\n\n" + Q(status.detail);
  QMessageBox::warning(this, "TARNIX", text);
}

bool MainWindow::InputReady(const Status& complete) {
  if (complete.ok()) {
    ClearInputMark();  // whatever was marked has been put right
    return true;
  }
  // The place first, so that the message stands over the marked field.
  if (complete.message == kInputIncomplete) MarkInputProblem();
  ShowMessage(complete);
  return false;
}

void MainWindow::MarkInputProblem() {
  ClearInputMark();
  const std::optional<InputMark> mark = IncompleteInputMark(model_);
  if (!mark) return;
  const auto tab = std::find(MainTabs().begin(), MainTabs().end(), mark->tab);
  tabs_->setCurrentIndex(static_cast<int>(tab - MainTabs().begin()));
  // A small window is shown (and so refreshed) before its field is marked.
  const bool confinement = mark->field && FormOf(*mark->field) == FieldForm::Confinement;
  if (mark->member) ShowMemberWindow();
  if (confinement) ShowConfinementWindow();
  mark_ = mark;
  if (mark->member) {
    member_->ShowMark(*mark->member, mark->problem);
  } else if (confinement) {
    if (confinement_ != nullptr) confinement_->ShowMark(*mark->field, mark->problem);
  } else if (mark->field) {
    for (const FieldControl& control : fields_) {
      if (control.field != *mark->field) continue;
      ShowField(control);
      control.edit->setFocus();
    }
  } else if (const std::optional<TableMark>& cell = mark->table) {
    for (RecordTable* table : tables_) {
      if (table->Model().List() == cell->list) table->ShowMark(*cell, Q(mark->problem));
    }
    // The drawing marks the record too; a polygon's corners are shown.
    if (cell->row >= 1) {
      CurrentRecord(model_, cell->list) = cell->row;
      preview_->Select(cell->list, {cell->row});
      if (cell->list == RecordList::ConcretePolygon) ShowCorners();
    }
  }
}

void MainWindow::ClearInputMark() {
  const std::optional<InputMark> mark = std::exchange(mark_, std::nullopt);
  for (RecordTable* table : tables_) table->ClearMark();
  if (!mark) return;
  if (mark->member && member_ != nullptr) member_->ShowMark(*mark->member, {});
  if (mark->field && confinement_ != nullptr) confinement_->ShowMark(*mark->field, {});
  for (const FieldControl& control : fields_) {
    if (control.field == mark->field) ShowField(control);
  }
}

bool MainWindow::LoadInput(const QString& path) {
  const FileCommandResult result = tarnix::LoadInput(model_, path.toStdString());
  if (result.cancelled) return false;
  ShowMessage(result.status);
  if (result.status.ok()) {
    AddRecentFile(path);
    StartHistory();
    results_->Clear();
    calculated_->clear();
  }
  ShowFileNames();
  RefreshWindows();  // the small windows open show the loaded project too
  return result.status.ok();
}

void MainWindow::SaveInputAs() {
  if (!InputReady(RequireCompleteModel(model_))) return;
  // The name proposed is the project file's when the input file it came from cannot hold the project.
  const std::string instead = ProjectFileInstead(model_, model_.inputFileName);
  const QString proposed = Q(instead.empty() ? model_.inputFileName : instead);
  QString filter;
  QString path = QFileDialog::getSaveFileName(this, "Save input as", proposed, DialogFilter(kSaveFileFilter),
                                              &filter);
  if (path.isEmpty()) return;
  // A bare name takes the extension of the kind of file chosen.
  if (QFileInfo(path).suffix().isEmpty()) {
    if (filter.contains("*.json")) path += ".json";
    else if (filter.contains("*.in")) path += ".in";
  }
  SaveTo(path.toStdString());
}

void MainWindow::ChooseOutputFile() {
  const QString path = QFileDialog::getSaveFileName(this, "Save output as", Q(model_.outputFileName),
                                                    DialogFilter(kOutputFileFilter));
  if (tarnix::ChooseOutputFile(model_, path.toStdString())) ShowFileNames();
}

void MainWindow::ShowFile(ViewedFile which) {
  std::string path;
  const Status named = ViewedFileName(model_, which, path);
  if (!named.ok()) {
    ShowMessage(named);
    return;
  }
  if (viewer_ == nullptr) viewer_ = new FileViewer(this);
  if (!viewer_->ShowFile(Q(path))) QMessageBox::warning(this, "TARNIX", UnableToViewText(which));
}

ViewWindow& MainWindow::View(PlotKind kind) {
  const PlotKind windowKind = ViewWindow::WindowKind(kind);
  for (ViewWindow* view : views_) {
    if (view->Kind() == windowKind) return *view;
  }
  auto* view = new ViewWindow(model_, windowKind, this);
  connect(view, &ViewWindow::ShapeClicked, this, &MainWindow::SelectRecordOf);  // the section's shapes
  // Each new view steps down from the main window's corner, clear of the title bars of the views before.
  const int step = static_cast<int>(views_.size()) + 1;
  PlaceOnScreen(view, *this, frameGeometry().topLeft() + QPoint(48, 48) * step);
  views_.push_back(view);
  return *view;
}

void MainWindow::RedrawView() {
  for (ViewWindow* view : views_) view->Redraw();
}

bool MainWindow::ReadyToView(bool needDiagram) { return InputReady(PrepareView(model_, needDiagram)); }

void MainWindow::ShowInteractionDiagram() {
  if (ReadyToView(true)) View(PlotKind::InteractionDiagram).ShowPlot(PlotKind::InteractionDiagram);
}

void MainWindow::ShowMomentCurvature() {
  if (!ReadyToView(false)) return;
  if (!StartPlotLoadChoice(model_)) {
    if (plotLoad_ != nullptr) plotLoad_->hide();  // one curve: nothing to choose
    View(PlotKind::MomentCurvature).ShowPlot(PlotKind::MomentCurvature, model_.mcPlotLoad);
    return;
  }
  ViewWindow& chart = View(PlotKind::MomentCurvature);
  if (plotLoad_ == nullptr) plotLoad_ = new PlotLoadWindow(model_, chart);
  plotLoad_->Refresh();
  plotLoad_->show();
  // The chart comes up with the first load's curve, the picker on it.
  chart.ShowPlot(PlotKind::MomentCurvature, model_.mcPlotLoad);
}

void MainWindow::ShowLoadChart(int load) {
  if (IsTwoDimensional(model_)) {
    ShowSurface(PlotKind::MomentContour, load);
    return;
  }
  if (!PickLoadChart(model_, load)) {
    ShowInteractionDiagram();
    return;
  }
  if (plotLoad_ != nullptr) plotLoad_->Refresh();
  View(PlotKind::MomentCurvature).ShowPlot(PlotKind::MomentCurvature, model_.mcPlotLoad);
}

void MainWindow::ShowSection() {
  if (!ReadyToView(false)) return;
  ViewWindow& section = View(PlotKind::Section);
  section.ShowPlot(PlotKind::Section, section.ShownLoad());
}

void MainWindow::SelectRecordOf(RecordKind kind, int record) {
  const ListOnTab place = ListOfRecord(kind);
  const std::vector<MainTab>& tabs = MainTabs();
  tabs_->setCurrentIndex(static_cast<int>(std::find(tabs.begin(), tabs.end(), place.tab) - tabs.begin()));
  for (RecordTable* table : tables_) {
    if (table->Model().List() == place.list) table->View().selectRow(record - 1);
  }
}

void MainWindow::ShowSurface(PlotKind kind, int load) {
  if (InputReady(PrepareSurfaceView(model_))) View(kind).ShowPlot(kind, load);
}

namespace {

// One name per file, whichever way it was reached ("../examples/x.in", a link): the canonical path, or the
// absolute one of a file that is gone.
QString RecentName(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

void MainWindow::AddRecentFile(const QString& path) {
  QSettings settings;
  QStringList files;
  for (const QString& kept : settings.value("recentInputFiles").toStringList()) {
    const QString name = RecentName(kept);
    if (!files.contains(name)) files << name;
  }
  const QString name = RecentName(path);
  files.removeAll(name);
  files.prepend(name);
  while (files.size() > 8) files.removeLast();
  settings.setValue("recentInputFiles", files);
  RebuildRecentMenu();
}

void MainWindow::RebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList files = QSettings().value("recentInputFiles").toStringList();
  for (const QString& path : files) {
    recentMenu_->addAction(path, this, [this, path] {
      if (MaybeSave()) LoadInput(path);
    });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

bool MainWindow::MaybeSave() {
  if (!AskToSaveOnExit(model_)) return true;
  const auto answer = QMessageBox::question(this, "TARNIX", kSaveChangesQuestion,
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) {
    SaveInputAs();
    return !AskToSaveOnExit(model_);
  }
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (CalculationBusy() || !MaybeSave()) {
    event->ignore();
    return;
  }
  QSettings settings;
  settings.setValue("mainWindow/geometry", saveGeometry());
  settings.setValue("mainWindow/docks", saveState());
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : {undoAction_, redoAction_}) {
      if (action->shortcuts().contains(pressed)) {
        event->ignore();  // the field does not take it: the window's action does
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!CalculationBusy() && !DroppedInputFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedInputFile(event->mimeData());
  if (path.isEmpty() || CalculationBusy() || !MaybeSave()) return;
  event->acceptProposedAction();
  LoadInput(path);
}

void MainWindow::ShowStatus(const QString& first, const QString& second) {
  status1_->setText(first);
  status2_->setText(second);
}

void MainWindow::ShowFileNames() {
  ShowStatus(Q(InputFilePanelText(model_)), Q(OutputFilePanelText(model_)));
  UpdateTitle();
}

bool MainWindow::CalculationBusy() const { return worker_->Busy(); }

bool MainWindow::PerformCalculations() {
  if (CalculationBusy()) return false;
  // The guards are answered at once; the analyses and the report run on the worker thread.
  const Status typed = problems_.RequireNone();
  if (!typed.ok()) {
    ShowMessage(typed);
    return false;
  }
  if (model_.outputFileName.empty()) {
    // The first run of a project asks where its report goes, proposing the input file's name.
    const QString path = QFileDialog::getSaveFileName(this, "Save output as", Q(ProposedOutputName(model_)),
                                                      DialogFilter(kOutputFileFilter));
    if (!tarnix::ChooseOutputFile(model_, path.toStdString())) return false;
    ShowFileNames();
  }
  if (!InputReady(RequireCompleteModel(model_))) return false;
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  cancel_->setVisible(true);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  calculationStart_ = QDateTime::currentMSecsSinceEpoch();
  return worker_->Start(model_);
}

void MainWindow::CalculationEnded(std::shared_ptr<ProjectModel> result, Status status) {
  QApplication::restoreOverrideCursor();
  cancel_->setVisible(false);
  centralWidget()->setEnabled(true);
  menuBar()->setEnabled(true);
  // The run wrote its result blocks and run state into its copy; nothing else could change meanwhile. A run
  // that failed or was cancelled left no results in it.
  model_ = *result;
  const double seconds = static_cast<double>(QDateTime::currentMSecsSinceEpoch() - calculationStart_) / 1000;
  const RunOutcome outcome = DescribeRun(status, seconds);
  // One place says how the last run ended; the file panels show the file names again.
  calculated_->setText(Q(outcome.text));
  ShowFileNames();
  RedrawView();
  if (outcome.succeeded) {
    results_->ShowResults(BuildResultsTable(model_));
  } else {
    results_->ShowFailure(Q(outcome.text));
  }
  // The engineer asked for a cancel: nothing to explain.
  if (status.message != kCalculationCancelled) ShowMessage(status);
  emit CalculationFinished(status);
}

}  // namespace tarnix
