// Mouse marking, hovering, undo, keys, clue entry and the editor cursor on a real field: that
// events reach the field's decisions and their results are carried out.

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "field/qt/FieldFixture.h"
#include "field/qt/FieldTests.h"
#include "field/qt/MoveCursorEvent.h"
#include "model/ProcessState.h"
#include "settings/Options.h"
#include "support/ProcessReset.h"

namespace jcw::test {
namespace {

const CrosswordSpec kBlankFiveByFive{Clues(5), Clues(5), {}};
// A diagonal of two whose last cell is still undecided.
const CrosswordSpec kDiagonalAlmostDone{{{1}, {1}}, {{1}, {1}}, {"#.", ".?"}};

void press(FieldFixture& f, CellPos p, Qt::MouseButton button) {
  QTest::mousePress(f.grid.get(), button, {}, f.centre(p));
}

void release(FieldFixture& f, CellPos p, Qt::MouseButton button) {
  QTest::mouseRelease(f.grid.get(), button, {}, f.centre(p));
}

// A move with the given buttons and keys held, as the window system reports it.
void moveTo(FieldFixture& f, CellPos p, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers keys = {}) {
  const QPoint at = f.centre(p);
  QMouseEvent move(QEvent::MouseMove, at, f.grid->mapToGlobal(at), Qt::NoButton, buttons, keys);
  QApplication::sendEvent(f.grid.get(), &move);
}

bool hasPixel(const QImage& image, const QRect& box, const QColor& colour) {
  for (int x = box.left(); x <= box.right(); ++x)
    for (int y = box.top(); y <= box.bottom(); ++y)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

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

class FieldInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { resetProcessState(); }

  void aClickMarksTheCellAsOneStep() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    const CellPos p = f.picture(2, 3);
    press(f, p, Qt::LeftButton);
    release(f, p, Qt::LeftButton);
    QCOMPARE(f.cell(p).State, csFilled);
    QCOMPARE(f.model().history.steps(),
             (std::vector<HistoryStep>{{{p.x, p.y, csBlank, csFilled}}}));
    QCOMPARE(f.model().MarkedCount, 1);
    QCOMPARE(f.host.historyChanges, 1);
    QCOMPARE(f.platform->beeps, 0);
  }

  void aDragMarksEveryCellEnteredAndTheReleaseWipesTheCross() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    moveTo(f, f.picture(1, 4), Qt::LeftButton, Qt::ShiftModifier);  // with Shift: no mark
    moveTo(f, f.picture(1, 2), Qt::NoButton);
    press(f, f.picture(1, 2), Qt::LeftButton);
    for (int c = 2; c <= 5; ++c) moveTo(f, f.picture(c, 2), Qt::LeftButton);
    QCOMPARE(f.model().history.steps().size(), 1u);
    QCOMPARE(f.model().history.steps()[0].size(), 5u);
    QCOMPARE(f.model().MarkedCount, 5);
    QCOMPARE(f.platform->beeps, 0);
    QVERIFY(f.grid->CrossShown());
    const QRect filled = f.grid->cellRect(f.picture(2, 2).x, f.picture(2, 2).y);
    QVERIFY(hasPixel(f.image(), filled, Qt::white));  // a run length on a filled cell
    release(f, f.picture(5, 2), Qt::LeftButton);
    QVERIFY(!hasPixel(f.image(), filled, Qt::white));
    press(f, f.picture(1, 3), Qt::RightButton);  // the next press is a step of its own
    QCOMPARE(f.model().history.steps().size(), 2u);
  }

  // Motion events ten cells apart still mark every cell between, in order, as one step; with the
  // line lock a wobble into the next row marks nothing there.
  void aFastDragMarksEveryCellPassedAndTheLockKeepsItsRow() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    press(f, f.picture(1, 3), Qt::LeftButton);
    moveTo(f, f.picture(10, 3), Qt::LeftButton);
    release(f, f.picture(10, 3), Qt::LeftButton);
    for (int c = 1; c <= 10; ++c) QCOMPARE(f.cell(f.picture(c, 3)).State, csFilled);
    QCOMPARE(f.model().history.steps().size(), 1u);
    QCOMPARE(f.model().history.steps()[0].front().x, f.picture(1, 3).x);
    QCOMPARE(f.model().history.steps()[0].back().x, f.picture(10, 3).x);

    f.grid->setAids({.dragLineLock = true});
    press(f, f.picture(1, 6), Qt::RightButton);
    moveTo(f, f.picture(3, 6), Qt::RightButton);
    moveTo(f, f.picture(5, 7), Qt::RightButton);
    release(f, f.picture(5, 7), Qt::RightButton);
    for (int c = 1; c <= 5; ++c) QCOMPARE(f.cell(f.picture(c, 6)).State, csEmpty);
    QCOMPARE(f.cell(f.picture(5, 7)).State, csBlank);
  }

  // With the aid on, filling exactly the filled cells of the solution solves the crossword: the
  // rest is marked empty as one step of its own and the field asks for view mode.
  void fillingTheRightCellsFinishesWithTheAid() {
    FieldFixture f({{{1}, {2}}, {{2}, {1}}, {}}, kSolvingMode);
    f.grid->setAids({.finishByFilled = true});
    for (const CellPos p : {f.picture(1, 1), f.picture(1, 2), f.picture(2, 2)}) {
      press(f, p, Qt::LeftButton);
      release(f, p, Qt::LeftButton);
    }
    QCOMPARE(f.host.calls, QStringList{"SetMode 2"});
    QCOMPARE(f.cell(f.picture(2, 1)).State, csEmpty);
    QCOMPARE(f.model().history.steps().size(), 4u);
    QVERIFY(f.model().solved());
  }

  // Held at the bottom edge of the view, the drag scrolls down and marks the cells it comes over.
  void aMarkDragHeldAtTheViewsEdgeScrollsOnAndMarks() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    f.grid->resize(f.grid->fieldSize() / 2);
    const FieldView& view = f.grid->view();
    const CellPos start = f.picture(1, 1);
    press(f, start, Qt::LeftButton);
    const QPoint edge(f.centre(start).x(), view.height - 2);
    QMouseEvent move(QEvent::MouseMove, edge, f.grid->mapToGlobal(edge), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.grid.get(), &move);
    QTRY_VERIFY(view.scrollY >= 3 * view.cellSize);
    const CellPos under = f.grid->CellAtPoint(edge.x(), edge.y());
    QCOMPARE(under.x, start.x);
    QTRY_COMPARE(f.cell(under).State, csFilled);
    release(f, under, Qt::LeftButton);
    const int scrolled = view.scrollY;
    QTest::qWait(200);
    QCOMPARE(view.scrollY, scrolled);  // the release stops it
  }

  void hoveringHighlightsTheCluesOfTheLinesUntilThePointerLeaves() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    const CellPos p = f.picture(3, 2);
    // Through the window, so that the move arrives only if the field tracks the mouse.
    QTest::mouseMove(f.grid->windowHandle(), f.centre(p));
    QCOMPARE(f.grid->hoverCell(), p);
    const CellPos columnClue{p.x, 1};
    const CellPos rowClue{1, p.y};
    QCOMPARE(f.fillAt(columnClue), QColor(255, 255, 0));
    QCOMPARE(f.fillAt(rowClue), QColor(255, 255, 0));
    QVERIFY(f.grid->CrossShown());  // DigCr is on by default
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.grid.get(), &leave);
    QCOMPARE(f.fillAt(columnClue), kButtonFace);
    QCOMPARE(f.fillAt(rowClue), kButtonFace);
    QCOMPARE(f.grid->hoverCell(), p);
  }

  // The first press marks the cell, the double click erases it again: two records.
  void aDoubleClickErasesWhatTheFirstPressLeft() {
    FieldFixture f({Clues(1), Clues(1), {"?"}}, kSolvingMode);
    const CellPos p = f.picture(1, 1);
    QTest::mouseDClick(f.grid->windowHandle(), Qt::LeftButton, {}, f.centre(p));
    QCOMPARE(f.cell(p).State, csBlank);
    QCOMPARE(f.model().MarkedCount, 0);
    QCOMPARE(f.model().history.steps().size(), 2u);
    QCOMPARE(f.platform->beeps, 0);
  }

  void markingTheLastCellSolvesOnlyARightPicture_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("right: view mode") << Qt::LeftButton << QStringList{"SetMode 2"};
    QTest::newRow("wrong: no change") << Qt::RightButton << QStringList{};
  }
  void markingTheLastCellSolvesOnlyARightPicture() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QStringList, calls);
    FieldFixture f(kDiagonalAlmostDone, kSolvingMode);
    const CellPos last = f.picture(2, 2);
    press(f, last, button);
    QCOMPARE(f.host.calls, calls);
    QCOMPARE(bool(f.model().RowsWrong[last.y]), calls.isEmpty());
  }

  void markingAMarkedCellBeepsAndRecordsNothing() {
    FieldFixture f({Clues(1), Clues(1), {"#"}}, kSolvingMode);
    press(f, f.picture(1, 1), Qt::RightButton);
    QCOMPARE(f.platform->beeps, 1);
    QCOMPARE(f.cell(f.picture(1, 1)).State, csFilled);
    QVERIFY(f.model().history.steps().empty() && !f.grid->IsModified());
    QCOMPARE(f.host.historyChanges, 0);
  }

  void aClickOnAClueCellInTheEditorMovesTheCursorThere() {
    FieldFixture f(kBlankFiveByFive, kEditorMode);
    const CellPos clue{1, 4};
    press(f, clue, Qt::RightButton);
    QCOMPARE(f.model().EditCursor, clue);
    QCOMPARE(f.cell(clue).State, csSelected);
  }

  void altBackspaceUndoesTheLastMarkAndPointsAtItsCell_data() {
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("half");
    QTest::newRow("even cell") << 20 << 10;
    QTest::newRow("odd cell, tie down to even") << 5 << 2;
    QTest::newRow("odd cell, tie up to even") << 7 << 4;
  }
  void altBackspaceUndoesTheLastMarkAndPointsAtItsCell() {
    QFETCH(int, cellSize);
    QFETCH(int, half);
    FieldFixture f(kBlankFiveByFive, kSolvingMode, cellSize);
    const CellPos p = f.picture(4, 5);
    press(f, p, Qt::RightButton);
    QTest::keyClick(f.grid.get(), Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(f.cell(p).State, csBlank);
    QCOMPARE(f.model().MarkedCount, 0);
    const QRect box = f.grid->cellRect(p.x, p.y);
    QCOMPARE(f.platform->pointerMoves,
             (std::vector<QPoint>{f.grid->mapToGlobal(box.topLeft() + QPoint(half, half))}));
  }

  // In a view a quarter of the field, scrolled back to its top-left corner.
  void undoAndTheEditorCursorBringTheirCellIntoView() {
    const auto wholeInView = [](FieldFixture& f, CellPos p) {
      const FieldView& v = f.grid->view();
      return QRect(0, 0, v.width, v.height).contains(f.grid->cellRect(p.x, p.y));
    };
    {
      FieldFixture f(kBlankTwenty, kSolvingMode);
      f.grid->resize(f.grid->fieldSize() / 2);
      const CellPos last = f.picture(20, 20);
      f.grid->MarkCell(last.x, last.y, true);
      QVERIFY(!wholeInView(f, last));
      QTest::keyClick(f.grid.get(), Qt::Key_Backspace, Qt::AltModifier);
      QVERIFY(wholeInView(f, last));
      const QRect box = f.grid->cellRect(last.x, last.y);
      QCOMPARE(f.platform->pointerMoves.back(),
               f.grid->mapToGlobal(box.topLeft() + QPoint(10, 10)));
    }
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.grid->resize(f.grid->fieldSize() / 2);
    const CellPos lastColumnClue{f.picture(20, 1).x, 2};
    QVERIFY(!wholeInView(f, lastColumnClue));
    moveCursor(f, lastColumnClue.x, lastColumnClue.y);
    QCOMPARE(f.model().EditCursor, lastColumnClue);
    QVERIFY(wholeInView(f, lastColumnClue));
    QCOMPARE(f.grid->view().scrollY, 0);
  }

  // The keys reach the history by their physical key; the rules of undo and redo are the core's.
  void undoAndRedoKeysWalkTheHistory() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    const CellPos p = f.picture(1, 1);
    press(f, p, Qt::LeftButton);
    release(f, p, Qt::LeftButton);
    const auto walk = [&](Qt::Key key, Qt::KeyboardModifiers keys, std::uint8_t state) {
      QTest::keyClick(f.grid.get(), key, keys);
      return f.cell(p).State == state;
    };
    QVERIFY(walk(Qt::Key_Z, Qt::ControlModifier, csBlank));
    QVERIFY(walk(Qt::Key_Y, Qt::ControlModifier, csFilled));
    QVERIFY(walk(Qt::Key_Backspace, Qt::AltModifier, csBlank));
    QVERIFY(walk(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, csFilled));
    QVERIFY(walk(Qt::Key_Z, Qt::ControlModifier, csBlank));
    QVERIFY(walk(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier, csFilled));
    QCOMPARE(f.host.historyChanges, 7);
    QCOMPARE(f.platform->pointerMoves.size(), 6u);
  }

  // Marks made after a checkpoint stand apart also in grey scale: a dot in the middle, and the
  // guess a ring; F6 takes them back and they look undecided again.
  void marksAfterACheckpointStandApartAndF6TakesThemBack() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode, 20);
    const CellPos known = f.picture(1, 1), guess = f.picture(2, 1), later = f.picture(3, 1);
    const auto click = [&](CellPos p) {
      press(f, p, Qt::LeftButton);
      release(f, p, Qt::LeftButton);
    };
    const auto grey = [&](CellPos p, int right) {
      const QPoint at = f.centre(p) + QPoint(right, 0);
      return qGray(f.image().pixel(at));
    };
    const int blank = grey(known, 0);
    click(known);
    QTest::keyClick(f.grid.get(), Qt::Key_F5);
    click(guess);
    click(later);
    QVERIFY(grey(later, 0) != grey(known, 0));  // the dot
    QCOMPARE(grey(guess, 0), grey(later, 0));
    QVERIFY(grey(guess, 7) != grey(later, 7));  // the ring, 0.35 of the cell from the middle
    QTest::keyClick(f.grid.get(), Qt::Key_F6);
    QCOMPARE(f.cell(guess).State, csBlank);
    QCOMPARE(grey(guess, 0), blank);
    QCOMPARE(grey(later, 7), blank);
    QCOMPARE(f.cell(known).State, csFilled);
  }

  // The entry rules are the core's; these check that the option, Ctrl and the keypad reach them.
  void digitsGoIntoTheCursorCellAndMoveOnByTheOption_data() {
    QTest::addColumn<int>("go2Dig");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<QString>("digits");
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier), keypad(Qt::KeypadModifier);
    QTest::newRow("two digits: 1, 2 gives 12") << 2 << none << "12";
    QTest::newRow("keypad digits count alike") << 2 << keypad << "16";
    QTest::newRow("one digit, Ctrl: 15 moves on") << 1 << ctrl << "15";
  }
  void digitsGoIntoTheCursorCellAndMoveOnByTheOption() {
    QFETCH(int, go2Dig);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(QString, digits);
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = static_cast<std::uint8_t>(go2Dig);
    type(f, digits, keys);
    QCOMPARE(textAt(f, kFirstClue), digits.toStdString());
    QCOMPARE(f.model().EditCursor, kNextClue);
    QCOMPARE(f.cell(kNextClue).State, csSelected);
    QVERIFY(f.host.historyChanges > 0 && f.model().Modified);
    QCOMPARE(f.platform->beeps, 0);
  }

  void startStaysOffWhileAnyLineOverflowsAndDeleteBringsItBack() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 0;
    type(f, "25");  // 25 clues need more than the column's 20 cells
    QTest::keyClick(f.grid.get(), Qt::Key_Return);
    QCOMPARE(f.platform->beeps, 1);
    QVERIFY(!f.host.start);
    QCOMPARE(f.model().EditCursor, kFirstClue);
    moveCursor(f, kMoveRight);
    type(f, "3");
    QVERIFY(!f.host.start);  // the first column still overflows
    QCOMPARE(f.platform->beeps, 1);
    moveCursor(f, kMoveLeft);
    QTest::keyClick(f.grid.get(), Qt::Key_Delete);
    QVERIFY(f.host.start);
  }

  void theLineEntryPutsWholeLinesInPlaceAndRefusesWithTheReason() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    const int column = kFirstClue.x;
    QTest::keyClick(f.grid.get(), Qt::Key_Insert);
    QLineEdit* entry = f.grid->findChild<QLineEdit*>(QStringLiteral("LineEntryText"));
    QVERIFY(entry && entry->isVisible());
    QCOMPARE(f.model().EditCursor, (CellPos{column, 2}));  // next to the picture
    QTest::keyClicks(entry, QStringLiteral("3,12"));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(f.model().columnClues(column), (std::vector<int>{3, 12}));
    QVERIFY(f.model().Modified);
    // The entry went on to the next column; a row's worth of numbers too many is refused.
    QCOMPARE(f.model().EditCursor, (CellPos{column + 1, 2}));
    f.platform->answers = {Answer::Ok, Answer::Ok};
    QTest::keyClicks(entry, QStringLiteral("1 1 1"));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(f.platform->messages.size(), std::size_t{1});
    QCOMPARE(f.platform->messages[0].text,
             QStringLiteral("Чисел 3, а клеток для них в заголовке 2"));
    QVERIFY(f.model().columnClues(column + 1).empty());
    // Shift+Tab goes back with the numbers shown; Escape returns to the cells.
    QTest::keyClick(entry, Qt::Key_Backtab);
    QCOMPARE(f.platform->messages.size(), std::size_t{2});  // the same refusal: nothing moved
    entry->setText(QString());
    QTest::keyClick(entry, Qt::Key_Backtab);
    QCOMPARE(entry->text(), QStringLiteral("3 12"));
    QTest::keyClick(entry, Qt::Key_Escape);
    QVERIFY(!entry->isVisible());
    QVERIFY(f.grid->hasFocus() || QApplication::focusWidget() == nullptr);
  }

  void everyTypedNumberAndEveryLineEntryIsOneUndoStep() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 2;
    type(f, "12");  // the cursor moves on: one step
    type(f, "7");
    QTest::keyClick(f.grid.get(), Qt::Key_Z, Qt::ControlModifier);  // the 7, not yet left
    QCOMPARE(textAt(f, kNextClue), std::string());
    QCOMPARE(textAt(f, kFirstClue), std::string("12"));
    QTest::keyClick(f.grid.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(textAt(f, kFirstClue), std::string());
    QTest::keyClick(f.grid.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(textAt(f, kFirstClue), std::string("12"));
    // A line entry replaces the column's numbers in one step.
    moveCursor(f, kFirstClue.x, kFirstClue.y);
    QTest::keyClick(f.grid.get(), Qt::Key_Insert);
    QLineEdit* entry = f.grid->findChild<QLineEdit*>(QStringLiteral("LineEntryText"));
    QTest::keyClicks(entry, QStringLiteral("4 5"));
    QTest::keyClick(entry, Qt::Key_Escape);  // Escape keeps nothing
    QCOMPARE(f.model().columnClues(kFirstClue.x), std::vector<int>{12});
    QTest::keyClick(f.grid.get(), Qt::Key_Insert);
    QTest::keyClicks(entry, QStringLiteral("4 5"));
    QTest::keyClick(entry, Qt::Key_Return);
    QTest::keyClick(entry, Qt::Key_Escape);
    QCOMPARE(f.model().columnClues(kFirstClue.x), (std::vector<int>{4, 5}));
    QTest::keyClick(f.grid.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.model().columnClues(kFirstClue.x), std::vector<int>{12});
  }

  void withTheOptionTheFirstDigitInACellReplacesItsNumber() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 0;
    type(f, "1");
    moveCursor(f, kMoveRight);
    moveCursor(f, kMoveLeft);
    type(f, "2");
    QCOMPARE(textAt(f, kFirstClue), std::string("12"));  // appended, as always
    f.host.replaces = true;
    moveCursor(f, kMoveRight);
    moveCursor(f, kMoveLeft);
    type(f, "34");
    QCOMPARE(textAt(f, kFirstClue), std::string("34"));  // replaced, then appended
  }

  void theCursorsLineIsTintedAndItsNumberAndTheAdvanceAreShown() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 2;
    NextDirect = 2;  // along the field
    QCOMPARE(f.grid->cursorStatus(), QStringLiteral("Столбец 1 из 20\nпереход вправо после двух цифр"));
    const QColor tint(255, 250, 205);
    const auto tinted = [&](CellPos p) { return hasPixel(f.image(), f.grid->cellRect(p.x, p.y), tint); };
    QVERIFY(tinted(f.picture(1, 20)));
    QVERIFY(!tinted(f.picture(2, 1)));
    moveCursor(f, 1, 5);  // a clue cell of the third picture row
    QCOMPARE(f.grid->cursorStatus(), QStringLiteral("Строка 3 из 20\nпереход вниз после двух цифр"));
    QVERIFY(!tinted(f.picture(1, 20)));
    QVERIFY(tinted(f.picture(20, 3)));
  }

  void anOverflowingLineIsDrawnRed() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 0;
    const QRect box = f.grid->cellRect(kFirstClue.x, kFirstClue.y);
    QVERIFY(!hasPixel(f.image(), box, Qt::red));
    type(f, "25");
    QVERIFY(hasPixel(f.image(), box, Qt::red));
    QTest::keyClick(f.grid.get(), Qt::Key_Backspace);
    QVERIFY(!hasPixel(f.image(), box, Qt::red));
  }

  void backspaceThatMakesTheLineFitEnablesStart() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    Go2Dig = 2;
    type(f, "25");
    QVERIFY(!f.host.start);
    QTest::keyClick(f.grid.get(), Qt::Key_Backspace);
    QCOMPARE(textAt(f, kFirstClue), std::string("2"));
    QVERIFY(f.model().Modified && f.host.start);
  }

  void deleteEmptiesTheCursorCellAndMarksModified() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.cell(kFirstClue).Text = "12";
    QTest::keyClick(f.grid.get(), Qt::Key_Delete);
    QCOMPARE(textAt(f, kFirstClue), std::string());
    QVERIFY(f.model().Modified && f.host.historyChanges > 0);
    QVERIFY(f.host.calls.isEmpty());
  }

  void spaceDrawsTheCrossThatTheOptionKeepsFromFollowingThePointer() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    DigCr = false;
    const QPoint at = f.centre(f.picture(4, 4));
    QMouseEvent move(QEvent::MouseMove, at, f.grid->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.grid.get(), &move);
    QCOMPARE(f.grid->hoverCell(), f.picture(4, 4));
    QVERIFY(!f.grid->CrossShown());
    QTest::keyClick(f.grid.get(), Qt::Key_Space);
    QVERIFY(f.grid->CrossShown());
  }

  // Which key means which command is decided in the core. Here: each command reaches the host
  // method of its name, and one that replaces the field ends the key without touching it again.
  void commandKeysRunTheWindowsCommands_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("calls");
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier);
    const int editor = kEditorMode, solving = kSolvingMode;
    const int del = Qt::Key_Delete;
    QTest::newRow("M") << int(Qt::Key_M) << none << solving << QStringList{"MainBtnMouseDown"};
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << editor << QStringList{"NNewClick"};
    QTest::newRow("F2") << int(Qt::Key_F2) << none << solving << QStringList{"NSave0Click"};
    QTest::newRow("F3") << int(Qt::Key_F3) << none << solving << QStringList{"NLoadClick"};
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << editor << QStringList{"NPrintClick"};
    QTest::newRow("F9 editor") << int(Qt::Key_F9) << none << editor << QStringList{"NStartClick"};
    QTest::newRow("F9 solving") << int(Qt::Key_F9) << none << solving << QStringList{"NEditClick"};
    QTest::newRow("Ctrl+Del") << del << ctrl << editor << QStringList{"NClearClick"};
  }
  void commandKeysRunTheWindowsCommands() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(int, mode);
    QFETCH(QStringList, calls);
    for (const bool replaced : {false, true}) {
      FieldFixture f(kBlankTwenty, Mode(mode));
      f.model().Modified = true;
      if (replaced) f.host.onCommand = [&f](const QString&) { f.grid.reset(); };
      QKeyEvent press(QEvent::KeyPress, key, keys);
      QApplication::sendEvent(f.grid.get(), &press);
      QCOMPARE(f.host.calls, calls);
      QCOMPARE(!f.grid, replaced);
    }
  }

  // Which keys zoom is the core's. Here: a zoom key asks the host about the editor cursor's
  // cell, else the view's middle, and Ctrl with the wheel about the pointer.
  void zoomKeysAndCtrlWheelAskTheHostToZoom() {
    {
      FieldFixture f(kBlankTwenty, kEditorMode);
      QTest::keyClick(f.grid.get(), Qt::Key_Plus, Qt::ControlModifier);
      const QPoint cursor = f.grid->cellRect(kFirstClue.x, kFirstClue.y).center();
      QCOMPARE(f.host.calls, QStringList{RecordingHost::zoomCall(ZoomStep::In, cursor)});
    }
    FieldFixture f(kBlankTwenty, kSolvingMode);
    QTest::keyClick(f.grid.get(), Qt::Key_0, Qt::ControlModifier);
    const QPoint middle(f.grid->view().width / 2, f.grid->view().height / 2);
    const QPoint at = f.centre(f.picture(3, 4));
    QWheelEvent wheel(at, f.grid->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.grid.get(), &wheel);
    QCOMPARE(f.host.calls, (QStringList{RecordingHost::zoomCall(ZoomStep::Whole, middle),
                                        RecordingHost::zoomCall(ZoomStep::Out, at)}));
  }

  void theCursorMessageIsIgnoredWhileSolving() {
    FieldFixture f(kBlankTwenty, kSolvingMode);
    moveCursor(f, kMoveRight);
    moveCursor(f, 1, 4);
    QCOMPARE(f.model().EditCursor, kFirstClue);
  }

  void aCursorMessageNormalisesTheCellItLeavesAndSkipsNonClueCells() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    f.cell(kFirstClue).Text = "05";
    moveCursor(f, 5, 5);  // a picture cell
    QCOMPARE(f.model().EditCursor, kFirstClue);
    QCOMPARE(f.cell(kFirstClue).State, csSelected);
    moveCursor(f, 1, 7);
    QCOMPARE(f.model().EditCursor, (CellPos{1, 7}));
    QCOMPARE(f.cell({1, 7}).State, csSelected);
    QCOMPARE(textAt(f, kFirstClue), std::string("5"));
    QCOMPARE(f.cell(kFirstClue).State, csBlank);
  }

  void enterMovesOnByNextDirect() {
    FieldFixture f(kBlankTwenty, kEditorMode);
    NextDirect = 3;  // towards the centre: right from a row clue
    moveCursor(f, 1, 7);
    QTest::keyClick(f.grid.get(), Qt::Key_Return);
    QCOMPARE(f.model().EditCursor, (CellPos{2, 7}));
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

int runFieldInputTests(int argc, char** argv) {
  FieldInputTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace jcw::test

#include "FieldInputTest.moc"
