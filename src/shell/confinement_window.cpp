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
  for (int option = 1; option <= 5; ++option)
    options_[static_cast<size_t>(option - 1)]->setChecked(m_.confinementOption == option);
}

}  // namespace tarnix
