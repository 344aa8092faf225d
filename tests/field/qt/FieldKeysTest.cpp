// Keys, clue entry and the editor cursor on a real field.

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "field/qt/MoveCursorEvent.h"
#include "field/qt/FieldFixture.h"
#include "field/qt/FieldTests.h"
#include "settings/Options.h"
#include "support/ProcessReset.h"

Q_DECLARE_METATYPE(jcw::CellPos)

namespace jcw::test {
namespace {

// Twenty rows and columns under two header rows and beside two header columns; no clues yet.
// The cursor starts in the top clue cell of the first column, (3, 1).
const CrosswordSpec kBlankTwenty{Clues(20), Clues(20), {}, 2, 2};
constexpr CellPos kFirstClue{3, 1};
constexpr CellPos kNextClue{4, 1};

void type(FieldFixture& f, const QString& digits, Qt::KeyboardModifiers keys = {}) {
  for (QChar digit : digits)
    QTest::keyClick(f.grid.get(), Qt::Key(Qt::Key_0 + digit.digitValue()), keys);
}

void moveCursor(FieldFixture& f, int wParam, int lParam = 0) {
  MoveCursorEvent move(wParam, lParam);
  QApplication::sendEvent(f.grid.get(), &move);
}

const std::string& textAt(FieldFixture& f, CellPos p) { return f.cell(p).Text; }

}  // namespace

class FieldKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { resetProcessState(); }

  void digitsGoIntoTheCursorCellAndAdvanceByTheOption_data() {
    QTest::addColumn<int>("go2Dig");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("advanced");
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier), keypad(Qt::KeypadModifier);
    QTest::newRow("two digits: 1, 2 gives 12 and moves on") << 2 << none << "12" << "12" << true;
    QTest::newRow("keypad digits count alike") << 2 << keypad << "16" << "16" << true;
    QTest::newRow("one digit: 7 moves on at once") << 1 << none << "7" << "7" << true;
    QTest::newRow("one digit, Ctrl: 15 moves on") << 1 << ctrl << "15" << "15" << true;
    QTest::newRow("never: 12 stays") << 0 << none << "12" << "12" << false;
  }
  void digitsGoIntoTheCursorCellAndAdvanceByTheOption() {
    QFETCH(int, go2Dig);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(QString, digits);
    QFETCH(QString, text);
    QFETCH(bool, advanced);
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = static_cast<std::uint8_t>(go2Dig);
    type(f, digits, keys);
    QCOMPARE(textAt(f, kFirstClue), text.toStdString());
    QCOMPARE(f.model().EditCursor, advanced ? kNextClue : kFirstClue);
    QCOMPARE(f.cell(kNextClue).State, std::uint8_t(advanced ? csSelected : 0));
    QVERIFY(f.host.save && f.model().Modified);
    QCOMPARE(f.platform->beeps, 0);
  }

  void leavingTheCellNormalisesItsNumber() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 0;
    type(f, "07");
    moveCursor(f, kMoveDown);
    QCOMPARE(textAt(f, kFirstClue), std::string("7"));
    QCOMPARE(f.cell(kFirstClue).State, csBlank);
    QCOMPARE(f.model().EditCursor, (CellPos{3, 2}));
    QCOMPARE(f.cell({3, 2}).State, csSelected);
  }

  void startFollowsTheLastLineTested() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 0;
    type(f, "25");  // 25 clues need more than the column's 20 cells
    QTest::keyClick(f.grid.get(), Qt::Key_Return);
    QCOMPARE(f.platform->beeps, 1);
    QVERIFY(!f.host.start);
    QCOMPARE(f.model().EditCursor, kFirstClue);
    moveCursor(f, kMoveRight);
    type(f, "3");
    QVERIFY(f.host.start);  // the first column still overflows
    QCOMPARE(f.platform->beeps, 1);
  }

  void backspaceThatMakesTheLineFitLeavesStartDisabledUntilEnter() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 2;
    type(f, "25");
    QVERIFY(!f.host.start);
    QTest::keyClick(f.grid.get(), Qt::Key_Backspace);
    QCOMPARE(textAt(f, kFirstClue), std::string("2"));
    QVERIFY(f.model().Modified && !f.host.start);
    QTest::keyClick(f.grid.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(f.host.start);
    QCOMPARE(f.model().EditCursor, kNextClue);
  }

  void deleteEmptiesTheCursorCellOnlyInEditorModeAndAlwaysMarksModified_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("editor") << int(kEditorMode) << "";
    QTest::newRow("solving") << int(kSolvingMode) << "12";
  }
  void deleteEmptiesTheCursorCellOnlyInEditorModeAndAlwaysMarksModified() {
    QFETCH(int, mode);
    QFETCH(QString, text);
    FieldFixture f(kBlankTwenty, Mode(mode));
    f.cell(kFirstClue).Text = "12";
    QTest::keyClick(f.grid.get(), Qt::Key_Delete);
    QCOMPARE(textAt(f, kFirstClue), text.toStdString());
    QVERIFY(f.model().Modified && f.host.save);
    QVERIFY(f.host.calls.isEmpty());
  }

  void spaceDrawsTheCrossThatTheOptionKeepsFromFollowingThePointer() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    DigCr = false;
    const QPoint at = f.centre(f.picture(4, 4));
    QMouseEvent move(QEvent::MouseMove, at, f.grid->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.grid.get(), &move);
    QCOMPARE(f.model().HoverCell, f.picture(4, 4));
    QVERIFY(!f.grid->CrossShown());
    QTest::keyClick(f.grid.get(), Qt::Key_Space);
    QVERIFY(f.grid->CrossShown());
  }

  void f4SwitchesBetweenOneAndTwoDigits_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("0 stays") << 0 << 0;
    QTest::newRow("1 becomes 2") << 1 << 2;
    QTest::newRow("2 becomes 1") << 2 << 1;
  }
  void f4SwitchesBetweenOneAndTwoDigits() {
    QFETCH(int, before);
    QFETCH(int, after);
    FieldFixture f(kBlankTwenty, kSolvingMode);
    Go2Dig = static_cast<std::uint8_t>(before);
    QTest::keyClick(f.grid.get(), Qt::Key_F4);
    QCOMPARE(int(Go2Dig), after);
  }

  void commandKeysRunTheWindowsCommands_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QStringList>("calls");
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier), alt(Qt::AltModifier);
    const int editor = kEditorMode, solving = kSolvingMode, view = kViewMode;
    QTest::newRow("M opens the menu") << int(Qt::Key_M) << none << solving << false
                                      << QStringList{"MainBtnMouseDown"};
    QTest::newRow("Alt+M is not the field's") << int(Qt::Key_M) << alt << solving << false
                                              << QStringList{};
    QTest::newRow("Ctrl+N: new crossword") << int(Qt::Key_N) << ctrl << editor << false
                                           << QStringList{"NNewClick"};
    QTest::newRow("N alone: nothing") << int(Qt::Key_N) << none << editor << false
                                      << QStringList{};
    QTest::newRow("F2 with changes saves") << int(Qt::Key_F2) << none << solving << true
                                           << QStringList{"NSave0Click"};
    QTest::newRow("F2 without changes: nothing") << int(Qt::Key_F2) << none << solving << false
                                                 << QStringList{};
    QTest::newRow("F3 loads") << int(Qt::Key_F3) << none << view << false
                              << QStringList{"NLoadClick"};
    QTest::newRow("F9 in the editor starts") << int(Qt::Key_F9) << none << editor << false
                                             << QStringList{"NStartClick"};
    QTest::newRow("F9 while solving edits") << int(Qt::Key_F9) << none << solving << false
                                            << QStringList{"NEditClick"};
    QTest::newRow("F9 in view mode edits") << int(Qt::Key_F9) << none << view << false
                                           << QStringList{"NEditClick"};
    QTest::newRow("Ctrl+Delete clears") << int(Qt::Key_Delete) << ctrl << solving << false
                                        << QStringList{"NClearClick"};
  }
  void commandKeysRunTheWindowsCommands() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(int, mode);
    QFETCH(bool, modified);
    QFETCH(QStringList, calls);
    FieldFixture f(kBlankTwenty, Mode(mode));
    f.model().Modified = modified;
    QTest::keyClick(f.grid.get(), Qt::Key(key), keys);
    QCOMPARE(f.host.calls, calls);
  }

  void aCommandThatReplacesTheFieldEndsTheKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::newRow("the main menu") << int(Qt::Key_M) << Qt::KeyboardModifiers();
    QTest::newRow("load") << int(Qt::Key_F3) << Qt::KeyboardModifiers();
    QTest::newRow("new") << int(Qt::Key_N) << Qt::KeyboardModifiers(Qt::ControlModifier);
  }
  void aCommandThatReplacesTheFieldEndsTheKey() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, keys);
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.host.onCommand = [&f](const QString&) { f.grid.reset(); };
    QKeyEvent press(QEvent::KeyPress, key, keys);
    QApplication::sendEvent(f.grid.get(), &press);
    QVERIFY(!f.grid);
  }

  void theCursorMessageIsIgnoredWhileSolving() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    moveCursor(f, kMoveRight);
    moveCursor(f, 1, 4);
    QCOMPARE(f.model().EditCursor, kFirstClue);
  }

  void aCursorMessageToACellThatIsNoClueCellIsIgnored() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.cell(kFirstClue).Text = "05";
    moveCursor(f, 5, 5);  // a picture cell
    QCOMPARE(f.model().EditCursor, kFirstClue);
    QCOMPARE(f.cell(kFirstClue).State, csSelected);
    moveCursor(f, 1, 7);
    QCOMPARE(f.model().EditCursor, (CellPos{1, 7}));
    QCOMPARE(textAt(f, kFirstClue), std::string("5"));
  }

  void enterFollowsNextDirectFromARowClue_data() {
    QTest::addColumn<int>("nextDirect");
    QTest::addColumn<CellPos>("target");
    QTest::newRow("along the field") << 2 << CellPos{1, 8};
    QTest::newRow("to the centre") << 3 << CellPos{2, 7};
  }
  void enterFollowsNextDirectFromARowClue() {
    QFETCH(int, nextDirect);
    QFETCH(CellPos, target);
    FieldFixture f(kBlankTwenty, kEditorMode);
    NextDirect = static_cast<std::uint8_t>(nextDirect);
    moveCursor(f, 1, 7);
    QTest::keyClick(f.grid.get(), Qt::Key_Return);
    QCOMPARE(f.model().EditCursor, target);
  }

  void tabStaysInTheField() {
    QWidget window;
    QLineEdit other(&window);
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.grid->setParent(&window);
    f.grid->show();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    f.grid->setFocus();
    QVERIFY(f.grid->hasFocus());
    QTest::keyClick(f.grid.get(), Qt::Key_Tab);
    QVERIFY(f.grid->hasFocus());
  }
};

int runFieldKeysTests(int argc, char** argv) {
  FieldKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace jcw::test

#include "FieldKeysTest.moc"
