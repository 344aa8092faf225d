// The main window on the offscreen platform, with scripted message boxes and a known work area.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <optional>

#include "field/qt/MoveCursorEvent.h"
#include "files/CrosswordFile.h"
#include "mainwindow/CellLayout.h"
#include "mainwindow/qt/MainState.h"
#include "mainwindow/qt/MoveLoop.h"
#include "mainwindow/qt/TForm1.h"
#include "mainwindow/qt/ToolPictures.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "platform/Registry.h"
#include "platform/UserDirs.h"
#include "settings/Options.h"
#include "support/Fixtures.h"
#include "support/NamedChild.h"
#include "support/ScriptedPlatform.h"

namespace jcw {
namespace {

using test::Clues;
using test::CrosswordSpec;

const QString kClearText = QStringLiteral(
    "Отменить очистку поля будет невозможно!\n\rВы действительно хотите очистить все поле?");

// The window with the save command counted, which the close query runs.
class WatchedForm : public TForm1 {
 public:
  int saves = 0;
  void NSave0Click() override { ++saves; }
};

// The stored value of an option, if any.
std::optional<std::uint32_t> storedOption(const char* name) {
  return Registry(settingsDirectory())
      .readDword(Hive::CurrentUser, "SOFTWARE\\Velmora\\DuvEviredave", name);
}

// Records the editor-cursor messages the field receives.
class MoveRecorder : public QObject {
 public:
  std::vector<int> wParams;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == MSG_MOVE_CURSOR) wParams.push_back(static_cast<MoveCursorEvent*>(event)->wParam);
    return false;
  }
};

struct Options {
  bool indErr, digCr;
  int nextDirect, go2Dig;
  bool maximize, paintOn, showTools;
  bool operator==(const Options&) const = default;
};

Options currentOptions() {
  return {IndErr, DigCr, NextDirect, Go2Dig, Maximize, PaintOn, ShowTools};
}

// A 20 x 15 picture with 5 header columns and 4 header rows and no clues.
Crossword emptyTwentyByFifteen() {
  Crossword crossword;
  crossword.allocate({20, 15, 5, 4});
  return crossword;
}

// Two rows by three columns whose clues agree; the top row is marked.
CrosswordSpec smallSolvable() {
  return {Clues{{3}, {1}}, Clues{{1}, {1}, {2}}, {"###", "???"}};
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private:
  std::optional<test::ScopedScriptedPlatform> platform_;
  std::unique_ptr<QTemporaryDir> home_;  // the user's registry and data go here
  std::unique_ptr<WatchedForm> form_;

  test::ScriptedPlatform& scripted() { return **platform_; }

  WatchedForm& open(Crossword crossword, std::uint8_t openMode) {
    setCurrentDimensions(crossword.dims());
    form_ = std::make_unique<WatchedForm>();
    form_->field()->setModel(std::move(crossword));
    OpenMode = openMode;
    form_->show();
    return *form_;
  }

  template <typename T>
  T* child(const char* name) {
    return test::namedChild<T>(*form_, name);
  }
  QAction* item(const char* name) { return child<QAction>(name); }
  QToolButton* button(const char* name) { return child<QToolButton>(name); }
  Crossword& model() { return form_->field()->model(); }

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home_->filePath(QStringLiteral("data")).toUtf8());
    resetProcessState();
    platform_.emplace();
    scripted().area = QRect(0, 0, 1000, 760);
  }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* menu = qobject_cast<QMenu*>(w)) menu->hide();
    if (form_) {
      scripted().answers.assign(8, Answer::No);  // a modified crossword asks on close
      form_.reset();
      scripted().answers.clear();  // the close's answers are no part of the test's script
    }
    platform_.reset();
  }

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
    QTEST(HeaderColor, "headerColor");
    QVERIFY(LayoutReady);
  }

  void theEditorSelectsTheTopClueCellOfTheFirstPictureColumn() {
    open(emptyTwentyByFifteen(), kEditorMode);
    QCOMPARE(model().EditCursor, (CellPos{6, 1}));
    QCOMPARE(model().cell(6, 1).State, csSelected);
    form_->SetMode(kSolvingMode);
    QCOMPARE(model().cell(6, 1).State, csBlank);
  }

  void startRefusesUnequalClueSumsOnceAndThenSilently() {
    TForm1& form = open(test::makeCrossword({Clues{{2}}, Clues{{1}, {}}, {}}), kEditorMode);
    scripted().answers = {Answer::Ok};
    form.NStartClick();
    QCOMPARE(CurrentMode, kEditorMode);
    QCOMPARE(scripted().messages.size(), 1u);
    QCOMPARE(scripted().messages[0].icon, Icon::Exclamation);
    form.NStartClick();  // Start is disabled now: no second message
    QCOMPARE(scripted().messages.size(), 1u);
    QCOMPARE(CurrentMode, kEditorMode);
    form.SBStartClick();  // the tool button switches without the check
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
    model().UndoList.push_back({csBlank, 4, 3});
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
    QCOMPARE(model().UndoList.empty(), cleared);
    QTEST(int(CurrentMode), "modeAfter");
    if (cleared) {
      QVERIFY(form.field()->IsModified());
      QVERIFY(button("SBSave")->isEnabled());
      QVERIFY(!button("SBUndo")->isEnabled());
      QVERIFY(!model().RowsRight.test(model().firstPictureY()));
    }
  }

  void undoTakesTheLastMarkBackOnlyWhileSolving() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    const int x = model().firstPictureX() + 1;
    const int y = model().firstPictureY() + 1;
    form.field()->MarkCell(x, y, true);
    QVERIFY(button("SBUndo")->isEnabled());
    form.SetMode(kEditorMode);
    item("NUndo")->trigger();
    QCOMPARE(model().cell(x, y).State, csFilled);
    form.SetMode(kSolvingMode);
    button("SBUndo")->click();
    QCOMPARE(model().cell(x, y).State, csBlank);
    QVERIFY(model().UndoList.empty());
    QVERIFY(!button("SBUndo")->isEnabled());
  }

  void clearInTheViewLeavesYellowHeadersAndNothingToUndo() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    form.SetMode(kViewMode);
    scripted().answers = {Answer::Yes};
    form.NClearClick();
    QCOMPARE(HeaderColor, QColor(255, 255, 0));
    form.MainBtnMouseDown();
    QVERIFY(!item("NUndo")->isEnabled());
  }

  void closeQueryAsksAboutUnsavedChanges_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("saves");
    QTest::newRow("nothing to save closes without asking") << false << -1 << true << 0;
    QTest::newRow("Cancel keeps the window") << true << int(Answer::Cancel) << false << 0;
    QTest::newRow("Yes saves and closes") << true << int(Answer::Yes) << true << 1;
    QTest::newRow("No closes without saving") << true << int(Answer::No) << true << 0;
  }

  void closeQueryAsksAboutUnsavedChanges() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    CurShortName = " (cat)";
    WatchedForm& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    form.field()->SetModified(modified);
    if (answer >= 0) scripted().answers = {Answer(answer)};
    IndErr = false;
    QSignalSpy terminated(&form, &TForm1::terminateRequested);

    QTEST(form.close(), "closes");
    QTEST(!form.isVisible(), "closes");
    QTEST(terminated.size() == 1, "closes");
    QTEST(form.saves, "saves");
    QCOMPARE(storedOption("IndErr"), std::optional<std::uint32_t>(0));  // Cancel included
    QVERIFY(scripted().errors.isEmpty());
    QCOMPARE(scripted().messages.size(), modified ? 1u : 0u);
    if (modified) {
      const MessageRequest& box = scripted().messages[0];
      QCOMPARE(box.text, QStringLiteral("Сохранить текущие изменения?"));
      QCOMPARE(box.caption, QStringLiteral("Японский кроссворд (cat)"));
      QCOMPARE(box.buttons, Buttons::YesNoCancel);
      QCOMPARE(box.icon, Icon::Question);
    }
  }

  void optionItemsSetTheirOption() {
    struct Case {
      const char* item;
      Options after;  // from the defaults, with the menus' marks refreshed first
    };
    const Options d = currentOptions();
    const Case cases[] = {
        {"NInd", {false, d.digCr, 0, 2, true, true, true}},
        {"NInd1", {false, d.digCr, 0, 2, true, true, true}},
        {"NDiditCrest", {true, false, 0, 2, true, true, true}},
        {"NDigitCrest1", {true, false, 0, 2, true, true, true}},
        {"SNPar", {true, true, 2, 2, true, true, true}},
        {"MenuItem23", {true, true, 3, 2, true, true, true}},
        {"NAuto1D", {true, true, 0, 1, true, true, true}},
        {"NAutoNo1", {true, true, 0, 0, true, true, true}},
        {"NMax1", {true, true, 0, 2, false, true, true}},
        {"NPaint", {true, true, 0, 2, true, false, true}},
        {"NTools", {true, true, 0, 2, true, true, false}},
    };
    for (const Case& c : cases) {
      resetOptions();
      TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
      form.MainBtnMouseDown();
      form.SBOptionsClick();
      item(c.item)->trigger();
      QVERIFY2(currentOptions() == c.after, c.item);
    }
  }

  void thePaintItemsNameWhatTheyWillDo() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    item("NPaint1")->trigger();
    QCOMPARE(itemCaption(item("NPaint")), QStringLiteral("Включить перерисовку"));
    QCOMPARE(itemCaption(item("NPaint1")), QStringLiteral("Включить перерисовку"));
    item("NPaint")->trigger();
    QVERIFY(PaintOn);
    form.MainBtnMouseDown();
    QCOMPARE(itemCaption(item("NPaint")), QStringLiteral("Отключить перерисовку"));
  }

  void hidingTheToolPanelMovesTheFieldToTheCorner() {
    open(emptyTwentyByFifteen(), kEditorMode);
    form_->MainBtnMouseDown();
    item("NTools")->trigger();
    QVERIFY(!child<QWidget>("PanelTools")->isVisible());
    QCOMPARE(form_->field()->pos(), QPoint(0, 0));
    QCOMPARE(form_->size(), form_->field()->size());
  }

  void openingAMenuShowsTheOptionsAndTheCommandsState() {
    TForm1& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    IndErr = false;
    NextDirect = 2;
    Go2Dig = 0;
    Maximize = false;
    form.MainBtnMouseDown();
    QVERIFY(child<QMenu>("DownMenu")->isVisible());
    QVERIFY(!item("NInd")->isChecked());
    QVERIFY(item("NDiditCrest")->isChecked());
    QVERIFY(item("SNPar")->isChecked());
    QVERIFY(!item("SNRight")->isChecked());
    QVERIFY(item("NAutoNo")->isChecked());
    QVERIFY(!item("NMax")->isChecked());
    QVERIFY(item("NTools")->isChecked());
    QVERIFY(!item("NUndo")->isEnabled());
    QVERIFY(!item("NSave0")->isEnabled());

    model().UndoList.push_back({csBlank, 4, 3});
    form.SBOptionsClick();
    QVERIFY(child<QMenu>("MenuSB")->isVisible());
    QVERIFY(item("SNPar1")->isChecked());
    QVERIFY(!item("NInd1")->isChecked());
    form.MainBtnMouseDown();
    QVERIFY(item("NUndo")->isEnabled());
    QVERIFY(item("NSave0")->isEnabled());
    form.SetMode(kEditorMode);
    form.MainBtnMouseDown();
    QVERIFY(!item("NUndo")->isEnabled());
  }

  void menusOpenUnderTheirButtons() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    auto* mainBtn = child<QPushButton>("MainBtn");
    form.move(40, 30);
    form.MainBtnMouseDown();
    QCOMPARE(child<QMenu>("DownMenu")->pos(),
             mainBtn->mapToGlobal(QPoint(0, mainBtn->height())));
    QToolButton* options = button("SBOptions");
    form.SBOptionsClick();
    QCOMPARE(child<QMenu>("MenuSB")->pos(),
             options->mapToGlobal(QPoint(FieldLeft, FieldTop)));
  }

  void theMainMenuStaysOnTheScreenWhenTheWindowIsOffItsLeftEdge() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.move(-400, 30);
    QVERIFY(child<QPushButton>("MainBtn")->mapToGlobal(QPoint(0, 0)).x() < 0);
    form.MainBtnMouseDown();
    QCOMPARE(child<QMenu>("DownMenu")->pos().x(), 0);
  }

  void aMouseDownOnTheMenuButtonOpensTheMainMenu() {
    open(emptyTwentyByFifteen(), kEditorMode);
    QTest::mousePress(child<QPushButton>("MainBtn"), Qt::RightButton);
    QVERIFY(child<QMenu>("DownMenu")->isVisible());
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
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    auto* panel = child<QWidget>("PanelTools");
    TGrid* field = form.field();
    QVERIFY(panel->isVisible());
    if (left) {
      QCOMPARE(FieldLeft, ToolPanel::kLeftThickness);
      QCOMPARE(FieldTop, 0);
      QCOMPARE(panel->geometry(), QRect(0, 0, ToolPanel::kLeftThickness, form.height()));
    } else {
      QCOMPARE(FieldLeft, 0);
      QCOMPARE(FieldTop, ToolPanel::kTopThickness);
      QCOMPARE(panel->geometry(), QRect(0, 0, form.width(), ToolPanel::kTopThickness));
    }
    // The client area is the field and the panel, nothing more.
    QCOMPARE(field->pos(), QPoint(FieldLeft, FieldTop));
    QCOMPARE(form.size(), field->size() + QSize(FieldLeft, FieldTop));
    const CellLayout expected =
        GetCellSize(form.width(), form.height(), FieldLeft, FieldTop, currentDimensions());
    QCOMPARE(CellSize, expected.cellSize);
    QCOMPARE(field->size(), QSize(expected.fieldWidth, expected.fieldHeight));
  }

  void theToolPanelChangesSidesAtTheEndOfAUsersDrag() {
    scripted().area = QRect(0, 0, 1600, 500);
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QCOMPARE(FieldLeft, ToolPanel::kLeftThickness);
    scripted().area = QRect(0, 0, 900, 900);  // on a screen with more room below
    form.resize(form.width() - 50, form.height() - 50);
    QCOMPARE(FieldLeft, ToolPanel::kLeftThickness);  // not during the drag
    QTRY_COMPARE(FieldTop, ToolPanel::kTopThickness);
    QCOMPARE(FieldLeft, 0);
    QVERIFY(WindowActive);
    QCOMPARE(form.field()->pos(), QPoint(0, ToolPanel::kTopThickness));
    QCOMPARE(form.size(), form.field()->size() + QSize(0, ToolPanel::kTopThickness));
  }

  void minimisingTheMainWindowMinimisesTheOthers() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QWidget tool;
    tool.show();
    form.showMinimized();
    QTRY_VERIFY(tool.isMinimized());
  }

  void maximumSizeCentresTheWindowInTheWorkArea() {
    scripted().area = QRect(100, 50, 900, 900);
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.NMaxClick(nullptr);
    const QRect frame = form.frameGeometry();
    QCOMPARE(frame.left(), centredStart(100, 900, frame.width()));
    QCOMPARE(frame.top(), centredStart(50, 900, frame.height()));
    // The largest cell size: one more would not fit the work area's width.
    const QSize margins = frame.size() - form.size();
    QVERIFY(CellSize * 26 <= 900 - margins.width() - FieldLeft);
    QVERIFY((CellSize + 1) * 26 > 900 - margins.width() - FieldLeft);
  }

  void uncheckingMaximumSizeLeavesTheWindowAlone() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.MainBtnMouseDown();
    const QRect before = form.geometry();
    item("NMax")->trigger();
    QVERIFY(!Maximize);
    QCOMPARE(form.geometry(), before);
  }

  void withoutMaximumSizeTheWindowStartsFromTheDefaultClientArea() {
    Maximize = false;
    scripted().area = QRect(0, 0, 2000, 700);  // wide: the panel goes left
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    // 650 x 490 gives s = min(650 / 26, 490 / 20) = 24; the panel then widens the window.
    QCOMPARE(CellSize, 24);
    QCOMPARE(form.size(), QSize(26 * 24 + 6 + ToolPanel::kLeftThickness, 20 * 24 + 4));
  }

  void theMenuButtonCoversExactlyTheCornerBlock() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    const auto corner = [] {
      return QRect(FieldLeft + CellSize, FieldTop + CellSize, CapColCount * CellSize,
                   CapRowCount * CellSize);
    };
    QCOMPARE(child<QPushButton>("MainBtn")->geometry(), corner());
    const int before = CellSize;
    form.resize(form.width() / 2, form.height() / 2);  // as the user's drag would
    QVERIFY(CellSize < before);
    QCOMPARE(child<QPushButton>("MainBtn")->geometry(), corner());
  }

  void aResizeByTheUserRelaysOutAndRunsAMoveLoop() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QVERIFY(WindowActive);
    form.resize(700, 500);
    QVERIFY(!WindowActive);  // inside the emulated move loop
    const CellLayout expected = GetCellSize(700, 500, FieldLeft, FieldTop, currentDimensions());
    QCOMPARE(CellSize, expected.cellSize);
    QCOMPARE(form.size(), QSize(expected.clientWidth, expected.clientHeight));
    QCOMPARE(model().cell(6, 1).State, csSelected);  // the editor cursor survives the rebuild
    QTRY_VERIFY(WindowActive);  // the loop ended
    QCOMPARE(form.size(), QSize(expected.clientWidth, expected.clientHeight));
  }

  void escapeRequestsCancelAndArrowsMoveTheEditorCursor() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    MoveRecorder recorder;
    form.field()->installEventFilter(&recorder);
    QTest::keyClick(form.field(), Qt::Key_Escape);
    QVERIFY(CancelRequested);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_A})
      QTest::keyClick(form.field(), key);
    QCOMPARE(recorder.wParams, (std::vector<int>{-2, -3, -1, -4}));
  }

  void tabNeverTakesTheFocusFromTheField() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.field());
    QTest::keyClick(form.field(), Qt::Key_Tab);
    QTest::keyClick(form.field(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.field());
    button("SBStart")->click();  // a tool button gives the focus back to the field
    QCOMPARE(QApplication::focusWidget(), form.field());
  }

  void activationFollowsTheWindow() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(WindowActive);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!WindowActive);
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

  void thePicturesAreDistinctAndOfTheirSizes() {
    std::vector<QImage> pictures;
    for (int i = 0; i < kToolPictureCount; ++i) pictures.push_back(toolPicture(i).toImage());
    for (int i = 0; i < kDirectionPictureCount; ++i)
      pictures.push_back(directionPicture(i).toImage());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      const QSize size = i < kToolPictureCount ? QSize(36, 30) : QSize(16, 16);
      QCOMPARE(pictures[i].size(), size);
      for (std::size_t j = 0; j < i; ++j)
        QVERIFY2(pictures[i] != pictures[j], qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
    }
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
      const Rect& b = model().cell(x, y).region.box;
      return shot.pixelColor((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    };
    // Clue cells hold digits in their middle; their corner shows the fill.
    const auto corner = [&](int x, int y) {
      const Rect& b = model().cell(x, y).region.box;
      return shot.pixelColor(b.left + 2, b.top + 2);
    };
    const auto leftEdge = [&](int x, int y) {
      const Rect& b = model().cell(x, y).region.box;
      return shot.pixelColor(b.left, (b.top + b.bottom) / 2);
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

}  // namespace jcw

QTEST_MAIN(jcw::TForm1Test)
#include "TForm1Test.moc"
