// The desktop program: `tarnix [FILE.in]`, or `tarnix --version`.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "base/version.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  // Answered before the application starts, so that it works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "tarnix " << tarnix::kTarnixVersion << '\n';
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName("TARNIX");
  QApplication::setApplicationName("TARNIX");
  QApplication::setApplicationVersion(tarnix::kTarnixVersion);
  tarnix::MainWindow window;
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.LoadInput(arguments.at(1));
  return QApplication::exec();
}
