// The calculation window and its small parameter windows.
#include "shell/calculation_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "section/confinement.h"
#include "report/number_format.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ParameterWindow::ParameterWindow(ProjectModel& m, const QString& title, QWidget* parent) : QDialog(parent), m_(m) {
  setWindowTitle(title);
  auto* layout = new QFormLayout(this);
  layout->setLabelAlignment(Qt::AlignRight);
  auto* bar = new QMenuBar(this);
  bar->addMenu("&File")->addAction("&Close", this, &QDialog::hide);
  layout->setMenuBar(bar);
}

QLineEdit* ParameterWindow::Add(const QString& label, const QString& tip,
                                std::function<void(const std::string&)> store, std::function<std::string()> show) {
  auto* edit = new QLineEdit(this);
  edit->setToolTip(tip);
  edit->setMaximumWidth(120);
  static_cast<QFormLayout*>(layout())->addRow(label, edit);
  connect(edit, &QLineEdit::textEdited, this, [this, store](const QString& text) {
    store(text.toStdString());
    emit Edited();
  });
  bindings_.push_back({edit, std::move(store), std::move(show)});
  return edit;
}

void ParameterWindow::AddFloat(const QString& label, const QString& tip, float ProjectModel::*field,
                               std::function<void()> after) {
  Add(
      label, tip,
      [this, field, after](const std::string& text) {
        m_.*field = LenientFloat(text);
        if (after) after();
      },
      [this, field] { return FormatPlain(m_.*field); });
}

void ParameterWindow::AddHeading(const QString& caption) {
  auto* heading = new QLabel(caption, this);
  heading->setStyleSheet("font-weight: bold; margin-top: 6px;");
  Form()->addRow(heading);
}

QFormLayout* ParameterWindow::Form() const { return static_cast<QFormLayout*>(layout()); }

void ParameterWindow::AddCount(const QString& label, const QString& tip, int ProjectModel::*field) {
  Add(
      label, tip, [this, field](const std::string& text) { m_.*field = LenientCount(text).value_or(0); },
      [this, field] { return std::to_string(m_.*field); });
}

void ParameterWindow::Refresh() {
  for (const Binding& b : bindings_) {
    if (!b.edit->hasFocus()) b.edit->setText(Q(b.show()));
  }
}

ConfinementWindow::ConfinementWindow(ProjectModel& m, QWidget* parent)
    : ParameterWindow(m, "CONFINEMENT REINFORCING", parent) {
  const char* captions[] = {"Neglect confinement", "Spirals", "Circular hoops", "Cross ties",
                            "Cylindrical steel casing"};
  for (int option = 1; option <= 5; ++option) {
    auto* button = new QRadioButton(captions[option - 1], this);
    if (option == 1) button->setToolTip("Neglect confinement (use Mander's unconfined model)");
    Form()->addRow(button);
    options_.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, option] {
      if (m_.refreshing == 1) return;
      ChooseConfinementOption(m_, option);
      Refresh();
      emit Edited();
    });
  }
  AddHeading("CONFIGURATION");
  AddFloat("Bar diameter:", "Diameter of the confinement bar (casing thickness for a steel casing)", &ProjectModel::ds);
  AddFloat("Long spacing:", "Spacing of the confinement reinforcing along the member", &ProjectModel::st);
  AddFloat("Concrete cover:", "Concrete cover to the confinement reinforcing", &ProjectModel::cover, [this] {
    // The core follows the cover.
    DeriveCoreDimensions(m_);
    Refresh();
  });
  AddFloat("Yield strength:", "Yield strength of the confinement reinforcing", &ProjectModel::fyh);
  AddFloat("Ultimate strain:", "Ultimate strain of the confinement reinforcing", &ProjectModel::esf);
  AddHeading("HOOPS OR SPIRALS");
  AddFloat("Diameter:", "Diameter of the hoop or spiral to its centreline (casing diameter)", &ProjectModel::Dc);
  AddHeading("CROSS TIES");
  AddFloat("Tie spacing:", "Largest spacing between cross-tied longitudinal bars", &ProjectModel::sl);
  AddFloat("Core width:", "Core width to the centreline of the confinement", &ProjectModel::xcl);
  AddFloat("Core height:", "Core height to the centreline of the confinement", &ProjectModel::ycl);
  AddCount("No of x-dir bars:", "Number of confinement bars in the x direction", &ProjectModel::nx);
  AddCount("No of y-dir bars:", "Number of confinement bars in the y direction", &ProjectModel::ny);
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
  ParameterWindow::Refresh();
  for (int option = 1; option <= 5; ++option)
    options_[static_cast<size_t>(option - 1)]->setChecked(m_.confinementOption == option);
}

CalculationWindow::CalculationWindow(ProjectModel& m, QWidget* parent) : QDialog(parent), m_(m) {
  setWindowTitle("Define Calculation");
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QMenuBar(this);
  bar->addMenu("&File")->addAction("&Close", this, &QDialog::hide);
  QMenu* define = bar->addMenu("&Define");
  define->addAction("&Control Parameters", this, &CalculationWindow::ControlParametersRequested);
  define->addAction("Output &Title (optional)", this, [this] {
    if (title_ == nullptr) {
      title_ = new QDialog(this);
      title_->setWindowTitle("Output Title");
      auto* titleLayout = new QVBoxLayout(title_);
      auto* text = new QLineEdit(Q(m_.title), title_);
      text->setMinimumWidth(420);
      titleLayout->addWidget(text);
      auto* close = new QPushButton("Close", title_);
      titleLayout->addWidget(close, 0, Qt::AlignRight);
      connect(text, &QLineEdit::textEdited, this, [this](const QString& value) {
        m_.title = value.toStdString();
        emit Edited();
      });
      connect(close, &QPushButton::clicked, title_, &QDialog::hide);
    }
    title_->findChild<QLineEdit*>()->setText(Q(m_.title));
    title_->show();
  });
  layout->setMenuBar(bar);

  const struct {
    const char* caption;
    int ProjectModel::*option;
  } options[] = {{"Input data echo", &ProjectModel::OutputInputEcho},
                 {"Section properties", &ProjectModel::OutputSectionProperties},
                 {"Interaction diagram", &ProjectModel::OutputInteractionDiagram},
                 {"Slenderness effects", &ProjectModel::OutputSlenderness},
                 {"Section analysis", &ProjectModel::OutputSectionAnalysis},
                 {"Moment-curvature", &ProjectModel::OutputMomentCurvature}};
  for (const auto& o : options) {
    auto* box = new QCheckBox(o.caption, this);
    layout->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, box, option = o.option](bool ticked) {
      if (option == &ProjectModel::OutputSlenderness) {
        const std::string refusal = SetOutputSlenderness(m_, ticked ? 1 : 0);
        if (!refusal.empty()) {
          box->setChecked(false);
          QMessageBox::information(this, "TARNIX", Q(refusal));
        }
      } else {
        m_.*option = ticked ? 1 : 0;
      }
      emit Edited();
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
  for (const auto& [box, option] : boxes_) box->setChecked(m_.*option == 1);
}

}  // namespace tarnix
