// The hover button's caption on enter and leave, its groups, and the About box's keys and links.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/ScriptedPlatform.h"
#include "widgets/qt/About.h"
#include "widgets/qt/HotSpeedButton.h"

namespace jcw {
namespace {

void mouseEnters(QWidget* widget) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
  QCoreApplication::sendEvent(widget, &enter);
}

void mouseLeaves(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(widget, &leave);
}

QColor captionColor(const QWidget* button) { return button->palette().color(QPalette::ButtonText); }

QColor windowText() { return QApplication::palette().color(QPalette::WindowText); }

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void leavingGivesTheCaptionTheWindowTextColourWhateverItWas_data();
  void leavingGivesTheCaptionTheWindowTextColourWhateverItWas();
  void withHotBoldOffOnlyTheColourChangesAndABoldCaptionStaysBold_data();
  void withHotBoldOffOnlyTheColourChangesAndABoldCaptionStaysBold();
  void withHotBoldOnTheCaptionIsBoldOnlyWhileTheMouseIsOver();
  void clickingAGroupedButtonPutsItDownAndReleasesOnlyItsOwnGroup();

  void escapeAndEnterBothCloseTheAboutBox_data();
  void escapeAndEnterBothCloseTheAboutBox();
  void theAboutBoxShowsNameVersionAndLicenceAndNoInventedAddress();
  void clickingTheLicenceOpensItsText();
};

void AboutTest::leavingGivesTheCaptionTheWindowTextColourWhateverItWas_data() {
  QTest::addColumn<QColor>("before");
  QTest::addColumn<bool>("entered");
  QTest::addColumn<bool>("hotBold");
  QTest::newRow("red caption, mouse entered") << QColor(Qt::red) << true << false;
  QTest::newRow("red caption, leave without enter") << QColor(Qt::red) << false << false;
  QTest::newRow("green caption, hot bold") << QColor(Qt::green) << true << true;
}

void AboutTest::leavingGivesTheCaptionTheWindowTextColourWhateverItWas() {
  QFETCH(QColor, before);
  QFETCH(bool, entered);
  QFETCH(bool, hotBold);
  QVERIFY(before != windowText());
  THotSpeedButton button;
  button.setHotColor(Qt::blue);
  button.setHotBold(hotBold);
  QPalette p = button.palette();
  p.setColor(QPalette::ButtonText, before);
  button.setPalette(p);

  if (entered) {
    mouseEnters(&button);
    QCOMPARE(captionColor(&button), QColor(Qt::blue));
  }
  mouseLeaves(&button);

  QCOMPARE(captionColor(&button), windowText());
}

void AboutTest::withHotBoldOffOnlyTheColourChangesAndABoldCaptionStaysBold_data() {
  QTest::addColumn<bool>("bold");
  QTest::newRow("bold caption") << true;
  QTest::newRow("plain caption") << false;
}

void AboutTest::withHotBoldOffOnlyTheColourChangesAndABoldCaptionStaysBold() {
  QFETCH(bool, bold);
  THotSpeedButton button;
  button.setHotColor(Qt::blue);
  button.setHotBold(false);
  QFont f = button.font();
  f.setBold(bold);
  button.setFont(f);

  mouseEnters(&button);
  QCOMPARE(captionColor(&button), QColor(Qt::blue));
  QCOMPARE(button.font().bold(), bold);

  mouseLeaves(&button);
  QCOMPARE(captionColor(&button), windowText());
  QCOMPARE(button.font().bold(), bold);
}

void AboutTest::withHotBoldOnTheCaptionIsBoldOnlyWhileTheMouseIsOver() {
  THotSpeedButton button;
  button.setHotColor(Qt::darkRed);
  button.setHotBold(true);

  mouseEnters(&button);
  QCOMPARE(captionColor(&button), QColor(Qt::darkRed));
  QVERIFY(button.font().bold());

  mouseLeaves(&button);
  QVERIFY(!button.font().bold());
}

void AboutTest::clickingAGroupedButtonPutsItDownAndReleasesOnlyItsOwnGroup() {
  QWidget window;
  auto* solve = new THotSpeedButton(&window);
  auto* test = new THotSpeedButton(&window);
  auto* other = new THotSpeedButton(&window);
  solve->setGroupIndex(1);
  test->setGroupIndex(1);
  other->setGroupIndex(2);
  solve->setChecked(true);
  other->setChecked(true);

  QTest::mouseClick(test, Qt::LeftButton);
  QVERIFY(test->isChecked());
  QVERIFY(!solve->isChecked());
  QVERIFY(other->isChecked());

  QTest::mouseClick(test, Qt::LeftButton);
  QVERIFY(test->isChecked());

  solve->setChecked(true);
  QVERIFY(!test->isChecked());
}

void AboutTest::escapeAndEnterBothCloseTheAboutBox_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("result");
  QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
  QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
}

void AboutTest::escapeAndEnterBothCloseTheAboutBox() {
  QFETCH(int, key);
  QFETCH(int, result);
  constexpr int kStillOpen = 42;
  TForm3 about;
  // With the focus away from OK, only its being the default button makes Enter press it.
  QTimer::singleShot(0, &about, [&about, key] {
    about.findChild<QPushButton*>(QStringLiteral("Button1"))->clearFocus();
    QTest::keyClick(&about, Qt::Key(key));
  });
  QTimer::singleShot(5000, &about, [&about] { about.done(kStillOpen); });

  QCOMPARE(about.exec(), result);
  QVERIFY(!about.isVisible());
}

void AboutTest::theAboutBoxShowsNameVersionAndLicenceAndNoInventedAddress() {
  TForm3 about;
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  texts.sort();
  QStringList expected{QStringLiteral("Поле для решения японских кроссвордов"),
                       QStringLiteral("Версия 1.0"), QStringLiteral("Программа: команда jcw, 2026"),
                       QStringLiteral("Лицензия:"), QStringLiteral("MIT")};
  expected.sort();
  QCOMPARE(texts, expected);
}

void AboutTest::clickingTheLicenceOpensItsText() {
  test::ScopedScriptedPlatform scripted;
  TForm3 about;
  auto* licence = about.findChild<QLabel*>(QStringLiteral("LicenceLink"));
  QVERIFY(licence != nullptr);

  QTest::mouseClick(licence, Qt::LeftButton);

  QCOMPARE(scripted->urls, QStringList{QStringLiteral("https://opensource.org/license/mit")});
}

}  // namespace jcw

QTEST_MAIN(jcw::AboutTest)
#include "AboutTest.moc"
