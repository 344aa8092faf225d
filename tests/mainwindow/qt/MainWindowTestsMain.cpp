#include <QApplication>

#include "mainwindow/qt/MainWindowFixture.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = jcw::test::runModesAndCommandsTests(argc, argv);
  failures += jcw::test::runMenusAndOptionsTests(argc, argv);
  failures += jcw::test::runWindowLayoutTests(argc, argv);
  failures += jcw::test::runWindowEventsTests(argc, argv);
  return failures;
}
