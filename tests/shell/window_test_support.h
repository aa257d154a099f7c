// What the window tests share: finding and typing into controls as a user would, the menu actions, the
// views, pictures for looking at the window, and a fixture that answers message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "model/input_file.h"
#include "shell/main_window.h"
#include "shell/view_window.h"
#include "temp_folder.h"

namespace tarnix {

inline QLineEdit* FieldOn(MainWindow& window, int tab, const char* label) {
  auto* tabs = window.findChild<QTabWidget*>();
  return tabs->widget(tab)->findChild<QLineEdit*>(label);
}

/// Brings `tab` to the front and types `text` over the field's text, key by key; Enter completes a count.
inline void Type(MainWindow& window, int tab, const char* label, const QString& text, bool enter = false) {
  window.findChild<QTabWidget*>()->setCurrentIndex(tab);
  QLineEdit* field = FieldOn(window, tab, label);
  ASSERT_NE(field, nullptr) << label;
  field->selectAll();
  QTest::keyClicks(field, text);
  if (enter) QTest::keyClick(field, Qt::Key_Return);
}

/// The table of a list ("rects", "circles", "lines", "arcs", "pipes", "shapes", "loads", "reinforcingPoints",
/// "steelPoints").
inline QTableView* TableOf(MainWindow& window, const char* name) {
  return window.findChild<QTableView*>(name);
}

/// Brings `tab` to the front and hands `text` to a cell (0-based row and column) as the cell's editor does;
/// false when the text was refused.
inline bool SetCell(MainWindow& window, int tab, const char* table, int row, int column,
                    const QString& text) {
  window.findChild<QTabWidget*>()->setCurrentIndex(tab);
  QAbstractItemModel* model = TableOf(window, table)->model();
  return model->setData(model->index(row, column), text, Qt::EditRole);
}

inline QString CellOf(MainWindow& window, const char* table, int row, int column) {
  QAbstractItemModel* model = TableOf(window, table)->model();
  return model->data(model->index(row, column), Qt::DisplayRole).toString();
}

inline QPushButton* Button(QWidget* parent, const QString& text) {
  for (QPushButton* button : parent->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

/// Presses a button of a list's table ("Add", "Insert", "Delete").
inline void PressTableButton(MainWindow& window, const char* table, const QString& text) {
  Button(TableOf(window, table)->parentWidget(), text)->click();
}

inline QAction* WindowAction(QWidget* window, const QString& text) {
  for (QAction* action : window->findChildren<QAction*>()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

inline void Trigger(MainWindow& window, const QString& text) {
  QAction* action = WindowAction(&window, text);
  ASSERT_NE(action, nullptr) << text.toStdString();
  action->trigger();
}

/// The main window's view of the plots of `kind`, once it has been opened.
inline ViewWindow* ViewOf(MainWindow& window, PlotKind kind) {
  for (ViewWindow* view : window.findChildren<ViewWindow*>()) {
    if (view->Kind() == kind) return view;
  }
  return nullptr;
}

/// Opens the view of `kind` by its View menu `action`; its window, or none.
inline ViewWindow* OpenView(MainWindow& window, const char* action, PlotKind kind) {
  QAction* item = WindowAction(&window, action);
  if (item != nullptr) item->trigger();
  return ViewOf(window, kind);
}

/// Saves the widget's picture when TARNIX_SCREENSHOTS names a folder (for looking at the windows).
inline void SaveScreenshot(QWidget* widget, const QString& name) {
  const QString folder = qEnvironmentVariable("TARNIX_SCREENSHOTS");
  if (!folder.isEmpty()) widget->grab().save(QDir(folder).filePath(name + ".png"));
}

/// A message box would wait for a click for ever: it is closed and its text kept, and a test that does not
/// take the texts it expects fails.
class WindowTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    QObject::connect(&watch_, &QTimer::timeout, [this] {
      QWidget* box = QApplication::activeModalWidget();
      // The analysis settings wait for OK or Cancel as the test chooses.
      if (box != nullptr && box->objectName() != "analysisSettings") {
        auto* message = qobject_cast<QMessageBox*>(box);
        shown_.push_back((message ? message->text() : box->windowTitle()).toStdString());
        if (message != nullptr && !answers_.empty()) {
          message->button(answers_.front())->click();
          answers_.erase(answers_.begin());
        } else {
          box->close();
        }
      }
    });
    watch_.start(100);
  }
  void TearDown() override {
    EXPECT_TRUE(shown_.empty()) << "unexpected message: " << shown_.front();
    TempFolderTest::TearDown();
  }
  std::vector<std::string> TakeMessages() { return std::exchange(shown_, {}); }
  /// The next message boxes are answered by these buttons, in order (the others are closed).
  void Answer(std::vector<QMessageBox::StandardButton> buttons) { answers_ = std::move(buttons); }

  /// Opens an input file (an example by its name, or a path ending in ".in").
  static bool Load(MainWindow& window, const std::string& example) {
    const bool path = example.size() > 3 && example.substr(example.size() - 3) == ".in";
    return window.LoadInput(QString::fromStdString(path ? example : TARNIX_EXAMPLES_DIR "/" + example + ".in"));
  }
  /// Runs the calculation as F5 does, the report into the test's folder; true when it succeeded.
  bool Calculate(MainWindow& window) {
    if (window.Model().outputFileName.empty()) SetOutputFileNames(window.Model(), Path("report.out"));
    QSignalSpy finished(&window, &MainWindow::CalculationFinished);
    return window.PerformCalculations() && finished.wait(60000) &&
           finished.takeFirst().at(0).value<Status>().ok();
  }
  bool LoadAndCalculate(MainWindow& window, const std::string& example) {
    return Load(window, example) && Calculate(window);
  }

 private:
  QTimer watch_;
  std::vector<std::string> shown_;
  std::vector<QMessageBox::StandardButton> answers_;
};

}  // namespace tarnix
