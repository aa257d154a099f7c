// The main window. Every handler hands the typed text or the click to the editing rules of the model and
// then shows the model again; the window keeps no copy of the data.
#include "shell/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
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
#include "shell/widgets.h"
#include "shell/member_windows.h"
#include "shell/calculation_window.h"
#include "editor/member_editor.h"

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
  edit->setObjectName(label);
  edit->setToolTip(UnitTip(tip));
  edit->setMaximumWidth(140);
  // A field whose tool-tip names a unit shows it beside the field.
  QLabel* unit = nullptr;
  const int open = tip.indexOf("({");
  if (open >= 0) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    unit = new QLabel(form);
    unit->setMinimumWidth(36);
    row->addWidget(unit);
    static_cast<QFormLayout*>(form->layout())->addRow(label, row);
  } else {
    static_cast<QFormLayout*>(form->layout())->addRow(label, edit);
  }
  connect(edit, &QLineEdit::textEdited, this, [this, store](const QString& text) {
    store(text.toStdString());
    modified_ = true;
  });
  fields_.push_back({edit, std::move(store), std::move(show), tip, unit});
  return edit;
}

void MainWindow::AddPlainField(QWidget* form, const QString& label, const QString& tip, float ProjectModel::*field) {
  AddField(
      form, label, tip, [this, field](const std::string& text) { model_.*field = LenientFloat(text); },
      [this, field] { return FormatPlain(model_.*field); });
}

QString MainWindow::UnitTip(const QString& tip) const {
  const bool english = model_.units == "english";
  QString text = tip;
  text.replace("{L}", english ? "in" : "mm");
  text.replace("{A}", english ? "in^2" : "mm^2");
  text.replace("{S}", english ? "psi" : "MPa");
  text.replace("{F}", english ? "kip" : "kN");
  text.replace("{M}", english ? "k-ft" : "kN-m");
  return text;
}

QGroupBox* MainWindow::RecordFrameWithButtons(QGroupBox* outer, const QString& prefix, std::function<int()> current,
                                              std::function<int()> count, std::function<void(int)> move) {
  auto* frame = new QGroupBox(outer);
  auto* layout = new QVBoxLayout(frame);
  auto* form = new QWidget(frame);
  auto* formLayout = new QFormLayout(form);
  formLayout->setLabelAlignment(Qt::AlignRight);
  formLayout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(form);
  layout->addLayout(PreviousNextRow(frame, "Previous", "Next", [move] { move(-1); }, [move] { move(+1); }));
  outer->layout()->addWidget(frame);
  frames_.push_back({frame, prefix, std::move(current), std::move(count)});
  // Fields are added to the form inside the frame.
  frame->setProperty("form", QVariant::fromValue(static_cast<QObject*>(form)));
  return frame;
}

namespace {

QWidget* FormOf(QGroupBox* frame) { return qobject_cast<QWidget*>(frame->property("form").value<QObject*>()); }

// Moves a current index by one within 1..count.
void Step(int& current, int count, int step) {
  if (step > 0 && current < count) ++current;
  if (step < 0 && current > 1) --current;
}

}  // namespace

template <typename Record>
QGroupBox* MainWindow::RecordList(QWidget* tab, const QString& caption, const QString& countLabel,
                                  const QString& countTip, RecordKind kind, std::vector<Record> ProjectModel::*list,
                                  int ProjectModel::*current, const QString& prefix,
                                  std::initializer_list<RecordField<Record>> fields, int Record::*sign) {
  auto* outer = new QGroupBox(caption, tab);
  auto* layout = new QVBoxLayout(outer);
  auto* countForm = new QWidget(outer);
  new QFormLayout(countForm);
  layout->addWidget(countForm);
  AddField(
      countForm, countLabel, countTip,
      [this, kind](const std::string& text) {
        if (SetRecordCountText(model_, kind, text)) Refresh();
      },
      [this, kind] { return std::to_string(RecordCount(model_, kind)); });
  QGroupBox* frame = RecordFrameWithButtons(
      outer, prefix, [this, current] { return model_.*current; }, [this, kind] { return RecordCount(model_, kind); },
      [this, current, kind](int step) {
        Step(model_.*current, RecordCount(model_, kind), step);
        Refresh();
      });
  QWidget* form = FormOf(frame);
  // The record shown, or none when the list is empty.
  const auto record = [this, list, current, kind]() -> Record* {
    const int index = model_.*current;
    if (index < 1 || index > RecordCount(model_, kind)) return nullptr;
    return &(model_.*list)[static_cast<size_t>(index)];
  };
  for (const RecordField<Record>& field : fields) {
    if (field.value != nullptr) {
      AddField(
          form, field.label, field.tip,
          [record, v = field.value](const std::string& text) {
            if (Record* r = record()) r->*v = LenientFloat(text);
          },
          [record, v = field.value] { return record() != nullptr ? FormatPlain(record()->*v) : std::string(); });
    } else {
      AddField(
          form, field.label, field.tip,
          [record, c = field.count](const std::string& text) {
            if (Record* r = record()) r->*c = LenientCount(text).value_or(0);
          },
          [record, c = field.count] { return record() != nullptr ? std::to_string(record()->*c) : std::string(); });
    }
  }
  if (sign != nullptr) {
    auto* add = new QRadioButton("Add", form);
    auto* subtract = new QRadioButton("Subtract", form);
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(subtract);
    static_cast<QFormLayout*>(form->layout())->addRow(row);
    const auto setSign = [this, record, sign](int value) {
      if (model_.refreshing == 1) return;
      if (Record* r = record()) r->*sign = value;
      modified_ = true;
    };
    connect(add, &QRadioButton::clicked, this, [setSign] { setSign(1); });
    connect(subtract, &QRadioButton::clicked, this, [setSign] { setSign(-1); });
    refreshers_.push_back([record, sign, add, subtract] {
      const Record* r = record();
      add->setChecked(r == nullptr || r->*sign >= 0);
      subtract->setChecked(r != nullptr && r->*sign < 0);
    });
  }
  return outer;
}

void MainWindow::Refresh() {
  model_.refreshing = 1;
  DeriveOutputOptions(model_);
  for (const Field& field : fields_) {
    if (!field.edit->hasFocus()) field.edit->setText(Q(field.show()));
    field.edit->setToolTip(UnitTip(field.tip));
    if (field.unit != nullptr) {
      const int open = field.tip.indexOf("({");
      field.unit->setText(UnitTip(field.tip.mid(open + 1, field.tip.indexOf(')', open) - open - 1)));
    }
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
  define->addAction("&Control Parameters", this, &MainWindow::ShowControlParameters);
  define->addAction("C&alculations to Output", this, &MainWindow::ShowCalculationWindow);
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
  tabs_->addTab(StressStrainTab(), "STRESS-STRAIN");
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

  QGroupBox* strength = FormFrame("MATERIAL STRENGTH", tab);
  QGroupBox* reduction = FormFrame("STRENGTH REDUCTION FACTORS", tab);
  QGroupBox* resistance = FormFrame("RESISTANCE FACTORS", tab);
  QGroupBox* block = FormFrame("STRESS BLOCK", tab);
  // f'c is more than a number: the moduli and the stress block follow it.
  AddField(strength, "f'c =", "Concrete compressive strength ({S})",
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
  } fields[] = {
      {strength, "fy =", "Reinforcing yield strength ({S})", &ProjectModel::fy},
      {strength, "fs =", "Structural steel yield strength ({S})", &ProjectModel::fs},
      {strength, "Ec =", "Concrete modulus of elasticity ({S})", &ProjectModel::Ec},
      {strength, "Er =", "Reinforcing modulus of elasticity ({S})", &ProjectModel::Er},
      {strength, "Es =", "Structural steel modulus of elasticity ({S})", &ProjectModel::Es},
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
  for (const auto& f : fields) AddPlainField(f.frame, f.label, f.tip, f.field);
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

QWidget* MainWindow::ConcreteTab() {
  auto* tab = new QWidget;
  auto* row = new QHBoxLayout(tab);
  row->addWidget(RecordList<ConcreteRect>(tab, "RECTANGULAR SECTIONS", "No of sections:",
                                          "Number of rectangular concrete sections", RecordKind::ConcreteRect,
                                          &ProjectModel::rects, &ProjectModel::currentRect, "SECTION NO ",
                                          {{"Ytop:", "Distance to top of section ({L})", &ConcreteRect::Yt},
                                           {"Depth:", "Depth of section ({L})", &ConcreteRect::D},
                                           {"Width:", "Width of section ({L})", &ConcreteRect::W}},
                                          &ConcreteRect::rsign),
                 0, Qt::AlignTop);
  row->addWidget(RecordList<ConcreteCircle>(tab, "CIRCULAR SECTIONS", "No of sections:",
                                            "Number of circular concrete sections", RecordKind::ConcreteCircle,
                                            &ProjectModel::circles, &ProjectModel::currentCirc, "SECTION NO ",
                                            {{"Ycenter:", "Distance to center of section ({L})", &ConcreteCircle::Yc},
                                             {"Radius:", "Radius of section ({L})", &ConcreteCircle::Rc}},
                                            &ConcreteCircle::csign),
                 0, Qt::AlignTop);
  row->addStretch(1);
  return tab;
}

QWidget* MainWindow::ReinforcingTab() {
  auto* tab = new QWidget;
  auto* row = new QHBoxLayout(tab);
  row->addWidget(
      RecordList<ReinforcingLine>(
          tab, "REINFORCING LINES", "No of lines:", "Number of reinforcing lines", RecordKind::ReinforcingLine,
          &ProjectModel::lines, &ProjectModel::currentLine, "LINE NO ",
          {{"Ybeg:", "Distance to center of first bar ({L})", &ReinforcingLine::Yb},
           {"Angle:", "Angle of inclination of reinforcing line (degrees)", &ReinforcingLine::Ab},
           {"Length:", "Length of reinforcing line ({L})", &ReinforcingLine::Lb},
           {"Nbar:", "Number of bars in line", nullptr, &ReinforcingLine::Nbl},
           {"Abar:", "Area of each bar ({A})", &ReinforcingLine::Abl}}),
      0, Qt::AlignTop);
  row->addWidget(RecordList<ReinforcingArc>(
                     tab, "REINFORCING ARCS", "No of arcs:", "Number of reinforcing arcs", RecordKind::ReinforcingArc,
                     &ProjectModel::arcs, &ProjectModel::currentArc, "ARC NO ",
                     {{"Ycenter:", "Distance to center of arc ({L})", &ReinforcingArc::Y0},
                      {"Radius:", "Radius of arc ({L})", &ReinforcingArc::R0},
                      {"Abeg:", "Angle to center of first bar (degrees)", &ReinforcingArc::Abeg},
                      {"Atot:", "Total angle of reinforcing arc (degrees)", &ReinforcingArc::Atot},
                      {"Nbar:", "Number of bars in arc", nullptr, &ReinforcingArc::Nba},
                      {"Abar:", "Area of each bar ({A})", &ReinforcingArc::Aba}}),
                 0, Qt::AlignTop);
  row->addStretch(1);
  return tab;
}

QWidget* MainWindow::SteelTab() {
  auto* tab = new QWidget;
  auto* row = new QHBoxLayout(tab);
  row->addWidget(RecordList<SteelPipe>(tab, "PIPE SHAPES", "No of pipes:", "Number of steel pipe shapes",
                                       RecordKind::SteelPipe, &ProjectModel::pipes, &ProjectModel::currentPipe,
                                       "SHAPE NO ",
                                       {{"Ycen:", "Distance to center of pipe ({L})", &SteelPipe::Ycp},
                                        {"Radius:", "Radius to middle of pipe wall ({L})", &SteelPipe::Rcp},
                                        {"Thick:", "Thickness of pipe wall ({L})", &SteelPipe::tp}}),
                 0, Qt::AlignTop);
  row->addWidget(RecordList<SteelRect>(tab, "RECTANGULAR SHAPES", "No of shapes:",
                                       "Number of rectangular steel shapes", RecordKind::SteelRect,
                                       &ProjectModel::steelRects, &ProjectModel::currentBar, "SHAPE NO ",
                                       {{"Ytop:", "Distance to top of shape ({L})", &SteelRect::Ytb},
                                        {"Depth:", "Depth of shape ({L})", &SteelRect::Db},
                                        {"Width:", "Width of shape ({L})", &SteelRect::Wb}}),
                 0, Qt::AlignTop);
  row->addStretch(1);
  return tab;
}
QWidget* MainWindow::LoadsTab() {
  auto* tab = new QWidget;
  auto* row = new QHBoxLayout(tab);
  auto* loads = new QGroupBox("LOAD CONDITIONS", tab);
  auto* layout = new QVBoxLayout(loads);
  auto* countForm = new QWidget(loads);
  new QFormLayout(countForm);
  layout->addWidget(countForm);
  AddField(
      countForm, "No of loads:", "Number of loads to review",
      [this](const std::string& text) {
        if (SetLoadCountText(model_, text)) Refresh();
      },
      [this] { return std::to_string(model_.ns); });
  QGroupBox* frame = RecordFrameWithButtons(
      loads, "LOAD CONDITION NO ", [this] { return model_.currentLoad; }, [this] { return model_.ns; },
      [this](int step) {
        Step(model_.currentLoad, model_.ns, step);
        Refresh();
      });
  const struct {
    const char* label;
    const char* tip;
    LoadValue value;
  } values[] = {{"Axial load:", "Axial load ({F})", LoadValue::P},
                {"Moment:", "Initial moment ({M})", LoadValue::M},
                {"Shear:", "Shear ({F})", LoadValue::V},
                {"Torsion:", "Torsion ({M})", LoadValue::T}};
  for (const auto& v : values) {
    AddField(
        FormOf(frame), v.label, v.tip,
        [this, which = v.value](const std::string& text) { EditLoadValue(model_, model_.currentLoad, which, text); },
        [this, which = v.value] {
          return model_.ns >= 1 ? FormatFixed(DisplayedLoadValue(model_, model_.currentLoad, which), 1) : std::string();
        });
  }
  row->addWidget(loads, 0, Qt::AlignTop);

  auto* options = new QGroupBox("SLENDERNESS OPTIONS", tab);
  auto* optionsLayout = new QVBoxLayout(options);
  const char* captions[] = {"No slenderness effects", "Moment magnification", "Slender wall design",
                            "General P-delta analysis"};
  std::vector<QRadioButton*> buttons;
  for (int option = 1; option <= 4; ++option) {
    auto* button = new QRadioButton(captions[option - 1], options);
    optionsLayout->addWidget(button);
    buttons.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, option] {
      if (model_.refreshing == 1) return;
      SetSlendernessOption(model_, option);
      modified_ = true;
      Refresh();
    });
  }
  auto* parameters = new QPushButton("Set &Slenderness Parameters", options);
  optionsLayout->addWidget(parameters);
  connect(parameters, &QPushButton::clicked, this, &MainWindow::ShowSlendernessWindows);
  refreshers_.push_back([this, buttons, options, parameters] {
    for (int option = 1; option <= 4; ++option) buttons[static_cast<size_t>(option - 1)]->setChecked(model_.SlendernessOption == option);
    const bool enabled = model_.ns >= 1 && model_.criteria != "ud";
    options->setEnabled(enabled);
    parameters->setEnabled(enabled);
  });
  row->addWidget(options, 0, Qt::AlignTop);
  row->addStretch(1);
  return tab;
}

void MainWindow::ShowMemberWindow() {
  if (member_ == nullptr) {
    member_ = new MemberPropertiesWindow(model_, this);
    connect(member_, &MemberPropertiesWindow::Edited, this, [this] { modified_ = true; });
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
  if (!ShowsSlendernessParameters(model_)) return;
  if (slender_ == nullptr) {
    slender_ = new SlendernessParametersWindow(model_, this);
    connect(slender_, &SlendernessParametersWindow::Edited, this, [this] { modified_ = true; });
  }
  slender_->Refresh();
  slender_->show();
  slender_->raise();
  // Beside the member properties window, not on top of it.
  slender_->move(member_->frameGeometry().topRight() + QPoint(12, 0));
}

QGroupBox* MainWindow::PointFrame(QWidget* parent, const QString& prefix, SteelCurve curve) {
  auto* outer = new QGroupBox(parent);
  new QVBoxLayout(outer);
  outer->setFlat(true);
  const bool reinforcing = curve == SteelCurve::Reinforcing;
  int ProjectModel::*current = reinforcing ? &ProjectModel::currentRPoint : &ProjectModel::currentSPoint;
  QGroupBox* frame = RecordFrameWithButtons(
      outer, prefix, [this, current] { return model_.*current; },
      [this] { return model_.StressStrainPointCount; },
      [this, current](int step) {
        Step(model_.*current, model_.StressStrainPointCount, step);
        Refresh();
      });
  // The point shown: of the Bilinear or the Park table, as the curve's model chooses.
  const auto point = [this, curve, current]() -> StressStrainPoint {
    const bool reinf = curve == SteelCurve::Reinforcing;
    const int model = reinf ? model_.reinfModel : model_.steelModel;
    const size_t i = static_cast<size_t>(std::clamp(model_.*current, 1, model == 1 ? 4 : 6));
    if (model == 1) return reinf ? model_.rpBL[i] : model_.spBL[i];
    return reinf ? model_.rpPA[i] : model_.spPA[i];
  };
  AddField(
      FormOf(frame), "Strain:", "Strain of the point",
      [this, curve](const std::string& text) { EditStressStrainPoint(model_, curve, PointPart::Strain, text); },
      [point] { return FormatPlain(point().strain); });
  AddField(
      FormOf(frame), "Stress:", "Stress of the point ({S})",
      [this, curve](const std::string& text) { EditStressStrainPoint(model_, curve, PointPart::Stress, text); },
      [point] { return FormatPlain(point().stress); });
  return outer;
}

QWidget* MainWindow::StressStrainTab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  auto* perform = new QCheckBox("&Perform Moment-Curvature Analysis", tab);
  connect(perform, &QCheckBox::clicked, this, [this](bool ticked) {
    if (model_.refreshing == 1) return;
    SetPerformMomentCurvature(model_, ticked ? 1 : 0);
    modified_ = true;
    Refresh();
  });
  auto* memberButton = new QPushButton("Set &Member Properties", tab);
  connect(memberButton, &QPushButton::clicked, this, &MainWindow::ShowMemberWindow);
  grid->addWidget(perform, 0, 0);
  grid->addWidget(memberButton, 0, 1, Qt::AlignLeft);

  auto* concrete = new QGroupBox("CONCRETE MATERIAL MODEL", tab);
  auto* concreteLayout = new QVBoxLayout(concrete);
  auto* models = new QHBoxLayout;
  const struct {
    const char* caption;
    const char* tip;
  } concreteModels[] = {{"Linear", "Linear model uses fpc and em from CRITERIA"},
                        {"Simple", "Simple model can be used for unconfined sections"},
                        {"Mander", "Mander model accounts for concrete confinement"}};
  std::vector<QRadioButton*> concreteButtons;
  for (int model = 1; model <= 3; ++model) {
    auto* button = new QRadioButton(concreteModels[model - 1].caption, concrete);
    button->setToolTip(concreteModels[model - 1].tip);
    models->addWidget(button);
    concreteButtons.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, model] {
      if (model_.refreshing == 1) return;
      ChooseConcreteModel(model_, model);
      modified_ = true;
      Refresh();
    });
  }
  concreteLayout->addLayout(models);
  auto* concreteForm = new QWidget(concrete);
  new QFormLayout(concreteForm);
  static_cast<QFormLayout*>(concreteForm->layout())->setLabelAlignment(Qt::AlignRight);
  concreteLayout->addWidget(concreteForm);
  AddField(
      concreteForm, "fc0:", "Unconfined compressive stress ({S})",
      [this](const std::string& text) {
        DeriveInitialModulus(model_, text);
        Refresh();
      },
      [this] { return FormatPlain(model_.fc0); });
  const struct {
    const char* label;
    const char* tip;
    float ProjectModel::*field;
  } concreteFields[] = {{"ec0:", "Strain at unconfined compressive stress", &ProjectModel::ec0},
                        {"Eci:", "Initial modulus of elasticity ({S})", &ProjectModel::Eci},
                        {"esp:", "Spalling strain", &ProjectModel::esp},
                        {"ecu:", "Ultimate compressive strain", &ProjectModel::ecu},
                        {"fcu:", "Ultimate compressive stress ({S})", &ProjectModel::fcu},
                        {"fcc:", "Confined compressive stress ({S})", &ProjectModel::fcc}};
  for (const auto& f : concreteFields) AddPlainField(concreteForm, f.label, f.tip, f.field);
  auto* calcFcc = new QPushButton("Calc fcc", concrete);
  calcFcc->setToolTip("Calculate confined stress and ultimate strain from confinement steel arrangement");
  concreteLayout->addWidget(calcFcc);
  connect(calcFcc, &QPushButton::clicked, this, [this] {
    // Confinement belongs to the Mander model only.
    if (model_.concreteModel != 3) return;
    if (confinement_ == nullptr) {
      confinement_ = new ConfinementWindow(model_, this);
      connect(confinement_, &ConfinementWindow::Edited, this, [this] { modified_ = true; });
      connect(confinement_, &ConfinementWindow::Computed, this, [this] {
        modified_ = true;
        Refresh();
        activateWindow();
      });
    }
    confinement_->Refresh();
    confinement_->show();
    confinement_->raise();
  });
  refreshers_.push_back([this, perform, concreteButtons, calcFcc] {
    perform->setChecked(model_.PerformMomentCurvature == 1);
    for (int model = 1; model <= 3; ++model)
      concreteButtons[static_cast<size_t>(model - 1)]->setChecked(model_.concreteModel == model);
    calcFcc->setEnabled(model_.concreteModel == 3);
  });

  auto* steel = new QGroupBox("STEEL MATERIAL MODEL", tab);
  auto* steelLayout = new QVBoxLayout(steel);
  auto* steelModels = new QHBoxLayout;
  auto* bilinear = new QRadioButton("Bilinear", steel);
  bilinear->setToolTip("Bilinear model");
  auto* park = new QRadioButton("Park", steel);
  park->setToolTip("Park model with parabolic strain hardening");
  steelModels->addWidget(bilinear);
  steelModels->addWidget(park);
  steelLayout->addLayout(steelModels);
  for (auto [button, model] : {std::pair{bilinear, 1}, std::pair{park, 2}}) {
    connect(button, &QRadioButton::clicked, this, [this, model = model] {
      if (model_.refreshing == 1) return;
      ChooseSteelModel(model_, model);
      modified_ = true;
      Refresh();
    });
  }
  steelLayout->addWidget(PointFrame(steel, "REINFORCING POINT NO ", SteelCurve::Reinforcing));
  steelLayout->addWidget(PointFrame(steel, "STEEL POINT NO ", SteelCurve::Structural));
  refreshers_.push_back([this, bilinear, park] {
    bilinear->setChecked(model_.reinfModel == 1);
    park->setChecked(model_.reinfModel != 1);
  });
  grid->addWidget(concrete, 1, 0, Qt::AlignTop);
  grid->addWidget(steel, 1, 1, Qt::AlignTop);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(2, 1);
  return tab;
}

void MainWindow::ShowCalculationWindow() {
  if (calculation_ == nullptr) {
    calculation_ = new CalculationWindow(model_, this);
    connect(calculation_, &CalculationWindow::Edited, this, [this] { modified_ = true; });
    connect(calculation_, &CalculationWindow::PerformRequested, this, &MainWindow::PerformCalculations);
    connect(calculation_, &CalculationWindow::ControlParametersRequested, this, &MainWindow::ShowControlParameters);
  }
  DeriveOutputOptions(model_);
  calculation_->Refresh();
  calculation_->show();
  calculation_->raise();
}

void MainWindow::ShowControlParameters() {
  if (control_ == nullptr) {
    control_ = new ParameterWindow(model_, "CONTROL PARAMETERS", this);
    control_->AddFloat("inc:", "Neutral axis increment to iterate", &ProjectModel::inc);
    control_->AddCount("binc:", "Number of divisions in long direction of steel bar section to integrate",
                       &ProjectModel::binc);
    control_->AddCount("pinc:", "Number of divisions around circumference of steel pipe section to integrate",
                       &ProjectModel::pinc);
    control_->AddFloat("cmin:", "Minimum neutral axis value", &ProjectModel::cbeg);
    control_->AddFloat("cinc:", "Neutral axis increment to iterate", &ProjectModel::cinc);
    control_->AddFloat("emin:", "Minimum strain value", &ProjectModel::ebeg);
    control_->AddFloat("emax:", "Maximum strain value", &ProjectModel::eend);
    control_->AddFloat("einc:", "Strain increment to iterate", &ProjectModel::einc);
    control_->AddCount("rcinc:", "Number of horizontal slices in rectangular concrete section to integrate",
                       &ProjectModel::rcinc);
    control_->AddCount("ccinc:", "Number of horizontal slices in circular concrete section to integrate",
                       &ProjectModel::ccinc);
    control_->AddCount("bsinc:", "Number of divisions in long direction of steel bar section to integrate",
                       &ProjectModel::bsinc);
    control_->AddCount("psinc:", "Number of divisions around circumference of steel pipe section to integrate",
                       &ProjectModel::psinc);
    connect(control_, &ParameterWindow::Edited, this, [this] { modified_ = true; });
  }
  control_->Refresh();
  control_->show();
  control_->raise();
}

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

namespace {

// The one local input file of a drop, or an empty name.
QString DroppedInputFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  return url.isLocalFile() && url.toLocalFile().endsWith(".in", Qt::CaseInsensitive) ? url.toLocalFile() : QString();
}

}  // namespace

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
