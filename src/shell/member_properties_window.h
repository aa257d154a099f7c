// "MEMBER PROPERTIES": length, effective length factor and inertia factor, and the end restraints.
#pragma once

#include <QDialog>
#include <vector>

#include "base/units.h"
#include "editor/member_editor.h"
#include "model/project_model.h"

class QCheckBox;
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
  /// Marks `field` as where the input is incomplete, for `problem`, until it is typed into or refreshed;
  /// an empty problem takes the mark away.
  void ShowMark(MemberField field, const std::string& problem);

 signals:
  /// A restraint changed (the slenderness window enables its end i deflection by it).
  void RestraintsChanged();
  void Edited();
  /// The text typed into the field named `name` was taken (`problem` empty) or refused for `problem`.
  void FieldChecked(const QString& name, const QString& problem);

 private:
  ProjectModel& m_;
  std::vector<std::pair<QLineEdit*, MemberField>> fields_;
  std::vector<std::pair<QCheckBox*, Restraint>> boxes_;
  std::vector<std::pair<QLabel*, UnitKind>> units_;
};

}  // namespace tarnix
