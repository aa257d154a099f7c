// The main window. Every handler hands the typed text or the click to the editing rules of the model and
// then shows the model again; the window keeps no copy of the data.
#include "shell/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "model/calculation_run.h"
#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "report/number_format.h"
#include "report/report_writer.h"
#include "shell/calculation_worker.h"
#include "shell/help_window.h"

namespace tarnix {
namespace {

const char* const kInputFilter = "All Files (*.*);;Input Files (*.in);;Text Files (*.txt)";
const char* const kOutputFilter = "All Files (*.*);;Output Files (*.out);;Text Files (*.txt)";

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), worker_(new CalculationWorker(this)) {
  setWindowTitle("CONCRETE SECTION ANALYSIS");
  ResetAll(model_);
  BuildMenus();
  BuildTabs();
  status1_ = new QLabel(this);
  status2_ = new QLabel(this);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setVisible(false);
  statusBar()->addWidget(status1_, 1);
  statusBar()->addWidget(status2_, 1);
  statusBar()->addPermanentWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, worker_, &CalculationWorker::Cancel);
  connect(worker_, &CalculationWorker::Status, this, &MainWindow::ShowStatus);
  connect(worker_, &CalculationWorker::Finished, this, &MainWindow::CalculationEnded);
  setAcceptDrops(true);
  ShowFileNames();
  Refresh();
  resize(820, 560);
}

MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::AddField(QWidget* form, const QString& label, const QString& tip,
                                std::function<void(const std::string&)> store, std::function<std::string()> show) {
  auto* edit = new QLineEdit(form);
  edit->setToolTip(tip);
  edit->setMaximumWidth(140);
  static_cast<QFormLayout*>(form->layout())->addRow(label, edit);
  connect(edit, &QLineEdit::textEdited, this, [this, store](const QString& text) {
    store(text.toStdString());
    modified_ = true;
  });
  fields_.push_back({edit, std::move(store), std::move(show)});
  return edit;
}

void MainWindow::Refresh() {
  model_.refreshing = 1;
  DeriveOutputOptions(model_);
  for (const Field& field : fields_) {
    if (!field.edit->hasFocus()) field.edit->setText(Q(field.show()));
  }
  for (const RecordFrame& frame : frames_) {
    frame.frame->setTitle(frame.prefix + QString::number(frame.current()));
    frame.frame->setEnabled(frame.count() >= 1);
  }
  for (const auto& refresh : refreshers_) refresh();
  model_.refreshing = 0;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Load input", QKeySequence::Open, this, [this] {
    if (!MaybeSave()) return;
    LoadInput(QFileDialog::getOpenFileName(this, "Load input", QString(), kInputFilter));
  });
  QMenu* save = file->addMenu("&Save");
  save->addAction("&Input As", QKeySequence::Save, this, &MainWindow::SaveInputAs);
  save->addAction("&Output As", this, &MainWindow::ChooseOutputFile);
  recentMenu_ = file->addMenu("&Recent input files");
  RebuildRecentMenu();
  file->addSeparator();
  file->addAction("&Exit", QKeySequence::Quit, this, &QWidget::close);

  QMenu* define = menuBar()->addMenu("&Define");
  define->addAction("&Perform Calculations", QKeySequence(Qt::Key_F5), this, &MainWindow::PerformCalculations);

  QMenu* reset = menuBar()->addMenu("&Reset");
  reset->addAction("&All", this, [this] {
    ResetAll(model_);
    modified_ = true;
    Refresh();
  });

  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("&Input file", this, [this] { ShowFile(model_.inputFileName); });
  view->addAction("&Output file", this, [this] { ShowFile(model_.outputFileName); });

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&About Program TARNIX", this, [this] {
    QMessageBox box(this);
    box.setWindowTitle("About Program TARNIX");
    box.setText("Program TARNIX Version " + Q(BuildVersionText()));
    box.setInformativeText(
        "Program TARNIX may be used to analyze a reinforced concrete member for axial load and moment with or "
        "without an embedded steel shape.");
    box.exec();
  });
  help->addAction("&Contents", QKeySequence::HelpContents, this, [this] {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->ShowPage("introduction");
  });
}

void MainWindow::BuildTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->addTab(CriteriaTab(), "DESIGN CRITERIA");
  tabs_->addTab(ConcreteTab(), "CONCRETE");
  tabs_->addTab(ReinforcingTab(), "REINFORCING");
  tabs_->addTab(SteelTab(), "STEEL SHAPE");
  tabs_->addTab(LoadsTab(), "LOADS");
  setCentralWidget(tabs_);
}

namespace {

QGroupBox* FormFrame(const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* form = new QFormLayout(frame);
  form->setLabelAlignment(Qt::AlignRight);
  return frame;
}

}  // namespace

QWidget* MainWindow::CriteriaTab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);

  auto* units = new QGroupBox("UNITS", tab);
  auto* unitsLayout = new QHBoxLayout(units);
  auto* english = new QRadioButton("English", units);
  auto* metric = new QRadioButton("Metric", units);
  unitsLayout->addWidget(english);
  unitsLayout->addWidget(metric);
  const auto chooseUnits = [this](bool isEnglish) {
    if (model_.refreshing == 1) return;
    ChooseUnits(model_, isEnglish);
    modified_ = true;
    Refresh();
  };
  connect(english, &QRadioButton::clicked, this, [chooseUnits] { chooseUnits(true); });
  connect(metric, &QRadioButton::clicked, this, [chooseUnits] { chooseUnits(false); });
  refreshers_.push_back([this, english, metric] {
    english->setChecked(model_.units == "english");
    metric->setChecked(model_.units != "english");
  });

  auto* criteria = new QGroupBox("DESIGN CRITERIA", tab);
  auto* criteriaLayout = new QVBoxLayout(criteria);
  auto* combo = new QComboBox(criteria);
  combo->setToolTip("Select Design Criteria");
  for (const CriteriaEntry& entry : kCriteriaList) combo->addItem(entry.caption, entry.key);
  criteriaLayout->addWidget(combo);
  connect(combo, qOverload<int>(&QComboBox::activated), this, [this, combo](int index) {
    if (model_.refreshing == 1) return;
    ChooseCriteria(model_, combo->itemData(index).toString().toStdString());
    modified_ = true;
    Refresh();
  });
  refreshers_.push_back([this, combo] { combo->setCurrentIndex(combo->findData(Q(model_.criteria))); });

  const auto plain = [this](float ProjectModel::*field) {
    return std::pair<std::function<void(const std::string&)>, std::function<std::string()>>{
        [this, field](const std::string& text) { model_.*field = LenientFloat(text); },
        [this, field] { return FormatPlain(model_.*field); }};
  };
  QGroupBox* strength = FormFrame("MATERIAL STRENGTH", tab);
  AddField(strength, "f'c =", "Concrete compressive strength",
           [this](const std::string& text) {
             EditConcreteStrength(model_, text);
             Refresh();
           },
           [this] { return FormatPlain(model_.fpc); });
  const struct {
    QGroupBox* frame;
    const char* label;
    const char* tip;
    float ProjectModel::*field;
  } simple[] = {
      {strength, "fy =", "Reinforcing yield strength", &ProjectModel::fy},
      {strength, "fs =", "Structural steel yield strength", &ProjectModel::fs},
      {strength, "Ec =", "Concrete modulus of elasticity", &ProjectModel::Ec},
      {strength, "Er =", "Reinforcing modulus of elasticity", &ProjectModel::Er},
      {strength, "Es =", "Structural steel modulus of elasticity", &ProjectModel::Es},
  };
  for (const auto& s : simple) {
    auto [store, show] = plain(s.field);
    AddField(s.frame, s.label, s.tip, store, show);
  }
  QGroupBox* reduction = FormFrame("STRENGTH REDUCTION FACTORS", tab);
  QGroupBox* resistance = FormFrame("RESISTANCE FACTORS", tab);
  QGroupBox* block = FormFrame("STRESS BLOCK", tab);
  const struct {
    QGroupBox* frame;
    const char* label;
    const char* tip;
    float ProjectModel::*field;
  } factors[] = {
      {reduction, "Tension and flexure:", "Strength reduction factor for tension and flexure", &ProjectModel::phiT},
      {reduction, "Compression:", "Strength reduction factor for compression and flexure", &ProjectModel::phiC},
      {reduction, "Shear and torsion:", "Strength reduction factor for shear and torsion", &ProjectModel::phiS},
      {resistance, "Concrete:", "Resistance factor of concrete", &ProjectModel::phiConc},
      {resistance, "Reinforcing:", "Resistance factor of reinforcing", &ProjectModel::phiReinf},
      {resistance, "Structural steel:", "Resistance factor of structural steel", &ProjectModel::phiStl},
      {block, "a1 =", "Ratio of average concrete strength in the stress block to f'c", &ProjectModel::a1},
      {block, "b1 =", "Ratio of depth of the stress block to the neutral axis depth", &ProjectModel::b1},
      {block, "em =", "Maximum concrete strain", &ProjectModel::em},
  };
  for (const auto& s : factors) {
    auto [store, show] = plain(s.field);
    AddField(s.frame, s.label, s.tip, store, show);
  }
  grid->addWidget(units, 0, 0);
  grid->addWidget(criteria, 0, 1);
  grid->addWidget(strength, 1, 0, 2, 1);
  grid->addWidget(reduction, 1, 1);
  grid->addWidget(resistance, 2, 1);
  grid->addWidget(block, 1, 2, 2, 1);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(3, 1);
  return tab;
}

QWidget* MainWindow::ConcreteTab() { return new QWidget; }
QWidget* MainWindow::ReinforcingTab() { return new QWidget; }
QWidget* MainWindow::SteelTab() { return new QWidget; }
QWidget* MainWindow::LoadsTab() { return new QWidget; }

void MainWindow::ShowMessage(const Status& status) {
  if (status.ok()) return;
  if (status.beep) QApplication::beep();
  QString text = Q(status.message);
  if (!status.detail.empty()) text += "\n\n" + Q(status.detail);
  QMessageBox::warning(this, "TARNIX", text);
}

bool MainWindow::LoadInput(const QString& path) {
  // A cancelled dialog returns no name: the project stays as it is.
  if (path.isEmpty()) return false;
  const Status status = LoadInputFile(model_, path.toStdString());
  if (!status.ok()) {
    ShowMessage(status);
    return false;
  }
  SetInputFileNames(model_, path.toStdString());
  modified_ = false;
  AddRecentFile(path);
  ShowFileNames();
  Refresh();
  return true;
}

void MainWindow::SaveInputAs() {
  if (!CheckInputComplete(model_)) {
    QMessageBox::warning(this, "TARNIX", kInputIncomplete);
    return;
  }
  const QString path = QFileDialog::getSaveFileName(this, "Save input as", Q(model_.inputFileName), kInputFilter);
  if (path.isEmpty()) return;
  const Status status = WriteInputFile(model_, path.toStdString());
  if (!status.ok()) {
    ShowMessage(status);
    return;
  }
  SetInputFileNames(model_, path.toStdString());
  modified_ = false;
  AddRecentFile(path);
  ShowFileNames();
}

void MainWindow::ChooseOutputFile() {
  const QString path =
      QFileDialog::getSaveFileName(this, "Save output as", Q(model_.outputFileName), kOutputFilter);
  if (path.isEmpty()) return;
  SetOutputFileNames(model_, path.toStdString());
  ShowFileNames();
}

void MainWindow::ShowFile(const std::string& path) {
  if (path.empty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

void MainWindow::AddRecentFile(const QString& path) {
  QSettings settings;
  QStringList files = settings.value("recentInputFiles").toStringList();
  files.removeAll(path);
  files.prepend(path);
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
  if (!modified_) return true;
  const auto answer = QMessageBox::question(this, "TARNIX", "The input has changed. Save it first?",
                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Save) {
    SaveInputAs();
    return !modified_;
  }
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (CalculationBusy() || !MaybeSave()) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::ShowStatus(const QString& first, const QString& second) {
  status1_->setText(first);
  status2_->setText(second);
}

void MainWindow::ShowFileNames() {
  ShowStatus("Input file = " + Q(model_.inputFileTitle), "Output file = " + Q(model_.outputFileTitle));
}

bool MainWindow::CalculationBusy() const { return worker_->Busy(); }

bool MainWindow::PerformCalculations() {
  if (CalculationBusy()) return false;
  // The guards are answered at once; the analyses and the report run on the worker thread.
  if (model_.outputFileName.empty()) {
    ShowMessage(Status::Failure(kPleaseSaveOutputFilename, true));
    return false;
  }
  if (!CheckInputComplete(model_)) {
    ShowMessage(Status::Failure(kInputIncomplete));
    return false;
  }
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  cancel_->setVisible(true);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  return worker_->Start(model_);
}

void MainWindow::CalculationEnded(std::shared_ptr<ProjectModel> result, Status status) {
  QApplication::restoreOverrideCursor();
  cancel_->setVisible(false);
  centralWidget()->setEnabled(true);
  menuBar()->setEnabled(true);
  // The run wrote its result blocks and run state into its copy; nothing else could change meanwhile.
  model_ = *result;
  ShowFileNames();
  ShowMessage(status);
  emit CalculationFinished(status);
}

}  // namespace tarnix
