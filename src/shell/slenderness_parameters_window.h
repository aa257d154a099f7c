// "SLENDERNESS PARAMETERS": the end moments and slenderness data of one load condition at a time.
#pragma once

#include <QDialog>
#include <vector>

#include "base/units.h"
#include "editor/member_editor.h"
#include "model/project_model.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarnix {

/// "SLENDERNESS PARAMETERS": the end moments and slenderness data of one load condition at a time.
class SlendernessParametersWindow : public QDialog {
  Q_OBJECT

 public:
  SlendernessParametersWindow(ProjectModel& m, QWidget* parent);
  void Refresh();

 signals:
  void Edited();
  /// The text typed into the field named `name` was taken (`problem` empty) or refused for `problem`.
  void FieldChecked(const QString& name, const QString& problem);

 private:
  ProjectModel& m_;
  QGroupBox* frame_;
  QCheckBox* transverse_;
  std::vector<std::pair<QLineEdit*, SlenderField>> fields_;
  std::vector<std::pair<QLabel*, UnitKind>> units_;
};

}  // namespace tarnix
