// The load picker of the moment-curvature chart.
#include "shell/plot_load_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <utility>

#include "editor/view_actions.h"
#include "shell/view_window.h"
#include "shell/widgets.h"

namespace tarnix {

namespace {

// "Load No:", its box and the buttons to the previous and the next load, added to `bar` as one widget.
QWidget* AddLoadNumber(QToolBar* bar, QLineEdit* load, const char* name, std::function<void()> previous,
                       std::function<void()> next) {
  auto* single = new QWidget(bar);
  auto* row = new QHBoxLayout(single);
  row->setContentsMargins(0, 0, 0, 0);
  load->setObjectName(name);
  load->setMaximumWidth(80);
  row->addWidget(new QLabel("Load No:", single));
  row->addWidget(load);
  row->addLayout(PreviousNextRow(single, "Previous load condition", "Next load condition",
                                 std::move(previous), std::move(next)));
  bar->addWidget(single);
  return single;
}

}  // namespace

PlotLoadWindow::PlotLoadWindow(ProjectModel& m, ViewWindow& view)
    : QToolBar("Plot Load Condition", &view),
      m_(m),
      view_(view),
      load_(new QLineEdit(this)),
      all_(new QCheckBox("All load conditions", this)) {
  setMovable(false);
  // The choice of one load condition, idle while all of them are overlaid.
  QWidget* single = AddLoadNumber(
      this, load_, "txtloadno",
      [this] {
        if (PreviousPlotLoad(m_)) Refresh();
      },
      [this] {
        if (NextPlotLoad(m_)) Refresh();
      });
  addSeparator();
  addWidget(all_);
  auto* plot = new QPushButton("&Plot", this);
  addWidget(plot);

  connect(load_, &QLineEdit::textEdited, this,
          [this](const QString& text) { TypePlotLoad(m_, text.toStdString()); });
  connect(load_, &QLineEdit::editingFinished, this, &PlotLoadWindow::Refresh);
  // Enter in the load number plots it, as the Plot button does.
  connect(load_, &QLineEdit::returnPressed, plot, &QPushButton::click);
  connect(all_, &QCheckBox::toggled, single, &QWidget::setDisabled);
  connect(plot, &QPushButton::clicked, this, [this] {
    view_.ShowPlot(all_->isChecked() ? PlotKind::AllMomentCurvature : PlotKind::MomentCurvature,
                   m_.mcPlotLoad);
  });
  view.addToolBarBreak();
  view.addToolBar(this);
}

void PlotLoadWindow::Refresh() { load_->setText(QString::fromStdString(PlotLoadText(m_))); }

SurfaceLoadBar::SurfaceLoadBar(const ProjectModel& m, ViewWindow& view)
    : QToolBar("Load Condition", &view), m_(m), view_(view), load_(new QLineEdit(this)), chart_(new QComboBox(this)) {
  setMovable(false);
  const auto shown = [this] { return TypedLoad(m_, load_->text().toStdString()); };
  AddLoadNumber(
      this, load_, "surfaceLoad", [this, shown] { Plot(shown() - 1); }, [this, shown] { Plot(shown() + 1); });
  addSeparator();
  chart_->setObjectName("surfaceChart");
  chart_->addItem("Mx-My contour at the load's P", static_cast<int>(PlotKind::MomentContour));
  chart_->addItem("P-M diagram in the load's moment direction", static_cast<int>(PlotKind::LoadDirection));
  addWidget(chart_);
  connect(load_, &QLineEdit::returnPressed, this, [this, shown] { Plot(shown()); });
  connect(chart_, QOverload<int>::of(&QComboBox::activated), this, [this, shown] { Plot(shown()); });
  view.addToolBarBreak();
  view.addToolBar(this);
}

void SurfaceLoadBar::Plot(int load) {
  const int kept = TypedLoad(m_, std::to_string(load));
  view_.ShowPlot(static_cast<PlotKind>(chart_->currentData().toInt()), kept);
}

void SurfaceLoadBar::Show(PlotKind kind, int load) {
  load_->setText(QString::number(load));
  chart_->setCurrentIndex(chart_->findData(static_cast<int>(kind)));
}

}  // namespace tarnix
