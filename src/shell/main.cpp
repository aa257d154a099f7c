// The desktop program: `tarnix [FILE.in]`.
#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("TARNIX");
  QApplication::setApplicationName("TARNIX");
  tarnix::MainWindow window;
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.LoadInput(arguments.at(1));
  return QApplication::exec();
}
