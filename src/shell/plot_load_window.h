// The choice of the load condition whose moment-curvature curve is plotted ("Load No:"), or of all of
// them overlaid.
#pragma once

#include <QDialog>

#include "model/project_model.h"

class QCheckBox;
class QLineEdit;

namespace tarnix {

class ViewWindow;

class PlotLoadWindow : public QDialog {
  Q_OBJECT

 public:
  /// Moves `m.mcPlotLoad` and plots into `view`.
  PlotLoadWindow(ProjectModel& m, ViewWindow& view, QWidget* parent);
  /// Shows the load number of the project.
  void Refresh();

 private:
  ProjectModel& m_;
  ViewWindow& view_;
  QLineEdit* load_;
  QCheckBox* all_;
};

}  // namespace tarnix
