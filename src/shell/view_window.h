// The viewer form of the charts and the section drawing ("Tarnix View Form"): one view at a time, its
// status, and the exports of what it shows.
#pragma once

#include <QMainWindow>
#include <vector>

#include "editor/view_actions.h"
#include "model/project_model.h"
#include "plot/chart_data.h"

class QAction;
class QLabel;
class QPrinter;
class QStackedWidget;

namespace tarnix {

class ChartView;
class SectionView;

class ViewWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// The window draws the section of `m` and suggests export files beside its input file; it changes
  /// nothing of `m`.
  ViewWindow(const ProjectModel& m, QWidget* parent);

  /// Shows a plot of the project's current results (the section as it is now) and brings the window up.
  void ShowPlot(PlotKind kind, int load = 0);
  /// Draws the plot it shows again from the project's current results, when the window is open.
  void Redraw();

  /// The view in front: the chart or the section drawing.
  QWidget* CurrentView() const;
  /// The text of the status bar.
  QString StatusText() const;

  /// The view as a PNG image at twice its size on the screen.
  bool ExportPng(const QString& path) const;
  /// The view as an SVG document of the engine's writer.
  bool ExportSvg(const QString& path) const;
  /// The plotted data: the points of the chart, or the shapes of the drawing.
  bool ExportCsv(const QString& path) const;
  /// Prints the view scaled to the page of `printer`; false when the printer cannot be started.
  bool Print(QPrinter& printer) const;

 private:
  bool ShowsChart() const;
  void Draw(bool bringUp);
  void Shown(const std::string& status, bool drawn, bool bringUp);
  void Export(const QString& caption, const QString& filter, const QString& suffix,
              bool (ViewWindow::*write)(const QString&) const);
  void PrintWithDialog();

  const ProjectModel& m_;
  QStackedWidget* stack_;
  ChartView* chart_;
  SectionView* section_;
  QLabel* status_;
  std::vector<QAction*> exports_;
  PlotKind kind_ = PlotKind::Section;
  int load_ = 0;
};

}  // namespace tarnix
