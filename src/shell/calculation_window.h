// The calculation window ("Define Calculation") with its output options, and the small windows of plain
// fields: the output title, the control parameters and the confinement arrangement.
#pragma once

#include <QDialog>
#include <vector>

#include "editor/field_edits.h"
#include "editor/option_choices.h"
#include "model/project_model.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarnix {

/// A window of text fields, each written through to the model by the editor layer.
class FieldWindow : public QDialog {
  Q_OBJECT

 public:
  FieldWindow(ProjectModel& m, const QString& title, QWidget* parent);
  QLineEdit* AddField(const QString& label, Field field);
  /// A caption line between groups of fields.
  void AddHeading(const QString& caption);
  QFormLayout* Form() const;
  virtual void Refresh();

 signals:
  void Edited();

 protected:
  ProjectModel& m_;

 private:
  std::vector<std::pair<QLineEdit*, Field>> fields_;
  QLabel* status_ = nullptr;
};

/// "CONTROL PARAMETERS": the increments of the interaction diagram and the moment-curvature analysis.
class ControlParametersWindow : public FieldWindow {
  Q_OBJECT

 public:
  ControlParametersWindow(ProjectModel& m, QWidget* parent);
  void Refresh() override;

 private:
  std::vector<QRadioButton*> park_;
};

/// "CONFINEMENT REINFORCING": the confinement steel of a Mander concrete and the confined strength and
/// ultimate strain derived from it.
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

/// "Define Calculation": the six output options and "Perform Calculations".
class CalculationWindow : public QDialog {
  Q_OBJECT

 public:
  CalculationWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

 signals:
  void PerformRequested();
  void ControlParametersRequested();

 private:
  ProjectModel& m_;
  std::vector<std::pair<QCheckBox*, OutputOption>> boxes_;
  FieldWindow* title_ = nullptr;
};

}  // namespace tarnix
