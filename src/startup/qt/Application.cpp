#include "startup/qt/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "files/qt/FileCommands.h"
#include "mainwindow/qt/TForm1.h"
#include "model/ProcessState.h"
#include "platform/AbsolutePath.h"
#include "platform/AtomicFile.h"
#include "platform/UiLanguage.h"
#include "startup/CommandLine.h"
#include "startup/qt/TParametersForm.h"
#include "startup/qt/Translations.h"

namespace jcw {

int runApplication(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  switch (startRequestOf(arguments)) {
    case StartRequest::Help: std::cout << helpText(uiLanguage()); return 0;
    case StartRequest::Version: std::cout << versionText("jcw"); return 0;
    case StartRequest::Run: break;
  }
  ignoreFileSizeSignal();
  QApplication app(argc, argv);
  // A translation that cannot be loaded leaves the texts as they are: the program still works.
  installTranslations(uiLanguage());
  QApplication::setApplicationName(QCoreApplication::translate("jcw", "Японский кроссворд"));
  // Only the start-up window or the main window ends the program, never a hidden last window.
  QApplication::setQuitOnLastWindowClosed(false);

  // The start-up window first: its creation reads the options the other windows use.
  TParametersForm parameters;
  TForm1 form1;
  parameters.setMainWindow(&form1);
  ParametersForm = &parameters;
  QObject::connect(&parameters, &TParametersForm::terminateRequested, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  QObject::connect(&form1, &TForm1::terminateRequested, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  // The main window makes its solver tool window and About box, both hidden.
  // Absolute before it is loaded or remembered as the last directory.
  ParamFile = argc > 1 ? absoluteFileName(argv[1]) : "";

  parameters.show();
  return QApplication::exec();
}

}  // namespace jcw
