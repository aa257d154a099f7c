// The slenderness parameters window: each control hands its text or click to the member editing rules.
#include "shell/slenderness_parameters_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/window_refresh.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SlendernessParametersWindow::SlendernessParametersWindow(ProjectModel& m, QWidget* parent)
    : QDialog(parent), m_(m), frame_(new QGroupBox(this)), transverse_(nullptr) {
  setWindowTitle("SLENDERNESS PARAMETERS");
  new WholeTitle(this);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(CloseMenu(this));
  auto* form = new QFormLayout(frame_);
  form->setLabelAlignment(Qt::AlignRight);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  for (const SlenderFieldDescriptor& d : SlenderFieldDescriptors()) {
    auto* edit = new QLineEdit(frame_);
    edit->setToolTip(d.tip);
    FitNumberField(edit);
    if (d.unit != UnitKind::None) {
      auto* unit = new QLabel(frame_);
      units_.push_back({unit, d.unit});
      form->addRow(d.caption, WithUnit(edit, unit));
    } else {
      form->addRow(d.caption, edit);
    }
    TakeTypedText(this, edit, d.tip,
                  [this, field = d.id](const std::string& text) { return EditSlenderField(m_, field, text); });
    fields_.push_back({edit, d.id});
  }
  transverse_ = new QCheckBox("Check for transverse loads between supports", frame_);
  form->addRow(transverse_);
  connect(transverse_, &QCheckBox::clicked, this, [this](bool ticked) {
    SetTransverseLoads(m_, ticked);
    emit Edited();
  });
  layout->addWidget(frame_);
  layout->addLayout(PreviousNextRow(
      this, "Previous load condition", "Next load condition",
      [this] {
        if (PreviousSlenderLoad(m_)) Refresh();
      },
      [this] {
        if (NextSlenderLoad(m_)) Refresh();
      }));
}

void SlendernessParametersWindow::Refresh() {
  frame_->setTitle(Q(SlenderLoadCaption(m_)));
  for (const auto& [label, unit] : units_) label->setText(m_.unitSystem().Label(unit));
  // The end moments about the vertical axis matter once the member has a length about it.
  auto* form = static_cast<QFormLayout*>(frame_->layout());
  for (size_t row = 0; row < fields_.size(); ++row)
    form->setRowVisible(static_cast<int>(row), !AboutVerticalAxis(fields_[row].second) || VerticalAxisShown(m_));
  for (const auto& [edit, field] : fields_) {
    // The values of the load shown replace any refused text.
    ShowModelValue(this, edit, SlenderFieldText(m_, field), TipOf(SlenderFieldDescriptors(), field));
    if (field == SlenderField::di) edit->setEnabled(InitialDeflectionIEnabled(m_));
  }
  const int load = CurrentSlenderLoad(m_);
  FillingGuard filling(m_);
  transverse_->setChecked(load >= 1 && IsSet(m_.loads[static_cast<size_t>(load)].Tloads));
}

}  // namespace tarnix
