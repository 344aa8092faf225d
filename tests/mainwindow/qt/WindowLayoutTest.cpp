// The main window's layout as a user sees it: the field fills the window beside the tool panel,
// the panel takes the side with more room, the window fits the work area, the menu button
// covers the corner block, and the user's drags are laid out when they end.

#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "mainwindow/qt/MainWindowFixture.h"
#include "mainwindow/qt/MoveLoop.h"
#include "mainwindow/qt/WindowLayout.h"

namespace jcw::test {

class WindowLayoutTest : public MainWindowFixture {
  Q_OBJECT

  // The field, its extra pixels included, fits `room`, and one pixel more per cell would not.
  bool wholeFieldIsLargestFor(QSize room) {
    const QSize field = form().field()->size();
    const bool fits = field.width() <= room.width() && field.height() <= room.height();
    const bool largerFits = field.width() + model().W1() <= room.width() &&
                            field.height() + model().H1() <= room.height();
    return fits && !largerFits;
  }

 private slots:
  void hidingTheToolPanelMovesTheFieldToTheCorner() {
    open(emptyTwentyByFifteen(), kEditorMode);
    form().MainBtnMouseDown();
    item("NTools")->trigger();
    QVERIFY(!child<QWidget>("PanelTools")->isVisible());
    QVERIFY(windowIsFieldAndPanel());  // the field alone, in the corner
  }

  void theToolPanelTakesTheSideWithMoreRoom_data() {
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<bool>("left");
    QTest::newRow("a wide short screen puts it left") << QRect(0, 0, 1600, 500) << true;
    QTest::newRow("a square screen puts it on top") << QRect(0, 0, 900, 900) << false;
  }

  void theToolPanelTakesTheSideWithMoreRoom() {
    QFETCH(QRect, workArea);
    QFETCH(bool, left);
    scripted().area = workArea;
    open(emptyTwentyByFifteen(), kEditorMode);
    QVERIFY(child<QWidget>("PanelTools")->isVisible());
    QCOMPARE(panelAlong(ToolSide::Left), left);
    QCOMPARE(panelAlong(ToolSide::Top), !left);
    QVERIFY(windowIsFieldAndPanel());
  }

  void theToolPanelChangesSidesAtTheEndOfAUsersDrag() {
    scripted().area = QRect(0, 0, 1600, 500);
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QVERIFY(panelAlong(ToolSide::Left));
    scripted().area = QRect(0, 0, 900, 900);  // on a screen with more room below
    form.resize(form.width() - 50, form.height() - 50);
    QVERIFY(panelAlong(ToolSide::Left));  // not during the drag
    QTRY_VERIFY(panelAlong(ToolSide::Top));
    QVERIFY(WindowActive);
    QVERIFY(windowIsFieldAndPanel());
  }

  void maximumSizeFitsTheWorkAreaCentredWhenItIsCheckedAgain() {
    const QRect work(100, 50, 900, 900);
    scripted().area = work;
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.MainBtnMouseDown();
    const QRect before = form.geometry();
    item("NMax")->trigger();  // unchecked: the window stays as it is
    QVERIFY(!Maximize);
    QCOMPARE(form.geometry(), before);

    item("NMax")->trigger();
    QVERIFY(Maximize);
    const QRect frame = form.frameGeometry();
    QVERIFY(work.contains(frame));
    QVERIFY(std::abs((frame.left() - work.left()) - (work.right() - frame.right())) <= 1);
    QVERIFY(std::abs((frame.top() - work.top()) - (work.bottom() - frame.bottom())) <= 1);
    QVERIFY(windowIsFieldAndPanel());
    QVERIFY(wholeFieldIsLargestFor(besidePanel(work.size() - (frame.size() - form.size()))));
  }

  // Dividing the room by the cells alone leaves no room for the field's extra pixels: these
  // screens got windows up to 4 pixels wider or taller than themselves.
  void theMaximisedWindowStaysInsideTheWorkArea_data() {
    QTest::addColumn<QRect>("workArea");
    QTest::newRow("wide: the panel left") << QRect(0, 0, 1600, 906);
    QTest::newRow("too wide and too tall: the panel on top") << QRect(0, 0, 890, 722);
    QTest::newRow("away from the screen's corner") << QRect(60, 30, 1600, 906);
  }
  void theMaximisedWindowStaysInsideTheWorkArea() {
    QFETCH(QRect, workArea);
    scripted().area = workArea;
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.fitToWorkArea();
    QVERIFY2(workArea.contains(form.frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(form.width()).arg(form.height())));
    QVERIFY(windowIsFieldAndPanel());
    const QSize frame = form.frameGeometry().size() - form.size();
    QVERIFY(wholeFieldIsLargestFor(besidePanel(workArea.size() - frame)));
  }

  // At 1000 x 760 a 100 x 100 crossword would need cells of 6 pixels to fit.
  void aHundredByHundredTakesTheWorkAreaAtReadableCellsAndScrolls() {
    Crossword crossword;
    crossword.allocate({100, 100, 10, 10});
    TForm1& form = open(std::move(crossword), kSolvingMode);
    QCOMPARE(form.field()->cellSize(), int(MinCellSize));
    QCOMPARE(form.frameGeometry(), scripted().area);
    QVERIFY(windowIsFieldAndPanel());
    QVERIFY(child<QWidget>("FieldScrollX")->isVisible());
    QVERIFY(child<QWidget>("FieldScrollY")->isVisible());
  }

  // The cell under the view's middle stays under the same screen point through the zoom.
  void zoomingInHoldsTheAnchoredCellAndTheWholeCrosswordFitsAgain() {
    Crossword crossword;
    crossword.allocate({100, 100, 10, 10});
    TForm1& form = open(std::move(crossword), kSolvingMode);
    TGrid& field = *form.field();
    const QPoint middle(field.view().width / 2, field.view().height / 2);
    const QPoint onScreen = field.mapToGlobal(middle);
    const CellPos held = field.CellAtPoint(middle.x(), middle.y());
    QVERIFY(model().isPicture(held.x, held.y));
    for (int step = 0; step < 3; ++step) {
      const int before = field.cellSize();
      const QPoint at = field.mapFromGlobal(onScreen);
      form.zoomField(ZoomStep::In, at.x(), at.y());
      QVERIFY(field.cellSize() > before &&
              field.cellSize() <= std::max(before + 1, before * 115 / 100));
      const QPoint now = field.mapFromGlobal(onScreen);
      QCOMPARE(field.CellAtPoint(now.x(), now.y()), held);
    }
    item("NZoomWhole")->trigger();
    QVERIFY(field.cellSize() < int(MinCellSize));
    QVERIFY(!child<QWidget>("FieldScrollX")->isVisible());
    QVERIFY(!child<QWidget>("FieldScrollY")->isVisible());
    QVERIFY(windowIsFieldAndPanel());
  }

  void withoutMaximumSizeTheWindowWrapsTheLargestFieldOfTheDefaultClientArea() {
    Maximize = false;
    scripted().area = QRect(0, 0, 2000, 700);  // wide: the panel goes left
    open(emptyTwentyByFifteen(), kEditorMode);
    QVERIFY(cellsAreLargestFor(WindowLayout::kDefaultClient));
    QVERIFY(panelAlong(ToolSide::Left));
    QVERIFY(windowIsFieldAndPanel());
  }

  void theMenuButtonCoversTheCornerBlockAfterEveryLayout() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    const auto coversCorner = [&] {
      // Nothing under the button is a cell; the header cells begin right beside and below it,
      // and their outer edges line up with its own.
      const QRect btn = child<QPushButton>("MainBtn")->geometry().translated(-form.field()->pos());
      const QRect columnClue = form.field()->cellRect(CapColCount + 1, 1);
      const QRect rowClue = form.field()->cellRect(1, CapRowCount + 1);
      const auto hit = [&](QPoint p) { return form.field()->CellAtPoint(p.x(), p.y()); };
      return hit(btn.topLeft()) == CellPos{} && hit(btn.bottomRight()) == CellPos{} &&
             hit(btn.topRight() + QPoint(2, 0)) == CellPos{CapColCount + 1, 1} &&
             hit(btn.bottomLeft() + QPoint(0, 2)) == CellPos{1, CapRowCount + 1} &&
             std::abs(btn.left() - rowClue.left()) <= 1 &&
             std::abs(btn.top() - columnClue.top()) <= 1;
    };
    QVERIFY(coversCorner());
    const int before = form.field()->cellSize();
    form.resize(form.width() / 2, form.height() / 2);  // as the user's drag would
    QVERIFY(form.field()->cellSize() < before);
    QVERIFY(coversCorner());
  }

  void aResizeByTheUserRelaysOutAndRunsAMoveLoop() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QVERIFY(WindowActive);
    form.resize(700, 500);
    QVERIFY(!WindowActive);  // inside the emulated move loop
    QVERIFY(cellsAreLargestFor(besidePanel({700, 500})));
    QVERIFY(windowIsFieldAndPanel());
    QCOMPARE(model().cell(6, 1).State, csSelected);  // the editor cursor survives the rebuild
    const QSize laidOut = form.size();
    QTRY_VERIFY(WindowActive);  // the loop ended
    QCOMPARE(form.size(), laidOut);
  }

  void aMoveLoopBeginsOnceAndEndsWhenTheWindowIsStill() {
    int begins = 0;
    int ends = 0;
    MoveLoop loop([&] { ++begins; }, [&] { ++ends; }, 30);
    loop.windowChanged();
    loop.windowChanged();
    loop.windowChanged();
    QCOMPARE(begins, 1);
    QCOMPARE(ends, 0);
    QTRY_COMPARE(ends, 1);
    loop.windowChanged();
    QCOMPARE(begins, 2);
  }
};

}  // namespace jcw::test

QTEST_MAIN(jcw::test::WindowLayoutTest)
#include "WindowLayoutTest.moc"
