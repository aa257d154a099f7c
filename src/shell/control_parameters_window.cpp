// The control-parameter window.
#include "shell/control_parameters_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>

#include "editor/option_choices.h"

namespace tarnix {

ControlParametersWindow::ControlParametersWindow(ProjectModel& m, QWidget* parent)
    : FieldWindow(m, "CONTROL PARAMETERS", parent) {
  AddFields(FieldForm::ControlParameters);
  auto* row = new QHBoxLayout;
  for (int model = StrainHardening::Parabolic; model <= StrainHardening::Complex; ++model) {
    auto* button = new QRadioButton(model == StrainHardening::Parabolic ? "Simple" : "Complex", this);
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
  for (int model = StrainHardening::Parabolic; model <= StrainHardening::Complex; ++model)
    park_[static_cast<size_t>(model - StrainHardening::Parabolic)]->setChecked(m_.ParkModel == model);
}

}  // namespace tarnix
