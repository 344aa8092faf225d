// Picture mode inside the real main window: strokes with their tools, clues and headers that
// follow, undo per stroke, the live analysis with its hatch, and a suggested fix applied.

#include "files/ClueLists.h"
#include "files/DrawnPicture.h"
#include "mainwindow/qt/MainWindowFixture.h"
#include "model/PictureText.h"

namespace jcw::test {

class PictureModeTest : public MainWindowFixture {
  Q_OBJECT

  // The middle of picture cell (c, r), from 0, in the field's pixels.
  QPoint middleOf(int c, int r) {
    const Crossword& crossword = model();
    return form()
        .field()
        ->cellRect(crossword.firstPictureX() + c, crossword.firstPictureY() + r)
        .center();
  }
  void stroke(std::initializer_list<std::pair<int, int>> path, Qt::MouseButton button,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
    TGrid* field = form().field();
    const auto [c0, r0] = *path.begin();
    QTest::mousePress(field, button, keys, middleOf(c0, r0));
    for (const auto& [c, r] : path) QTest::mouseMove(field, middleOf(c, r));
    const auto [cn, rn] = *(path.end() - 1);
    QTest::mouseRelease(field, button, keys, middleOf(cn, rn));
  }
  QString status() { return child<QLabel>("PictureStatus")->text(); }
  Crossword blankFiveByFour() {
    return makeCrossword({{{}, {}, {}, {}}, {{}, {}, {}, {}, {}}, {}, 0, 0});
  }

 private slots:
  void strokesDrawAndTheCluesFollowStepByStep() {
    open(blankFiveByFour(), kEditorMode);
    item("NDraw")->trigger();
    QCOMPARE(CurrentMode, std::uint8_t{kPictureMode});
    QVERIFY(scripted().messages.empty());  // blank clues are the blank picture's: nothing to ask
    QVERIFY(form().windowTitle().contains(QStringLiteral("рисование")));

    stroke({{0, 0}, {4, 0}}, Qt::LeftButton, Qt::ShiftModifier);    // a line
    stroke({{1, 2}, {3, 3}}, Qt::LeftButton, Qt::ControlModifier);  // a rectangle
    stroke({{2, 0}, {2, 1}, {2, 2}}, Qt::RightButton);              // a free clearing drag
    QCOMPARE(pictureRows(model()), (std::vector<std::string>{"##?##", "?????", "?#?#?", "?###?"}));
    QCOMPARE(cluesOf(model()),
             (ClueLists{{{2, 2}, {}, {1, 1}, {3}}, {{1}, {1, 2}, {1}, {1, 2}, {1}}}));
    QCOMPARE(model().dims().CapRowCount, std::uint8_t{2});

    item("NUndo")->trigger();
    QCOMPARE(pictureRows(model()), (std::vector<std::string>{"#####", "?????", "?###?", "?###?"}));
    QVERIFY(cluesMatchPicture(model()));
    item("NUndo")->trigger();
    item("NUndo")->trigger();
    QCOMPARE(model().dims(), (Dimensions{5, 4, 1, 1}));
    QVERIFY(!item("NUndo")->isEnabled());
    item("NRedo")->trigger();
    QCOMPARE(cluesOf(model()).rows.front(), (ClueLine{5}));

    const QList<QAction*> items = child<QMenu>("NPicture")->actions();
    items.at(3)->trigger();  // a column at the left, after drawing, the fixes and a separator
    QCOMPARE(pictureRows(model()).front(), std::string("?#####"));
    QCOMPARE(cluesOf(model()).columns.front(), ClueLine{});
    QVERIFY(form().windowTitle().endsWith(QStringLiteral("6x4")));
  }

  void theAnalysisHatchesTwoPicturesAndTheFirstFixMakesOne() {
    open(blankFiveByFour(), kEditorMode);
    item("NDraw")->trigger();
    stroke({{1, 1}}, Qt::LeftButton);
    stroke({{2, 2}}, Qt::LeftButton);
    QTRY_VERIFY(status().startsWith(QStringLiteral("Несколько решений")));
    const Crossword& crossword = model();
    const int x = crossword.firstPictureX();
    const int y = crossword.firstPictureY();
    QVERIFY(form().field()->isDiffering(x + 1, y + 1));
    QVERIFY(form().field()->isDiffering(x + 2, y + 1));
    QVERIFY(!form().field()->isDiffering(x, y));

    item("NSuggest")->trigger();  // in the picture menu
    auto* fixes = child<QMenu>("PictureFixes");
    QTRY_VERIFY(!fixes->actions().isEmpty());
    QVERIFY(fixes->actions().front()->text().endsWith(QStringLiteral("станет единственным")));
    fixes->actions().front()->trigger();
    QTRY_VERIFY(status().startsWith(QStringLiteral("Единственное решение")));
    item("NUndo")->trigger();  // the fix was one step
    QCOMPARE(model().countMarked(), 2);
  }

  void drawingStartsFromTheGoalReadWithTheCrossword() {
    Crossword read = pictureCrossword(kDiagonal);  // two pictures: only the goal says which
    read.info.goal = {".#", "#."};
    open(std::move(read), kSolvingMode);
    QVERIFY(scripted().messages.empty());  // a player is not shown the goal
    scripted().answers.push_back(Answer::Yes);
    item("NDraw")->trigger();
    QCOMPARE(scripted().messages.size(), std::size_t{1});
    QVERIFY(scripted().messages.front().text.contains(QStringLiteral("из файла")));
    QCOMPARE(CurrentMode, std::uint8_t{kPictureMode});
    QCOMPARE(pictureRows(model()), (std::vector<std::string>{"?#", "#?"}));
  }

  void aSolvedCrosswordOffersItsSolutionAsThePicture() {
    open(pictureCrossword(kStairs), kSolvingMode);
    scripted().answers.push_back(Answer::Yes);
    item("NDraw")->trigger();
    QCOMPARE(scripted().messages.size(), std::size_t{1});
    QCOMPARE(CurrentMode, std::uint8_t{kPictureMode});
    QCOMPARE(pictureRows(model()),
             (std::vector<std::string>{"#????", "##?#?", "?###?", "??###", "???#?"}));
    item("NEdit")->trigger();
    item("NDraw")->trigger();  // back and forth: nothing asked, nothing lost
    QCOMPARE(scripted().messages.size(), std::size_t{1});
    QCOMPARE(cluesOf(model()), cluesOf(pictureCrossword(kStairs)));
  }
};

}  // namespace jcw::test

QTEST_MAIN(jcw::test::PictureModeTest)
#include "PictureModeTest.moc"
