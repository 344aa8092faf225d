// The program's language on the real windows: English from the built-in translation, Russian
// (the source texts) with Qt's own texts in Russian, whatever the locale's name.

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "mainwindow/qt/MainMenus.h"
#include "mainwindow/qt/TForm1.h"
#include "startup/qt/TParametersForm.h"
#include "startup/qt/Translations.h"
#include "support/FileSession.h"
#include "support/ScriptedPlatform.h"

namespace jcw {

namespace {

UiLanguage languageUnder(const char* lang) {
  return uiLanguageOf([lang](const char* name) -> const char* {
    return std::string_view(name) == "LANG" ? lang : nullptr;
  });
}

struct Shown {
  QString startTitle;
  QString loadButton;
  QString loadItem;
};

Shown shownTexts() {
  TParametersForm parameters;
  TForm1 form1;
  const auto* load = form1.findChild<QAction*>(QStringLiteral("NLoad"));
  return {parameters.windowTitle(),
          parameters.findChild<QPushButton*>(QStringLiteral("ButtonLoad"))->text(),
          load ? itemCaption(load) : QString()};
}

void removeTranslations() {
  for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
    delete translator;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = std::make_unique<test::FileSession>();
    platform_ = std::make_unique<test::ScopedScriptedPlatform>();
  }
  void cleanup() {
    removeTranslations();
    platform_.reset();
    session_.reset();
  }

  void anEnglishLocaleShowsEnglish() {
    QVERIFY(installTranslations(languageUnder("en_US.UTF-8")));
    const Shown shown = shownTexts();
    QCOMPARE(shown.startTitle, QStringLiteral("Japanese Crossword"));
    QCOMPARE(shown.loadButton, QStringLiteral("&Load"));
    QCOMPARE(shown.loadItem, QStringLiteral("&Load"));
  }

  void theCLocaleKeepsRussianWithQtsOwnTextsInRussian() {
    QVERIFY(installTranslations(languageUnder("C.UTF-8")));
    const Shown shown = shownTexts();
    QCOMPARE(shown.startTitle, QStringLiteral("Японский кроссворд"));
    QCOMPARE(shown.loadButton, QStringLiteral("&Загрузить"));
    QCOMPARE(shown.loadItem, QStringLiteral("&Загрузить"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
  }

 private:
  std::unique_ptr<test::FileSession> session_;
  std::unique_ptr<test::ScopedScriptedPlatform> platform_;
};

}  // namespace jcw

QTEST_MAIN(jcw::TranslationsTest)
#include "TranslationsTest.moc"
