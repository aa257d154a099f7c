// The desktop window driven as a user would: typing into fields, loading a file, running a calculation.
#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "model/input_file.h"
#include "shell/help_window.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

QLineEdit* FieldOn(MainWindow& window, int tab, const char* label) {
  auto* tabs = window.findChild<QTabWidget*>();
  return tabs->widget(tab)->findChild<QLineEdit*>(label);
}

// Saves a picture of every tab when TARNIX_SCREENSHOTS names a folder (for looking at the window).
void SaveScreenshots(MainWindow& window, const std::string& name) {
  const QString folder = qEnvironmentVariable("TARNIX_SCREENSHOTS");
  if (folder.isEmpty()) return;
  auto* tabs = window.findChild<QTabWidget*>();
  const auto file = [&](const QString& part) {
    return QDir(folder).filePath(QString::fromStdString(name) + "_" + part + ".png");
  };
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    window.grab().save(file(QString::number(i)));
  }
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "Set &Slenderness Parameters") button->click();
  }
  for (QDialog* dialog : window.findChildren<QDialog*>()) {
    if (dialog->isVisible()) dialog->grab().save(file(dialog->windowTitle()));
  }
  HelpWindow help;
  help.ShowPage("introduction");
  help.grab().save(file("help"));
}

class MainWindowTest : public TempFolderTest {};

TEST_F(MainWindowTest, TypingWritesThroughToTheModel) {
  MainWindow window;
  window.show();
  QLineEdit* fpc = FieldOn(window, 0, "f'c =");
  ASSERT_NE(fpc, nullptr);
  fpc->clear();
  QTest::keyClicks(fpc, "5000 psi");
  EXPECT_FLOAT_EQ(window.Model().fpc, 5000);
  EXPECT_GT(window.Model().Ec, 0);  // derived from f'c

  QLineEdit* count = FieldOn(window, 4, "No of loads:");
  count->selectAll();
  QTest::keyClicks(count, "2");
  EXPECT_EQ(window.Model().ns, 2);
  QLineEdit* axial = FieldOn(window, 4, "Axial load:");
  axial->selectAll();
  QTest::keyClicks(axial, "450");
  EXPECT_FLOAT_EQ(window.Model().loads[1].P, 450000);  // kip typed, pounds stored
}

TEST_F(MainWindowTest, LoadedFileFillsTheControlsAndTheCalculationWritesTheReport) {
  MainWindow window;
  window.show();
  EXPECT_FALSE(window.LoadInput(""));  // a cancelled dialog changes nothing
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  EXPECT_EQ(FieldOn(window, 0, "f'c =")->text(), "5000");
  EXPECT_EQ(FieldOn(window, 4, "No of loads:")->text(), "3");
  EXPECT_EQ(FieldOn(window, 4, "Axial load:")->text(), "450.0");

  // The help pages are part of the program.
  HelpWindow help;
  help.ShowPage("introduction");
  EXPECT_FALSE(help.findChild<QTextBrowser*>()->toPlainText().isEmpty());
  SaveScreenshots(window, "rect_column");

  const std::string report = Path("rect_column.out");
  SetOutputFileNames(window.Model(), report);
  QSignalSpy finished(&window, &MainWindow::CalculationFinished);
  ASSERT_TRUE(window.PerformCalculations());
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_TRUE(std::filesystem::exists(report));
  EXPECT_FALSE(window.CalculationBusy());
  EXPECT_GT(window.Model().interactionDiagram.idCount, 0);  // the results came back to the window's project

  // View, Output file: the report in the program's own viewer.
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == "&Output file") action->trigger();
  }
  auto* viewer = window.findChild<QPlainTextEdit*>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->toPlainText().contains("S L E N D E R N E S S   E F F E C T S"));
  const QString folder = qEnvironmentVariable("TARNIX_SCREENSHOTS");
  if (!folder.isEmpty()) viewer->window()->grab().save(QDir(folder).filePath("report_viewer.png"));
}

}  // namespace
}  // namespace tarnix

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
