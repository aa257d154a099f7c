// The choice of the load condition whose moment-curvature curve is plotted ("Load No:"), or of all of
// them overlaid: a toolbar of the moment-curvature window, so that it is always with its chart.
#pragma once

#include <QToolBar>

#include "model/project_model.h"

class QCheckBox;
class QLineEdit;

namespace tarnix {

class ViewWindow;

class PlotLoadWindow : public QToolBar {
  Q_OBJECT

 public:
  /// Moves `m.mcPlotLoad` and plots into `view`, the moment-curvature window, below whose export bar it sits.
  PlotLoadWindow(ProjectModel& m, ViewWindow& view);
  /// Shows the load number of the project.
  void Refresh();

 private:
  ProjectModel& m_;
  ViewWindow& view_;
  QLineEdit* load_;
  QCheckBox* all_;
};

}  // namespace tarnix
