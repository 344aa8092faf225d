#include "startup/Application.h"

#include <QApplication>
#include <QMainWindow>
#include <cstring>
#include <iostream>

namespace jcw {

int runApplication(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "jcw 1.0\n";
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Японский кроссворд"));
  QMainWindow window;
  window.setWindowTitle(QApplication::applicationName());
  window.show();
  return QApplication::exec();
}

}  // namespace jcw
