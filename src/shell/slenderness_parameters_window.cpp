// The slenderness parameters window: each control hands its text or click to the member editing rules.
#include "shell/slenderness_parameters_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>

#include "editor/window_refresh.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SlendernessParametersWindow::SlendernessParametersWindow(ProjectModel& m, QWidget* parent)
    : QDialog(parent), m_(m), frame_(new QGroupBox(this)), transverse_(nullptr) {
  setWindowTitle("SLENDERNESS PARAMETERS");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(CloseMenu(this));
  auto* form = new QFormLayout(frame_);
  form->setLabelAlignment(Qt::AlignRight);
  const struct {
    SlenderField field;
    const char* label;
    const char* tip;
    std::optional<UnitKind> unit;  // none for a ratio
  } fields[] = {
      {SlenderField::M1ns, "M1ns:", "Minimum end moment due to non-sway loads", UnitKind::Moment},
      {SlenderField::M2ns, "M2ns:", "Maximum end moment due to non-sway loads", UnitKind::Moment},
      {SlenderField::M1s, "M1s:", "Minimum end moment due to sway loads", UnitKind::Moment},
      {SlenderField::M2s, "M2s:", "Maximum end moment due to sway loads", UnitKind::Moment},
      {SlenderField::BetaD, "BetaD:", "Ratio of sustained to total axial load", std::nullopt},
      {SlenderField::BetaDs, "BetaDs:", "Ratio of sustained to total shear load", std::nullopt},
      {SlenderField::di, "di:", "Initial lateral deflection at end i", UnitKind::Length},
      {SlenderField::dj, "dj:", "Initial lateral deflection at end j", UnitKind::Length},
      {SlenderField::ri, "ri:", "Initial rotation at end i (degrees)", UnitKind::Degrees},
      {SlenderField::rj, "rj:", "Initial rotation at end j (degrees)", UnitKind::Degrees},
  };
  for (const auto& f : fields) {
    auto* edit = new QLineEdit(frame_);
    edit->setToolTip(f.tip);
    edit->setMaximumWidth(120);
    if (f.unit) {
      auto* unit = new QLabel(frame_);
      units_.push_back({unit, *f.unit});
      form->addRow(f.label, WithUnit(edit, unit));
    } else {
      form->addRow(f.label, edit);
    }
    connect(edit, &QLineEdit::textEdited, this, [this, field = f.field](const QString& text) {
      EditSlenderField(m_, field, text.toStdString());
      emit Edited();
    });
    fields_.push_back({edit, f.field});
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
  for (const auto& [label, unit] : units_) label->setText(UnitSystem::FromKey(m_.units).Label(unit));
  for (const auto& [edit, field] : fields_) {
    edit->setText(Q(SlenderFieldText(m_, field)));
    if (field == SlenderField::di) edit->setEnabled(InitialDeflectionIEnabled(m_));
  }
  const int load = CurrentSlenderLoad(m_);
  FillingGuard filling(m_);
  transverse_->setChecked(load >= 1 && m_.loads[static_cast<size_t>(load)].Tloads == 1);
}

}  // namespace tarnix
