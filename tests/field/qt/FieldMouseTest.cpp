// Mouse marking, hovering and undo on a real field.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "field/qt/FieldFixture.h"
#include "field/qt/FieldTests.h"
#include "model/ProcessState.h"
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

bool hasPixel(const QImage& image, const Rect& box, const QColor& colour) {
  for (int x = box.left; x < box.right; ++x)
    for (int y = box.top; y < box.bottom; ++y)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

}  // namespace

class FieldMouseTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { resetProcessState(); }

  void aClickMarksTheCellWithOneRecord_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("state");
    QTest::newRow("left fills") << Qt::LeftButton << int(csFilled);
    QTest::newRow("right marks empty") << Qt::RightButton << int(csEmpty);
  }
  void aClickMarksTheCellWithOneRecord() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, state);
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    const CellPos p = f.picture(2, 3);
    press(f, p, button);
    QCOMPARE(f.cell(p).State, state);
    QCOMPARE(f.model().UndoList, (std::vector<TUndoRec>{{csBlank, p.x, p.y}}));
    QCOMPARE(f.model().MarkedCount, 1);
    QVERIFY(f.host.save && f.host.undo);
    QCOMPARE(f.platform->beeps, 0);
  }

  void aDragMarksEveryCellEnteredAndTheReleaseWipesTheCross() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    moveTo(f, f.picture(1, 2), Qt::NoButton);
    press(f, f.picture(1, 2), Qt::LeftButton);
    for (int c = 2; c <= 5; ++c) moveTo(f, f.picture(c, 2), Qt::LeftButton);
    QCOMPARE(f.model().UndoList.size(), 5u);
    QCOMPARE(f.model().MarkedCount, 5);
    QCOMPARE(f.platform->beeps, 0);
    QVERIFY(f.grid->CrossShown());
    const Rect& filled = f.cell(f.picture(2, 2)).region.box;
    QVERIFY(hasPixel(f.grid->image(), filled, Qt::white));  // a run length on a filled cell
    release(f, f.picture(5, 2), Qt::LeftButton);
    QVERIFY(!hasPixel(f.grid->image(), filled, Qt::white));
  }

  void movesWithKeysOrOtherButtonsOnlyMoveTheHighlight_data() {
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::newRow("left with Shift") << Qt::MouseButtons(Qt::LeftButton)
                                     << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("right with Ctrl") << Qt::MouseButtons(Qt::RightButton)
                                     << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("both buttons") << (Qt::LeftButton | Qt::RightButton) << Qt::KeyboardModifiers();
    QTest::newRow("middle button") << Qt::MouseButtons(Qt::MiddleButton)
                                   << Qt::KeyboardModifiers();
  }
  void movesWithKeysOrOtherButtonsOnlyMoveTheHighlight() {
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(Qt::KeyboardModifiers, keys);
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    for (int c = 1; c <= 5; ++c) moveTo(f, f.picture(c, 4), buttons, keys);
    QCOMPARE(f.model().HoverCell, f.picture(5, 4));
    QCOMPARE(f.model().MarkedCount, 0);
    QVERIFY(f.model().UndoList.empty());
    QVERIFY(!f.grid->CrossShown());
  }

  void hoveringHighlightsTheCluesOfTheLinesUntilThePointerLeaves() {
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    const CellPos p = f.picture(3, 2);
    // Through the window, so that the move arrives only if the field tracks the mouse.
    QTest::mouseMove(f.grid->windowHandle(), f.centre(p));
    QCOMPARE(f.model().HoverCell, p);
    const CellPos columnClue{p.x, 1};
    const CellPos rowClue{1, p.y};
    QCOMPARE(f.fillAt(columnClue), QColor(255, 255, 0));
    QCOMPARE(f.fillAt(rowClue), QColor(255, 255, 0));
    QVERIFY(f.grid->CrossShown());  // DigCr is on by default
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.grid.get(), &leave);
    QCOMPARE(f.fillAt(columnClue), kButtonFace);
    QCOMPARE(f.fillAt(rowClue), kButtonFace);
    QCOMPARE(f.model().HoverCell, p);
  }

  void aDoubleClickErasesWhatTheFirstPressLeft_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("beeps");
    QTest::newRow("undecided: marked, then erased") << "?" << 2 << 0;
    QTest::newRow("marked: refused, then erased") << "#" << 1 << 1;
  }
  void aDoubleClickErasesWhatTheFirstPressLeft() {
    QFETCH(QString, picture);
    QFETCH(int, records);
    QFETCH(int, beeps);
    FieldFixture f({Clues(1), Clues(1), {picture.toStdString()}}, kSolvingMode);
    const CellPos p = f.picture(1, 1);
    QTest::mouseDClick(f.grid->windowHandle(), Qt::LeftButton, {}, f.centre(p));
    QCOMPARE(f.cell(p).State, csBlank);
    QCOMPARE(f.model().MarkedCount, 0);
    QCOMPARE(int(f.model().UndoList.size()), records);
    QCOMPARE(f.platform->beeps, beeps);
  }

  void aDoubleClickOffThePictureChangesNothing() {
    FieldFixture f({Clues(2), Clues(2), {"#?", "??"}}, kSolvingMode);
    QTest::mouseDClick(f.grid->windowHandle(), Qt::LeftButton, {}, f.centre({1, 2}));
    QTest::mouseDClick(f.grid->windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(f.model().UndoList.empty());
    QCOMPARE(f.model().MarkedCount, 1);
  }

  void markingAMarkedCellBeepsAndRecordsNothing() {
    FieldFixture f({Clues(1), Clues(1), {"."}}, kSolvingMode);
    press(f, f.picture(1, 1), Qt::LeftButton);
    QCOMPARE(f.platform->beeps, 1);
    QCOMPARE(f.cell(f.picture(1, 1)).State, csEmpty);
    QVERIFY(f.model().UndoList.empty());
    QVERIFY(!f.host.save);
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

  void theFirstClickAfterALoadDoesNothingAtAll() {
    FieldFixture f({Clues(1), Clues(1), {"#"}}, kSolvingMode);
    SkipNextMark = true;
    press(f, f.picture(1, 1), Qt::LeftButton);
    QCOMPARE(f.platform->beeps, 0);
    QVERIFY(!SkipNextMark);
    press(f, f.picture(1, 1), Qt::LeftButton);
    QCOMPARE(f.platform->beeps, 1);
  }

  void clicksOutsideSolvingModeMarkNothing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("onClue");
    QTest::addColumn<bool>("cursorMoves");
    QTest::newRow("editor, clue cell: the cursor moves") << int(kEditorMode) << true << true;
    QTest::newRow("editor, picture cell") << int(kEditorMode) << false << false;
    QTest::newRow("view, clue cell") << int(kViewMode) << true << false;
    QTest::newRow("view, picture cell") << int(kViewMode) << false << false;
  }
  void clicksOutsideSolvingModeMarkNothing() {
    QFETCH(int, mode);
    QFETCH(bool, onClue);
    QFETCH(bool, cursorMoves);
    FieldFixture f(kBlankFiveByFive, Mode(mode));
    const CellPos start = f.model().EditCursor;
    const CellPos target = onClue ? CellPos{1, 4} : f.picture(2, 2);
    press(f, target, Qt::RightButton);
    QCOMPARE(f.model().EditCursor, cursorMoves ? target : start);
    QCOMPARE(f.cell(target).State, std::uint8_t(cursorMoves ? csSelected : 0));
    QCOMPARE(f.model().MarkedCount, 0);
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
    const Rect& box = f.cell(p).region.box;
    QCOMPARE(f.platform->pointerMoves,
             (std::vector<QPoint>{f.grid->mapToGlobal(QPoint(box.left + half, box.top + half))}));
  }

  void undoingTheLastMarkKeepsSaveForOtherChanges_data() {
    QTest::addColumn<bool>("modified");
    QTest::newRow("nothing else changed: Save off") << false;
    QTest::newRow("clues were typed: Save stays") << true;
  }
  void undoingTheLastMarkKeepsSaveForOtherChanges() {
    QFETCH(bool, modified);
    FieldFixture f(kBlankFiveByFive, kSolvingMode);
    f.model().Modified = modified;
    press(f, f.picture(1, 1), Qt::LeftButton);
    press(f, f.picture(2, 1), Qt::LeftButton);
    f.grid->Undo();
    QVERIFY(f.host.save && f.host.undo);
    f.grid->Undo();
    QCOMPARE(f.host.save, modified);
    QVERIFY(!f.host.undo);
    QCOMPARE(f.grid->IsModified(), modified);
  }

  void altBackspaceInEditorModeDoesNothing() {
    FieldFixture f({Clues(1), Clues(1), {}}, kEditorMode);
    f.cell(f.model().EditCursor).Text = "12";
    f.model().UndoList.push_back({csBlank, f.picture(1, 1).x, f.picture(1, 1).y});
    QTest::keyClick(f.grid.get(), Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(f.model().UndoList.size(), 1u);
    QCOMPARE(f.cell(f.model().EditCursor).Text, std::string("12"));
    QVERIFY(f.platform->pointerMoves.empty());
  }
};

int runFieldMouseTests(int argc, char** argv) {
  FieldMouseTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace jcw::test

#include "FieldMouseTest.moc"
