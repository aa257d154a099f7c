// The results dock after F5: one row per load with the report's values and verdict, the failures drawn on
// the chart, the table copied for spreadsheets, and rows marked out of date by an edit.
#include "shell/results_panel.h"

#include <QChart>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTableWidget>

#include "shell/chart_view.h"
#include "window_test_support.h"

namespace tarnix {
namespace {

class ResultsPanelTest : public WindowTest {};

// A row per load with its verdict shaded. The sway column of the golden reports fails: load 2 exceeds its
// moment capacity, load 3 its critical buckling load.
TEST_F(ResultsPanelTest, EveryLoadWithItsVerdict) {
  const struct {
    std::string input;
    int rows;
    int load;  // the row checked, 1-based
    const char* status;
  } cases[] = {
      {"rect_column", 3, 3, "OK"},
      {TARNIX_TESTS_DIR "/report/golden/sway_column.in", 5, 2, "EXCEEDED"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input + " load " + std::to_string(c.load));
    MainWindow window;
    window.show();
    auto* grid = window.Results().findChild<QTableWidget*>();
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(LoadAndCalculate(window, c.input));
    EXPECT_TRUE(window.findChild<QLabel*>("calculationStatus")->text().startsWith("Calculation complete ("));
    ASSERT_EQ(grid->rowCount(), c.rows);
    const int row = c.load - 1;
    EXPECT_EQ(grid->item(row, 1)->text(), c.status);
    const QColor shade = grid->item(row, 1)->background().color();
    EXPECT_EQ(shade.green() > shade.red(), std::string(c.status) == "OK");
    if (std::string(c.status) == "OK") continue;

    // On the interaction diagram a load beyond its capacity is a red diamond.
    ViewWindow* view = OpenView(window, "Interaction &Diagram", PlotKind::InteractionDiagram);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    auto* chart = qobject_cast<ChartView*>(view->CurrentView());
    ASSERT_NE(chart, nullptr);
    int diamonds = 0;
    for (QAbstractSeries* series : chart->chart()->series()) {
      auto* points = qobject_cast<QScatterSeries*>(series);
      if (points == nullptr || points->markerShape() != QScatterSeries::MarkerShapeRotatedRectangle) continue;
      ++diamonds;
      EXPECT_EQ(points->color(), QColor(MarkerColour(MarkerKind::ExceededLoad)));
    }
    EXPECT_EQ(diamonds, 2);  // loads 2 and 3
  }
}

// The window opens at 1280 x 800 less its title bar (the test screen is larger), and there the results
// show the load, its verdict, P, the design moment, phi Mn and the ratio without scrolling; the split
// between the tabs and the results stays where it was through a calculation.
TEST_F(ResultsPanelTest, At1280x800TheMainColumnsShowWithoutScrolling) {
  MainWindow window;
  window.show();
  EXPECT_EQ(window.size(), QSize(1280, 760));
  QTest::qWait(100);  // laid out
  const int split = window.Results().width();
  ASSERT_TRUE(LoadAndCalculate(window, "rect_column"));
  QApplication::processEvents();
  EXPECT_EQ(window.Results().width(), split);
  SaveScreenshot(&window, "main_window_1280");

  auto* grid = window.Results().findChild<QTableWidget*>();
  QStringList shown, load3;
  for (int c = 0; c < grid->columnCount(); ++c) {
    if (grid->isColumnHidden(c)) continue;
    shown << grid->horizontalHeaderItem(c)->text();
    load3 << grid->item(2, c)->text();
    const int right =
        grid->horizontalHeader()->sectionViewportPosition(c) + grid->horizontalHeader()->sectionSize(c);
    EXPECT_LE(right, grid->viewport()->width()) << grid->horizontalHeaderItem(c)->text().toStdString();
  }
  EXPECT_EQ(shown,
            (QStringList{"Load", "Status", "P (kip)", "Design M (k-ft)", "phi Mn (k-ft)", "M / phi Mn"}));
  EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
  // Under them the values of the report: 242.7 / 578.2 = 0.420.
  EXPECT_EQ(load3, (QStringList{"3", "OK", "200.0", "242.7", "578.2", "0.420"}));
}

TEST_F(ResultsPanelTest, CopiedAsTextAndMarkedOutOfDateByAnEdit) {
  MainWindow window;
  window.resize(1280, 640);
  window.show();
  auto* grid = window.Results().findChild<QTableWidget*>();
  ASSERT_TRUE(LoadAndCalculate(window, "rect_column"));
  SaveScreenshot(&window, "results_panel");
  window.Results().CopyTable();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Load\tStatus\tP (kip)\tDesign M (k-ft)"));

  // An edit leaves the rows, marked out of date; another file clears them.
  SetCell(window, 4, "loads", 0, 1, "500");
  EXPECT_TRUE(window.Results().OutOfDate());
  EXPECT_EQ(grid->rowCount(), 3);
  ASSERT_TRUE(Load(window, "rect_column"));
  EXPECT_EQ(grid->rowCount(), 0);
}

}  // namespace
}  // namespace tarnix
