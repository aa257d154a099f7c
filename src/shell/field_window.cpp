// The small windows of plain fields: each typed text goes to the editor layer, and the fields it derived
// are shown again.
#include "shell/field_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FieldWindow::FieldWindow(ProjectModel& m, const QString& title, QWidget* parent, bool closeMenu)
    : QDialog(parent), m_(m) {
  setWindowTitle(title);
  new WholeTitle(this);
  auto* layout = new QFormLayout(this);
  layout->setLabelAlignment(Qt::AlignRight);
  layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  if (closeMenu) layout->setMenuBar(CloseMenu(this));
}

void FieldWindow::AddFields(FieldForm form) {
  const GroupDescriptor* heading = nullptr;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    const GroupDescriptor& group = DescriptorOf(d.group);
    if (group.form != form) continue;
    if (&group != heading && *group.caption != '\0') AddHeading(group.caption);
    heading = &group;
    AddField(d.id);
  }
}

void FieldWindow::AddField(Field field) {
  auto* label = new QLabel(this);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(DescriptorOf(field).name);
  label->setBuddy(edit);
  if (field == Field::title) {
    edit->setMinimumWidth(420);
  } else {
    FitNumberField(edit);
  }
  Form()->addRow(label, edit);
  connect(edit, &QLineEdit::textEdited, this, [this, field, index = fields_.size()](const QString& text) {
    const EditEffect effect = EditField(m_, field, text.toStdString());
    MarkField(fields_[index].first, effect.problem, ToolTip(m_, field));
    emit FieldChecked(DescriptorOf(field).tip, Q(effect.problem));
    if (!effect.problem.empty()) return;
    for (const auto& [other, f] : fields_) {
      for (Field derived : effect.derived) {
        if (f == derived) other->setText(Q(FieldText(m_, f)));
      }
    }
    if (!effect.status.empty()) {
      if (status_ == nullptr) {
        status_ = new QLabel(this);
        Form()->addRow(status_);
      }
      status_->setText(Q(effect.status));
    }
    emit Edited();
  });
  fields_.push_back({edit, field});
  captions_.push_back(label);
}

void FieldWindow::AddHeading(const QString& caption) {
  auto* heading = new QLabel(caption, this);
  heading->setStyleSheet("font-weight: bold; margin-top: 6px;");
  Form()->addRow(heading);
}

void FieldWindow::ShowMark(Field field, const std::string& problem) {
  for (const auto& [edit, f] : fields_) {
    if (f != field) continue;
    MarkField(edit, problem, ToolTip(m_, field), kIncompleteHere);
    if (!problem.empty()) edit->setFocus();
  }
}

QFormLayout* FieldWindow::Form() const { return static_cast<QFormLayout*>(layout()); }

void FieldWindow::Refresh() {
  for (size_t i = 0; i < fields_.size(); ++i) captions_[i]->setText(Q(FieldCaption(m_, fields_[i].second)));
  for (const auto& [edit, field] : fields_) {
    if (edit->hasFocus()) continue;  // the text being typed stays, marked or not
    edit->setText(Q(FieldText(m_, field)));
    MarkField(edit, {}, ToolTip(m_, field));
    emit FieldChecked(DescriptorOf(field).tip, {});
  }
}

}  // namespace tarnix
