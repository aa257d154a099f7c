// A small window of text fields, each written through to the model by the editor layer.
#pragma once

#include <QDialog>
#include <vector>

#include "editor/field_edits.h"
#include "model/project_model.h"

class QFormLayout;
class QLabel;
class QLineEdit;

namespace tarnix {

/// A window of text fields under their headings, built from the field table.
class FieldWindow : public QDialog {
  Q_OBJECT

 public:
  /// `closeMenu`: a File menu with Close (a dialog with its own buttons has none).
  FieldWindow(ProjectModel& m, const QString& title, QWidget* parent, bool closeMenu = true);
  /// The fields of `form` in the order of the field table, each group under its heading.
  void AddFields(FieldForm form);
  QFormLayout* Form() const;
  virtual void Refresh();
  /// Marks `field` as where the input is incomplete, for `problem`, until it is typed into or refreshed;
  /// an empty problem takes the mark away.
  void ShowMark(Field field, const std::string& problem);

 signals:
  void Edited();
  /// The text typed into the field named `name` was taken (`problem` empty) or refused for `problem`.
  void FieldChecked(const QString& name, const QString& problem);

 protected:
  ProjectModel& m_;

 private:
  void AddField(Field field);
  /// A caption line between groups of fields.
  void AddHeading(const QString& caption);

  std::vector<std::pair<QLineEdit*, Field>> fields_;
  std::vector<QLabel*> captions_;  // the words and unit of each field
  QLabel* status_ = nullptr;
};

}  // namespace tarnix
