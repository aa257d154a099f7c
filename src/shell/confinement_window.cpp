// The confinement window.
#include "shell/confinement_window.h"

#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "editor/main_window_texts.h"
#include "editor/menu_actions.h"
#include "editor/option_choices.h"

namespace tarnix {

ConfinementWindow::ConfinementWindow(ProjectModel& m, QWidget* parent)
    : FieldWindow(m, "CONFINEMENT REINFORCING", parent) {
  const char* captions[] = {"Neglect confinement", "Spirals", "Circular hoops", "Cross ties",
                            "Cylindrical steel casing"};
  for (int option = Confinement::None; option <= Confinement::SteelCasing; ++option) {
    auto* button = new QRadioButton(captions[option - Confinement::None], this);
    if (option == Confinement::None) button->setToolTip(kNeglectConfinementTip);
    Form()->addRow(button);
    options_.push_back(button);
    connect(button, &QRadioButton::clicked, this, [this, option] {
      if (SelectConfinementOption(m_, option)) Refresh();
      emit Edited();
    });
  }
  AddFields(FieldForm::Confinement);
  auto* calculate = new QPushButton("&Calc confined stress and strain", this);
  Form()->addRow(calculate);
  connect(calculate, &QPushButton::clicked, this, [this] {
    const std::string problem = CalculateConfinement(m_);
    if (!problem.empty()) {
      QMessageBox::warning(this, "TARNIX", QString::fromStdString(problem));
      return;
    }
    hide();
    emit Computed();
  });
}

void ConfinementWindow::Refresh() {
  FieldWindow::Refresh();
  for (int option = Confinement::None; option <= Confinement::SteelCasing; ++option)
    options_[static_cast<size_t>(option - Confinement::None)]->setChecked(m_.confinementOption == option);
}

}  // namespace tarnix
