// The desktop window driven as a user would: typing into fields, loading a file, running a calculation.
#include "shell/main_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUndoStack>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "editor/menu_actions.h"
#include "shell/confinement_window.h"
#include "shell/help_window.h"
#include "shell/results_panel.h"
#include "shell/section_preview.h"
#include "shell/section_view.h"
#include "window_test_support.h"

namespace tarnix {
namespace {

class MainWindowTest : public WindowTest {};

// Everything the project holds besides the results, and every control the window and its open small
// windows show, as text: two windows in the same state give the same text.
std::string StateOf(MainWindow& window) {
  ProjectModel m = window.Model();
  std::ostringstream out;
  ProjectModel withCurves = m;
  withCurves.PerformMomentCurvature = 1;  // the input file then holds the material-model rows as well
  out << FormatInputFile(withCurves).value_or("(incomplete)") << "\n";
  out << m.concreteModel << ' ' << m.reinfModel << ' ' << m.steelModel << ' ' << m.ParkModel << ' '
      << m.StressStrainPointCount << ' ' << m.maxBarArea << '\n';
  for (float v : {m.ec0, m.fc0, m.Eci, m.ecu, m.fcu, m.fcc, m.esp}) out << v << ' ';
  out << m.confinementOption << ' ' << m.nx << ' ' << m.ny << '\n';
  for (float v : {m.cover, m.ds, m.Dc, m.st, m.sl, m.xcl, m.ycl, m.fyh, m.esf}) out << v << ' ';
  for (const auto* points : {&m.rpBL, &m.spBL})
    for (const StressStrainPoint& p : *points) out << p.strain << ':' << p.stress << ' ';
  for (const auto* points : {&m.rpPA, &m.spPA})
    for (const StressStrainPoint& p : *points) out << p.strain << ':' << p.stress << ' ';
  out << '\n'
      << m.inc << ' ' << m.binc << ' ' << m.pinc << ' ' << m.cbeg << ' ' << m.cend << ' ' << m.cinc << ' '
      << m.ebeg << ' ' << m.eend << ' ' << m.einc << ' ' << m.rcinc << ' ' << m.ccinc << ' ' << m.bsinc << ' '
      << m.psinc << '\n';
  for (int flag : {m.OutputInputEcho, m.OutputSectionProperties, m.OutputInteractionDiagram,
                   m.OutputSlenderness, m.OutputSectionAnalysis, m.OutputMomentCurvature,
                   m.PerformMomentCurvature, m.currentSlenderLoad, m.mcPlotLoad, m.modified})
    out << flag << ' ';
  out << m.outputFileName << '\n';
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->window()->isVisible()) continue;
    const std::string where =
        w->window()->windowTitle().toStdString() + " / " + w->objectName().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) out << where << " = " << edit->text().toStdString() << '\n';
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
      out << where << button->text().toStdString() << (button->isChecked() ? " [x]\n" : " [ ]\n");
    if (auto* combo = qobject_cast<QComboBox*>(w)) out << where << " #" << combo->currentIndex() << '\n';
    if (auto* table = qobject_cast<QTableView*>(w)) {
      for (int row = 0; row < table->model()->rowCount(); ++row) {
        for (int column = 0; column < table->model()->columnCount(); ++column) {
          const QModelIndex cell = table->model()->index(row, column);
          out << cell.data().toString().toStdString() << ' ' << cell.data(Qt::CheckStateRole).toInt() << '\t';
        }
        out << table->objectName().toStdString() << '\n';
      }
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w))
      out << frame->title().toStdString() << (frame->isEnabled() ? " on\n" : " off\n");
  }
  return out.str();
}

// An input file gives the same project and the same window whatever was open before it: each example is
// opened after every other one (the small windows open) and compared with a fresh start that opened it.
TEST_F(MainWindowTest, EveryExampleAfterEveryOtherIsAFreshStartWithIt) {
  std::vector<std::string> files;
  for (const char* folder : {TARNIX_EXAMPLES_DIR, TARNIX_EXAMPLES_DIR "/verification"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().extension() == ".in") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 3u);
  const auto openSmallWindows = [](MainWindow& window) {
    Button(&window, "Set &Member Properties")->click();
  };
  std::vector<std::string> fresh;
  for (const std::string& file : files) {
    MainWindow window;
    window.show();
    openSmallWindows(window);
    EXPECT_TRUE(Load(window, file)) << file;
    fresh.push_back(StateOf(window));
  }
  // The first line that differs, rather than two pages of state.
  const auto difference = [](const std::string& got, const std::string& expected) {
    std::istringstream a(got), b(expected);
    std::string x, y;
    while (std::getline(a, x) && std::getline(b, y)) {
      if (x != y) return "got \"" + x + "\", fresh start \"" + y + "\"";
    }
    return got == expected ? std::string() : std::string("lengths differ");
  };
  MainWindow window;
  window.show();
  openSmallWindows(window);
  for (const std::string& before : files) {
    for (size_t i = 0; i < files.size(); ++i) {
      SCOPED_TRACE(before + " then " + files[i]);
      ASSERT_TRUE(Load(window, before));
      ASSERT_TRUE(Load(window, files[i]));
      EXPECT_EQ(difference(StateOf(window), fresh[i]), "");
    }
  }
}

TEST_F(MainWindowTest, LoadedFileFillsTheControlsAndTheCalculationWritesTheReport) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "rect_column"));
  EXPECT_EQ(FieldOn(window, 0, "fpc")->text(), "5000");
  EXPECT_EQ(TableOf(window, "loads")->model()->rowCount(), 3);
  EXPECT_EQ(CellOf(window, "loads", 0, 0), "450.0");

  ASSERT_TRUE(Calculate(window));
  EXPECT_TRUE(std::filesystem::exists(Path("report.out")));
  EXPECT_GT(window.Model().interactionDiagram.idCount, 0);  // the results came back to the window's project

  // View, Output file: the report in the program's own viewer.
  Trigger(window, "&Output file");
  auto* viewer = window.findChild<QPlainTextEdit*>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->toPlainText().contains("S L E N D E R N E S S   E F F E C T S"));
  SaveScreenshot(viewer->window(), "report_viewer");
  // The help pages are part of the program.
  HelpWindow help;
  help.ShowPage("introduction");
  EXPECT_FALSE(help.findChild<QTextBrowser*>()->toPlainText().isEmpty());
}

// A 12 x 20 in column with two layers of three 1 in^2 bars, typed from nothing: the Section dock follows
// every key with the line being edited marked, Undo takes a change back, and the column is calculated.
TEST_F(MainWindowTest, ASectionTypedFromScratchIsDrawnAsTypedAndCalculated) {
  MainWindow window;
  window.show();
  auto* preview = window.findChild<SectionPreview*>();
  ASSERT_NE(preview, nullptr);
  const auto shown = [&] { return preview->View().Shown(); };
  const auto markedDepths = [&] {
    std::vector<double> depths;
    for (const DrawShape& s : shown().shapes) {
      if (s.highlighted && s.source == RecordKind::ReinforcingLine) depths.push_back(s.y);
    }
    return depths;
  };
  PressTableButton(window, "rects", "Add");
  SetCell(window, 1, "rects", 0, 1, "20");  // depth
  SetCell(window, 1, "rects", 0, 2, "12");  // width
  ASSERT_EQ(shown().dimensions.size(), 2u);
  EXPECT_EQ(shown().dimensions[0].text, "12 in");
  EXPECT_EQ(shown().dimensions[1].text, "20 in");

  PressTableButton(window, "lines", "Add");
  PressTableButton(window, "lines", "Add");
  // Columns: depth to the first bar, angle, length, number of bars, area of each bar.
  for (const auto& [column, text] : {std::pair{0, "2.5"}, {2, "7"}, {3, "3"}, {4, "1"}})
    SetCell(window, 2, "lines", 0, column, text);
  EXPECT_EQ(markedDepths(), (std::vector<double>{2.5, 2.5, 2.5}));
  TableOf(window, "lines")->selectRow(1);
  for (const auto& [column, text] : {std::pair{0, "17.5"}, {2, "7"}, {3, "3"}, {4, "1"}})
    SetCell(window, 2, "lines", 1, column, text);
  EXPECT_EQ(markedDepths(), (std::vector<double>{17.5, 17.5, 17.5}));
  SaveScreenshot(&window, "section_tables");

  SetCell(window, 1, "rects", 0, 2, "16");
  EXPECT_EQ(shown().dimensions[0].text, "16 in");
  window.History().undo();
  EXPECT_EQ(shown().dimensions[0].text, "12 in");

  // Calculated as typed: 80 k-ft at 100 kip is well within the column.
  PressTableButton(window, "loads", "Add");
  SetCell(window, 4, "loads", 0, 0, "100");
  SetCell(window, 4, "loads", 0, 1, "80");
  ASSERT_TRUE(Calculate(window));
  EXPECT_GT(window.Model().interactionDiagram.capacity[1].capMoment, 80 * 12000);
}

// The confinement window's button goes through the editor's command, so the derived fcc and ecu count as
// an edit that Exit offers to save; the Define menu's control parameters take the last strain from them.
TEST_F(MainWindowTest, ConfinementCalculationIsAnEditOfTheProject) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "circular_spiral"));  // Mander, spirals
  ASSERT_EQ(window.Model().modified, 0);
  ProjectModel expected = window.Model();
  ASSERT_EQ(CalculateConfinement(expected), "");  // a refusal would stop the test at its message box
  ASSERT_NE(expected.fcc, window.Model().fcc);

  window.findChild<QTabWidget*>()->setCurrentIndex(5);
  QTest::mouseClick(Button(&window, "Calc fcc"), Qt::LeftButton);
  auto* confinement = window.findChild<ConfinementWindow*>();
  ASSERT_TRUE(confinement != nullptr && confinement->isVisible());
  QTest::mouseClick(Button(confinement, "&Calc confined stress and strain"), Qt::LeftButton);
  EXPECT_FALSE(confinement->isVisible());
  EXPECT_EQ(window.Model().fcc, expected.fcc);
  EXPECT_EQ(window.Model().ecu, expected.ecu);
  EXPECT_EQ(window.Model().modified, 1);
  EXPECT_EQ(FieldOn(window, 5, "fcc")->text(), QString::fromStdString(FieldText(expected, Field::fcc)));

  window.Model().eend = 1;
  Trigger(window, "Analysis &Settings...");
  EXPECT_EQ(window.Model().eend, expected.ecu);  // Mander concrete ends at its ultimate strain
  window.findChild<QDialog*>("analysisSettings")->accept();
  EXPECT_EQ(window.Model().eend, expected.ecu);
}

// The loads of a column as a table: a cell typed, three rows pasted from a spreadsheet, a refused cell
// marked, rows deleted; Undo takes back each of them in turn.
TEST_F(MainWindowTest, LoadTableEditPasteAndUndo) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "rect_column"));  // three loads, the first 450 kip
  QTableView* loads = TableOf(window, "loads");
  const float firstMoment = window.Model().loads[1].M;
  EXPECT_TRUE(SetCell(window, 4, "loads", 0, 0, "450.0"));  // handed back as it was: no edit
  EXPECT_EQ(window.History().count(), 0);
  EXPECT_TRUE(SetCell(window, 4, "loads", 0, 1, "500"));
  EXPECT_EQ(window.Model().loads[1].M, 500 * 12000);  // k-ft typed, lb-in stored

  QApplication::clipboard()->setText("100\t10\n200\t20\t-15\t5\n300\t30\n");  // P, Mx, My, V
  loads->clearSelection();  // after the last row
  for (QAction* action : loads->actions()) {
    if (action->text() == "Paste rows") action->trigger();
  }
  ASSERT_EQ(window.Model().ns, 6);
  EXPECT_EQ(window.Model().loads[5].P, 200000);
  EXPECT_EQ(window.Model().loads[5].M, 20 * 12000);
  EXPECT_EQ(window.Model().loads[5].My, -15 * 12000);
  EXPECT_EQ(window.Model().loads[5].V, 5000);
  EXPECT_EQ(CellOf(window, "loads", 5, 0), "300.0");
  SaveScreenshot(&window, "load_table");

  EXPECT_FALSE(SetCell(window, 4, "loads", 0, 0, "abc"));
  const QModelIndex refused = loads->model()->index(0, 0);
  EXPECT_EQ(refused.data().toString(), "abc");
  EXPECT_TRUE(refused.data(Qt::ToolTipRole).toString().startsWith("Not taken: not a number"));
  EXPECT_EQ(window.Model().loads[1].P, 450000);

  loads->selectRow(0);
  PressTableButton(window, "loads", "Delete");
  EXPECT_EQ(window.Model().ns, 5);
  EXPECT_EQ(window.Model().loads[1].P, 800000);  // the second load moved up

  window.History().undo();  // the delete
  EXPECT_EQ(window.Model().ns, 6);
  window.History().undo();  // the paste
  EXPECT_EQ(window.Model().ns, 3);
  window.History().undo();  // the typed moment
  EXPECT_EQ(window.Model().loads[1].M, firstMoment);
  EXPECT_EQ(CellOf(window, "loads", 0, 0), "450.0");
  window.History().redo();
  window.History().redo();
  EXPECT_EQ(window.Model().ns, 6);
}

TEST_F(MainWindowTest, ResetIsUndone) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "rect_column"));
  EXPECT_FALSE(window.isWindowModified());
  Trigger(window, "&All");  // nothing unsaved: no question
  EXPECT_EQ(window.Model().nr, 0);
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_TRUE(window.windowTitle().startsWith("Untitled"));  // Ctrl+S cannot write the defaults over the file
  window.History().undo();
  EXPECT_EQ(window.Model().nr, 1);
  EXPECT_EQ(window.Model().fpc, 5000.0f);
  EXPECT_EQ(FieldOn(window, 0, "fpc")->text(), "5000");
  EXPECT_FALSE(window.isWindowModified());  // back to what the file holds
}

// Cancel stops a long run: the status bar says so once, and no curve of the unfinished run is kept.
TEST_F(MainWindowTest, ACancelledRunSaysSoAndKeepsNoCurve) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(Load(window, "circular_spiral"));
  window.Model().einc /= 20;  // a moment-curvature run long enough to be cancelled while it runs
  SetOutputFileNames(window.Model(), Path("column.out"));
  QSignalSpy finished(&window, &MainWindow::CalculationFinished);
  ASSERT_TRUE(window.PerformCalculations());
  Button(&window, "Cancel")->click();
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_EQ(finished.takeFirst().at(0).value<Status>().message, "Calculation cancelled");
  // One state in the status bar, and no curve of the unfinished run.
  EXPECT_EQ(window.findChild<QLabel*>("calculationStatus")->text(), "Calculation cancelled");
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
  EXPECT_FALSE(window.Model().momentCurvature.ran());
}

// After a good run, a run that fails: the verdicts of the good one are gone, from the panel and from the
// project that the charts read, and the panel says why.
TEST_F(MainWindowTest, AFailedRunAfterAGoodOneLeavesNoVerdict) {
  MainWindow window;
  window.show();
  auto* grid = window.Results().findChild<QTableWidget*>();
  ASSERT_TRUE(LoadAndCalculate(window, "rect_column"));
  ASSERT_EQ(grid->rowCount(), 3);
  SetOutputFileNames(window.Model(), Path("no/such/folder/report.out"));
  EXPECT_FALSE(Calculate(window));
  QTest::qWait(300);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Error writing output file"});
  const QString said = "Calculation failed: Error writing output file";
  EXPECT_EQ(window.findChild<QLabel*>("calculationStatus")->text(), said);
  EXPECT_EQ(grid->rowCount(), 0);
  bool panelSays = false;
  for (QLabel* label : window.Results().findChildren<QLabel*>()) panelSays |= label->text() == said;
  EXPECT_TRUE(panelSays);
  SaveScreenshot(&window, "failed_run");
  EXPECT_EQ(window.Model().interactionDiagram.idCount, 0);
  EXPECT_TRUE(window.Model().interactionDiagram.capacity.empty());
}

// Choosing another criteria asks about the strengths. The column of 5000 psi concrete under ACI 318-02
// taken to AASHTO LRFD: Yes loads LRFD's 4000 psi and Ec = 3640000 psi; No keeps 5000 psi and Ec and
// changes the factors LRFD fixes (compression 0.65 to 0.75, shear 0.75 to 0.9), and says so.
TEST_F(MainWindowTest, AnotherCriteriaAsksAboutTheStrengths) {
  const struct {
    QMessageBox::StandardButton answer;
    float fpc, Ec, phiC;
    std::vector<std::string> messages;
  } cases[] = {
      {QMessageBox::Yes, 4000, 3640000, 0.75f, {"Use the default strengths and factors of AASHTO LRFD?"}},
      {QMessageBox::No,
       5000,
       4030509,
       0.75f,
       {"Use the default strengths and factors of AASHTO LRFD?",
        "Changed by the design criteria:\n\nCompression: 0.65 to 0.75\nShear and torsion: 0.75 to 0.9"}},
      {QMessageBox::Cancel, 5000, 4030509, 0.65f, {"Use the default strengths and factors of AASHTO LRFD?"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    MainWindow window;
    window.show();
    ASSERT_TRUE(Load(window, "rect_column"));
    auto* combo = window.findChild<QTabWidget*>()->widget(0)->findChild<QComboBox*>();
    Answer({c.answer, QMessageBox::Ok});
    const int lrfd = combo->findData("lrfd");
    combo->setCurrentIndex(lrfd);
    emit combo->activated(lrfd);
    QTest::qWait(300);
    EXPECT_EQ(TakeMessages(), c.messages);
    EXPECT_EQ(window.Model().criteria, c.answer == QMessageBox::Cancel ? "aci02" : "lrfd");
    EXPECT_EQ(window.Model().fpc, c.fpc);
    EXPECT_EQ(window.Model().Ec, c.Ec);
    EXPECT_EQ(window.Model().phiC, c.phiC);
    EXPECT_EQ(FieldOn(window, 0, "fpc")->text(), QString::number(c.fpc));
  }
}

// A file reached by two paths is one recent file.
TEST_F(MainWindowTest, AFileIsOneRecentFileWhateverItsPath) {
  MainWindow window;
  ASSERT_TRUE(Load(window, "rect_column"));
  ASSERT_TRUE(Load(window, TARNIX_EXAMPLES_DIR "/verification/../rect_column.in"));
  const QStringList recent = QSettings().value("recentInputFiles").toStringList();
  EXPECT_EQ(recent.count(QFileInfo(TARNIX_EXAMPLES_DIR "/rect_column.in").canonicalFilePath()), 1);
  EXPECT_EQ(recent.filter("rect_column.in").size(), 1);
}

// The analysis settings change the project on OK only, as one change for Undo; Restore defaults puts back
// the control parameters of English units (neutral axis step 0.05 in) and the input echo.
TEST_F(MainWindowTest, AnalysisSettingsTakeEffectOnOk) {
  const struct {
    const char* what;
    bool restore;
    bool ok;
    float inc, einc;
    int echo, undoSteps;
  } cases[] = {
      {"typed, cancelled", false, false, 0.05f, 0.0005f, 1, 0},
      {"typed, OK", false, true, 0.2f, 0.001f, 0, 1},
      {"typed, restored, OK", true, true, 0.05f, 0.0005f, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindow window;
    window.show();
    ASSERT_TRUE(Load(window, "rect_column"));
    Trigger(window, "Analysis &Settings...");
    auto* dialog = window.findChild<QDialog*>("analysisSettings");
    ASSERT_NE(dialog, nullptr);
    for (const auto& [name, text] : {std::pair{"inc", "0.2"}, {"einc", "0.001"}}) {
      QLineEdit* field = dialog->findChild<QLineEdit*>(name);
      field->selectAll();
      QTest::keyClicks(field, text);
    }
    dialog->findChild<QCheckBox*>()->click();  // the input echo, off
    if (c.restore) SaveScreenshot(dialog, "analysis_settings");
    if (c.restore) Button(dialog, "Restore Defaults")->click();
    c.ok ? dialog->accept() : dialog->reject();
    EXPECT_EQ(window.Model().inc, c.inc);
    EXPECT_EQ(window.Model().einc, c.einc);
    EXPECT_EQ(window.Model().OutputInputEcho, c.echo);
    EXPECT_EQ(window.History().count(), c.undoSteps);
  }
}

// Text a small window refused holds the calculation as the main window's does, until it is corrected.
TEST_F(MainWindowTest, RefusedTextInASmallWindowHoldsTheCalculation) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(LoadAndCalculate(window, "rect_column"));
  Button(&window, "Set &Member Properties")->click();
  QLineEdit* field = nullptr;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->isWindow() && w->isVisible() && w != &window) field = w->findChild<QLineEdit*>();
  }
  ASSERT_NE(field, nullptr);
  const QString kept = field->text();
  field->selectAll();
  QTest::keyClicks(field, "abc");
  EXPECT_FALSE(window.PerformCalculations());
  QTest::qWait(300);
  const std::vector<std::string> shown = TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("Please correct the marked field first", 0), 0u) << shown[0];

  field->selectAll();
  QTest::keyClicks(field, kept);
  EXPECT_TRUE(Calculate(window));
}

// F5 on an incomplete input brings the tab of its first problem to the front and marks the table, the cell
// or the field the message names, until the engineer edits it there. Column C-4 has three bar lines;
// columns of a line: depth, angle, length, bars, bar area. One case for each kind of mark: a cell, a table,
// a field of the window, a field of a small window.
TEST_F(MainWindowTest, IncompleteInputIsMarkedWhereItIsCorrected) {
  // The field of that name on the window or a small window that is open.
  const auto fieldOf = [](MainWindow& window, const char* name) {
    for (QLineEdit* field : window.findChildren<QLineEdit*>(name)) {
      if (field->window()->isVisible()) return field;
    }
    return static_cast<QLineEdit*>(nullptr);
  };
  const auto typeInto = [&](MainWindow& window, const char* name, const QString& text) {
    QLineEdit* field = fieldOf(window, name);
    field->selectAll();
    QTest::keyClicks(field, text);
  };
  const struct {
    const char* what;
    std::function<void(MainWindow&)> damage;
    const char* detail;  // what the message names
    int tab;
    const char* table;  // the marked table, or none for a field
    int row, column;    // the marked cell; row -1: the table as a whole
    const char* field;  // the marked field, on the window or a small window
    std::function<void(MainWindow&)> repair;
  } cases[] = {
      {"bar line without bars", [](MainWindow& w) { SetCell(w, 2, "lines", 1, 3, "0"); },
       "reinforcing line 2: no bars", 2, "lines", 1, 3, nullptr,
       [](MainWindow& w) { SetCell(w, 2, "lines", 1, 3, "2"); }},
      {"no concrete section",
       [](MainWindow& w) {
         TableOf(w, "rects")->selectRow(0);
         PressTableButton(w, "rects", "Delete");
       },
       "no concrete section around the reinforcing", 1, "rects", -1, 0, nullptr,
       [](MainWindow& w) { PressTableButton(w, "rects", "Add"); }},
      {"member without length",
       [&](MainWindow& w) {
         Button(&w, "Set &Member Properties")->click();
         typeInto(w, "L", "0");
       },
       "member: no length L", 4, nullptr, 0, 0, "L", [&](MainWindow& w) { typeInto(w, "L", "168"); }},
      {"spalling strain of the concrete model",
       [](MainWindow& w) {
         for (QCheckBox* box : w.findChildren<QCheckBox*>())
           if (box->text() == "&Perform Moment-Curvature Analysis") box->click();
         Type(w, 5, "esp", "0");
       },
       "Simple concrete model: no spalling strain esp", 5, nullptr, 0, 0, "esp",
       [](MainWindow& w) { Type(w, 5, "esp", "0.005"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindow window;
    window.show();
    ASSERT_TRUE(Load(window, "rect_column"));
    SetOutputFileNames(window.Model(), Path("report.out"));
    c.damage(window);
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(window.PerformCalculations());
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{std::string("Input is incomplete\n\n") + c.detail});
    EXPECT_EQ(tabs->currentIndex(), c.tab);
    const QString tip = QString("Input is incomplete: ") + c.detail;
    // Marked: the cell in the colour of refused text, the table or the field in a red frame; each says why.
    const auto marked = [&] {
      if (c.field != nullptr) {
        QLineEdit* field = fieldOf(window, c.field);
        return !field->styleSheet().isEmpty() && field->toolTip().startsWith(tip);
      }
      QTableView* table = TableOf(window, c.table);
      if (c.row < 0) return !table->styleSheet().isEmpty() && table->toolTip() == tip;
      const QModelIndex cell = table->model()->index(c.row, c.column);
      return cell.data(Qt::BackgroundRole).isValid() &&
             cell.data(Qt::ToolTipRole).toString().startsWith(tip) && table->currentIndex() == cell;
    };
    EXPECT_TRUE(marked());
    SaveScreenshot(&window, QString("marked_") + (c.table ? c.table : c.field));
    c.repair(window);
    EXPECT_FALSE(marked());
  }
}

}  // namespace
}  // namespace tarnix

int main(int argc, char** argv) {
  // Offscreen, on a desktop-sized screen of 1600 x 1000 (the plain offscreen screen is 800 x 800) so that
  // a maximised window is larger than the smallest one.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARNIX_OFFSCREEN_SCREEN);
  // The recent files and the window geometry go to a settings file of the test's own, not the user's.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
