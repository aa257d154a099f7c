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
    : QDialog(parent), m_(m) {
  setWindowTitle("MEMBER PROPERTIES");
  new WholeTitle(this);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(CloseMenu(this));
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  for (const MemberFieldDescriptor& d : MemberFieldDescriptors()) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(d.name);
    edit->setToolTip(d.tip);
    FitNumberField(edit);
    QLabel* label = nullptr;
    if (d.id == MemberField::Keff) {
      auto* keffLabel = new ClickLabel(d.caption, this);
      keffLabel->setToolTip("Effective length factor (click to calculate from boundary conditions)");
      keffLabel->SetAction([this, edit] {
        edit->setText(Q(DeriveKeff(m_)));
        emit Edited();
      });
      label = keffLabel;
    } else {
      label = new QLabel(d.caption, this);
    }
    if (d.unit != UnitKind::None) {
      auto* unit = new QLabel(this);
      units_.push_back({unit, d.unit});
      form->addRow(label, WithUnit(edit, unit));
    } else {
      form->addRow(label, edit);
    }
    TakeTypedText(this, edit, d.tip,
                  [this, field = d.id](const std::string& text) { return EditMemberField(m_, field, text); });
    fields_.push_back({edit, d.id});
  }
  layout->addLayout(form);

  auto* conditions = new QGroupBox("BOUNDARY CONDITIONS", this);
  auto* grid = new QGridLayout(conditions);
  grid->addWidget(new QLabel("End i:", conditions), 0, 1);
  grid->addWidget(new QLabel("End j:", conditions), 0, 2);
  grid->addWidget(new QLabel("Shear restraint:", conditions), 1, 0);
  grid->addWidget(new QLabel("Moment restraint:", conditions), 2, 0);
  grid->addWidget(new QLabel("Shear restraint about y:", conditions), 3, 0);
  grid->addWidget(new QLabel("Moment restraint about y:", conditions), 4, 0);
  const struct {
    Restraint which;
    const char* tip;
    int row, column;
  } restraints[] = {{Restraint::ShearI, "Restrain shear at end i (Check for non-sway frame)", 1, 1},
                    {Restraint::ShearJ, "Restrain shear at end j", 1, 2},
                    {Restraint::MomentI, "Restrain moment at end i", 2, 1},
                    {Restraint::MomentJ, "Restrain moment at end j", 2, 2},
                    {Restraint::ShearIY, "Restrain shear at end i for bending about the vertical axis", 3, 1},
                    {Restraint::ShearJY, "Restrain shear at end j for bending about the vertical axis", 3, 2},
                    {Restraint::MomentIY, "Restrain moment at end i for bending about the vertical axis", 4, 1},
                    {Restraint::MomentJY, "Restrain moment at end j for bending about the vertical axis", 4, 2}};
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
  for (const auto& [label, unit] : units_) label->setText(m_.unitSystem().Label(unit));
  for (const auto& [edit, field] : fields_)
    ShowModelValue(this, edit, MemberFieldText(m_, field), TipOf(MemberFieldDescriptors(), field));
  for (const auto& [box, which] : boxes_) box->setChecked(RestraintValue(m_, which) == 1);
}

void MemberPropertiesWindow::ShowMark(MemberField field, const std::string& problem) {
  for (const auto& [edit, f] : fields_) {
    if (f != field) continue;
    MarkField(edit, problem, TipOf(MemberFieldDescriptors(), field), kIncompleteHere);
    if (!problem.empty()) edit->setFocus();
  }
}

}  // namespace tarnix
