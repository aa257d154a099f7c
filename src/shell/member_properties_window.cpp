// The member properties window: each control hands its text or click to the member editing rules.
#include "shell/member_properties_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>

#include "base/units.h"
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
  lengthUnit_->setText(UnitSystem::FromKey(m_.units).Label(UnitKind::Length));
  for (const auto& [edit, field] : fields_) edit->setText(Q(MemberFieldText(m_, field)));
  const int flags[] = {m_.Vri, m_.Vrj, m_.Mri, m_.Mrj};
  for (const auto& [box, which] : boxes_) box->setChecked(flags[static_cast<int>(which)] == 1);
}

}  // namespace tarnix
