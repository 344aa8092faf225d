#include "startup/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace jcw {

namespace {

bool install(QTranslator* translator, bool loaded) {
  if (loaded) return QCoreApplication::installTranslator(translator);
  delete translator;
  return false;
}

}  // namespace

bool installTranslations(UiLanguage language) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (language == UiLanguage::English)
    return install(translator, translator->load(QStringLiteral(":/i18n/jcw_en.qm")));
  // Qt's own dialogs speak Russian with the program, whatever the locale says.
  return install(translator,
                 translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"),
                                  QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

}  // namespace jcw
