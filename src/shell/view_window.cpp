// The viewer form.
#include "shell/view_window.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

#include "model/file_write.h"
#include "plot/section_drawing.h"
#include "plot/svg_writer.h"
#include "shell/chart_view.h"
#include "shell/plot_load_window.h"
#include "shell/section_view.h"
#include "shell/widgets.h"

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString KindCaption(PlotKind kind) {
  switch (ViewWindow::WindowKind(kind)) {
    case PlotKind::InteractionDiagram: return "Interaction Diagram";
    case PlotKind::Section: return "Section";
    case PlotKind::MomentContour: return "Interaction Surface";
    default: return "Moment Curvature";
  }
}

// Replaces the file only once all of `content` is written: a failed export leaves an older file as it was.
bool WriteFile(const QString& path, std::string_view content) {
  return ReplaceFileContent(QFile::encodeName(path).toStdString(), content);
}

// The view as it is on the screen, `scale` times finer.
QImage Picture(QWidget* view, qreal scale) {
  QImage image(view->size() * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  view->render(&image);
  return image;
}

}  // namespace

ViewWindow::ViewWindow(const ProjectModel& m, PlotKind kind, QWidget* parent)
    : QMainWindow(parent), m_(m), status_(new QLabel(this)), kind_(WindowKind(kind)) {
  setWindowTitle("Tarnix View Form - " + KindCaption(kind));
  new WholeTitle(this);
  if (kind_ == PlotKind::Section) {
    section_ = new SectionView(this);
    setCentralWidget(section_);
    connect(section_, &SectionView::RedrawRequested, this, [this] { ShowPlot(PlotKind::Section, load_); });
    connect(section_, &SectionView::ShapeClicked, this, &ViewWindow::ShapeClicked);
  } else {
    chart_ = new ChartView(this);
    setCentralWidget(chart_);
  }
  statusBar()->addWidget(status_, 1);

  QMenu* file = menuBar()->addMenu("&File");
  QToolBar* bar = addToolBar("Export");
  bar->setMovable(false);
  const auto add = [this, file, bar](const QString& text, std::function<void()> action) {
    QAction* a = file->addAction(text, this, std::move(action));
    bar->addAction(a);
    exports_.push_back(a);
  };
  add("Export &PNG...",
      [this] { Export("Export PNG", "PNG images (*.png)", ".png", &ViewWindow::ExportPng); });
  add("Export &SVG...",
      [this] { Export("Export SVG", "SVG drawings (*.svg)", ".svg", &ViewWindow::ExportSvg); });
  add("Export &CSV...",
      [this] { Export("Export CSV", "CSV files (*.csv)", ".csv", &ViewWindow::ExportCsv); });
  file->addSeparator();
  add("P&rint...", [this] { PrintWithDialog(); });
  file->addSeparator();
  file->addAction("&Close", QKeySequence::Close, this, &QWidget::hide);
  if (kind_ == PlotKind::MomentContour) surfaceBar_ = new SurfaceLoadBar(m, *this);
  if (kind_ == PlotKind::Section) {
    // A load's neutral axis and compression zone at its capacity on the interaction surface.
    addToolBarBreak();
    QToolBar* loads = addToolBar("Neutral Axis");
    loads->setMovable(false);
    loads->addWidget(new QLabel("Neutral axis at the capacity of: ", loads));
    neutralAxis_ = new QComboBox(loads);
    neutralAxis_->setObjectName("neutralAxisLoad");
    neutralAxis_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    loads->addWidget(neutralAxis_);
    connect(neutralAxis_, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { ShowPlot(PlotKind::Section, index); });
  }
  resize(860, 660);
}

PlotKind ViewWindow::WindowKind(PlotKind kind) {
  if (kind == PlotKind::AllMomentCurvature) return PlotKind::MomentCurvature;
  return kind == PlotKind::LoadDirection ? PlotKind::MomentContour : kind;
}

void ViewWindow::ShowPlot(PlotKind kind, int load) {
  // A plot of another window's kind is left alone rather than drawn in the wrong window.
  if (WindowKind(kind) != WindowKind(kind_)) return;
  kind_ = kind;
  load_ = load;
  if (surfaceBar_ != nullptr) surfaceBar_->Show(kind, load);
  Draw(true);
}

void ViewWindow::Redraw() {
  // The window is shown only by ShowPlot, so an open window has a plot to draw.
  if (isVisible()) Draw(false);
}

void ViewWindow::Draw(bool bringUp) {
  if (kind_ == PlotKind::Section) {
    // The choice of load follows the count of loads: "none", then one entry per load condition.
    const int loads = ListSize(m_.ns);
    if (load_ > loads) load_ = 0;
    if (neutralAxis_->count() != loads + 1) {
      neutralAxis_->clear();
      neutralAxis_->addItem("no load");
      for (int i = 1; i <= loads; ++i) neutralAxis_->addItem("Load condition " + QString::number(i));
    }
    neutralAxis_->setCurrentIndex(load_);
    SectionDrawing drawing = DrawSection(m_);
    if (load_ > 0) AddNeutralAxis(m_, load_, drawing);
    section_->ShowDrawing(drawing);
    Shown(drawing.status, drawing.Drawable(), bringUp);
    return;
  }
  const Chart chart = PlotChart(m_, kind_, load_);
  chart_->ShowChart(chart);
  Shown(chart.Plottable() ? kPlotComplete : chart.message, chart.Plottable(), bringUp);
}

void ViewWindow::Shown(const std::string& status, bool drawn, bool bringUp) {
  status_->setText(Q(status));
  // Nothing drawn, nothing worth keeping: the exports wait for a chart or a drawing.
  for (QAction* action : exports_) action->setEnabled(drawn);
  if (!bringUp) return;
  show();
  raise();
  activateWindow();
}

QWidget* ViewWindow::CurrentView() const { return centralWidget(); }

QString ViewWindow::StatusText() const { return status_->text(); }

bool ViewWindow::ShowsChart() const { return chart_ != nullptr; }

bool ViewWindow::ExportPng(const QString& path) const {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  return Picture(CurrentView(), 2).save(&buffer, "PNG") &&
         WriteFile(path, std::string_view(png.constData(), static_cast<size_t>(png.size())));
}

bool ViewWindow::ExportSvg(const QString& path) const {
  return WriteFile(path, ShowsChart() ? ChartSvg(chart_->Shown()) : SectionSvg(section_->Shown()));
}

bool ViewWindow::ExportCsv(const QString& path) const {
  return WriteFile(path, ShowsChart() ? ChartCsv(chart_->Shown()) : SectionCsv(section_->Shown()));
}

bool ViewWindow::Print(QPrinter& printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // A picture three times finer than the screen prints sharp and keeps the fonts in proportion.
  const QImage picture = Picture(CurrentView(), 3);
  const QSize size = picture.size().scaled(printer.width(), printer.height(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint((printer.width() - size.width()) / 2, 0), size), picture);
  return painter.end();
}

void ViewWindow::Export(const QString& caption, const QString& filter, const QString& suffix,
                        bool (ViewWindow::*write)(const QString&) const) {
  // The sections of the surface take the names of tarnix-run's files: contour_<i>, pm_<i>.
  const QString load = QString::number(load_);
  const QString name = kind_ == PlotKind::MomentContour   ? "contour_" + load
                       : kind_ == PlotKind::LoadDirection ? "pm_" + load
                       : ShowsChart() ? Q(chart_->Shown().title).toLower().replace(' ', '_')
                                      : "section";
  const QString folder = m_.inputFileName.empty() ? QString() : QFileInfo(Q(m_.inputFileName)).absolutePath();
  const QString suggested = folder.isEmpty() ? name + suffix : folder + "/" + name + suffix;
  const QString path = QFileDialog::getSaveFileName(this, caption, suggested, filter);
  if (path.isEmpty()) return;
  if (!(this->*write)(path)) QMessageBox::warning(this, "TARNIX", "Unable to write file\n\n" + path);
}

void ViewWindow::PrintWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  const QWidget* view = CurrentView();
  printer.setPageOrientation(view->width() > view->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!Print(printer)) QMessageBox::warning(this, "TARNIX", "Unable to print");
}

}  // namespace tarnix
