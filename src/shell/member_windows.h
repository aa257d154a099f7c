// The member properties and slenderness parameters windows.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "editor/member_editor.h"
#include "model/project_model.h"
#include "shell/widgets.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarnix {

/// "MEMBER PROPERTIES": length, effective length factor (derived from the end restraints by clicking its
/// label), effective inertia factor and the four end restraints.
class MemberPropertiesWindow : public QDialog {
  Q_OBJECT

 public:
  MemberPropertiesWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

 signals:
  /// A restraint changed (the slenderness window enables its end i deflection by it).
  void RestraintsChanged();
  void Edited();

 private:
  ProjectModel& m_;
  std::vector<std::pair<QLineEdit*, MemberField>> fields_;
  std::vector<std::pair<QCheckBox*, Restraint>> boxes_;
  QLabel* lengthUnit_;
};

/// "SLENDERNESS PARAMETERS": the end moments and slenderness data of one load condition at a time.
class SlendernessParametersWindow : public QDialog {
  Q_OBJECT

 public:
  SlendernessParametersWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

 signals:
  void Edited();

 private:
  ProjectModel& m_;
  QGroupBox* frame_;
  QCheckBox* transverse_;
  std::vector<std::pair<QLineEdit*, SlenderField>> fields_;
  std::vector<std::pair<QLabel*, Unit>> units_;
};

}  // namespace tarnix
