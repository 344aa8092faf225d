// The main window's file commands with scripted dialogs and answers, on the offscreen platform.

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "settings/qt/SettingsSession.h"
#include "support/FileSession.h"
#include "files/CrosswordFile.h"
#include "files/CrosswordSave.h"
#include "files/ClueLists.h"
#include "files/PuzzleFile.h"
#include "files/qt/FileCommands.h"
#include "field/ViewState.h"
#include "mainwindow/qt/MainMenus.h"
#include "mainwindow/qt/TForm1.h"
#include "model/ProcessState.h"
#include "support/Fixtures.h"
#include "support/NamedChild.h"
#include "support/ScriptedPlatform.h"

namespace jcw {

using test::ScopedScriptedPlatform;

// The command under test, given the main window and a file it should load.
enum class Command { Load, Drop, New };

const std::string kExamples = QT_TESTCASE_SOURCEDIR "/../../examples/";

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = std::make_unique<test::FileSession>();
    platform_ = std::make_unique<ScopedScriptedPlatform>();
    startup_ = std::make_unique<QWidget>();
    ParametersForm = startup_.get();
    window_ = std::make_unique<TForm1>();
    // The window shows the small crossword, loaded from a file, with an unsaved change.
    current_ = session_->write("small.jcw", test::smallCrossword());
    QVERIFY(LoadProcess(current_, *window_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->field()->SetModified(true);
  }
  void cleanup() {
    window_.reset();
    startup_.reset();
    ParametersForm = nullptr;
    platform_.reset();
    session_.reset();
  }

  void cancellingTheSaveQuestionChangesNothing_data() { commandRows(); }
  void cancellingTheSaveQuestionChangesNothing() {
    QFETCH(Command, command);
    const TGrid* field = window_->field();
    (*platform_)->answers = {Answer::Cancel};
    run(command, session_->write("other.jcw", test::otherCrossword()));
    QCOMPARE((*platform_)->messages.size(), std::size_t(1));
    const MessageRequest& asked = (*platform_)->messages.front();
    QCOMPARE(asked.text, QStringLiteral("Сохранить текущие изменения?"));
    QCOMPARE(asked.caption, QStringLiteral("Японский кроссворд"));
    QCOMPARE(asked.buttons, Buttons::YesNoCancel);
    QCOMPARE(asked.icon, Icon::Question);
    QCOMPARE(window_->field(), field);
    QVERIFY(window_->field()->IsModified());
    QCOMPARE(window_->field()->model().dims(), test::smallCrossword().dims());
    QCOMPARE(CurFileName, current_);
    QVERIFY(window_->isVisible());
    QVERIFY(!startup_->isVisible());
  }

  void yesThenASaveThatDoesNotHappenStopsTheCommand_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("failed");  // else the save dialog was cancelled
    for (const auto& [name, command] : {std::pair{"Load", Command::Load},
                                        std::pair{"a drop", Command::Drop},
                                        std::pair{"New", Command::New}}) {
      QTest::addRow("%s, the save dialog cancelled", name) << command << false;
      QTest::addRow("%s, the write failed", name) << command << true;
    }
  }
  void yesThenASaveThatDoesNotHappenStopsTheCommand() {
    QFETCH(Command, command);
    QFETCH(bool, failed);
    const std::string name =
        failed ? session_->path("no-such-directory/small.jcw") : std::string();
    CurFileName = name;
    CurShortName = failed ? " (small)" : "";
    if (!failed) (*platform_)->saveNames = {QString()};
    window_->field()->model().cell(2, 2).State = csFilled;
    const TGrid* field = window_->field();
    (*platform_)->answers = {Answer::Yes};
    (*platform_)->expectedErrors = failed ? 1 : 0;
    run(command, session_->write("other.jcw", test::otherCrossword()));
    QCOMPARE((*platform_)->errors.size(), failed ? 1 : 0);
    QCOMPARE(window_->field(), field);
    QCOMPARE(window_->field()->model().cell(2, 2).State, std::uint8_t{csFilled});
    QVERIFY(window_->field()->IsModified());
    QCOMPARE(CurFileName, name);
    QVERIFY(window_->isVisible());
    QVERIFY(!startup_->isVisible());
  }

  void yesSavesTheCurrentCrosswordFirst() {
    window_->field()->model().cell(2, 2).State = csFilled;
    (*platform_)->answers = {Answer::Yes};
    run(Command::Load, session_->write("other.jcw", test::otherCrossword()));
    Crossword saved = test::smallCrossword();
    saved.cell(2, 2).State = csFilled;
    QCOMPARE(session_->read("small.jcw"), encodeCrossword(saved));
    QCOMPARE(window_->field()->model().dims(), test::otherCrossword().dims());
  }

  void cancellingTheOpenDialogChangesNothing() {
    const TGrid* field = window_->field();
    (*platform_)->openNames = {QString()};
    window_->NLoadClick();
    const FileDialogRequest& dialog = (*platform_)->dialogs.front();
    QCOMPARE(qtFilter(dialog.filter).split(QStringLiteral(";;")),
             QStringList({"Все кроссворды (*.jcw *.non *.xml)",
                          "Файлы японского кроссворда (*.jcw)", "Кроссворды .non (*.non)",
                          "Кроссворды webpbn XML (*.xml)", "Текстовые файлы (*.txt)",
                          "Все файлы (*.*)"}));
    QCOMPARE(window_->field(), field);
    QVERIFY((*platform_)->messages.empty());
  }

  // Reading and writing put the file in front; the menu offers the list with full paths; an item
  // whose file is gone is offered for removal.
  void recentCrosswordsFollowLoadsAndSavesAndDropTheGoneOnAsked() {
    QCOMPARE(recentFiles(), std::vector<std::string>{current_});
    window_->field()->SetModified(false);
    const std::string other = session_->write("other.jcw", test::otherCrossword());
    run(Command::Load, other);
    const std::string copy = session_->path("copy.jcw");
    (*platform_)->saveNames.push_back(QString::fromStdString(copy));
    button("SBSaveAs")->click();
    QCOMPARE(recentFiles(), (std::vector<std::string>{copy, other, current_}));

    window_->MainBtnMouseDown();
    auto* recent = test::namedChild<QMenu>(*window_, "NRecent");
    QCOMPARE(recent->actions().size(), 3);
    QCOMPARE(recent->actions()[1]->text(), QStringLiteral("other.jcw"));
    QCOMPARE(recent->actions()[1]->toolTip(), QString::fromStdString(other));

    std::filesystem::remove(other);
    (*platform_)->answers = {Answer::Yes};
    recent->actions()[1]->trigger();
    QCOMPARE((*platform_)->messages.back().text,
             QStringLiteral("Файл %1 не найден.\n\rУбрать его из списка последних?")
                 .arg(QString::fromStdString(other)));
    QCOMPARE(recentFiles(), (std::vector<std::string>{copy, current_}));
    recent->actions()[2]->trigger();  // the first file again, read as from the dialog
    QCOMPARE(recentFiles(), (std::vector<std::string>{current_, copy}));
    QCOMPARE(CurFileName, current_);
  }

  void aLoadOpensTheCrossword() {
    window_->field()->SetModified(false);
    run(Command::Load, session_->write("other.jcw", test::otherCrossword()));
    QVERIFY((*platform_)->messages.empty());
    QCOMPARE(window_->field()->model().MarkedCount, 6);
    QVERIFY(!window_->field()->IsModified());
    QCOMPARE(CurrentMode, std::uint8_t(kSolvingMode));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (other) - 2x3"));
  }

  void theFirstClickAfterALoadMarks() {
    window_->field()->SetModified(false);
    run(Command::Load,
        session_->write("open.jcw",
                        test::makeCrossword({{{2}, {1}, {2}}, {{3}, {1, 1}}, {}, 1, 2})));
    TGrid* field = window_->field();
    const QPoint inside = field->cellRect(2, 3).topLeft() + QPoint(3, 3);  // first picture cell
    QTest::mouseClick(field, Qt::LeftButton, {}, inside);
    QCOMPARE(field->model().cell(2, 3).State, csFilled);
  }

  void pastedListsStartACrosswordOrReplaceTheCluesAndCopyGivesThemBack() {
    window_->SetMode(kEditorMode);
    TGrid* field = window_->field();
    // Another picture size: a new crossword, after the save question.
    QGuiApplication::clipboard()->setText(QStringLiteral("2\n1\n2\n\n3\n1 1\n"));
    (*platform_)->answers = {Answer::Yes, Answer::No};
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE((*platform_)->messages.size(), std::size_t(2));
    QCOMPARE((*platform_)->messages[0].text,
             QStringLiteral("Из буфера обмена прочитаны числа 3 строк и 2 столбцов.\n"
                            "Первая строка: 2\nПервый столбец: 3\n\n"
                            "Размер рисунка другой: начать новый кроссворд 2x3?"));
    QCOMPARE(cluesOf(window_->field()->model()), cluesOf(test::otherCrossword()));
    QCOMPARE(CurrentMode, std::uint8_t(kEditorMode));
    QCOMPARE(CurFileName, std::string());
    // The same size: the clues replaced in one undo step, the headers grown for them.
    field = window_->field();
    QGuiApplication::clipboard()->setText(QStringLiteral("1 1\n1\n2\n\n3\n1 1\n"));
    (*platform_)->answers = {Answer::Yes};
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window_->field()->model().rowClues(window_->field()->model().firstPictureY()),
             (std::vector<int>{1, 1}));
    QCOMPARE(int(window_->field()->model().dims().CapColCount), 2);
    QTest::keyClick(window_->field(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1 1\n1\n2\n\n3\n1 1\n"));
    QTest::keyClick(window_->field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cluesOf(window_->field()->model()), cluesOf(test::otherCrossword()));
    // Text that is no list says why.
    QGuiApplication::clipboard()->setText(QStringLiteral("кот"));
    (*platform_)->answers = {Answer::Ok};
    QTest::keyClick(window_->field(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE((*platform_)->messages.back().text,
             QStringLiteral("Числа не вставлены:\nожидаются два блока чисел: строки, пустая "
                            "строка, столбцы; блоков 1"));
  }

  void aLoadWithUnequalClueSumsWarnsAndOpensTheEditor() {
    window_->field()->SetModified(false);
    (*platform_)->answers = {Answer::Ok};
    run(Command::Load,
        session_->write("bad.jcw", test::makeCrossword({{{2}}, {{1}, {}}, {}, 1, 1})));
    QCOMPARE((*platform_)->messages.size(), std::size_t(1));
    QCOMPARE((*platform_)->messages.front().text,
             QStringLiteral("Неверно введены значения\nСумма чисел строк 2, столбцов 1, разница 1"));
    QCOMPARE(CurrentMode, std::uint8_t(kEditorMode));
  }

  // The box names the file and the reason; "*" stands for the system's own text.
  void aLoadThatFailsSaysWhyAndKeepsThePreviousCrossword_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // empty: made by `name`'s kind below
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("reason");
    const QByteArray small = bytesOf(test::smallCrossword());
    const QByteArray made;
    QTest::newRow("a missing file") << Command::Load << "absent.jcw" << made << "открыть" << "*";
    QTest::newRow("a file that ends inside the cells")
        << Command::Load << "short.jcw" << small.left(7) << "прочитать"
        << "файл кончается посреди клеток (7 из 10 байт)";
    QTest::newRow("dimensions above 100")
        << Command::Load << "huge.jcw" << QByteArray("\x65\x01\x01\x01", 4) << "прочитать"
        << "размеры кроссворда вне пределов 1..100";
    QTest::newRow("another extension")
        << Command::Load << "small.dat" << small << "открыть"
        << "кроссворды читаются только из файлов .jcw, .non, .xml и .txt";
    QTest::newRow("a .non file without columns")
        << Command::Load << "broken.non" << QByteArray("width 2\nheight 3\nrows\n2\n")
        << "прочитать"
        << "нет ключа columns";
    QTest::newRow("a drop of truncated XML")
        << Command::Drop << "broken.xml"
        << QByteArray("<puzzleset><puzzle><clues type=\"rows\"><line>")
        << "прочитать"
        << "повреждённый XML (байт 43)";
    QTest::newRow("a directory") << Command::Load << "folder.jcw" << made << "открыть"
                                 << "это каталог, а не файл";
    QTest::newRow("a FIFO") << Command::Load << "pipe.jcw" << made << "открыть"
                            << "это именованный канал, а не обычный файл";
    QTest::newRow("a drop of a damaged file")
        << Command::Drop << "short.jcw" << small.left(7) << "прочитать"
        << "файл кончается посреди клеток (7 из 10 байт)";
  }
  void aLoadThatFailsSaysWhyAndKeepsThePreviousCrossword() {
    QFETCH(Command, command);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, verb);
    QFETCH(QString, reason);
    const std::string file = session_->path(name.toStdString());
    if (!bytes.isEmpty())
      session_->writeBytes(name.toStdString(), {bytes.begin(), bytes.end()});
    else if (name == "folder.jcw")
      QVERIFY(QDir().mkdir(QString::fromStdString(file)));
    else if (name == "pipe.jcw")
      QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
    window_->field()->model().cell(2, 2).State = csFilled;
    const TGrid* field = window_->field();
    (*platform_)->answers = {Answer::No, Answer::Ok};
    run(command, file);
    QCOMPARE((*platform_)->messages.size(), std::size_t(2));
    test::verifyLoadErrorBox((*platform_)->messages.back(), file, reason, verb);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(window_->field(), field);
    QCOMPARE(window_->field()->model().cell(2, 2).State, csFilled);
    QVERIFY(window_->field()->IsModified());
    QCOMPARE(CurFileName, current_);
    QVERIFY(window_->isVisible());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (small) - 2x1"));
  }

  void aTextFileGivesAnEmptyFieldOfTheSameSizeWithoutAName() {
    const Dimensions before = window_->field()->model().dims();
    window_->field()->model().cell(2, 2).State = csFilled;
    (*platform_)->answers = {Answer::No};
    std::ofstream(session_->path("notes.txt")) << "not read";
    run(Command::Load, session_->path("notes.txt"));
    const Crossword& model = window_->field()->model();
    QCOMPARE(CurFileName, std::string());
    QVERIFY(model.dims() == before);
    QCOMPARE(model.cell(2, 2).State, std::uint8_t{csBlank});
    QCOMPARE(model.clueSumDifference(), 0);
    QVERIFY(model.rowClues(model.firstPictureY()).empty());
    QVERIFY(!model.Modified);
    QCOMPARE(CurrentMode, std::uint8_t{kSolvingMode});
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд - 2x1"));
  }

  void anImportedCrosswordOpensForSolvingWithItsName_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("name");
    QTest::newRow("Load of .non") << Command::Load << "dog.non";
    QTest::newRow("Load of XML") << Command::Load << "dog.xml";
    QTest::newRow("a drop of .non") << Command::Drop << "dog.non";
  }
  void anImportedCrosswordOpensForSolvingWithItsName() {
    QFETCH(Command, command);
    QFETCH(QString, name);
    window_->field()->SetModified(false);
    const std::string file = session_->path(name.toStdString());
    QVERIFY(writePuzzleFile(file, test::otherCrossword()));
    run(command, file);
    const Crossword& model = window_->field()->model();
    QCOMPARE(model.dims(), test::otherCrossword().dims());
    QCOMPARE(model.columnClues(model.firstPictureX()), std::vector<int>{3});
    QCOMPARE(model.MarkedCount, 0);
    QVERIFY(!model.IsModified());
    QCOMPARE(CurFileName, file);
    QCOMPARE(CurrentMode, std::uint8_t(kSolvingMode));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (dog) - 2x3"));
  }

  // The repository's examples hold the same crossword in .jcw and in the other formats.
  void anExampleOpensWithTheCluesOfItsJcwTwin_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow(".non") << "duck.non";
    QTest::newRow("XML") << "teapot.xml";
  }
  void anExampleOpensWithTheCluesOfItsJcwTwin() {
    QFETCH(QString, name);
    window_->field()->SetModified(false);
    const std::string example = kExamples + name.toStdString();
    run(Command::Load, example);
    const Result<Crossword> twin = readCrosswordFile(jcwNameFor(example));
    QVERIFY(twin);
    QCOMPARE(cluesOf(window_->field()->model()), cluesOf(*twin));
    QCOMPARE(CurFileName, example);
    QCOMPARE(CurrentMode, std::uint8_t(kSolvingMode));
  }

  // F2 never writes .jcw bytes into the imported file: it asks for a .jcw name beside it.
  void f2OnAnImportedCrosswordProposesTheJcwNameAndKeepsTheImport_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow(".non") << "dog.non";
    QTest::newRow("XML") << "dog.XML";
  }
  void f2OnAnImportedCrosswordProposesTheJcwNameAndKeepsTheImport() {
    QFETCH(QString, name);
    window_->field()->SetModified(false);
    const std::string file = session_->path(name.toStdString());
    QVERIFY(writePuzzleFile(file, test::otherCrossword()));
    const std::vector<std::uint8_t> imported = session_->read(name.toStdString());
    run(Command::Load, file);
    TGrid* field = window_->field();
    field->model().markCell(2, 3, true);
    field->SetModified(true);
    const QString proposed = QString::fromStdString(session_->path("dog.jcw"));
    (*platform_)->saveNames = {QString(), proposed};
    for (int press = 0; press < 2; ++press) {
      QTest::keyClick(field, Qt::Key_F2);
      const FileDialogRequest& dialog = (*platform_)->dialogs.back();
      QCOMPARE(dialog.proposedName, proposed);
      QCOMPARE(dialog.filter, saveDialogRequest().filter);
      QCOMPARE(session_->read(name.toStdString()), imported);
    }
    QVERIFY(!field->IsModified());
    QCOMPARE(CurFileName, proposed.toStdString());
    const Crossword saved =
        test::makeCrossword({{{2}, {1}, {2}}, {{3}, {1, 1}}, {"#?", "??", "??"}, 1, 2});
    QCOMPARE(session_->read("dog.jcw"), encodeCrossword(saved));
  }

  void saveAsInAFormatOfCluesOnlyAsksBeforeLeavingMarksOut() {
    TGrid* field = window_->field();
    field->model().markCell(2, 2, true);
    const QString cat = QString::fromStdString(session_->path("cat.non"));
    (*platform_)->saveNames = {cat, cat};
    (*platform_)->answers = {Answer::No, Answer::Yes};
    button("SBSaveAs")->click();
    QVERIFY(!std::filesystem::exists(cat.toStdString()));
    QCOMPARE(CurFileName, current_);
    button("SBSaveAs")->click();
    QCOMPARE((*platform_)->messages.size(), std::size_t(2));
    const MessageRequest& asked = (*platform_)->messages.back();
    QCOMPARE(asked.text, QStringLiteral("В файл .non записываются только числа кроссворда, ваши "
                                        "отметки в него не попадут.\n\rСохранить без отметок?"));
    QCOMPARE(asked.buttons, Buttons::YesNo);
    QVERIFY(std::filesystem::exists(cat.toStdString()));
    QCOMPARE(CurFileName, cat.toStdString());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (cat) - 2x1"));
    // The marks are still unsaved, and Save offers the .jcw file for them.
    QVERIFY(field->IsModified());
    (*platform_)->saveNames = {QString()};
    window_->NSave0Click();
    QCOMPARE((*platform_)->dialogs.back().proposedName,
             QString::fromStdString(session_->path("cat.jcw")));
  }

  void theSaveFiltersGiveTheNameTheirOwnExtension() {
    QStringList suffixes;
    for (const QString& entry : qtFilter(saveDialogRequest().filter).split(QStringLiteral(";;")))
      suffixes << filterSuffix(entry);
    QCOMPARE(suffixes, QStringList({"jcw", "non", "xml", ""}));
    QCOMPARE(saveDialogRequest().defaultSuffix, QStringLiteral("jcw"));
  }

  void ctrlPAndThePrintItemOfferThePreviewWithMarksChosen() {
    auto* menu = test::namedChild<QMenu>(*window_, "DownMenu");
    auto* item = test::namedChild<QAction>(*menu, "NPrint");
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.indexOf(item), items.indexOf(test::namedChild<QAction>(*menu, "NSaveAs")) + 1);
    QCOMPARE(itemCaption(item), QStringLiteral("Печать..."));
    QCOMPARE(itemShortcut(item), QStringLiteral("Ctrl+P"));
    (*platform_)->printChoices = {{true, false}, {false, true}};
    QTest::keyClick(window_->field(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE((*platform_)->prints.size(), std::size_t(1));
    const PrintRequest& request = (*platform_)->prints.front();
    QCOMPARE(request.documentName, QStringLiteral("small"));
    QCOMPARE(request.options.size(), std::size_t(2));
    QCOMPARE(request.options[0].text, QStringLiteral("С моими отметками"));
    QVERIFY(request.options[0].checked);
    QCOMPARE(request.options[1].text, QStringLiteral("Страница с решением"));
    QVERIFY(!request.options[1].checked);
    QVERIFY((*platform_)->printed.startsWith("%PDF"));
    QCOMPARE(int((*platform_)->printed.count("/Type /Page\n")), 1);
    // The solution page comes last, after the crossword's one page.
    item->trigger();
    QCOMPARE((*platform_)->prints.size(), std::size_t(2));
    QCOMPARE(int((*platform_)->printed.count("/Type /Page\n")), 2);
    QVERIFY((*platform_)->errors.isEmpty());
  }

  void aDropOpensOnlyTheFirstFileAndOnlyAJcwFile_data() {
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a crossword file") << QStringList{"other.jcw"} << true;
    QTest::newRow("a .non file") << QStringList{"other.non"} << true;
    QTest::newRow("an XML file in capitals") << QStringList{"other.XML"} << true;
    QTest::newRow("several files, the crossword second")
        << QStringList{"notes.txt", "other.jcw"} << false;
    QTest::newRow("an extension in capitals") << QStringList{"OTHER.JCW"} << false;
    QTest::newRow("a directory named like a crossword") << QStringList{"folder.jcw"} << false;
  }
  void aDropOpensOnlyTheFirstFileAndOnlyAJcwFile() {
    QFETCH(QStringList, dropped);
    QFETCH(bool, opened);
    window_->field()->SetModified(false);
    session_->write("other.jcw", test::otherCrossword());
    session_->write("OTHER.JCW", test::otherCrossword());
    QVERIFY(writePuzzleFile(session_->path("other.non"), test::otherCrossword()));
    QVERIFY(writePuzzleFile(session_->path("other.XML"), test::otherCrossword()));
    std::ofstream(session_->path("notes.txt")) << "x";
    QDir().mkdir(QString::fromStdString(session_->path("folder.jcw")));
    std::vector<std::string> paths;
    for (const QString& name : dropped) paths.push_back(session_->path(name.toStdString()));
    drop(paths);
    QCOMPARE(window_->field()->model().dims(),
             opened ? test::otherCrossword().dims() : test::smallCrossword().dims());
  }

  void saveWithoutChangesDoesNothing() {
    window_->field()->SetModified(false);
    std::filesystem::remove(current_);
    window_->NSave0Click();
    QVERIFY(!std::filesystem::exists(current_));
    QVERIFY((*platform_)->dialogs.empty());
  }

  void saveWritesTheCurrentFileAndClearsTheModifiedFlag() {
    window_->field()->model().cell(2, 2).State = csEmpty;
    window_->NSave0Click();
    QVERIFY((*platform_)->dialogs.empty());
    QCOMPARE(session_->read("small.jcw").at(7), std::uint8_t(202));
    QVERIFY(!window_->field()->IsModified());
  }

  void saveAsWritesEvenWithoutChangesAndShowsTheNewName() {
    window_->field()->SetModified(false);
    (*platform_)->saveNames = {QString::fromStdString(session_->path("cat.jcw"))};
    button("SBSaveAs")->click();
    QCOMPARE(qtFilter((*platform_)->dialogs.front().filter).split(QStringLiteral(";;")),
             QStringList({"Файлы японского кроссворда (*.jcw)", "Кроссворды .non (*.non)",
                          "Кроссворды webpbn XML (*.xml)", "Все файлы (*.*)"}));
    QVERIFY((*platform_)->dialogs.front().proposedName.isEmpty());
    QCOMPARE((*platform_)->dialogs.front().defaultSuffix, QStringLiteral("jcw"));
    QCOMPARE(session_->read("cat.jcw"), encodeCrossword(test::smallCrossword()));
    QCOMPARE(CurFileName, session_->path("cat.jcw"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (cat) - 2x1"));
  }

  void aFailedSaveShowsTheErrorBoxAndKeepsTheModifiedFlag() {
    CurFileName = session_->path("no-such-directory/small.jcw");
    (*platform_)->expectedErrors = 1;
    window_->NSave0Click();
    QCOMPARE((*platform_)->errors.size(), 1);
    QVERIFY((*platform_)->errors.front().contains(QStringLiteral("no-such-directory")));
    QVERIFY(window_->field()->IsModified());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (small) - 2x1"));
  }

  void aFailedSaveAsKeepsTheOldNameForTheTitleAndTheNextSave() {
    (*platform_)->saveNames = {QString::fromStdString(session_->path("no-such-directory/cat.jcw"))};
    (*platform_)->expectedErrors = 1;
    button("SBSaveAs")->click();
    QCOMPARE((*platform_)->errors.size(), 1);
    QCOMPARE(CurFileName, current_);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Японский кроссворд (small) - 2x1"));
    window_->field()->model().cell(2, 2).State = csEmpty;
    window_->NSave0Click();
    QCOMPARE(session_->read("small.jcw").at(7), std::uint8_t(202));
  }

  void newReplacesTheFieldAndShowsTheStartupWindow() {
    const TGrid* field = window_->field();
    (*platform_)->answers = {Answer::No};
    button("SBNew")->click();
    QVERIFY(window_->field() != field);
    QVERIFY(!window_->field()->IsModified());
    QVERIFY(startup_->isVisible());
    QVERIFY(!window_->isVisible());
  }

 private:
  static QByteArray bytesOf(const Crossword& crossword) {
    const auto bytes = encodeCrossword(crossword);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
  }
  static void commandRows() {
    QTest::addColumn<Command>("command");
    QTest::newRow("Load") << Command::Load;
    QTest::newRow("a drop") << Command::Drop;
    QTest::newRow("New") << Command::New;
  }
  void run(Command command, const std::string& file) {
    switch (command) {
      case Command::Load:
        (*platform_)->openNames.push_back(QString::fromStdString(file));
        button("SBOpen")->click();
        break;
      case Command::Drop: drop({file}); break;
      case Command::New: window_->NNewClick(); break;
    }
  }
  QToolButton* button(const char* name) { return test::namedChild<QToolButton>(*window_, name); }
  void drop(const std::vector<std::string>& paths) {
    std::unique_ptr<QMimeData> data(test::fileDrag(paths));
    test::dragAndDrop(window_.get(), data.get());
  }

  std::unique_ptr<test::FileSession> session_;
  std::unique_ptr<ScopedScriptedPlatform> platform_;
  std::unique_ptr<QWidget> startup_;
  std::unique_ptr<TForm1> window_;
  std::string current_;
};

}  // namespace jcw

QTEST_MAIN(jcw::FileCommandsTest)
#include "FileCommandsTest.moc"
