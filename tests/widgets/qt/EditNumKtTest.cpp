// TEditNumKt on the offscreen platform, driven by real key, mouse and wheel events.

#include <QApplication>
#include <cmath>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "support/ScriptedPlatform.h"
#include "widgets/qt/EditNumKt.h"

namespace jcw {

class EditNumKtTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

  void init() {
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    other_ = new QLineEdit(window_.get());
    edit_ = new TEditNumKt;  // outside the layout, so that its own size rules hold
    edit_->setParent(window_.get());
    layout->addWidget(other_);
    layout->addSpacing(80);
    edit_->move(10, 60);
    window_->resize(200, 150);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    other_->setFocus();
  }
  void cleanup() { window_.reset(); }

  void aNewControlHasItsCreationDefaults() {
    QCOMPARE(edit_->width(), 60);
    QCOMPARE(edit_->keyWidth(), 22);
    QCOMPARE(box()->width(), 38);
    QCOMPARE(box()->text(), QStringLiteral("0"));
    QCOMPARE(edit_->step(), 1.0);
    QCOMPARE(edit_->precision(), 0);
    QCOMPARE(edit_->filter(), TFilter::fltNatural);
    QCOMPARE(edit_->minValue(), 0.0);
    QCOMPARE(edit_->maxValue(), 0.0);
    QVERIFY(edit_->autoSize());
    QVERIFY(edit_->inputEnabled());
  }

  void typingKeepsOnlyTheFiltersCharacters_data() {
    QTest::addColumn<TFilter>("filter");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("natural drops letters, minus, comma and point")
        << TFilter::fltNatural << QStringLiteral("a1-,.2") << QStringLiteral("12");
    QTest::newRow("natural takes a leading plus") << TFilter::fltNatural << QStringLiteral("+12") << QStringLiteral("+12");
    QTest::newRow("integer takes one leading minus") << TFilter::fltInteger << QStringLiteral("-5-") << QStringLiteral("-5");
    QTest::newRow("real turns the point into a comma, once")
        << TFilter::fltReal << QStringLiteral("1.5.3") << QStringLiteral("1,53");
    QTest::newRow("real takes one comma") << TFilter::fltReal << QStringLiteral("1,5,3") << QStringLiteral("1,53");
    QTest::newRow("positive real drops the minus")
        << TFilter::fltPositivReal << QStringLiteral("-1.5") << QStringLiteral("1,5");
  }
  void typingKeepsOnlyTheFiltersCharacters() {
    QFETCH(TFilter, filter);
    QFETCH(QString, keys);
    edit_->setFilter(filter);
    box()->selectAll();
    QTest::keyClicks(box(), keys);
    QTEST(box()->text(), "text");
  }

  void aPlusIsTakenOnlyAtTheStart() {
    box()->setText(QStringLiteral("12"));
    QTest::keyClick(box(), Qt::Key_Plus);
    QCOMPARE(box()->text(), QStringLiteral("12"));
    QTest::keyClick(box(), Qt::Key_Home);
    QTest::keyClick(box(), Qt::Key_Plus);
    QCOMPARE(box()->text(), QStringLiteral("+12"));
  }

  void deletingTheWholeTextShowsZeroAtOnce() {
    box()->setText(QStringLiteral("123"));
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Backspace);
    QCOMPARE(box()->text(), QStringLiteral("0"));
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Delete);
    QCOMPARE(box()->text(), QStringLiteral("0"));
  }

  void clipboardKeysAreDiscarded() {
    QApplication::clipboard()->setText(QStringLiteral("99"));
    if (QApplication::clipboard()->text() != QStringLiteral("99")) QSKIP("no clipboard on this platform");
    box()->setText(QStringLiteral("5"));
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box()->text(), QStringLiteral("5"));
  }

  void eachTypedCharacterRaisesOnKeyPressTakenOrNot() {
    QSignalSpy presses(edit_, &TEditNumKt::OnKeyPress);
    QTest::keyClicks(box(), QStringLiteral("1x"));
    QCOMPARE(presses.count(), 2);
  }

  void theBoundsHoldForKeysAndTypedNumbers() {
    bound(1, 100);
    edit_->setValue(100);
    QTest::keyClick(box(), Qt::Key_Up);
    QCOMPARE(box()->text(), QStringLiteral("100"));
    edit_->setValue(1);
    QTest::keyClick(box(), Qt::Key_Down);
    QCOMPARE(box()->text(), QStringLiteral("1"));

    typeNumber(QStringLiteral("150"));
    QCOMPARE(edit_->tryValue(), std::optional(100.0));
    QCOMPARE(box()->text(), QStringLiteral("150"));
    QTest::keyClick(box(), Qt::Key_Up);
    QCOMPARE(box()->text(), QStringLiteral("100"));
    typeNumber(QStringLiteral("150"));
    QTest::keyClick(box(), Qt::Key_Down);
    QCOMPARE(box()->text(), QStringLiteral("99"));
  }

  void shiftWithAnArrowKeyDoesNotStep() {
    edit_->setValue(5);
    QTest::keyClick(box(), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(box(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(box()->text(), QStringLiteral("5"));
  }

  void anArrowKeyStepReportsKeyZeroToOnKeyDown() {
    QSignalSpy downs(edit_, &TEditNumKt::OnKeyDown);
    QTest::keyClick(box(), Qt::Key_Up);
    QTest::keyClick(box(), Qt::Key_Left);
    QCOMPARE(downs.count(), 2);
    QCOMPARE(downs[0][0].toInt(), 0);
    QCOMPARE(downs[1][0].toInt(), int(Qt::Key_Left));
  }

  void steppingBelowZeroNeedsAFilterWithMinus() {
    QVERIFY(edit_->StepDown());
    QCOMPARE(box()->text(), QStringLiteral("0"));
    edit_->setFilter(TFilter::fltInteger);
    QVERIFY(edit_->StepDown());
    QCOMPARE(box()->text(), QStringLiteral("-1"));
  }

  void everyKindOfStepRaisesOnClickAndFocusesTheEditBox() {
    QSignalSpy clicks(edit_, &TEditNumKt::OnClick);
    QTest::mouseClick(button(Qt::UpArrow), Qt::LeftButton);
    QVERIFY(box()->hasFocus());
    QVERIFY(edit_->hasFocus());
    QCOMPARE(box()->text(), QStringLiteral("1"));
    other_->setFocus();
    QTest::mouseClick(button(Qt::DownArrow), Qt::LeftButton);
    QVERIFY(box()->hasFocus());
    QTest::keyClick(box(), Qt::Key_Up);
    other_->setFocus();
    QVERIFY(edit_->StepUp());
    QVERIFY(box()->hasFocus());
    QCOMPARE(box()->text(), QStringLiteral("2"));
    QCOMPARE(clicks.count(), 4);
  }

  void aClickIntoTheEditBoxRaisesOnClick() {
    QSignalSpy clicks(edit_, &TEditNumKt::OnClick);
    QTest::mouseClick(box(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
  }

  void theWheelStepsByItsDirectionAndMovesTheFocus() {
    bound(1, 100);
    edit_->setValue(50);
    QSignalSpy clicks(edit_, &TEditNumKt::OnClick);
    turnWheel(box(), 120);
    QCOMPARE(box()->text(), QStringLiteral("51"));
    QVERIFY(box()->hasFocus());
    turnWheel(button(Qt::UpArrow), -120);
    turnWheel(box(), -120);
    QCOMPARE(box()->text(), QStringLiteral("49"));
    QCOMPARE(clicks.count(), 3);
  }

  void aWheelEventWithoutVerticalTurnDoesNotStep() {
    edit_->setValue(5);
    turnWheel(box(), 0, 120);
    QCOMPARE(box()->text(), QStringLiteral("5"));
    QVERIFY(other_->hasFocus());
  }

  void aStepKeepsTheCaret() {
    edit_->setValue(123);
    box()->setCursorPosition(1);
    QTest::keyClick(box(), Qt::Key_Up);
    QCOMPARE(box()->text(), QStringLiteral("124"));
    QCOMPARE(box()->cursorPosition(), 1);
  }

  void aTextThatIsNoNumberFailsWithTheConversionError() {
    test::ScopedScriptedPlatform scripted;
    scripted->expectedErrors = 1;
    QSignalSpy clicks(edit_, &TEditNumKt::OnClick);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Plus);
    QCOMPARE(box()->text(), QStringLiteral("+"));
    QCOMPARE(edit_->tryValue(), std::nullopt);
    QCOMPARE(edit_->conversionError(), QStringLiteral("'+' is not a valid floating point value"));

    QVERIFY(!edit_->StepUp());
    QCOMPARE(scripted->errors, QStringList{QStringLiteral("'+' is not a valid floating point value")});
    QCOMPARE(box()->text(), QStringLiteral("+"));
    QCOMPARE(clicks.count(), 0);
  }

  void precisionSetsTheDecimalsShown() {
    edit_->setValue(24);
    QCOMPARE(box()->text(), QStringLiteral("24"));
    edit_->setPrecision(2);
    edit_->setValue(24);
    QCOMPARE(box()->text(), QStringLiteral("24,00"));
    QCOMPARE(edit_->tryValue(), std::optional(24.0));
  }

  void newBoundsMoveANumberBeyondThemOntoThem() {
    typeNumber(QStringLiteral("150"));
    edit_->setMinValue(1);
    QCOMPARE(box()->text(), QStringLiteral("150"));  // no bounds while the maximum is 0
    edit_->setMaxValue(100);
    QCOMPARE(box()->text(), QStringLiteral("100"));
    typeNumber(QStringLiteral("5"));
    edit_->setMinValue(10);
    QCOMPARE(box()->text(), QStringLiteral("10"));
  }

  void keyWidthOutsideFiveToTheEditWidthIsIgnored() {
    edit_->setKeyWidth(4);
    QCOMPARE(edit_->keyWidth(), 22);
    edit_->setKeyWidth(39);
    QCOMPARE(edit_->keyWidth(), 22);
    edit_->setKeyWidth(38);
    QCOMPARE(edit_->keyWidth(), 38);
    QCOMPARE(box()->width(), 22);
    QCOMPARE(button(Qt::UpArrow)->geometry().left(), 22);
    QCOMPARE(button(Qt::UpArrow)->width(), 38);
    edit_->setKeyWidth(30);
    QCOMPARE(edit_->keyWidth(), 38);
    edit_->setKeyWidth(5);
    QCOMPARE(box()->width(), 55);
  }

  void theHeightFollowsTheEditBoxOnlyWithAutoSize() {
    QCOMPARE(edit_->height(), box()->height());
    edit_->setAutoSize(false);
    edit_->resize(80, 50);
    QCOMPARE(box()->height(), 50);
    QCOMPARE(box()->width(), 58);
    QCOMPARE(button(Qt::UpArrow)->height() + button(Qt::DownArrow)->height(), 50);
    QCOMPARE(button(Qt::DownArrow)->geometry().bottom(), 49);
    edit_->setAutoSize(true);
    QCOMPARE(edit_->height(), box()->height());
    QVERIFY(edit_->height() < 50);
  }

  void aLargerFontMakesAnAutoSizedControlTaller() {
    const int before = edit_->height();
    QFont font = edit_->font();
    font.setPixelSize(40);
    edit_->setFont(font);
    QVERIFY(edit_->height() > before);
    QCOMPARE(edit_->height(), box()->height());
  }

  void disablingTheInputLeavesTheControlEnabled() {
    edit_->setInputEnabled(false);
    QVERIFY(!box()->isEnabled());
    QVERIFY(!button(Qt::UpArrow)->isEnabled());
    QVERIFY(!button(Qt::DownArrow)->isEnabled());
    QVERIFY(edit_->isEnabled());
  }

  void whereThePointIsTheSeparatorBothMarksTypeAPoint() {
    edit_->setLocale(QLocale::c());
    edit_->setFilter(TFilter::fltReal);
    typeNumber(QStringLiteral("1,5,"));
    QCOMPARE(box()->text(), QStringLiteral("1.5"));
    QCOMPARE(edit_->tryValue(), std::optional(1.5));
    edit_->setPrecision(1);
    edit_->setValue(2.25);
    QCOMPARE(box()->text(), QStringLiteral("2.3"));
  }

  void enterAndEscapeAreLeftToTheForm() {
    QSignalSpy returns(box(), &QLineEdit::returnPressed);
    QTest::keyClick(box(), Qt::Key_Return);
    QCOMPARE(returns.count(), 1);
    QCOMPARE(box()->text(), QStringLiteral("0"));
  }

  void theFocusEnteringAndLeavingTheEditBoxIsNotified() {
    QSignalSpy enters(edit_, &TEditNumKt::OnEnter);
    QSignalSpy exits(edit_, &TEditNumKt::OnExit);
    edit_->setFocus();
    QCOMPARE(enters.count(), 1);
    other_->setFocus();
    QCOMPARE(exits.count(), 1);
  }

  void aValueThatIsNotFiniteIsIgnored() {
    edit_->setValue(7);
    edit_->setValue(std::nan(""));
    edit_->setValue(HUGE_VAL);
    QCOMPARE(box()->text(), QStringLiteral("7"));
  }

 private:
  QLineEdit* box() const { return edit_->editBox(); }
  QToolButton* button(Qt::ArrowType arrow) const {
    for (QToolButton* b : edit_->findChildren<QToolButton*>())
      if (b->arrowType() == arrow) return b;
    return nullptr;
  }
  void bound(double min, double max) {
    edit_->setMinValue(min);
    edit_->setMaxValue(max);
  }
  void typeNumber(const QString& digits) {
    box()->selectAll();
    QTest::keyClicks(box(), digits);
  }
  void turnWheel(QWidget* target, int vertical, int horizontal = 0) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(horizontal, vertical), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
  }

  std::unique_ptr<QWidget> window_;
  QLineEdit* other_ = nullptr;
  TEditNumKt* edit_ = nullptr;
};

}  // namespace jcw

QTEST_MAIN(jcw::EditNumKtTest)
#include "EditNumKtTest.moc"
