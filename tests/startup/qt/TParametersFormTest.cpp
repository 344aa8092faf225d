// The start-up window with the real main window and scripted dialogs, on the offscreen platform.

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "support/FileSession.h"
#include "files/CrosswordFile.h"
#include "files/PuzzleFile.h"
#include "files/SessionFile.h"
#include "files/SessionPlaces.h"
#include "platform/UserDirs.h"
#include "files/qt/FileCommands.h"
#include "field/ViewState.h"
#include "mainwindow/qt/TForm1.h"
#include "model/Dimensions.h"
#include "model/PictureText.h"
#include "model/ProcessState.h"
#include "settings/Options.h"
#include "startup/qt/TParametersForm.h"
#include "support/ScriptedPlatform.h"
#include "widgets/qt/EditNumKt.h"

namespace jcw {

using test::ScopedScriptedPlatform;

class TParametersFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = std::make_unique<test::FileSession>();
    platform_ = std::make_unique<ScopedScriptedPlatform>();
    createWindows();
  }
  void cleanup() {
    destroyWindows();
    platform_.reset();
    session_.reset();
  }

  void theWindowShowsItsCaptionsAndDefaults() {
    form_->show();
    QCOMPARE(form_->windowTitle(), QStringLiteral("Японский кроссворд"));
    QCOMPARE(form_->pos(), QPoint(270, 145));
    QVERIFY(!form_->windowFlags().testAnyFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                               Qt::WindowMinMaxButtonsHint));
    QCOMPARE(groupBox("captionBox")->title(), QStringLiteral("Заголовки"));
    QCOMPARE(groupBox("GridBox")->title(), QStringLiteral("Сетка кроссворда"));
    QVERIFY(groupBox("GridBox")->font().bold());
    const struct {
      const char* field;
      const char* label;
      const char* text;
    } numbers[] = {{"EditCapRow", "Количество строк-заголовков", "4"},
                   {"EditCapCol", "Количество столбцов-заголовков", "4"},
                   {"EditRow", "Количество строк", "24"},
                   {"EditCol", "Количество столбцов", "31"}};
    for (const auto& n : numbers) {
      TEditNumKt* edit = number(n.field);
      QCOMPARE(edit->editBox()->text(), QString::fromUtf8(n.text));
      QCOMPARE(edit->minValue(), 1.0);
      QCOMPARE(edit->maxValue(), 100.0);
      QCOMPARE(edit->keyWidth(), 22);
      QCOMPARE(edit->filter(), TFilter::fltNatural);
      QVERIFY(!edit->font().bold());
      const auto labels = edit->parentWidget()->findChildren<QLabel*>();
      QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
        return label->text() == QString::fromUtf8(n.label) &&
               label->geometry().right() < edit->geometry().left();
      }));
    }
    QCOMPARE(button("ButtonOK")->text(), QStringLiteral("&OK"));
    QVERIFY(button("ButtonOK")->isDefault());
    QCOMPARE(button("ButtonLoad")->text(), QStringLiteral("&Загрузить"));
    QCOMPARE(button("ButtonExit")->text(), QStringLiteral("&Выход"));
  }

  void theButtonsStandRightOfTheGridBoxWithOkAtItsTop() {
    form_->show();
    const QRect grid = groupBox("GridBox")->geometry();
    QCOMPARE(button("ButtonOK")->y(), grid.top());
    QVERIFY(button("ButtonOK")->x() > grid.right());
    QVERIFY(button("ButtonLoad")->y() > button("ButtonOK")->geometry().bottom());
    QVERIFY(button("ButtonExit")->y() > button("ButtonLoad")->geometry().bottom());
    QVERIFY(grid.top() > groupBox("captionBox")->geometry().bottom());
  }

  void theFirstFieldShowsWithItsTextSelected() {
    showActive();
    QCOMPARE(number("EditCapRow")->editBox()->selectedText(), QStringLiteral("4"));
    QTest::keyClick(number("EditCapRow")->editBox(), Qt::Key_7);
    QCOMPARE(number("EditCapRow")->editBox()->text(), QStringLiteral("7"));
  }

  void tabGoesThroughTheFieldsThenTheButtons() {
    showActive();
    number("EditCapRow")->setFocus();
    const char* order[] = {"EditCapCol", "EditRow",    "EditCol",
                           "ButtonOK",   "ButtonLoad", "ButtonExit"};
    for (const char* name : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      QVERIFY2(focus->objectName() == name || focus->parentWidget()->objectName() == name, name);
    }
  }

  void okWithTheDefaultsOpensAnEmptyCrosswordInTheEditor() {
    CurFileName = "/old/cat.jcw";
    CurShortName = " (cat)";
    showActive();
    QTest::keyClick(number("EditRow")->editBox(), Qt::Key_Return);
    QCOMPARE(currentDimensions(), (Dimensions{31, 24, 4, 4}));
    QCOMPARE(CurFileName, std::string());
    QCOMPARE(CurrentMode, std::uint8_t(kEditorMode));
    QVERIFY(main_->isVisible());
    QVERIFY(!form_->isVisible());
    QVERIFY(!main_->field()->IsModified());
    QCOMPARE(main_->windowTitle(),
             QStringLiteral("Японский кроссворд - режим редактирования - 31x24"));
  }

  void aFieldThatIsNoNumberStopsOkThereWithTheConversionError() {
    showActive();
    (*platform_)->expectedErrors = 1;
    number("EditCol")->editBox()->setText(QStringLiteral("+"));
    const Dimensions before = currentDimensions();
    form_->ButtonOKClick();
    QCOMPARE((*platform_)->errors,
             QStringList{QStringLiteral("'+' is not a valid floating point value")});
    QCOMPARE(currentDimensions(), before);
    QVERIFY(form_->isVisible());
    QVERIFY(!main_->isVisible());
  }

  void newBringsTheStartupWindowBackWithItsLastValues() {
    showActive();
    number("EditRow")->setValue(10);
    form_->ButtonOKClick();
    main_->NNewClick();
    QVERIFY(form_->isVisible());
    QVERIFY(!main_->isVisible());
    QCOMPARE(number("EditRow")->editBox()->text(), QStringLiteral("10"));
    form_->ButtonOKClick();
    QCOMPARE(RowCount, std::uint8_t(10));
  }

  void theLoadButtonOpensACrosswordOrSaysWhyItStays_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("reason");  // of the box after the file's name; "*": the system's
    QTest::newRow("a crossword file") << "other.jcw" << true << "";
    QTest::newRow("a file that cannot be read") << "absent.jcw" << false << "*";
    QTest::newRow("a cancelled dialog") << "" << false << "";
    // A text file keeps the field's size, and at the start there is none to keep.
    QTest::newRow("a text file at the start")
        << "notes.txt" << false << "в текстовом файле нет кроссворда, а размеров поля ещё нет";
  }
  void theLoadButtonOpensACrosswordOrSaysWhyItStays() {
    QFETCH(QString, chosen);
    QFETCH(bool, opened);
    QFETCH(QString, reason);
    session_->write("other.jcw", test::otherCrossword());
    std::ofstream(session_->path("notes.txt")) << "x";
    LastCatalog = "/puzzles";
    showActive();
    const std::string path = session_->path(chosen.toStdString());
    (*platform_)->openNames = {chosen.isEmpty() ? chosen : QString::fromStdString(path)};
    if (!reason.isEmpty()) (*platform_)->answers = {Answer::Ok};
    button("ButtonLoad")->click();
    QCOMPARE((*platform_)->dialogs.front().initialDirectory, QStringLiteral("/puzzles"));
    QCOMPARE(main_->isVisible(), opened);
    QCOMPARE(form_->isVisible(), !opened);
    if (opened) QCOMPARE(main_->windowTitle(), QStringLiteral("Японский кроссворд (other) - 2x3"));
    QCOMPARE((*platform_)->messages.size(), std::size_t(!reason.isEmpty()));
    if (!reason.isEmpty()) test::verifyLoadErrorBox((*platform_)->messages.front(), path, reason);
  }

  void aTextFileAfterNewOpensAnEmptyFieldOfTheLastSize() {
    std::ofstream(session_->path("notes.txt")) << "x";
    showActive();
    form_->ButtonOKClick();
    main_->NNewClick();
    (*platform_)->openNames = {QString::fromStdString(session_->path("notes.txt"))};
    form_->ButtonLoadClick();
    QVERIFY(main_->isVisible());
    QCOMPARE(main_->field()->model().dims(), (Dimensions{31, 24, 4, 4}));
    QCOMPARE(CurrentMode, std::uint8_t(kSolvingMode));
    QCOMPARE(main_->windowTitle(), QStringLiteral("Японский кроссворд - 31x24"));
  }

  void aDropOpensOnlyACrosswordFile_data() {
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a crossword file") << "other.jcw" << true << "";
    QTest::newRow("a .non file") << "other.non" << true << "";
    QTest::newRow("a text file is not taken") << "notes.txt" << false << "";
    QTest::newRow("a crossword file that ends early")
        << "short.jcw" << false << "файл кончается посреди клеток (5 из 8 байт)";
  }
  void aDropOpensOnlyACrosswordFile() {
    QFETCH(QString, dropped);
    QFETCH(bool, opened);
    QFETCH(QString, reason);
    session_->write("other.jcw", test::otherCrossword());
    QVERIFY(writePuzzleFile(session_->path("other.non"), test::otherCrossword()));
    session_->writeBytes("short.jcw", {1, 1, 1, 1, 0});
    std::ofstream(session_->path("notes.txt")) << "x";
    showActive();
    if (!reason.isEmpty()) (*platform_)->answers = {Answer::Ok};
    const std::string path = session_->path(dropped.toStdString());
    std::unique_ptr<QMimeData> data(test::fileDrag({path}));
    test::dragAndDrop(form_.get(), data.get());
    QCOMPARE(main_->isVisible(), opened);
    QCOMPARE((*platform_)->messages.size(), std::size_t(!reason.isEmpty()));
    if (!reason.isEmpty())
      test::verifyLoadErrorBox((*platform_)->messages.front(), path, reason,
                               QStringLiteral("прочитать"));
  }

  // The box of a failed command-line load, and the same line on stderr.
  void theCommandLineFileOpensAtTheFirstPaintOrSaysWhy_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("reason");
    QTest::newRow("an existing crossword file") << "other.jcw" << true << "";
    QTest::newRow("a webpbn XML file") << "other.xml" << true << "";
    QTest::newRow("a name that does not exist") << "absent.jcw" << false << "*";
    QTest::newRow("a directory named like a crossword")
        << "folder.jcw" << false << "это каталог, а не файл";
  }
  void theCommandLineFileOpensAtTheFirstPaintOrSaysWhy() {
    QFETCH(QString, argument);
    QFETCH(bool, opened);
    QFETCH(QString, reason);
    session_->write("other.jcw", test::otherCrossword());
    QVERIFY(writePuzzleFile(session_->path("other.xml"), test::otherCrossword()));
    QVERIFY(QDir().mkdir(QString::fromStdString(session_->path("folder.jcw"))));
    const std::string path = session_->path(argument.toStdString());
    ParamFile = path;
    if (!reason.isEmpty()) (*platform_)->answers = {Answer::Ok};
    std::ostringstream stderrText;
    std::streambuf* const stderrBuffer = std::cerr.rdbuf(stderrText.rdbuf());
    form_->show();
    QTRY_VERIFY(ParamFile.empty());
    std::cerr.rdbuf(stderrBuffer);
    QCOMPARE(main_->isVisible(), opened);
    QCOMPARE(form_->isVisible(), !opened);
    if (opened) QCOMPARE(CurFileName, path);
    QCOMPARE((*platform_)->messages.size(), std::size_t(!reason.isEmpty()));
    if (reason.isEmpty()) {
      QCOMPARE(stderrText.str(), std::string());
      return;
    }
    const MessageRequest& box = (*platform_)->messages.front();
    test::verifyLoadErrorBox(box, path, reason);
    QCOMPARE(QString::fromStdString(stderrText.str()), box.text + QLatin1Char('\n'));
  }

  // Work left by a program that ended without saving: a damaged session is set aside with a
  // word, a good one offered with its file name and time; Yes takes the marks and the history
  // back, No deletes it.
  void workLeftByACrashIsOfferedBack_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes restores") << int(Answer::Yes);
    QTest::newRow("no deletes") << int(Answer::No);
  }
  void workLeftByACrashIsOfferedBack() {
    QFETCH(int, answer);
    Session left;
    left.crossword = test::smallCrossword();
    const int x = left.crossword.firstPictureX(), y = left.crossword.firstPictureY();
    left.crossword.markCell(x, y, true);
    left.crossword.markCell(x + 1, y, false);
    left.crossword.undo();
    left.fileName = session_->path("small.jcw");
    const std::filesystem::path dir = sessionDirectory();
    const int deadPid = 999'999'999;  // above any pid the kernel hands out
    QVERIFY(writeSessionFile(sessionPathFor(dir, deadPid), left));
    session_->writeBytes("state/jcw/session-999999998.jcws", {'J', 'C', 'W'});
    std::filesystem::last_write_time(sessionPathFor(dir, 999'999'998),
                                     std::filesystem::file_time_type::clock::now() +
                                         std::chrono::hours(1));  // the damaged one is newer
    (*platform_)->answers = {Answer::Ok, Answer(answer)};

    form_->show();
    QTRY_COMPARE((*platform_)->messages.size(), std::size_t(2));
    QVERIFY2((*platform_)->messages[0].text.startsWith(
                 QStringLiteral("Несохранённую работу от ")), qPrintable((*platform_)->messages[0].text));
    QVERIFY(std::filesystem::exists(dir / "session-999999998.jcws.damaged"));
    const MessageRequest& question = (*platform_)->messages[1];
    QVERIFY2(question.text.startsWith(QStringLiteral("Восстановить несохранённую работу?\n\r") +
                                      QString::fromStdString(left.fileName) + ", "),
             qPrintable(question.text));
    QCOMPARE(question.buttons, Buttons::YesNo);
    QVERIFY(!std::filesystem::exists(sessionPathFor(dir, deadPid)));
    const bool restored = answer == int(Answer::Yes);
    QTRY_COMPARE(main_->isVisible(), restored);
    if (!restored) return;
    const Crossword& model = main_->field()->model();
    QCOMPARE(pictureRows(model), (std::vector<std::string>{"#?"}));
    QVERIFY(model.history.canRedo() && main_->field()->IsModified());
    QCOMPARE(CurFileName, left.fileName);
    QCOMPARE(CurrentMode, std::uint8_t(kSolvingMode));
  }

  // The Cyrillic letters as typed; under a Latin layout the keys that carry them.
  void hotKeysActBeforeTheFocusedField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");
    QTest::newRow("О opens the crossword") << "О" << 0 << "opened";
    QTest::newRow("о opens the crossword") << "о" << 0 << "opened";
    QTest::newRow("З shows the open dialog") << "З" << 0 << "dialog";
    QTest::newRow("з shows the open dialog") << "з" << 0 << "dialog";
    QTest::newRow("В closes the window") << "В" << 0 << "closed";
    QTest::newRow("в closes the window") << "в" << 0 << "closed";
    QTest::newRow("D, the key of В, closes the window") << "D" << int(Qt::Key_D) << "closed";
    QTest::newRow("a Latin O does nothing") << "O" << int(Qt::Key_O) << "";
  }
  void hotKeysActBeforeTheFocusedField() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, result);
    showActive();
    QSignalSpy closed(form_.get(), &TParametersForm::terminateRequested);
    if (result == "dialog") (*platform_)->openNames = {QString()};
    number("EditRow")->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(QApplication::focusWidget(), &press);
    QCOMPARE(main_->isVisible(), result == "opened");
    QCOMPARE((*platform_)->dialogs.size(), std::size_t(result == "dialog"));
    QCOMPARE(closed.count(), int(result == "closed"));
  }

  void keysGoOnToTheFocusedField() {
    showActive();
    number("EditRow")->setFocus();
    number("EditRow")->editBox()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("17"));
    QCOMPARE(number("EditRow")->editBox()->text(), QStringLiteral("17"));
  }

  void theWheelStepsOnlyANumericFieldsEditBox_data() {
    QTest::addColumn<QString>("part");  // "edit" or "arrows" of EditRow
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("value");
    QTest::newRow("up over the edit box") << "edit" << 120 << "25";
    QTest::newRow("down over the edit box") << "edit" << -120 << "23";
    QTest::newRow("no delta over the edit box steps up") << "edit" << 0 << "25";
    QTest::newRow("over the arrows nothing") << "arrows" << 120 << "24";
    QTest::newRow("over a disabled edit box it still steps") << "disabled" << 120 << "25";
  }
  void theWheelStepsOnlyANumericFieldsEditBox() {
    QFETCH(QString, part);
    QFETCH(int, delta);
    QFETCH(QString, value);
    showActive();
    TEditNumKt* edit = number("EditRow");
    if (part == "disabled") edit->setInputEnabled(false);
    QWidget* target =
        part == "arrows" ? static_cast<QWidget*>(edit->findChild<QToolButton*>()) : edit->editBox();
    button("ButtonOK")->setFocus();
    wheel(target, delta);
    QCOMPARE(edit->editBox()->text(), value);
    if (part == "edit") QCOMPARE(QApplication::focusWidget(), edit->editBox());
  }

  void optionsSurviveARestart() {
    Maximize = false;
    IndErr = false;
    Go2Dig = 1;
    showActive();
    button("ButtonExit")->click();
    QVERIFY(!form_->isVisible());
    destroyWindows();
    resetOptions();
    createWindows();
    QCOMPARE(Maximize, false);
    QCOMPARE(IndErr, false);
    QCOMPARE(Go2Dig, std::uint8_t(1));
  }

 private:
  void createWindows() {
    form_ = std::make_unique<TParametersForm>();
    main_ = std::make_unique<TForm1>();
    form_->setMainWindow(main_.get());
    ParametersForm = form_.get();
  }
  void destroyWindows() {
    ParametersForm = nullptr;
    main_.reset();
    form_.reset();
  }
  void showActive() {
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  TEditNumKt* number(const char* name) const { return form_->findChild<TEditNumKt*>(name); }
  QGroupBox* groupBox(const char* name) const { return form_->findChild<QGroupBox*>(name); }
  QPushButton* button(const char* name) const { return form_->findChild<QPushButton*>(name); }
  // A wheel notch over the centre of `target`, delivered as Qt delivers it: to the widget there.
  static void wheel(QWidget* target, int delta) {
    const QPoint local = target->rect().center();
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
  }

  std::unique_ptr<test::FileSession> session_;
  std::unique_ptr<ScopedScriptedPlatform> platform_;
  std::unique_ptr<TParametersForm> form_;
  std::unique_ptr<TForm1> main_;
};

}  // namespace jcw

QTEST_MAIN(jcw::TParametersFormTest)
#include "TParametersFormTest.moc"
