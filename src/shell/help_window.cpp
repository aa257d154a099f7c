// The help window: a browser over the pages compiled into the program.
#include "shell/help_window.h"

#include <QAction>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

// The pages are compiled into the window library; a static library registers them on first use.
static void RegisterHelpPages() { Q_INIT_RESOURCE(help); }

namespace tarnix {

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent), browser_(new QTextBrowser(this)) {
  RegisterHelpPages();
  setWindowTitle("TARNIX Help");
  browser_->setSearchPaths({":/help"});
  browser_->setOpenExternalLinks(true);
  setCentralWidget(browser_);
  QToolBar* bar = addToolBar("Navigation");
  bar->setMovable(false);
  QAction* back = bar->addAction("Back", browser_, &QTextBrowser::backward);
  QAction* forward = bar->addAction("Forward", browser_, &QTextBrowser::forward);
  bar->addAction("Contents", this, [this] { ShowPage("introduction"); });
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Close", QKeySequence::Close, this, &QWidget::close);
  resize(760, 640);
}

void HelpWindow::ShowPage(const QString& name) {
  browser_->setSource(QUrl("qrc:/help/" + name + ".html"));
  show();
  raise();
  activateWindow();
}

}  // namespace tarnix
