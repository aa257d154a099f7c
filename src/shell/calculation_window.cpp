// The calculation window.
#include "shell/calculation_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/field_window.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CalculationWindow::CalculationWindow(ProjectModel& m, QWidget* parent) : QDialog(parent), m_(m) {
  setWindowTitle("Define Calculation");
  new WholeTitle(this);
  auto* layout = new QVBoxLayout(this);
  QMenuBar* bar = CloseMenu(this);
  QMenu* define = bar->addMenu("&Define");
  define->addAction("&Control Parameters", this, &CalculationWindow::ControlParametersRequested);
  define->addAction("Output &Title (optional)", this, [this] {
    if (title_ == nullptr) {
      title_ = new FieldWindow(m_, "Output Title", this);
      title_->AddFields(FieldForm::Title);
      auto* close = new QPushButton("Close", title_);
      title_->Form()->addRow(close);
      connect(close, &QPushButton::clicked, title_, &QDialog::hide);
      connect(title_, &FieldWindow::Edited, this, &CalculationWindow::Edited);
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
        return;
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
  for (const auto& [box, option] : boxes_) box->setChecked(OutputOptionValue(m_, option) == 1);
}

}  // namespace tarnix
