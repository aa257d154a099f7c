// A viewer form ("Tarnix View Form") of one kind of view: the interaction diagram, the moment-curvature
// curves or the section drawing, its status and the exports of what it shows. Each kind has its own window,
// so the engineer can keep the diagram, a curve and the section open side by side.
#pragma once

#include <QMainWindow>
#include <vector>

#include "editor/view_actions.h"
#include "model/project_model.h"
#include "plot/chart_data.h"

class QAction;
class QComboBox;
class QLabel;
class QPrinter;

namespace tarnix {

class ChartView;
class SectionView;
class SurfaceLoadBar;

class ViewWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// The window of the views of `kind` (the moment-curvature window shows one curve or all of them) of
  /// the project `m`; it suggests export files beside the input file and changes nothing of `m`.
  ViewWindow(const ProjectModel& m, PlotKind kind, QWidget* parent);

  /// The kind of window that shows a plot of `kind`.
  static PlotKind WindowKind(PlotKind kind);
  /// Shows a plot of the project's current results (the section as it is now) and brings the window up;
  /// `kind` is one this window shows. The section shows the neutral axis of load condition `load` (none
  /// for 0).
  void ShowPlot(PlotKind kind, int load = 0);
  /// Draws the plot it shows again from the project's current results, when the window is open.
  void Redraw();

  /// The kind of plots the window shows (MomentCurvature for the curves, one or all; MomentContour for
  /// the sections of the interaction surface).
  PlotKind Kind() const { return WindowKind(kind_); }
  /// The plot shown and its load condition.
  PlotKind ShownKind() const { return kind_; }
  int ShownLoad() const { return load_; }
  /// The view: the chart or the section drawing.
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

 signals:
  /// A click on the shape of record `record` of kind `source` in the section drawing.
  void ShapeClicked(RecordKind source, int record);

 private:
  bool ShowsChart() const;
  void Draw(bool bringUp);
  void Shown(const std::string& status, bool drawn, bool bringUp);
  void Export(const QString& caption, const QString& filter, const QString& suffix,
              bool (ViewWindow::*write)(const QString&) const);
  void PrintWithDialog();

  const ProjectModel& m_;
  ChartView* chart_ = nullptr;      // the chart windows' view
  SectionView* section_ = nullptr;  // the section window's view
  SurfaceLoadBar* surfaceBar_ = nullptr;  // the interaction surface window's choice of load and chart
  QComboBox* neutralAxis_ = nullptr;       // the section window's load whose neutral axis is drawn
  QLabel* status_;
  std::vector<QAction*> exports_;
  PlotKind kind_;
  int load_ = 0;
};

}  // namespace tarnix
