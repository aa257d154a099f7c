// The choice of the load condition whose moment-curvature curve is plotted ("Load No:"), or of all of
// them overlaid: a toolbar of the moment-curvature window, so that it is always with its chart. The
// interaction surface's window has its own: the load and which section of the surface is drawn.
#pragma once

#include <QToolBar>

#include "editor/view_actions.h"
#include "model/project_model.h"

class QCheckBox;
class QComboBox;
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

class SurfaceLoadBar : public QToolBar {
  Q_OBJECT

 public:
  /// The load and the chart (the Mx-My contour at its axial load or the P-M diagram in its moment
  /// direction) of `view`, the interaction surface's window, below whose export bar it sits; `m` gives the
  /// number of loads.
  SurfaceLoadBar(const ProjectModel& m, ViewWindow& view);
  /// Shows the plot the window draws.
  void Show(PlotKind kind, int load);

 private:
  void Plot(int load);

  const ProjectModel& m_;
  ViewWindow& view_;
  QLineEdit* load_;
  QComboBox* chart_;
};

}  // namespace tarnix
