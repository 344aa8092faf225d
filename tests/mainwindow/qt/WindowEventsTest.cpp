// The main window's events: the close query, minimising, the key preview, the focus and the
// activation.

#include <QSignalSpy>

#include "field/qt/MoveCursorEvent.h"
#include "mainwindow/qt/MainWindowFixture.h"
#include "platform/Registry.h"
#include "platform/UserDirs.h"

namespace jcw::test {

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

class WindowEventsTest : public MainWindowFixture {
  Q_OBJECT

 private slots:
  void closeQueryAsksAboutUnsavedChanges_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");  // a failed write or a cancelled save dialog
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("saves");
    QTest::newRow("nothing to save closes without asking") << false << -1 << false << true << 0;
    QTest::newRow("Cancel keeps the window") << true << int(Answer::Cancel) << false << false << 0;
    QTest::newRow("Yes saves and closes") << true << int(Answer::Yes) << false << true << 1;
    QTest::newRow("Yes and no save keeps the window") << true << int(Answer::Yes) << true << false
                                                      << 1;
    QTest::newRow("No closes without saving") << true << int(Answer::No) << false << true << 0;
  }

  void closeQueryAsksAboutUnsavedChanges() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    CurShortName = " (cat)";
    WatchedForm& form = open(test::makeCrossword(smallSolvable()), kSolvingMode);
    form.field()->SetModified(modified);
    QFETCH(bool, saveFails);
    form.saveFails = saveFails;
    if (answer >= 0) scripted().answers = {Answer(answer)};
    IndErr = false;
    QSignalSpy terminated(&form, &TForm1::terminateRequested);

    QTEST(form.close(), "closes");
    QTEST(!form.isVisible(), "closes");
    if (form.isVisible()) QVERIFY(form.field()->IsModified());  // a kept window keeps its changes
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

  void minimisingTheMainWindowMinimisesTheOthers() {
    TForm1& form = open(emptyTwentyByFifteen(), kEditorMode);
    QWidget tool;
    tool.show();
    form.showMinimized();
    QTRY_VERIFY(tool.isMinimized());
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
};

}  // namespace jcw::test

QTEST_MAIN(jcw::test::WindowEventsTest)
#include "WindowEventsTest.moc"
