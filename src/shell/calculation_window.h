// The calculation window ("Define Calculation") with its output options, and the small windows it opens:
// the output title and the control parameters.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "model/project_model.h"

class QCheckBox;
class QFormLayout;
class QRadioButton;
class QLineEdit;

namespace tarnix {

/// A window of plain numeric fields bound to model members (typed text: its leading number, else 0).
class ParameterWindow : public QDialog {
  Q_OBJECT

 public:
  ParameterWindow(ProjectModel& m, const QString& title, QWidget* parent);
  /// A field of `field`; `after` runs after each store (a field that derives others).
  void AddFloat(const QString& label, const QString& tip, float ProjectModel::*field,
                std::function<void()> after = nullptr);
  void AddCount(const QString& label, const QString& tip, int ProjectModel::*field);
  /// A caption line between groups of fields.
  void AddHeading(const QString& caption);
  /// The layout, for windows that add their own controls.
  QFormLayout* Form() const;
  void Refresh();

 signals:
  void Edited();

 protected:
  ProjectModel& m_;

 private:
  struct Binding {
    QLineEdit* edit;
    std::function<void(const std::string&)> store;
    std::function<std::string()> show;
  };
  std::vector<Binding> bindings_;
  QLineEdit* Add(const QString& label, const QString& tip, std::function<void(const std::string&)> store,
                 std::function<std::string()> show);
};

/// "CONFINEMENT REINFORCING": the arrangement of the confinement steel of a Mander concrete and the
/// derivation of the confined strength and ultimate strain from it.
class ConfinementWindow : public ParameterWindow {
  Q_OBJECT

 public:
  ConfinementWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

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
  void Edited();

 private:
  ProjectModel& m_;
  std::vector<std::pair<QCheckBox*, int ProjectModel::*>> boxes_;
  QDialog* title_ = nullptr;
};

}  // namespace tarnix
