// The program's help pages in a window of their own, opened at the introduction.
#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace tarnix {

class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  /// Shows the page `name` ("introduction", "loads", ...).
  void ShowPage(const QString& name);

 private:
  QTextBrowser* browser_;
};

}  // namespace tarnix
