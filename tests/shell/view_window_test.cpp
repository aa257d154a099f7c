// The View menu's charts and drawing, rendered offscreen: what they draw, the load picker and the exports.
#include "shell/view_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <QScatterSeries>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTableWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "model/input_file.h"
#include "model/model_edits.h"
#include "strength/surface.h"
#include "shell/chart_view.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/plot_load_window.h"
#include "shell/results_panel.h"
#include "shell/section_preview.h"
#include "shell/section_view.h"
#include "window_test_support.h"

namespace tarnix {
namespace {

// What an image holds beyond its background (its most frequent colour).
struct PixelStats {
  double inkShare = 0;     ///< share of the pixels that differ clearly from the background
  std::set<QRgb> colours;  ///< every colour that appears, the background included
  bool Has(QRgb colour) const { return colours.count(colour) > 0; }
};

PixelStats Stats(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, long> counts;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) ++counts[row[x] & 0xffffff];
  }
  const auto background =
      std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; });
  const QColor bg(background->first);
  long ink = 0;
  PixelStats stats;
  for (const auto& [rgb, count] : counts) {
    const QColor c(rgb);
    stats.colours.insert(rgb);
    const int distance =
        std::abs(c.red() - bg.red()) + std::abs(c.green() - bg.green()) + std::abs(c.blue() - bg.blue());
    if (distance > 60) ink += count;
  }
  stats.inkShare = static_cast<double>(ink) / (static_cast<double>(image.width()) * image.height());
  return stats;
}

class ViewWindowTest : public WindowTest {};

TEST_F(ViewWindowTest, TheChartsOfACalculatedColumnAreDrawn) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(LoadAndCalculate(window, "circular_spiral"));

  ViewWindow* view = OpenView(window, "Interaction &Diagram", PlotKind::InteractionDiagram);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->StatusText(), "Plot complete");
  auto* chartView = qobject_cast<ChartView*>(view->CurrentView());
  ASSERT_NE(chartView, nullptr);
  const Chart diagram = chartView->Shown();
  ASSERT_TRUE(diagram.Plottable());
  // The axes carry the plot layer's tick labels, not numbers of their own.
  const auto horizontal = chartView->chart()->axes(Qt::Horizontal);
  ASSERT_EQ(horizontal.size(), 1);
  QStringList ticks;
  for (const AxisTick& tick : diagram.x.ticks) ticks << QString::fromStdString(tick.label);
  EXPECT_EQ(qobject_cast<QCategoryAxis*>(horizontal.first())->categoriesLabels(), ticks);
  EXPECT_EQ(horizontal.first()->titleText().toStdString(), diagram.x.Caption());
  PixelStats stats = Stats(chartView->grab().toImage());
  EXPECT_GT(stats.inkShare, 0.02);
  EXPECT_TRUE(stats.Has(QColor(QString::fromLatin1(SeriesColour(1))).rgb() & 0xffffff));  // the design curve
  SaveScreenshot(view, "interaction_diagram");

  // Three load conditions: the picker chooses the curve, by its buttons or a typed number, or all of them.
  Trigger(window, "&Moment Curvature");
  auto* picker = window.findChild<PlotLoadWindow*>();
  ASSERT_NE(picker, nullptr);
  ASSERT_TRUE(picker->isVisible());
  auto* load = picker->findChild<QLineEdit*>("txtloadno");
  for (int i = 0; i < 3; ++i) Button(picker, "Next load condition")->click();  // stops at the last
  Button(picker, "Previous load condition")->click();
  EXPECT_EQ(load->text(), "2");
  Button(picker, "&Plot")->click();
  chartView = qobject_cast<ChartView*>(ViewOf(window, PlotKind::MomentCurvature)->CurrentView());
  ASSERT_NE(chartView, nullptr);
  EXPECT_EQ(chartView->Shown().series.front().name, "Load condition 2");
  load->selectAll();
  QTest::keyClicks(load, "3");
  Button(picker, "&Plot")->click();
  EXPECT_EQ(chartView->Shown().series.front().name, "Load condition 3");
  stats = Stats(chartView->grab().toImage());
  EXPECT_GT(stats.inkShare, 0.02);
  EXPECT_GT(stats.colours.size(), 3u);
  SaveScreenshot(chartView, "moment_curvature");
  picker->findChild<QCheckBox*>()->click();
  EXPECT_FALSE(load->isEnabled());
  Button(picker, "&Plot")->click();
  EXPECT_EQ(chartView->Shown().series.size(), 3u);
}

TEST_F(ViewWindowTest, AChartWithoutPointsSaysSoInsteadOfDrawingAxes) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "rect_column"));
  // Before any calculation: no moment-curvature results.
  Trigger(window, "&Moment Curvature");
  auto* picker = window.findChild<PlotLoadWindow*>();
  ASSERT_NE(picker, nullptr);
  Button(picker, "&Plot")->click();
  ViewWindow* view = ViewOf(window, PlotKind::MomentCurvature);
  ASSERT_NE(view, nullptr);
  auto* chartView = qobject_cast<ChartView*>(view->CurrentView());
  ASSERT_NE(chartView, nullptr);
  const Chart& chart = chartView->Shown();
  ASSERT_FALSE(chart.Plottable());
  EXPECT_EQ(chartView->Message().toStdString(), chart.message);
  EXPECT_TRUE(chartView->chart()->axes().isEmpty());
  EXPECT_TRUE(chartView->chart()->series().isEmpty());
  EXPECT_NE(view->StatusText(), "Plot complete");
  EXPECT_FALSE(WindowAction(view, "Export &CSV...")->isEnabled());
  // Only the title and the message: a little ink, no curves.
  const PixelStats stats = Stats(chartView->grab().toImage());
  EXPECT_GT(stats.inkShare, 0.001);
  EXPECT_LT(stats.inkShare, 0.05);
  SaveScreenshot(chartView, "rect_column_no_moment_curvature");

  // One load condition: its chart comes at once, without the picker.
  ASSERT_TRUE(SetLoadCount(window.Model(), 1));
  view->hide();
  Trigger(window, "&Moment Curvature");
  EXPECT_FALSE(picker->isVisible());
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(chartView->Shown().title, "MOMENT CURVATURE");
}

TEST_F(ViewWindowTest, TheDrawingShowsSteelShapesPipesAndHoles) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "composite_encased"));
  ViewWindow* view = OpenView(window, "&Section", PlotKind::Section);
  ASSERT_NE(view, nullptr);
  auto* sectionView = qobject_cast<SectionView*>(view->CurrentView());
  ASSERT_NE(sectionView, nullptr);
  EXPECT_EQ(view->StatusText(), "Plot complete");
  PixelStats stats = Stats(sectionView->grab().toImage());
  EXPECT_GT(stats.inkShare, 0.10);
  EXPECT_TRUE(stats.Has(0xd0d0d0));  // concrete
  EXPECT_TRUE(stats.Has(0x202020));  // bars
  EXPECT_TRUE(stats.Has(0x5b7fa6));  // the encased steel core
  SaveScreenshot(sectionView, "composite_encased_section");

  // A hollow core lined with a steel tube, inside the 24 in square: the hole is cut out of the concrete.
  ProjectModel& m = window.Model();
  ASSERT_TRUE(SetRecordCount(m, RecordKind::SteelRect, 0));
  ASSERT_TRUE(SetRecordCount(m, RecordKind::ConcreteCircle, 1));
  m.circles[1] = {12, 4, -1};
  ASSERT_TRUE(SetRecordCount(m, RecordKind::SteelPipe, 1));
  m.pipes[1] = {12, 4.25f, 0.5f};
  QTest::mouseDClick(sectionView, Qt::LeftButton);
  EXPECT_EQ(view->StatusText(), "Plots for complex shapes may not represent actual configuration");
  const QImage picture = sectionView->grab().toImage();
  stats = Stats(picture);
  EXPECT_TRUE(stats.Has(0x5b7fa6));  // the tube
  // The middle of the section is the background again, not concrete (beside the centroid's mark and the
  // axes through it).
  EXPECT_EQ(picture.pixel(picture.width() / 2 + 12, picture.height() / 2 + 12) & 0xffffff, 0xffffffu);
  SaveScreenshot(sectionView, "hollow_section");
}

TEST_F(ViewWindowTest, TheFileViewsSayWhyTheyCannotShowAFile) {
  MainWindow window;
  window.show();
  Trigger(window, "&Input file");
  Trigger(window, "&Output file");
  EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Please save input file", "Please save output file"}));

  ASSERT_TRUE(Load(window, "rect_column"));
  Trigger(window, "&Input file");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_TRUE(window.findChild<QPlainTextEdit*>()->toPlainText().startsWith("\"Column C-4"));
  SetOutputFileNames(window.Model(), Path("not_written_yet.out"));
  Trigger(window, "&Output file");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Unable to view output file"});
}

TEST_F(ViewWindowTest, EachViewExportsPngSvgCsvAndPrints) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "rect_column"));
  const auto text = [this](const char* name) {
    QFile file(QString::fromStdString(Path(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  for (const auto& [action, kind, csvStart] :
       {std::tuple{"Interaction &Diagram", PlotKind::InteractionDiagram, "series,MOMENT (k-ft),AXIAL LOAD (kip)\n"},
        {"&Section", PlotKind::Section, "role,kind,x,y,w,h,r,t\n"}}) {
    SCOPED_TRACE(action);
    ViewWindow* view = OpenView(window, action, kind);
    ASSERT_NE(view, nullptr);
    // The picture at twice the size on the screen, the engine's SVG, the plotted data; then a folder that
    // does not exist: reported, nothing written.
    for (const QString& folder : {QString::fromStdString(Path("")), QString::fromStdString(Path("missing/"))}) {
      const bool exists = !folder.endsWith("missing/");
      EXPECT_EQ(view->ExportPng(folder + "view.png"), exists);
      EXPECT_EQ(view->ExportSvg(folder + "view.svg"), exists);
      EXPECT_EQ(view->ExportCsv(folder + "view.csv"), exists);
    }
    const QImage image(QString::fromStdString(Path("view.png")));
    EXPECT_EQ(image.size(), view->CurrentView()->size() * 2);
    EXPECT_GT(Stats(image).inkShare, 0.02);
    EXPECT_TRUE(text("view.svg").startsWith("<?xml") && text("view.svg").contains("</svg>"));
    EXPECT_TRUE(text("view.csv").startsWith(csvStart));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path("view.pdf")));
    ASSERT_TRUE(view->Print(printer));
    EXPECT_GT(QFile(printer.outputFileName()).size(), 1000);
  }
}

// What is wrong with a window's layout as it stands: a visible widget reaching out of its parent, or a
// line edit too narrow for its text.
std::vector<std::string> LayoutFaults(QWidget* window) {
  std::vector<std::string> faults;
  const auto name = [](const QWidget* w) {
    return std::string(w->metaObject()->className()) + " '" + w->objectName().toStdString() + "'";
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window || !w->isVisibleTo(window)) continue;
    if (!w->parentWidget()->rect().contains(w->geometry()))
      faults.push_back(name(w) + " outside " + name(w->parentWidget()));
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (edit == nullptr) continue;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    // QLineEdit keeps 2 pixels beside its text on either side.
    const int room = contents.marginsRemoved(edit->textMargins()).width() - 2 * 2;
    if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
      faults.push_back(name(edit) + " clips " + edit->text().toStdString());
  }
  return faults;
}

TEST_F(ViewWindowTest, EveryWindowFitsItsContentFromItsSmallestSizeToFullScreen) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(LoadAndCalculate(window, "circular_spiral"));
  // Every window of the program open at once.
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "Set &Slenderness Parameters" || button->text() == "Calc fcc") button->click();
  }
  for (const char* action :
       {"Interaction &Diagram", "&Moment Curvature", "&Section", "Analysis &Settings..."})
    Trigger(window, action);
  std::vector<QWidget*> windows{&window};
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->isWindow() && w->isVisible()) windows.push_back(w);
  }
  // The main window, the three views, the member, slenderness and confinement windows and the analysis
  // settings.
  ASSERT_EQ(windows.size(), 8u);

  QFont titleFont = QApplication::font();
  titleFont.setBold(true);
  for (QWidget* w : windows) {
    SCOPED_TRACE(w->windowTitle().toStdString());
    EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry()));  // placed on the screen
    // The longest text the number formatter writes: seven digits, a sign and an exponent.
    for (QLineEdit* edit : w->findChildren<QLineEdit*>()) {
      if (edit->objectName() != "title" && edit->objectName() != "txtloadno") edit->setText("-8.888888E-05");
    }
    auto* tabs = w->findChild<QTabWidget*>();
    const int pages = tabs != nullptr ? tabs->count() : 1;
    const auto check = [&](const char* size) {
      for (int page = 0; page < pages; ++page) {
        if (tabs != nullptr) tabs->setCurrentIndex(page);
        QApplication::processEvents();
        EXPECT_EQ(LayoutFaults(w), std::vector<std::string>{}) << size << ", page " << page;
      }
    };
    // The width of the first field, on the first page.
    const auto fieldWidth = [&] {
      if (tabs != nullptr) tabs->setCurrentIndex(0);
      QApplication::processEvents();
      const auto* edit = w->findChild<QLineEdit*>();
      return edit != nullptr ? edit->width() : 0;
    };
    w->resize(1, 1);  // as small as it goes
    check("smallest");
    if (w == &window) SaveScreenshot(w, "main_window_smallest");
    EXPECT_GT(w->width(), QFontMetrics(titleFont).horizontalAdvance(w->windowTitle()));
    const int smallest = fieldWidth();
    w->showMaximized();
    check("maximised");
    if (w == &window) SaveScreenshot(w, "main_window_maximised");
    // The fields widen with the window: the controls do not stay in the top left corner.
    if (w == &window) {
      EXPECT_GT(fieldWidth(), smallest * 3 / 2);
    }
    w->showNormal();
  }
}

TEST_F(ViewWindowTest, TheThreeViewsStayOpenSideBySide) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(LoadAndCalculate(window, "circular_spiral"));
  for (const char* action : {"Interaction &Diagram", "&Moment Curvature", "&Section"}) Trigger(window, action);
  ViewWindow* diagram = ViewOf(window, PlotKind::InteractionDiagram);
  ViewWindow* curves = ViewOf(window, PlotKind::MomentCurvature);
  ViewWindow* drawing = ViewOf(window, PlotKind::Section);
  ASSERT_TRUE(diagram && curves && drawing);
  auto* picker = window.findChild<PlotLoadWindow*>();
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(picker->isVisible());
  EXPECT_EQ(picker->parentWidget(), curves);  // a toolbar of its chart
  const QRect screen = window.screen()->availableGeometry();
  std::set<std::pair<int, int>> corners;
  for (QWidget* w : {static_cast<QWidget*>(diagram), static_cast<QWidget*>(curves),
                     static_cast<QWidget*>(drawing)}) {
    SCOPED_TRACE(w->windowTitle().toStdString());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(screen.contains(w->geometry()));
    corners.insert({w->x(), w->y()});
  }
  EXPECT_EQ(corners.size(), 3u);  // none hides another completely

  // A double click on the third load's row: its moment-curvature curve, and the picker follows.
  emit window.Results().findChild<QTableWidget*>()->cellDoubleClicked(2, 0);
  EXPECT_EQ(picker->findChild<QLineEdit*>("txtloadno")->text(), "3");
  // Each window keeps its own plot through a new calculation, and shows the new results: a stronger
  // column carries more.
  auto* diagramView = qobject_cast<ChartView*>(diagram->CurrentView());
  auto* curveView = qobject_cast<ChartView*>(curves->CurrentView());
  auto* section = qobject_cast<SectionView*>(drawing->CurrentView());
  ASSERT_TRUE(diagramView && curveView && section);
  const auto largestAxialLoad = [&] { return diagramView->Shown().series[0].points.back().y; };
  const double before = largestAxialLoad();
  window.Model().fpc *= 2;
  ASSERT_TRUE(Calculate(window));
  ASSERT_TRUE(diagramView->Shown().Plottable());
  EXPECT_GT(largestAxialLoad(), before * 1.5);
  EXPECT_EQ(diagram->StatusText(), "Plot complete");
  EXPECT_EQ(curveView->Shown().title, "MOMENT CURVATURE");
  EXPECT_EQ(curveView->Shown().series.front().name, "Load condition 3");
  EXPECT_TRUE(section->Shown().Drawable());

  // Closing the curves leaves the other views open; another project clears the results the diagram
  // showed, the drawing follows its section and the closed window stays closed.
  WindowAction(curves, "&Close")->trigger();
  EXPECT_TRUE(diagram->isVisible() && drawing->isVisible());
  const double width = section->Shown().right - section->Shown().left;
  ASSERT_TRUE(Load(window, "rect_column"));
  EXPECT_FALSE(diagramView->Shown().Plottable());
  EXPECT_NE(diagram->StatusText(), "Plot complete");
  EXPECT_FALSE(WindowAction(diagram, "Export &CSV...")->isEnabled());
  EXPECT_NE(section->Shown().right - section->Shown().left, width);
  EXPECT_FALSE(curves->isVisible());
}


// A double click on a load of a column bent about both axes brings up its Mx-My contour. Every corner of
// the design contour drawn is checked against the engine's own capacity search in that corner's direction at
// the load's P (an exact root, where the contour interpolates between the diagram's points), and the load
// stands at its design moments. The choice above the chart turns to the P-M diagram in the load's direction,
// whose design curve at the load's P reaches the engine's |phi Mn|.
TEST_F(ViewWindowTest, TheSurfaceViewsDrawTheEnginesCapacities) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(TARNIX_TESTS_DIR "/report/golden/corner_column.json"));
  ASSERT_TRUE(Calculate(window));
  const ProjectModel& m = window.Model();
  auto* grid = window.Results().findChild<QTableWidget*>();
  ASSERT_EQ(grid->rowCount(), 3);
  const double kipFt = m.MomentUnitFactor, kip = m.ForceUnitFactor;

  for (int load = 1; load <= 3; ++load) {
    SCOPED_TRACE("load " + std::to_string(load));
    emit grid->cellDoubleClicked(load - 1, 0);
    ViewWindow* view = ViewOf(window, PlotKind::MomentContour);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->ShownKind(), PlotKind::MomentContour);
    EXPECT_EQ(view->findChild<QLineEdit*>("surfaceLoad")->text(), QString::number(load));
    auto* chart = qobject_cast<ChartView*>(view->CurrentView());
    ASSERT_NE(chart, nullptr);
    const LoadCondition& l = m.loads[static_cast<size_t>(load)];
    const LoadCapacity& cap = m.interactionDiagram.capacity[static_cast<size_t>(load)];
    QList<QPointF> design;
    QPointF loadAt(NAN, NAN);
    for (QAbstractSeries* series : chart->chart()->series()) {
      if (series->name().startsWith("Design strength")) design = qobject_cast<QLineSeries*>(series)->points();
      auto* points = qobject_cast<QScatterSeries*>(series);
      if (points != nullptr && points->markerShape() != QScatterSeries::MarkerShapeCircle)
        loadAt = points->points().front();
    }
    ASSERT_EQ(design.size(), 25);  // 24 angles, closed
    for (int k = 0; k < 24; ++k) {
      const QPointF corner = design[k];
      const BiaxialCapacity exact = BiaxialCapacityOf(m, l.P, static_cast<float>(corner.x() * kipFt),
                                                      static_cast<float>(corner.y() * kipFt));
      ASSERT_TRUE(exact.found) << k;
      EXPECT_NEAR(std::hypot(corner.x(), corner.y()), std::hypot(exact.momentX, exact.momentY) / kipFt,
                  0.01 * std::hypot(exact.momentX, exact.momentY) / kipFt)
          << "corner " << k;
    }
    EXPECT_NEAR(loadAt.x(), cap.checkedMoment / kipFt, 1e-3);
    EXPECT_NEAR(loadAt.y(), cap.checkedMomentY / kipFt, 1e-3);
    if (load == 1) SaveScreenshot(view, "surface_contour");
  }

  // Load 3 in its own direction: the design curve at 300 kip reaches |phi Mn| = 643.1 k-ft (results table).
  ViewWindow* view = ViewOf(window, PlotKind::MomentContour);
  auto* choice = view->findChild<QComboBox*>("surfaceChart");
  choice->setCurrentIndex(1);
  emit choice->activated(1);
  EXPECT_EQ(view->ShownKind(), PlotKind::LoadDirection);
  auto* chart = qobject_cast<ChartView*>(view->CurrentView());
  QList<QPointF> curve;
  for (QAbstractSeries* series : chart->chart()->series()) {
    if (series->name().startsWith("Design strength")) curve = qobject_cast<QLineSeries*>(series)->points();
  }
  ASSERT_GT(curve.size(), 2);
  const double P = m.loads[3].P / kip;
  for (qsizetype k = 1; k < curve.size(); ++k) {
    if ((curve[k - 1].y() - P) * (curve[k].y() - P) > 0) continue;
    const double t = (P - curve[k - 1].y()) / (curve[k].y() - curve[k - 1].y());
    EXPECT_NEAR(curve[k - 1].x() + t * (curve[k].x() - curve[k - 1].x()), 643.1, 0.01 * 643.1);
    break;
  }
  SaveScreenshot(view, "surface_direction");

  // The section with load 1's neutral axis at its capacity (the report's angle and depth).
  ViewWindow* section = OpenView(window, "&Section", PlotKind::Section);
  ASSERT_NE(section, nullptr);
  auto* loads = section->findChild<QComboBox*>("neutralAxisLoad");
  ASSERT_EQ(loads->count(), 4);  // none, loads 1 to 3
  emit loads->activated(1);
  EXPECT_EQ(section->StatusText(),
            "Load condition 1: neutral axis at its capacity, angle 36.06 degrees, depth c = 17.70 in");
  SaveScreenshot(section, "section_neutral_axis");
}

// A click on a shape in the section beside the tables, or in the Section view, brings up its list's tab with
// its row selected; a row selected marks its shapes in the section beside the tables. The bar lines of the
// rectangular column, then the single bars and the polygon of the L-shaped wall.
TEST_F(ViewWindowTest, ShapesAndRowsSelectEachOther) {
  MainWindow window;
  window.show();
  const SectionView& preview = window.findChild<SectionPreview*>()->View();
  ViewWindow* drawing = nullptr;
  const struct {
    const char* example;
    bool inView;  // clicked in the Section view, else beside the tables
    RecordKind kind;
    int record;
    const char* table;
    int tab;
  } clicks[] = {
      {"rect_column.in", false, RecordKind::ReinforcingLine, 2, "lines", 2},
      {"rect_column.in", true, RecordKind::ReinforcingLine, 1, "lines", 2},
      {"l_wall.json", false, RecordKind::SingleBar, 5, "singleBars", 2},
      {"l_wall.json", true, RecordKind::SingleBar, 14, "singleBars", 2},
      {"l_wall.json", false, RecordKind::ConcretePolygon, 1, "polygons", 1},
  };
  std::string loaded;
  for (const auto& c : clicks) {
    SCOPED_TRACE(std::string(c.example) + " " + c.table + " " + std::to_string(c.record));
    if (loaded != c.example) {
      ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR "/") + c.example));
      drawing = OpenView(window, "&Section", PlotKind::Section);
      ASSERT_NE(drawing, nullptr);
      loaded = c.example;
    }
    SectionView& view = c.inView ? *qobject_cast<SectionView*>(drawing->CurrentView())
                                 : const_cast<SectionView&>(preview);
    const SectionDrawing& d = view.Shown();
    const auto shape = std::find_if(d.shapes.begin(), d.shapes.end(), [&c](const DrawShape& s) {
      return s.source == c.kind && s.record == c.record;
    });
    ASSERT_NE(shape, d.shapes.end());
    // A bar's centre, or the middle of a polygon's first three corners (the wall's flange at (48, 4), clear
    // of its bars); where the view draws it: the drawing's extent fitted into the widget less 44 px on each
    // side, centred.
    const auto middle = [&shape](float Vertex::*axis) {
      return (shape->corners[0].*axis + shape->corners[1].*axis + shape->corners[2].*axis) / 3.0;
    };
    const double x = shape->corners.empty() ? shape->x : middle(&Vertex::x);
    const double y = shape->corners.empty() ? shape->y : middle(&Vertex::y);
    const double w = d.right - d.left, h = d.bottom - d.top;
    const double scale = std::min((view.width() - 88) / w, (view.height() - 88) / h);
    const QPointF at((view.width() - w * scale) / 2 + (x - d.left) * scale,
                     (view.height() - h * scale) / 2 + (y - d.top) * scale);
    window.findChild<QTabWidget*>()->setCurrentIndex(0);
    QTest::mouseClick(&view, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(window.findChild<QTabWidget*>()->currentIndex(), c.tab);
    const QModelIndexList rows = TableOf(window, c.table)->selectionModel()->selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front().row(), c.record - 1);
    int marked = 0;
    for (const DrawShape& s : preview.Shown().shapes) {
      if (!s.highlighted) continue;
      ++marked;
      EXPECT_EQ(s.source, c.kind);
      EXPECT_EQ(s.record, c.record);
    }
    EXPECT_GT(marked, 0);
  }
}

}  // namespace
}  // namespace tarnix
