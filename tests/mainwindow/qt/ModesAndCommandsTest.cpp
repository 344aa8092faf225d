// The main window's modes and its commands: titles, menu items and tool buttons per mode, Start,
// Editor, Clear, Undo, a new field, and what the field paints in each mode.

#include <QPointer>

#include "field/qt/MoveCursorEvent.h"

#include "files/ClueLists.h"
#include "mainwindow/qt/MainWindowFixture.h"
#include "settings/qt/SettingsSession.h"

namespace jcw::test {

const QString kClearText = QStringLiteral(
    "Вы действительно хотите очистить все поле?\n\rОчистку можно отменить (Alt+Backspace).");

class ModesAndCommandsTest : public MainWindowFixture {
  Q_OBJECT

 private slots:
  void titlesAndCommandsFollowTheMode_data() {
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QList<int>>("modes");  // SetMode calls after opening in the editor
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<bool>("editEnabled");
    QTest::addColumn<QString>("startShortcut");
    QTest::addColumn<QString>("editShortcut");
    QTest::addColumn<int>("startPicture");
    QTest::addColumn<QString>("startHint");
    QTest::addColumn<bool>("tipEnabled");
    QTest::addColumn<bool>("autoEnabled");
    QTest::addColumn<QColor>("headerColor");
    const QColor yellow(255, 255, 0);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    QTest::newRow("a new crossword in the editor")
        << QString() << QList<int>{} << "Японский кроссворд - режим редактирования - 20x15"
        << true << false << "F9" << "" << 1 << "Старт" << false << true << yellow;
    QTest::newRow("a crossword without a file while solving")
        << QString() << QList<int>{1} << "Японский кроссворд - 20x15" << false << true << ""
        << "F9" << 0 << "Редактор" << true << true << face;
    QTest::newRow("a crossword from cat.jcw while solving")
        << " (cat)" << QList<int>{1} << "Японский кроссворд (cat) - 20x15" << false << true << ""
        << "F9" << 0 << "Редактор" << true << true << face;
    QTest::newRow("the view keeps the start button and the header colour")
        << " (cat)" << QList<int>{1, 2} << "Японский кроссворд (cat) - просмотр" << true << true
        << "" << "F9" << 0 << "Редактор" << false << false << face;
    QTest::newRow("back in the editor from the view")
        << QString() << QList<int>{1, 2, 0} << "Японский кроссворд - режим редактирования - 20x15"
        << true << false << "F9" << "" << 1 << "Старт" << false << true << yellow;
  }

  void titlesAndCommandsFollowTheMode() {
    QFETCH(QString, shortName);
    QFETCH(QList<int>, modes);
    CurShortName = shortName.toStdString();
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    for (int mode : modes) form.SetMode(mode);
    QTEST(form.windowTitle(), "title");
    QTEST(item("NStart")->isEnabled(), "startEnabled");
    QTEST(item("NEdit")->isEnabled(), "editEnabled");
    QTEST(itemShortcut(item("NStart")), "startShortcut");
    QTEST(itemShortcut(item("NEdit")), "editShortcut");
    QTEST(form.startButtonPicture(), "startPicture");
    QTEST(button("SBStart")->toolTip(), "startHint");
    QTEST(button("SBTip")->isEnabled(), "tipEnabled");
    QTEST(item("NHelp")->isEnabled(), "tipEnabled");
    QTEST(button("SBAuto")->isEnabled(), "autoEnabled");
    QTEST(item("NAuto")->isEnabled(), "autoEnabled");
    QTEST(toQColor(HeaderColor), "headerColor");
    QVERIFY(LayoutReady);
  }

  void theEditorSelectsTheTopClueCellOfTheFirstPictureColumn() {
    open(emptyTwentyByFifteen(), kEditorMode);
    QCOMPARE(model().EditCursor, (CellPos{6, 1}));
    QCOMPARE(model().cell(6, 1).State, csSelected);
    form().SetMode(kSolvingMode);
    QCOMPARE(model().cell(6, 1).State, csBlank);
  }

  void startRefusesUnequalClueSumsSayingWhyEveryTime() {
    TForm1& form = open(test::makeCrossword({Clues{{2}}, Clues{{1}, {}}, {}}), kEditorMode);
    scripted().answers = {Answer::Ok, Answer::Ok};
    form.NStartClick();
    QCOMPARE(CurrentMode, kEditorMode);
    QCOMPARE(scripted().messages.size(), 1u);
    QCOMPARE(scripted().messages[0].icon, Icon::Exclamation);
    QVERIFY(item("NStart")->isEnabled());  // no line overflows: the sums are told at each try
    form.NStartClick();
    QCOMPARE(scripted().messages.size(), 2u);
    QCOMPARE(scripted().messages[1].text, scripted().messages[0].text);
    QCOMPARE(CurrentMode, kEditorMode);
    button("SBStart")->click();  // the tool button switches without the check
    QCOMPARE(CurrentMode, kSolvingMode);
  }

  void startReevaluatesEveryLine() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kEditorMode);
    const int topRow = model().firstPictureY();
    model().RowsRight.reset();
    form.NStartClick();
    QCOMPARE(CurrentMode, kSolvingMode);
    QVERIFY(model().RowsRight.test(topRow));
    QVERIFY(scripted().messages.empty());
  }

  void aTypedZeroIsNoClueOnceSolvingStarts_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("F9") << true;
    QTest::newRow("the start button") << false;
  }
  void aTypedZeroIsNoClueOnceSolvingStarts() {
    QFETCH(bool, byKey);
    // One row of two cells: row clue 1, column clues 1 and a "0" typed at the second column.
    TForm1& form = open(test::makeCrossword({Clues{{1}}, Clues{{1}, {}}, {}}), kEditorMode);
    const int x = model().firstPictureX() + 1;
    MoveCursorEvent move(x, 1);
    QCoreApplication::sendEvent(form.field(), &move);
    QTest::keyClick(form.field(), Qt::Key_0);
    QCOMPARE(model().cell(x, 1).Text, std::string("0"));
    if (byKey)
      QTest::keyClick(form.field(), Qt::Key_F9);
    else
      button("SBStart")->click();
    QCOMPARE(CurrentMode, kSolvingMode);
    QCOMPARE(model().cell(x, 1).Text, std::string());
    form.field()->MarkCell(x - 1, model().firstPictureY(), true);
    form.field()->MarkCell(x, model().firstPictureY(), false);
    QCOMPARE(CurrentMode, kViewMode);
  }

  // The editor cursor stands on the only column's clue cell through the clear.
  void aOneColumnCrosswordClearedInTheEditorCompletes() {
    TForm1& form = open(test::makeCrossword({Clues{{1}, {}}, Clues{{1}}, {}}), kEditorMode);
    scripted().answers = {Answer::Yes};
    QTest::keyClick(form.field(), Qt::Key_Delete, Qt::ControlModifier);
    button("SBStart")->click();
    form.field()->MarkCell(model().firstPictureX(), model().firstPictureY(), true);
    form.field()->MarkCell(model().firstPictureX(), model().firstPictureY() + 1, false);
    QCOMPARE(CurrentMode, kViewMode);
  }

  void clearAsksFirst_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<int>("modeAfter");
    QTest::newRow("No while solving changes nothing") << 1 << int(Answer::No) << false << 1;
    QTest::newRow("Yes while solving clears the picture") << 1 << int(Answer::Yes) << true << 1;
    QTest::newRow("Yes in the view clears and returns to the editor")
        << 2 << int(Answer::Yes) << true << 0;
  }

  void clearAsksFirst() {
    QFETCH(int, mode);
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    form.SetMode(mode);
    scripted().answers = {Answer(answer)};
    form.NClearClick();

    QCOMPARE(scripted().messages.size(), 1u);
    const MessageRequest& box = scripted().messages[0];
    QCOMPARE(box.text, kClearText);
    QCOMPARE(box.caption, QStringLiteral("Японский кроссворд"));
    QCOMPARE(box.buttons, Buttons::YesNo);
    QCOMPARE(box.icon, Icon::Exclamation);
    QCOMPARE(box.defaultButton, Answer::No);

    QCOMPARE(model().MarkedCount, cleared ? 0 : 3);
    QCOMPARE(model().cell(model().firstPictureX(), model().firstPictureY()).State,
             cleared ? csBlank : csFilled);
    QCOMPARE(model().history.steps().size(), cleared ? 1u : 0u);
    QTEST(int(CurrentMode), "modeAfter");
    if (cleared) {
      QVERIFY(form.field()->IsModified());
      QVERIFY(button("SBSave")->isEnabled());
      QCOMPARE(button("SBUndo")->isEnabled(), CurrentMode == kSolvingMode);
      QVERIFY(!model().RowsRight.test(model().firstPictureY()));
    }
  }

  void undoAndRedoWalkTheHistoryOnlyWhileSolving() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    const int x = model().firstPictureX() + 1;
    const int y = model().firstPictureY() + 1;
    form.field()->MarkCell(x, y, true);
    QVERIFY(button("SBUndo")->isEnabled() && !button("SBRedo")->isEnabled());
    form.SetMode(kEditorMode);
    QVERIFY(!button("SBUndo")->isEnabled());
    item("NUndo")->trigger();
    QCOMPARE(model().cell(x, y).State, csFilled);
    form.SetMode(kSolvingMode);
    button("SBUndo")->click();
    QCOMPARE(model().cell(x, y).State, csBlank);
    QVERIFY(!button("SBUndo")->isEnabled() && !button("SBSave")->isEnabled());
    QVERIFY(item("NRedo")->isEnabled());
    button("SBRedo")->click();
    QCOMPARE(model().cell(x, y).State, csFilled);
    QVERIFY(button("SBSave")->isEnabled() && !item("NRedo")->isEnabled());
  }

  void checkpointCommandsFollowTheNewestCheckpoint() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    const int x = model().firstPictureX() + 1;
    const int y = model().firstPictureY() + 1;
    QVERIFY(button("SBCheckpoint")->isEnabled() && !button("SBBackToCheckpoint")->isEnabled());
    item("NCheckpoint")->trigger();
    QVERIFY(button("SBBackToCheckpoint")->isEnabled() && item("NAcceptCheckpoint")->isEnabled());
    form.field()->MarkCell(x, y, true);
    button("SBBackToCheckpoint")->click();
    QCOMPARE(model().cell(x, y).State, csBlank);
    QVERIFY(!button("SBAcceptCheckpoint")->isEnabled());
    button("SBCheckpoint")->click();
    form.field()->MarkCell(x, y, false);
    item("NAcceptCheckpoint")->trigger();
    QCOMPARE(model().cell(x, y).State, csEmpty);
    QVERIFY(model().history.checkpoints().empty());
  }

  // smallSolvable's one picture is "###" over "..#": a filled cell at the bottom left is wrong.
  void theCheckCountsAndOutlinesWrongMarksAndTheWayBackDropsThem() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    const int x = model().firstPictureX();
    const int y = model().firstPictureY() + 1;
    form.field()->MarkCell(x + 2, y, true);  // right
    form.field()->MarkCell(x, y, true);      // wrong
    scripted().answers = {Answer::Yes};
    item("NCheck")->trigger();
    QCOMPARE(scripted().messages.back().text, QStringLiteral("Неверных отметок: 1.\nПоказать их?"));
    QVERIFY(form.field()->isDiffering(x, y));
    QVERIFY(!form.field()->isDiffering(x + 2, y));
    const std::size_t steps = model().history.steps().size();
    item("NBackToRight")->trigger();
    QCOMPARE(model().cell(x, y).State, csBlank);
    QCOMPARE(model().cell(x + 2, y).State, csFilled);
    QCOMPARE(model().history.steps().size(), steps + 1);
    scripted().answers = {Answer::Ok};
    item("NCheck")->trigger();
    QCOMPARE(scripted().messages.back().text, QStringLiteral("Неверных отметок нет."));
  }

  void withSeveralSolutionsTheCheckSaysWhetherTheMarksStillFitOne() {
    open(test::makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#?", "??"}}), kSolvingMode);
    scripted().answers = {Answer::Ok};
    item("NCheck")->trigger();
    QCOMPARE(scripted().messages.back().text,
             QStringLiteral("Решений несколько; ваши отметки подходят хотя бы к одному из них."));
    model().cell(model().firstPictureX() + 1, model().firstPictureY()).State = csFilled;
    scripted().answers = {Answer::Ok};
    item("NCheck")->trigger();
    QCOMPARE(scripted().messages.back().text,
             QStringLiteral("Решений несколько, но ваши отметки не подходят ни к одному из них."));
  }

  // The one-line hint names its line and counts its cells; where no line advances and no cell
  // is proved (the framed diagonal fits two pictures) it says so and marks nothing.
  void theOneLineHintSaysWhatItDecided() {
    open(test::pictureCrossword(test::kStairs), kSolvingMode);
    scripted().answers = {Answer::Ok};
    item("NHintLine")->trigger();
    QCOMPARE(scripted().messages.back().text, QStringLiteral("Строка 2: 1 клетка"));
    QCOMPARE(model().history.steps().size(), 1u);
    QCOMPARE(model().cell(model().firstPictureX() + 1, model().firstPictureY() + 1).State,
             csFilled);
    const ClueLists framed = cluesOf(test::pictureCrossword(test::kFramedDiagonal));
    open(test::makeCrossword({framed.rows, framed.columns, test::kFramedDiagonalByLines}),
         kSolvingMode);
    scripted().answers = {Answer::Ok};
    item("NHintLine")->trigger();
    QCOMPARE(scripted().messages.back().text,
             QStringLiteral("Ни одну линию нельзя продвинуть, и проба одной клетки ничего не "
                            "доказывает."));
    QVERIFY(model().history.steps().empty());
  }

  // An aid item of either menu changes the field's aids and the crossed-off clues at once, and
  // the aids are stored when the window closes.
  void aidItemsReachTheFieldAndAreStored() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    QVERIFY(!form.field()->isCrossedOff(model().firstPictureX() - 1, model().firstPictureY()));
    item("NCrossOffLines1")->trigger();
    QCOMPARE(form.field()->aids().crossOff, CrossOffMode::CompleteLines);
    QVERIFY(form.field()->isCrossedOff(model().firstPictureX() - 1, model().firstPictureY()));
    item("NDragLock")->trigger();
    QVERIFY(form.field()->aids().dragLineLock);
    form.MainBtnMouseDown();
    QVERIFY(item("NDragLock")->isChecked() && item("NCrossOffLines")->isChecked());
    form.close();
    const AidOptions stored = storedAidOptions();
    QCOMPARE(stored.crossOff, CrossOffMode::CompleteLines);
    QVERIFY(stored.dragLineLock && !stored.emptyDots);
  }

  void clearInTheViewLeavesYellowHeadersAndNothingToUndo() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    form.SetMode(kViewMode);
    scripted().answers = {Answer::Yes};
    form.NClearClick();
    QCOMPARE(toQColor(HeaderColor), QColor(255, 255, 0));
    form.MainBtnMouseDown();
    QVERIFY(!item("NUndo")->isEnabled());
  }

  void aNewFieldAnswersToTheWindow() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QPointer<TGrid> old = form.field();
    TGrid* fresh = form.replaceField();
    QVERIFY(fresh != old.data());
    QCOMPARE(form.field(), fresh);
    fresh->SetModified(true);
    QVERIFY(button("SBSave")->isEnabled());
    QTRY_VERIFY(old.isNull());
  }

  void theFieldPaintsWhatTheModesAndOptionsSay() {
    // Three rows: right, wrong, incomplete.
    TForm1& form = open(test::makeCrossword({Clues{{3}, {1}, {1}}, Clues{{2}, {2}, {1}},
                                             {"###", "##.", ".?."}}),
                        kSolvingMode);
    const int px = model().firstPictureX();
    const int py = model().firstPictureY();
    QImage shot;
    const auto paint = [&] { shot = form.field()->grab().toImage(); };
    const auto centre = [&](int x, int y) {
      return shot.pixelColor(form.field()->cellRect(x, y).center());
    };
    // Clue cells hold digits in their middle; their corner shows the fill.
    const auto corner = [&](int x, int y) {
      return shot.pixelColor(form.field()->cellRect(x, y).topLeft() + QPoint(2, 2));
    };
    const auto leftEdge = [&](int x, int y) {
      const QRect b = form.field()->cellRect(x, y);
      return shot.pixelColor(b.left(), b.center().y());
    };
    const QColor black(0, 0, 0), white(255, 255, 255), yellow(255, 255, 0);
    const QColor green(0, 128, 0), red(255, 0, 0), frame(96, 96, 96);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);

    paint();
    QCOMPARE(centre(px, py), black);
    QCOMPARE(centre(px + 2, py + 1), white);
    QCOMPARE(centre(px + 1, py + 2), face);  // undecided
    QCOMPARE(corner(px + 1, 1), face);       // clue cells in button face while solving
    QCOMPARE(leftEdge(px + 1, py), frame);
    QCOMPARE(centre(0, py), green);
    QCOMPARE(centre(0, py + 1), red);
    QCOMPARE(centre(0, py + 2), face);

    item("NInd")->trigger();
    paint();
    QCOMPARE(centre(0, py), face);
    QCOMPARE(centre(0, py + 1), face);
    item("NInd")->trigger();
    paint();
    QCOMPARE(centre(0, py), green);
    QCOMPARE(centre(0, py + 1), red);

    form.SetMode(kViewMode);
    paint();
    QCOMPARE(centre(px, py), black);
    QCOMPARE(leftEdge(px + 1, py), black);  // no frames in the view
    QCOMPARE(centre(0, py), face);          // nor indicators

    form.SetMode(kEditorMode);
    paint();
    QCOMPARE(corner(px + 1, 1), yellow);
    QCOMPARE(corner(px, 1), QGuiApplication::palette().color(QPalette::Base));  // the cursor
  }
};

}  // namespace jcw::test

QTEST_MAIN(jcw::test::ModesAndCommandsTest)
#include "ModesAndCommandsTest.moc"
