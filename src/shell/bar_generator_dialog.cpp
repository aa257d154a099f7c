// The bar generators' dialog.
#include "shell/bar_generator_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "base/number_format.h"
#include "model/bar_sizes.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The leading number of a field's text; not a number reads as NaN, which the generators refuse.
float Read(const QLineEdit* edit) {
  bool ok = false;
  const float value = edit->text().trimmed().toFloat(&ok);
  return ok ? value : std::numeric_limits<float>::quiet_NaN();
}

}  // namespace

BarGeneratorDialog::BarGeneratorDialog(const ProjectModel& m, QWidget* parent)
    : QDialog(parent), m_(m), patterns_(new QTabWidget(this)) {
  setWindowTitle("Generate bars");
  const UnitSystem units = m.unitSystem();
  const QString length = QString(", ") + units.Label(UnitKind::Length);
  const RectangularPattern rect = RectangularPatternFor(m);
  const CircularPattern circle = CircularPatternFor(m);

  auto* rectPage = new QWidget(patterns_);
  auto* rectForm = new QFormLayout(rectPage);
  left_ = Number(rect.left);
  top_ = Number(rect.top);
  width_ = Number(rect.width);
  depth_ = Number(rect.depth);
  barsX_ = new QSpinBox(rectPage);
  barsY_ = new QSpinBox(rectPage);
  for (QSpinBox* bars : {barsX_, barsY_}) {
    bars->setRange(2, 100);
    bars->setValue(3);
  }
  rectCover_ = Number(units.IsEnglish() ? 1.5f : 40);
  rectForm->addRow("Left face x" + length, left_);
  rectForm->addRow("Top face depth" + length, top_);
  rectForm->addRow("Width" + length, width_);
  rectForm->addRow("Depth" + length, depth_);
  rectForm->addRow("Bars on each top and bottom face", barsX_);
  rectForm->addRow("Bars on each side face", barsY_);
  rectForm->addRow("Cover to the tie" + length, rectCover_);
  patterns_->addTab(rectPage, "Rectangular perimeter");

  auto* circlePage = new QWidget(patterns_);
  auto* circleForm = new QFormLayout(circlePage);
  xc_ = Number(circle.xc);
  yc_ = Number(circle.yc);
  count_ = new QSpinBox(circlePage);
  count_->setRange(1, 1000);
  count_->setValue(circle.count);
  radius_ = Number(0);
  radius_->setToolTip("0: the bars lie inside the tie of the circle below");
  outerRadius_ = Number(circle.outerRadius);
  circleCover_ = Number(units.IsEnglish() ? 1.5f : 40);
  start_ = Number(circle.startAngle);
  start_->setToolTip("Counter-clockwise from the right, as the arcs: 90 puts the first bar at the top");
  circleForm->addRow("Centre x" + length, xc_);
  circleForm->addRow("Centre depth" + length, yc_);
  circleForm->addRow("Number of bars", count_);
  circleForm->addRow("Radius to the bar centres (0: from cover)" + length, radius_);
  circleForm->addRow("Concrete radius" + length, outerRadius_);
  circleForm->addRow("Cover to the tie" + length, circleCover_);
  circleForm->addRow("First bar angle, degrees", start_);
  patterns_->addTab(circlePage, "Circular");

  auto* sizes = new QFormLayout;
  tie_ = new QComboBox(this);
  bar_ = new QComboBox(this);
  for (const BarSize& size : BarSizesFor(units)) {
    tie_->addItem(Q(std::string(size.name)));
    bar_->addItem(Q(std::string(size.name)));
  }
  // A usual column: a small tie, a middle-sized bar.
  tie_->setCurrentIndex(std::max(0, tie_->findText(units.IsEnglish() ? "#4" : "10M")));
  bar_->setCurrentIndex(std::max(0, bar_->findText(units.IsEnglish() ? "#8" : "25M")));
  sizes->addRow("Tie size", tie_);
  sizes->addRow("Bar size", bar_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(patterns_);
  layout->addLayout(sizes);
  layout->addWidget(buttons);
  // The circle first for a section of circles only.
  if (ListSize(m.nr) == 0 && ListSize(m.nc) > 0) ChoosePattern(1);
}

QLineEdit* BarGeneratorDialog::Number(float value) {
  auto* edit = new QLineEdit(Q(FormatPlain(value)), this);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

void BarGeneratorDialog::ChoosePattern(int pattern) { patterns_->setCurrentIndex(pattern); }

GeneratedBars BarGeneratorDialog::Generate() const {
  const UnitSystem units = m_.unitSystem();
  const std::optional<BarSize> tie = FindBarSize(tie_->currentText().toStdString());
  const std::optional<BarSize> bar = FindBarSize(bar_->currentText().toStdString());
  if (!tie || !bar) return {{}, "choose the tie and bar sizes"};
  if (patterns_->currentIndex() == 0) {
    RectangularPattern p;
    p.left = Read(left_);
    p.top = Read(top_);
    p.width = Read(width_);
    p.depth = Read(depth_);
    p.barsX = barsX_->value();
    p.barsY = barsY_->value();
    p.cover = Read(rectCover_);
    p.tieDiameter = tie->DiameterIn(units);
    p.barDiameter = bar->DiameterIn(units);
    p.barArea = bar->AreaIn(units);
    return RectangularBars(p);
  }
  CircularPattern p;
  p.xc = Read(xc_);
  p.yc = Read(yc_);
  p.count = count_->value();
  p.radius = Read(radius_);
  p.outerRadius = Read(outerRadius_);
  p.cover = Read(circleCover_);
  p.startAngle = Read(start_);
  p.tieDiameter = tie->DiameterIn(units);
  p.barDiameter = bar->DiameterIn(units);
  p.barArea = bar->AreaIn(units);
  return CircularBars(p);
}

void BarGeneratorDialog::accept() {
  GeneratedBars generated = Generate();
  if (!generated.problem.empty()) {
    QMessageBox::warning(this, "TARNIX", "No bars generated: " + Q(generated.problem));
    return;
  }
  bars_ = std::move(generated.bars);
  QDialog::accept();
}

}  // namespace tarnix
