// The calculation window and its small parameter windows.
#include "shell/calculation_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/model_edits.h"
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

void ParameterWindow::AddFloat(const QString& label, const QString& tip, float ProjectModel::*field) {
  Add(
      label, tip, [this, field](const std::string& text) { m_.*field = LenientFloat(text); },
      [this, field] { return FormatPlain(m_.*field); });
}

void ParameterWindow::AddCount(const QString& label, const QString& tip, int ProjectModel::*field) {
  Add(
      label, tip, [this, field](const std::string& text) { m_.*field = LenientCount(text).value_or(0); },
      [this, field] { return std::to_string(m_.*field); });
}

void ParameterWindow::Refresh() {
  for (const Binding& b : bindings_) b.edit->setText(Q(b.show()));
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
