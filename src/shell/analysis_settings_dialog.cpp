// The analysis settings dialog.
#include "shell/analysis_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "editor/analysis_settings.h"

namespace tarnix {

AnalysisSettingsDialog::AnalysisSettingsDialog(ProjectModel& m, QWidget* parent)
    : FieldWindow(m, "Analysis settings", parent, false) {
  setObjectName("analysisSettings");
  AddFields(FieldForm::Title);
  const struct {
    const char* caption;
    OutputOption option;
  } options[] = {{"Input data echo", OutputOption::InputEcho},
                 {"Section properties", OutputOption::SectionProperties},
                 {"Interaction diagram", OutputOption::InteractionDiagram},
                 {"Slenderness effects", OutputOption::Slenderness},
                 {"Section analysis", OutputOption::SectionAnalysis},
                 {"Moment-curvature", OutputOption::MomentCurvature}};
  auto* report = new QWidget(this);
  auto* columns = new QHBoxLayout(report);
  columns->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  for (const auto& o : options) {
    auto* box = new QCheckBox(o.caption, report);
    (boxes_.size() < 3 ? left : right)->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, box, option = o.option](bool ticked) {
      const std::string refusal = SelectOutputOption(m_, option, ticked);
      if (!refusal.empty()) {
        box->setChecked(false);
        QMessageBox::information(this, "TARNIX", QString::fromStdString(refusal));
      }
    });
    boxes_.push_back({box, o.option});
  }
  Form()->addRow("Report parts", report);

  AddFields(FieldForm::ControlParameters);
  auto* row = new QHBoxLayout;
  for (int model = StrainHardening::Parabolic; model <= StrainHardening::Complex; ++model) {
    auto* button = new QRadioButton(model == StrainHardening::Parabolic ? "Parabolic" : "Complex", this);
    row->addWidget(button);
    park_.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, model] { SelectParkModel(m_, model); });
  }
  Form()->addRow("Park strain hardening", row);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  Form()->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this, [this] {
    RestoreAnalysisDefaults(m_);
    Refresh();
  });
}

void AnalysisSettingsDialog::Refresh() {
  FieldWindow::Refresh();
  for (const auto& [box, option] : boxes_) box->setChecked(OutputOptionValue(m_, option) == 1);
  for (int model = StrainHardening::Parabolic; model <= StrainHardening::Complex; ++model)
    park_[static_cast<size_t>(model - StrainHardening::Parabolic)]->setChecked(m_.ParkModel == model);
}

}  // namespace tarnix
