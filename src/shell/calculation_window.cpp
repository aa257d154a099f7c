// The calculation window and the small field windows.
#include "shell/calculation_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/main_window_texts.h"
#include "section/confinement.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FieldWindow::FieldWindow(ProjectModel& m, const QString& title, QWidget* parent) : QDialog(parent), m_(m) {
  setWindowTitle(title);
  auto* layout = new QFormLayout(this);
  layout->setLabelAlignment(Qt::AlignRight);
  layout->setMenuBar(CloseMenu(this));
}

QLineEdit* FieldWindow::AddField(const QString& label, Field field) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(label);
  edit->setMinimumWidth(field == Field::title ? 420 : 120);
  Form()->addRow(label, edit);
  connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
    const EditEffect effect = EditField(m_, field, text.toStdString());
    for (const auto& [other, f] : fields_) {
      for (Field derived : effect.derived) {
        if (f == derived) other->setText(Q(FieldText(m_, f)));
      }
    }
    if (!effect.status.empty()) {
      if (status_ == nullptr) {
        status_ = new QLabel(this);
        Form()->addRow(status_);
      }
      status_->setText(Q(effect.status));
    }
    emit Edited();
  });
  fields_.push_back({edit, field});
  return edit;
}

void FieldWindow::AddHeading(const QString& caption) {
  auto* heading = new QLabel(caption, this);
  heading->setStyleSheet("font-weight: bold; margin-top: 6px;");
  Form()->addRow(heading);
}

QFormLayout* FieldWindow::Form() const { return static_cast<QFormLayout*>(layout()); }

void FieldWindow::Refresh() {
  for (const auto& [edit, field] : fields_) {
    if (!edit->hasFocus()) edit->setText(Q(FieldText(m_, field)));
    edit->setToolTip(Q(ToolTip(m_, field)));
  }
}

ControlParametersWindow::ControlParametersWindow(ProjectModel& m, QWidget* parent)
    : FieldWindow(m, "CONTROL PARAMETERS", parent) {
  AddHeading("INTERACTION DIAGRAM");
  AddField("inc:", Field::inc);
  AddField("binc:", Field::binc);
  AddField("pinc:", Field::pinc);
  AddHeading("MOMENT-CURVATURE");
  AddField("cmin:", Field::cbeg);
  AddField("cinc:", Field::cinc);
  AddField("emin:", Field::ebeg);
  AddField("emax:", Field::eend);
  AddField("einc:", Field::einc);
  AddField("rcinc:", Field::rcinc);
  AddField("ccinc:", Field::ccinc);
  AddField("bsinc:", Field::bsinc);
  AddField("psinc:", Field::psinc);
  auto* row = new QHBoxLayout;
  for (int model = 1; model <= 2; ++model) {
    auto* button = new QRadioButton(model == 1 ? "Simple" : "Complex", this);
    row->addWidget(button);
    park_.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, model] {
      SelectParkModel(m_, model);
      emit Edited();
    });
  }
  Form()->addRow("Park model:", row);
}

void ControlParametersWindow::Refresh() {
  FieldWindow::Refresh();
  for (int model = 1; model <= 2; ++model)
    park_[static_cast<size_t>(model - 1)]->setChecked(m_.ParkModel == model);
}

ConfinementWindow::ConfinementWindow(ProjectModel& m, QWidget* parent)
    : FieldWindow(m, "CONFINEMENT REINFORCING", parent) {
  const char* captions[] = {"Neglect confinement", "Spirals", "Circular hoops", "Cross ties",
                            "Cylindrical steel casing"};
  for (int option = 1; option <= 5; ++option) {
    auto* button = new QRadioButton(captions[option - 1], this);
    if (option == 1) button->setToolTip(kNeglectConfinementTip);
    Form()->addRow(button);
    options_.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, option] {
      if (SelectConfinementOption(m_, option)) Refresh();
      emit Edited();
    });
  }
  AddHeading("CONFIGURATION");
  AddField("Bar diameter:", Field::ds);
  AddField("Long spacing:", Field::st);
  AddField("Concrete cover:", Field::cover);
  AddField("Yield strength:", Field::fyh);
  AddField("Ultimate strain:", Field::esf);
  AddHeading("HOOPS OR SPIRALS");
  AddField("Diameter:", Field::Dc);
  AddHeading("CROSS TIES");
  AddField("Tie spacing:", Field::sl);
  AddField("Core width:", Field::xcl);
  AddField("Core height:", Field::ycl);
  AddField("No of x-dir bars:", Field::nx);
  AddField("No of y-dir bars:", Field::ny);
  auto* calculate = new QPushButton("&Calc confined stress and strain", this);
  Form()->addRow(calculate);
  connect(calculate, &QPushButton::clicked, this, [this] {
    const std::string problem = ComputeConfinement(m_);
    if (!problem.empty()) {
      QMessageBox::warning(this, "TARNIX", Q(problem));
      return;
    }
    hide();
    emit Computed();
  });
}

void ConfinementWindow::Refresh() {
  FieldWindow::Refresh();
  for (int option = 1; option <= 5; ++option)
    options_[static_cast<size_t>(option - 1)]->setChecked(m_.confinementOption == option);
}

CalculationWindow::CalculationWindow(ProjectModel& m, QWidget* parent) : QDialog(parent), m_(m) {
  setWindowTitle("Define Calculation");
  auto* layout = new QVBoxLayout(this);
  QMenuBar* bar = CloseMenu(this);
  QMenu* define = bar->addMenu("&Define");
  define->addAction("&Control Parameters", this, &CalculationWindow::ControlParametersRequested);
  define->addAction("Output &Title (optional)", this, [this] {
    if (title_ == nullptr) {
      title_ = new FieldWindow(m_, "Output Title", this);
      title_->AddField("Title:", Field::title);
      auto* close = new QPushButton("Close", title_);
      title_->Form()->addRow(close);
      connect(close, &QPushButton::clicked, title_, &QDialog::hide);
    }
    title_->Refresh();
    title_->show();
  });
  layout->setMenuBar(bar);

  const struct {
    const char* caption;
    OutputOption option;
  } options[] = {{"Input data echo", OutputOption::InputEcho},
                 {"Section properties", OutputOption::SectionProperties},
                 {"Interaction diagram", OutputOption::InteractionDiagram},
                 {"Slenderness effects", OutputOption::Slenderness},
                 {"Section analysis", OutputOption::SectionAnalysis},
                 {"Moment-curvature", OutputOption::MomentCurvature}};
  for (const auto& o : options) {
    auto* box = new QCheckBox(o.caption, this);
    layout->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, box, option = o.option](bool ticked) {
      const std::string refusal = SelectOutputOption(m_, option, ticked);
      if (!refusal.empty()) {
        box->setChecked(false);
        QMessageBox::information(this, "TARNIX", Q(refusal));
      }
    });
    boxes_.push_back({box, o.option});
  }
  auto* perform = new QPushButton("&Perform Calculations", this);
  perform->setDefault(true);
  layout->addWidget(perform);
  connect(perform, &QPushButton::clicked, this, [this] {
    hide();
    emit PerformRequested();
  });
}

void CalculationWindow::Refresh() {
  for (const auto& [box, option] : boxes_) box->setChecked(OutputOptionValue(m_, option) == 1);
}

}  // namespace tarnix
