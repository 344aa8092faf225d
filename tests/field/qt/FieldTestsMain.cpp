#include <QApplication>

#include "field/qt/FieldTests.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = jcw::test::runFieldInputTests(argc, argv);
  failures += jcw::test::runFieldInWindowTests(argc, argv);
  return failures;
}
