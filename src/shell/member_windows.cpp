// The member properties and slenderness parameters windows: each control hands its text or click to the
// member editing rules.
#include "shell/member_windows.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "editor/window_refresh.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A label that reacts to a click (the Keff label derives the factor).
class ClickLabel : public QLabel {
 public:
  ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
  }
  void SetAction(std::function<void()> onClick) { onClick_ = std::move(onClick); }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

MemberPropertiesWindow::MemberPropertiesWindow(ProjectModel& m, QWidget* parent)
    : QDialog(parent), m_(m), lengthUnit_(new QLabel(this)) {
  setWindowTitle("MEMBER PROPERTIES");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(CloseMenu(this));
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight);
  const auto addField = [this, form](QWidget* label, MemberField field, const QString& tip) {
    auto* edit = new QLineEdit(this);
    edit->setToolTip(tip);
    edit->setMaximumWidth(120);
    if (field == MemberField::L) {
      form->addRow(label, WithUnit(edit, lengthUnit_));
    } else {
      form->addRow(label, edit);
    }
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      EditMemberField(m_, field, text.toStdString());
      emit Edited();
    });
    fields_.push_back({edit, field});
    return edit;
  };
  addField(new QLabel("Length of member:", this), MemberField::L, "Length of member");
  auto* keffLabel = new ClickLabel("Keff:", this);
  QLineEdit* keff = addField(keffLabel, MemberField::Keff, "Effective length factor:");
  keffLabel->setToolTip("Effective length factor (click to calculate from boundary conditions)");
  keffLabel->SetAction([this, keff] {
    keff->setText(Q(DeriveKeff(m_)));
    emit Edited();
  });
  addField(new QLabel("Ieff:", this), MemberField::Ieff, "Factor for effective moment of inertia");
  layout->addLayout(form);

  auto* conditions = new QGroupBox("BOUNDARY CONDITIONS", this);
  auto* grid = new QGridLayout(conditions);
  grid->addWidget(new QLabel("End i:", conditions), 0, 1);
  grid->addWidget(new QLabel("End j:", conditions), 0, 2);
  grid->addWidget(new QLabel("Shear restraint:", conditions), 1, 0);
  grid->addWidget(new QLabel("Moment restraint:", conditions), 2, 0);
  const struct {
    Restraint which;
    const char* tip;
    int row, column;
  } restraints[] = {{Restraint::ShearI, "Restrain shear at end i (Check for non-sway frame)", 1, 1},
                    {Restraint::ShearJ, "Restrain shear at end j", 1, 2},
                    {Restraint::MomentI, "Restrain moment at end i", 2, 1},
                    {Restraint::MomentJ, "Restrain moment at end j", 2, 2}};
  for (const auto& r : restraints) {
    auto* box = new QCheckBox(conditions);
    box->setToolTip(r.tip);
    grid->addWidget(box, r.row, r.column, Qt::AlignCenter);
    connect(box, &QCheckBox::clicked, this, [this, which = r.which](bool ticked) {
      if (SetRestraint(m_, which, ticked)) emit RestraintsChanged();
      emit Edited();
    });
    boxes_.push_back({box, r.which});
  }
  layout->addWidget(conditions);
}

void MemberPropertiesWindow::Refresh() {
  lengthUnit_->setText(UnitText(m_.unitSystem().IsEnglish(), Unit::Length));
  for (const auto& [edit, field] : fields_) edit->setText(Q(MemberFieldText(m_, field)));
  const int flags[] = {m_.Vri, m_.Vrj, m_.Mri, m_.Mrj};
  for (const auto& [box, which] : boxes_) box->setChecked(flags[static_cast<int>(which)] == 1);
}

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
    std::optional<Unit> unit;  // none for a ratio
  } fields[] = {
      {SlenderField::M1ns, "M1ns:", "Minimum end moment due to non-sway loads", Unit::Moment},
      {SlenderField::M2ns, "M2ns:", "Maximum end moment due to non-sway loads", Unit::Moment},
      {SlenderField::M1s, "M1s:", "Minimum end moment due to sway loads", Unit::Moment},
      {SlenderField::M2s, "M2s:", "Maximum end moment due to sway loads", Unit::Moment},
      {SlenderField::BetaD, "BetaD:", "Ratio of sustained to total axial load", std::nullopt},
      {SlenderField::BetaDs, "BetaDs:", "Ratio of sustained to total shear load", std::nullopt},
      {SlenderField::di, "di:", "Initial lateral deflection at end i", Unit::Length},
      {SlenderField::dj, "dj:", "Initial lateral deflection at end j", Unit::Length},
      {SlenderField::ri, "ri:", "Initial rotation at end i (degrees)", Unit::Degrees},
      {SlenderField::rj, "rj:", "Initial rotation at end j (degrees)", Unit::Degrees},
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
  for (const auto& [label, unit] : units_) label->setText(UnitText(m_.unitSystem().IsEnglish(), unit));
  for (const auto& [edit, field] : fields_) {
    edit->setText(Q(SlenderFieldText(m_, field)));
    if (field == SlenderField::di) edit->setEnabled(InitialDeflectionIEnabled(m_));
  }
  const int load = CurrentSlenderLoad(m_);
  FillingGuard filling(m_);
  transverse_->setChecked(load >= 1 && IsSet(m_.loads[static_cast<size_t>(load)].Tloads));
}

}  // namespace tarnix
