// The load picker of the moment-curvature chart.
#include "shell/plot_load_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/view_actions.h"
#include "shell/view_window.h"
#include "shell/widgets.h"

namespace tarnix {

PlotLoadWindow::PlotLoadWindow(ProjectModel& m, ViewWindow& view, QWidget* parent)
    : QDialog(parent),
      m_(m),
      view_(view),
      load_(new QLineEdit(this)),
      all_(new QCheckBox("All load conditions", this)) {
  setWindowTitle("Plot Load Condition");
  new WholeTitle(this);
  auto* layout = new QVBoxLayout(this);
  // The choice of one load condition, idle while all of them are overlaid.
  auto* single = new QWidget(this);
  auto* singleLayout = new QVBoxLayout(single);
  singleLayout->setContentsMargins(0, 0, 0, 0);
  auto* form = new QFormLayout;
  load_->setObjectName("txtloadno");
  load_->setMaximumWidth(80);
  form->addRow("Load No:", load_);
  singleLayout->addLayout(form);
  singleLayout->addLayout(PreviousNextRow(
      single, "Previous load condition", "Next load condition",
      [this] {
        if (PreviousPlotLoad(m_)) Refresh();
      },
      [this] {
        if (NextPlotLoad(m_)) Refresh();
      }));
  layout->addWidget(single);
  layout->addWidget(all_);
  auto* buttons = new QHBoxLayout;
  auto* plot = new QPushButton("&Plot", this);
  auto* close = new QPushButton("&Close", this);
  plot->setDefault(true);
  buttons->addWidget(plot);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(load_, &QLineEdit::textEdited, this,
          [this](const QString& text) { TypePlotLoad(m_, text.toStdString()); });
  connect(load_, &QLineEdit::editingFinished, this, &PlotLoadWindow::Refresh);
  connect(all_, &QCheckBox::toggled, single, &QWidget::setDisabled);
  connect(plot, &QPushButton::clicked, this, [this] {
    view_.ShowPlot(all_->isChecked() ? PlotKind::AllMomentCurvature : PlotKind::MomentCurvature,
                   m_.mcPlotLoad);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void PlotLoadWindow::Refresh() { load_->setText(QString::fromStdString(PlotLoadText(m_))); }

}  // namespace tarnix
