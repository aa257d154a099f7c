// The desktop window driven as a user would: typing into fields, loading a file, running a calculation.
#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>
#include <filesystem>
#include <fstream>

#include "editor/menu_actions.h"
#include "model/input_file.h"
#include "shell/confinement_window.h"
#include "shell/help_window.h"
#include "shell/section_preview.h"
#include "shell/section_view.h"
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
  QTest::keyClick(count, Qt::Key_Return);  // a count takes effect when it is complete
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

TEST_F(MainWindowTest, ASectionBuiltFromScratchIsCalculated) {
  MainWindow window;
  window.show();
  const auto type = [&](int tab, const char* label, const char* text) {
    QLineEdit* field = FieldOn(window, tab, label);
    ASSERT_NE(field, nullptr) << label;
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  };
  // A 12 x 20 in column with two layers of three 1 in^2 bars and one load.
  type(1, "No of sections:", "1");
  type(1, "Depth:", "20");
  type(1, "Width:", "12");
  type(2, "No of lines:", "2");
  type(2, "Ybeg:", "2.5");
  type(2, "Length:", "7");
  type(2, "Nbar:", "3");
  type(2, "Abar:", "1");
  window.findChild<QTabWidget*>()->setCurrentIndex(2);
  for (QPushButton* button : window.findChild<QTabWidget*>()->widget(2)->findChildren<QPushButton*>()) {
    if (button->text() == "Next") {
      QTest::mouseClick(button, Qt::LeftButton);  // the lines' Next comes first
      break;
    }
  }
  EXPECT_EQ(window.Model().currentLine, 2);
  type(2, "Ybeg:", "17.5");
  type(2, "Length:", "7");
  type(2, "Nbar:", "3");
  type(2, "Abar:", "1");
  type(4, "No of loads:", "1");
  type(4, "Axial load:", "100");
  type(4, "Moment:", "80");
  EXPECT_EQ(window.Model().lines[2].Nbl, 3);
  EXPECT_EQ(window.Model().modified, 1);

  SetOutputFileNames(window.Model(), Path("scratch.out"));
  QSignalSpy finished(&window, &MainWindow::CalculationFinished);
  ASSERT_TRUE(window.PerformCalculations());
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_TRUE(finished.takeFirst().at(0).value<Status>().ok());
  EXPECT_NE(window.Model().interactionDiagram.capacity.size(), 0u);
  EXPECT_GT(window.Model().interactionDiagram.capacity[1].capMoment, 80 * 12000);  // 80 k-ft is well within
}

// The Section dock follows the typing: rect_column.in is a 16 x 24 in column with four 1 in^2 bars at 2.5 in
// (line 1), two at 12 in and four at 21.5 in.
TEST_F(MainWindowTest, SectionDockRedrawsAsTheSectionIsTyped) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  auto* preview = window.findChild<SectionPreview*>();
  ASSERT_NE(preview, nullptr);
  const auto shown = [&] { return preview->View().Shown(); };
  const auto marked = [&] {
    std::vector<DrawShape> bars;
    for (const DrawShape& s : shown().shapes) {
      if (s.highlighted) bars.push_back(s);
    }
    return bars;
  };
  const auto type = [&](int tab, const char* label, const char* text) {
    window.findChild<QTabWidget*>()->setCurrentIndex(tab);
    QLineEdit* field = FieldOn(window, tab, label);
    ASSERT_NE(field, nullptr) << label;
    field->selectAll();
    QTest::keyClicks(field, text);  // no Enter: each key is a change
  };
  ASSERT_EQ(shown().dimensions.size(), 2u);
  EXPECT_EQ(shown().dimensions[0].text, "16 in");
  EXPECT_EQ(shown().dimensions[1].text, "24 in");
  EXPECT_TRUE(marked().empty());  // the criteria tab edits no record

  window.findChild<QTabWidget*>()->setCurrentIndex(2);
  ASSERT_EQ(marked().size(), 4u);
  EXPECT_FLOAT_EQ(static_cast<float>(marked()[0].y), 2.5f);
  type(2, "Ybeg:", "3.5");
  EXPECT_FLOAT_EQ(static_cast<float>(marked()[0].y), 3.5f);
  type(2, "Abar:", "2");
  EXPECT_NEAR(marked()[0].r, std::sqrt(2 / M_PI), 1e-6);  // drawn to its area
  for (QPushButton* button : window.findChild<QTabWidget*>()->widget(2)->findChildren<QPushButton*>()) {
    if (button->text() == "Next") {
      QTest::mouseClick(button, Qt::LeftButton);  // the lines' Next comes first
      break;
    }
  }
  ASSERT_EQ(marked().size(), 2u);
  EXPECT_FLOAT_EQ(static_cast<float>(marked()[0].y), 12);

  type(1, "Width:", "20");
  EXPECT_EQ(shown().dimensions[0].text, "20 in");
  window.History().undo();
  EXPECT_EQ(shown().dimensions[0].text, "16 in");
}

// The confinement window's button goes through the editor's command, so the derived fcc and ecu count as
// an edit that Exit offers to save; the Define menu's control parameters take the last strain from them.
TEST_F(MainWindowTest, ConfinementCalculationIsAnEditOfTheProject) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/circular_spiral.in"));  // Mander, spirals
  ASSERT_EQ(window.Model().modified, 0);
  ProjectModel expected = window.Model();
  ASSERT_EQ(CalculateConfinement(expected), "");  // a refusal would stop the test at its message box
  ASSERT_NE(expected.fcc, window.Model().fcc);

  auto* tabs = window.findChild<QTabWidget*>();
  tabs->setCurrentIndex(5);
  for (QPushButton* button : tabs->widget(5)->findChildren<QPushButton*>()) {
    if (button->text() == "Calc fcc") QTest::mouseClick(button, Qt::LeftButton);
  }
  auto* confinement = window.findChild<ConfinementWindow*>();
  ASSERT_NE(confinement, nullptr);
  ASSERT_TRUE(confinement->isVisible());
  for (QPushButton* button : confinement->findChildren<QPushButton*>()) {
    if (button->text() == "&Calc confined stress and strain") QTest::mouseClick(button, Qt::LeftButton);
  }
  EXPECT_FALSE(confinement->isVisible());
  EXPECT_EQ(window.Model().fcc, expected.fcc);
  EXPECT_EQ(window.Model().ecu, expected.ecu);
  EXPECT_EQ(window.Model().modified, 1);
  EXPECT_EQ(FieldOn(window, 5, "fcc:")->text(), QString::fromStdString(FieldText(expected, Field::fcc)));

  window.Model().eend = 1;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == "&Control Parameters" && action->parent() != nullptr &&
        action->parent()->parent() == window.menuBar())
      action->trigger();
  }
  EXPECT_EQ(window.Model().eend, expected.ecu);  // Mander concrete ends at its ultimate strain
}

// Typed key by key as an engineer retypes a count: nothing happens until the count is complete, lowering
// it hides lines that come back as they were, and Ctrl+Z undoes the count, not only its text.
TEST_F(MainWindowTest, CountFieldTypedKeyByKey) {
  MainWindow window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  QLineEdit* count = FieldOn(window, 2, "No of lines:");
  ASSERT_NE(count, nullptr);
  count->selectAll();
  QTest::keyClick(count, Qt::Key_Backspace);
  QTest::keyClick(count, '1');
  EXPECT_EQ(window.Model().nl, 3);
  QTest::keyClick(count, '0');
  QTest::keyClick(count, Qt::Key_Return);
  ASSERT_EQ(window.Model().nl, 10);
  EXPECT_EQ(window.Model().lines[2].Yb, 12.0f);
  count->selectAll();
  QTest::keyClicks(count, "1");
  QTest::keyClick(count, Qt::Key_Return);
  EXPECT_EQ(window.Model().nl, 1);
  count->selectAll();
  QTest::keyClicks(count, "3");
  QTest::keyClick(count, Qt::Key_Return);
  EXPECT_EQ(window.Model().lines[3].Yb, 21.5f);

  count->selectAll();
  QTest::keyClicks(count, "-1");
  QTest::keyClick(count, Qt::Key_Return);
  EXPECT_EQ(window.Model().nl, 3);  // refused: the field is marked and keeps the typed text
  EXPECT_TRUE(count->toolTip().contains("negative"));
  EXPECT_EQ(count->text(), "-1");
  SaveScreenshots(window, "refused_count");

  count->selectAll();
  QTest::keyClicks(count, "1");
  QTest::keyClick(count, Qt::Key_Return);
  EXPECT_EQ(window.Model().nl, 1);
  QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.Model().nl, 3);
  EXPECT_EQ(count->text(), "3");
  QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window.Model().nl, 1);
}

TEST_F(MainWindowTest, ResetIsUndone) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  EXPECT_FALSE(window.isWindowModified());
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == "&All") action->trigger();  // nothing unsaved: no question
  }
  EXPECT_EQ(window.Model().nr, 0);
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_TRUE(window.windowTitle().startsWith("Untitled"));  // Ctrl+S cannot write the defaults over the file
  window.History().undo();
  EXPECT_EQ(window.Model().nr, 1);
  EXPECT_EQ(window.Model().fpc, 5000.0f);
  EXPECT_EQ(FieldOn(window, 0, "f'c =")->text(), "5000");
  EXPECT_FALSE(window.isWindowModified());  // back to what the file holds
}

TEST_F(MainWindowTest, CancelledRunKeepsTheEarlierReport) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(QString(TARNIX_EXAMPLES_DIR) + "/rect_column.in"));
  const std::string report = Path("column.out");
  { std::ofstream(report) << "earlier report"; }
  SetOutputFileNames(window.Model(), report);
  QSignalSpy finished(&window, &MainWindow::CalculationFinished);
  ASSERT_TRUE(window.PerformCalculations());
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "Cancel" && button->isVisible()) button->click();
  }
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_EQ(finished.takeFirst().at(0).value<Status>().message, "Calculation cancelled");
  std::ifstream in(report);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "earlier report");
}

}  // namespace
}  // namespace tarnix

int main(int argc, char** argv) {
  // Offscreen, on a desktop-sized screen of 1600 x 1000 (the plain offscreen screen is 800 x 800) so that
  // a maximised window is larger than the smallest one.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARNIX_OFFSCREEN_SCREEN);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
