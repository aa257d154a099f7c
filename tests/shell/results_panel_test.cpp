// The results dock after a calculation of the sway column example.
#include "shell/results_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "model/input_file.h"
#include "shell/main_window.h"
#include "shell/view_window.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

class ResultsPanelTest : public TempFolderTest {};

TEST_F(ResultsPanelTest, ShowsEveryLoadAfterACalculation) {
  MainWindow window;
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  SetOutputFileNames(window.Model(), Path("rect.out"));
  auto* grid = window.Results().findChild<QTableWidget*>();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 0);

  QSignalSpy finished(&window, &MainWindow::CalculationFinished);
  ASSERT_TRUE(window.PerformCalculations());
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_TRUE(window.findChild<QLabel*>("calculationStatus")->text().startsWith("Calculation complete ("));

  // The report: magnified moments 162.3, 84.9, 242.7 k-ft against 496.2, 393.3, 578.2 k-ft.
  ASSERT_EQ(grid->rowCount(), 3);
  const char* design[] = {"162.3", "84.9", "242.7"};
  const char* capacity[] = {"496.2", "393.3", "578.2"};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(grid->item(r, 3)->text(), design[r]);
    EXPECT_EQ(grid->item(r, 6)->text(), capacity[r]);
    EXPECT_EQ(grid->item(r, 1)->text(), "OK");
    EXPECT_GT(grid->item(r, 1)->background().color().green(), grid->item(r, 1)->background().color().red());
  }
  // For looking at the panel: a picture of the window when TARNIX_SCREENSHOTS names a folder.
  const QString folder = qEnvironmentVariable("TARNIX_SCREENSHOTS");
  if (!folder.isEmpty()) {
    window.resize(1280, 640);
    window.show();
    QTest::qWait(3000);
    window.grab().save(QDir(folder).filePath("results_panel.png"));
  }
  window.Results().CopyTable();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Load\tStatus\tP (kip)\tDesign M (k-ft)"));

  // Double-clicking a load without a moment-curvature curve opens the interaction diagram with its point.
  emit grid->cellDoubleClicked(1, 0);
  auto* view = window.findChild<ViewWindow*>();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->Kind(), PlotKind::InteractionDiagram);

  // An edit leaves the rows, marked out of date; Reset All clears them.
  QLineEdit* moment = window.findChild<QTabWidget*>()->widget(4)->findChild<QLineEdit*>("Moment:");
  ASSERT_NE(moment, nullptr);
  moment->selectAll();
  QTest::keyClicks(moment, "500");
  QTest::keyClick(moment, Qt::Key_Return);
  EXPECT_TRUE(window.Results().OutOfDate());
  EXPECT_EQ(grid->rowCount(), 3);
  window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in");
  EXPECT_EQ(grid->rowCount(), 0);
}

}  // namespace
}  // namespace tarnix
