// "CONFINEMENT REINFORCING": the confinement steel of a Mander concrete and the confined strength and
// ultimate strain derived from it.
#pragma once

#include <vector>

#include "shell/field_window.h"

class QRadioButton;

namespace tarnix {

/// The five confinement arrangements, their fields and "Calc confined stress and strain".
class ConfinementWindow : public FieldWindow {
  Q_OBJECT

 public:
  ConfinementWindow(ProjectModel& m, QWidget* parent);
  void Refresh() override;

 signals:
  /// fcc and ecu were derived.
  void Computed();

 private:
  std::vector<QRadioButton*> options_;
};

}  // namespace tarnix
