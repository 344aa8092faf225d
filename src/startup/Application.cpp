#include "startup/Application.h"

#include <QApplication>
#include <cstring>
#include <iostream>

#include "files/CrosswordFile.h"
#include "mainwindow/MainState.h"
#include "mainwindow/TForm1.h"
#include "model/Dimensions.h"
#include "settings/Options.h"
#include "settings/SettingsSession.h"

namespace jcw {

namespace {

// The start-up window's defaults.
constexpr Dimensions kNewCrossword{31, 24, 4, 4};

void openNewCrossword(TForm1& window) {
  CurFileName.clear();
  CurShortName.clear();
  setCurrentDimensions(kNewCrossword);
  OpenMode = kEditorMode;
  window.field()->SetModified(false);
}

// Loads `path` into the window's field; the mode follows the clue-sum check, which warns when
// the sums differ. False (nothing changed) when the file cannot be read.
bool openCrosswordFile(TForm1& window, const std::string& path) {
  if (!LoadSelfFormat(path, window.field()->model())) return false;
  window.setStartEnabled(true);
  window.field()->SetModified(false);
  OpenMode = window.field()->CheckClueSums() ? kSolvingMode : kEditorMode;
  return true;
}

}  // namespace

int runApplication(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "jcw 1.0\n";
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Японский кроссворд"));
  RegisterFile(QCoreApplication::applicationFilePath());
  TForm1 window;
  QObject::connect(&window, &TForm1::terminateRequested, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  const bool loaded = argc > 1 && openCrosswordFile(window, argv[1]);
  if (argc > 1 && !loaded) std::cerr << "jcw: cannot read " << argv[1] << "\n";
  if (!loaded) openNewCrossword(window);
  window.show();
  // The first show chose the tool panel's side after sizing the window for the work area; fit
  // it again now that the panel takes its room.
  if (Maximize) window.NMaxClick(nullptr);
  return QApplication::exec();
}

}  // namespace jcw
