// Solve, test and hint runs on a real field inside a stand-in main window: the save question,
// the results on the field, the messages, cancellation, and what a run disables meanwhile.

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "support/DriverHarness.h"
#include "field/ViewState.h"
#include "files/CrosswordFile.h"
#include "model/ProcessState.h"
#include "solver/qt/Hint.h"
#include "solver/SolverBusy.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"

Q_DECLARE_METATYPE(jcw::Crossword)
Q_DECLARE_METATYPE(jcw::Answer)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace jcw {

using test::DriverHarness;
using test::EndlessSearch;
using test::EveryPass;
using test::kDiagonal;
using test::kFramedDiagonal;
using test::kFramedDiagonalByLines;
using test::kStairs;
using test::makeCrossword;
using test::pictureCrossword;
using test::ScopedScriptedPlatform;
using Rows = std::vector<std::string>;

namespace {

const QString kTestCaption = QStringLiteral("Японский кроссворд - Тест");
const QString kSingle = QStringLiteral("Кроссворд имеет единственное решение");
const QString kSeveral =
    QStringLiteral("Решение не найдено.\n\rКроссворд имеет несколько вариантов решений");
const QString kNoHint = QStringLiteral("Подсказка невозможна\n\rДальнейшее решение не определено");

// Row 1 fills exactly; the columns then decide the rest.
Crossword tee() { return makeCrossword({{{3}, {1}, {1}}, {{1}, {3}, {1}}, {}}); }
// Every row fills exactly, so each row sweep decides its rows one by one.
Crossword fullSquare() { return makeCrossword({{{3}, {3}, {3}}, {{3}, {3}, {3}}, {}}); }
// Either diagonal of the top two rows fits; the bottom rows are decided.
Crossword diagonalsOverAFullRow() {
  return makeCrossword({{{1}, {1}, {}, {2}}, {{1, 1}, {1, 1}}, {}});
}
// #.#. / .#.. / .#.# / #.#. alone fits, but only trying cells shows it.
Crossword uniqueBeyondLines() {
  return makeCrossword({{{1, 1}, {1}, {1, 1}, {1, 1}}, {{1, 1}, {2}, {1, 1}, {1}}, {}});
}
const Rows kUniqueBeyondLines{"#.#.", ".#..", ".#.#", "#.#."};
// Equal clue sums, yet column 1 needs two cells where row 2 allows none.
Crossword noPicture() { return makeCrossword({{{2}, {}}, {{2}, {}}, {}}); }

const QString kSolveSeveral = QStringLiteral(
    "Кроссворд имеет несколько вариантов решений\n\rПоказать одно из решений?");
const QString kSolveNone = QStringLiteral("Кроссворд не имеет решений");
// What no picture of noPicture() says besides the verdict.
const QString kNoPictureLines = QStringLiteral("\n\rПротиворечат друг другу: строка 2 и столбец 1");
const QString kSolveCancelled = QStringLiteral("Поиск решения прерван пользователем");

// The field's ambiguity overlay, one string per picture row: 'x' where it shows, '-' elsewhere.
Rows overlayRows(const TGrid& grid) {
  const Crossword& m = grid.model();
  Rows rows;
  for (int y = m.firstPictureY(); y < m.H1(); ++y) {
    std::string row;
    for (int x = m.firstPictureX(); x < m.W1(); ++x) row += grid.isDiffering(x, y) ? 'x' : '-';
    rows.push_back(row);
  }
  return rows;
}

// Whether the field shows the overlay's colour inside picture cell (x, y).
bool showsOverlayColour(TGrid& grid, int x, int y) {
  const QImage cell = grid.grab(grid.cellRect(x, y)).toImage();
  for (int py = 0; py < cell.height(); ++py)
    for (int px = 0; px < cell.width(); ++px)
      if (cell.pixelColor(px, py) == QColor(255, 0, 255)) return true;
  return false;
}


// kFramedDiagonal with its upper diagonal cell marked.
Crossword framedDiagonalMarked() {
  Crossword crossword = pictureCrossword(kFramedDiagonal);
  setPictureRows(crossword, {"???????", "???????", "??#????"});
  return crossword;
}

// A run from the tool window's button, as a click on it makes.
void run(DriverHarness& h, const char* button, bool test = false) {
  auto* sw = h.form->findChild<QAbstractButton*>(test ? "AFSweetchT" : "AFSweetchR");
  sw->click();
  h.form->AFFullClick(h.form->findChild<QAbstractButton*>(button));
}

}  // namespace

class DriverRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    resetProcessState();
    SolverBusy = false;
  }

  void aSolveEndsWithWhatTheCompleteSolverDecides_data();
  void aSolveEndsWithWhatTheCompleteSolverDecides();
  void yesToSeveralPicturesWritesTheFirstAsOneUndoStepAndKeepsTheOverlay();
  void theSaveQuestionComesOnlyForChangesAndItsAnswerDecides_data();
  void theSaveQuestionComesOnlyForChangesAndItsAnswerDecides();
  void theTestNamesTheVerdictAndLeavesTheFieldAlone_data();
  void theTestNamesTheVerdictAndLeavesTheFieldAlone();
  void theTestShowsWhereTwoPicturesDifferUntilTheNextMark();
  void continuationTakesTheUsersMarksAsKnownCells();
  void escapeStopsALongSearchAndNothingOfItIsWritten_data();
  void escapeStopsALongSearchAndNothingOfItIsWritten();
  void closingTheMainWindowDuringASearchStopsItThenCloses();
  void escapeStopsARunAndSaysSo_data();
  void escapeStopsARunAndSaysSo();
  void duringARunTheMainWindowWaitsAndOtherRunsDoNothing_data();
  void duringARunTheMainWindowWaitsAndOtherRunsDoNothing();
  void withShiftTheFieldShowsEverySweepAndNoWaitPanel();

  void theHintWritesWhatOnePassDecides_data();
  void theHintWritesWhatOnePassDecides();
  void theHintOnAContradictionWritesNothingAndSaysWhy_data();
  void theHintOnAContradictionWritesNothingAndSaysWhy();
  void theHintSaysSoWhenNothingCanBeDecided_data();
  void theHintSaysSoWhenNothingCanBeDecided();
};

void DriverRunTest::aSolveEndsWithWhatTheCompleteSolverDecides_data() {
  QTest::addColumn<Crossword>("crossword");
  QTest::addColumn<QString>("button");
  QTest::addColumn<Rows>("picture");
  QTest::addColumn<QString>("message");
  QTest::addColumn<Rows>("overlay");
  const Rows noOverlay3{"---", "---", "---"};
  QTest::newRow("line solving finishes") << tee() << "AFFull" << Rows{"###", ".#.", ".#."} << ""
                                         << noOverlay3;
  QTest::newRow("one picture beyond line solving is written whole")
      << uniqueBeyondLines() << "AFFull" << kUniqueBeyondLines << ""
      << Rows{"----", "----", "----", "----"};
  QTest::newRow("several pictures: the sweeps' cells stay and the rest is shown")
      << diagonalsOverAFullRow() << "AFFull" << Rows{"??", "??", "..", "##"} << kSolveSeveral
      << Rows{"xx", "xx", "--", "--"};
  QTest::newRow("no picture from nothing leaves the field clear and names the lines")
      << noPicture() << "AFFull" << Rows{"??", "??"} << kSolveNone + kNoPictureLines
      << Rows{"--", "--"};
  Crossword wrongMark = tee();
  setPictureRows(wrongMark, {"#.#"});
  QTest::newRow("a wrong mark when continuing is no picture, and the marks stay")
      << wrongMark << "AFMask" << Rows{"#.#", "???", "???"} << kSolveNone << noOverlay3;
  QTest::newRow("marks are ignored from nothing")
      << wrongMark << "AFFull" << Rows{"###", ".#.", ".#."} << "" << noOverlay3;
  const Rows square{"-------", "-------", "--xx---", "--xx---", "-------", "-------", "-------"};
  QTest::newRow("a frame around a diagonal shows its square")
      << framedDiagonalMarked() << "AFFull" << kFramedDiagonalByLines << kSolveSeveral << square;
  QTest::newRow("a mark decides the diagonal when continuing")
      << framedDiagonalMarked() << "AFMask" << kFramedDiagonal << ""
      << Rows(7, "-------");
}

void DriverRunTest::aSolveEndsWithWhatTheCompleteSolverDecides() {
  QFETCH(Crossword, crossword);
  QFETCH(QString, button);
  QFETCH(Rows, picture);
  QFETCH(QString, message);
  QFETCH(Rows, overlay);
  ScopedScriptedPlatform p;
  // Several pictures: the question whether to show one is answered No.
  const bool question = message == kSolveSeveral;
  if (!message.isEmpty()) p->answers = {question ? Answer::No : Answer::Ok};
  DriverHarness h;
  crossword.Modified = false;
  h.load(crossword);
  p->onMessage = [&](const MessageRequest&) { QVERIFY(h.panel->isHidden()); };

  run(h, qPrintable(button));

  QCOMPARE(pictureRows(h.model()), picture);
  QCOMPARE(overlayRows(*h.grid), overlay);
  QCOMPARE(p->messages.size(), std::size_t{message.isEmpty() ? 0u : 1u});
  if (!message.isEmpty()) {
    QCOMPARE(p->messages[0].text, message);
    QCOMPARE(p->messages[0].caption, kTestCaption);
    QCOMPARE(p->messages[0].icon, question ? Icon::Question : Icon::Information);
    QCOMPARE(p->messages[0].buttons, question ? Buttons::YesNo : Buttons::Ok);
  }
  // Unsaved exactly when the run changed the picture: it is one step of the history.
  QCOMPARE(h.model().IsModified(), pictureRows(h.model()) != pictureRows(crossword));
  QCOMPARE(h.model().history.steps().size(), h.model().IsModified() ? 1u : 0u);
  QCOMPARE(h.model().MarkedCount, h.model().countMarked());
}

void DriverRunTest::yesToSeveralPicturesWritesTheFirstAsOneUndoStepAndKeepsTheOverlay() {
  ScopedScriptedPlatform p;
  p->answers = {Answer::Yes};
  DriverHarness h;
  h.load(diagonalsOverAFullRow());

  run(h, "AFFull");

  const Rows shown = pictureRows(h.model());
  QVERIFY(shown == (Rows{"#.", ".#", "..", "##"}) || shown == (Rows{".#", "#.", "..", "##"}));
  QCOMPARE(overlayRows(*h.grid), (Rows{"xx", "xx", "--", "--"}));
  QCOMPARE(h.model().MarkedCount, h.model().countMarked());
  CurrentMode = kSolvingMode;
  h.grid->Undo();  // the picture shown is a step of its own, above the run's
  QCOMPARE(pictureRows(h.model()), (Rows{"??", "??", "..", "##"}));
  QCOMPARE(h.model().history.position(), std::size_t{1});
}

void DriverRunTest::theSaveQuestionComesOnlyForChangesAndItsAnswerDecides_data() {
  QTest::addColumn<bool>("modified");
  QTest::addColumn<bool>("fileNameSet");
  QTest::addColumn<QList<Answer>>("answers");
  QTest::addColumn<QStringList>("saveNames");
  QTest::addColumn<bool>("solved");
  QTest::addColumn<bool>("saved");
  QTest::addColumn<QString>("button");
  QTest::newRow("no changes: no question") << false << false << QList<Answer>{} << QStringList{}
                                           << true << false << "AFFull";
  QTest::newRow("Cancel leaves the field as it was")
      << true << false << QList<Answer>{Answer::Cancel} << QStringList{} << false << false
      << "AFFull";
  QTest::newRow("Cancel stops a continuation too")
      << true << false << QList<Answer>{Answer::Cancel} << QStringList{} << false << false
      << "AFMask";
  QTest::newRow("No solves without saving")
      << true << false << QList<Answer>{Answer::No} << QStringList{} << true << false << "AFFull";
  QTest::newRow("Yes saves under the current name, then solves")
      << true << true << QList<Answer>{Answer::Yes} << QStringList{} << true << true << "AFFull";
  QTest::newRow("Yes asks for a name when there is none, then solves")
      << true << false << QList<Answer>{Answer::Yes} << QStringList{"new.jcw"} << true << true
      << "AFFull";
  QTest::newRow("Yes with the save dialog cancelled keeps the marks")
      << true << false << QList<Answer>{Answer::Yes} << QStringList{""} << false << false
      << "AFFull";
  QTest::newRow("Yes with the save dialog cancelled still continues from the marks")
      << true << false << QList<Answer>{Answer::Yes} << QStringList{""} << true << false
      << "AFMask";
}

void DriverRunTest::theSaveQuestionComesOnlyForChangesAndItsAnswerDecides() {
  QFETCH(bool, modified);
  QFETCH(bool, fileNameSet);
  QFETCH(QList<Answer>, answers);
  QFETCH(QStringList, saveNames);
  QFETCH(bool, solved);
  QFETCH(bool, saved);
  QFETCH(QString, button);
  ScopedScriptedPlatform p;
  QTemporaryDir dir;
  const std::string savePath = dir.filePath("new.jcw").toStdString();
  if (fileNameSet) {
    CurFileName = dir.filePath("old.jcw").toStdString();
    CurShortName = ShortName(CurFileName);
  }
  for (const QString& name : saveNames) p->saveNames.push_back(name.isEmpty() ? name : dir.filePath(name));
  p->answers.assign(answers.begin(), answers.end());
  DriverHarness h;
  Crossword crossword = tee();
  setPictureRows(crossword, {"#??"});
  crossword.Modified = modified;
  h.load(crossword);
  h.form->toggleShown();

  run(h, qPrintable(button));

  const Rows before{"#??", "???", "???"};
  const Rows solvedPicture{"###", ".#.", ".#."};
  QCOMPARE(pictureRows(h.model()), solved ? solvedPicture : before);
  QCOMPARE(p->messages.size(), answers.size());
  if (modified) {
    const MessageRequest& question = p->messages.front();
    QCOMPARE(question.text, QStringLiteral("Сохранить текущие изменения?"));
    QCOMPARE(question.caption, QStringLiteral("Японский кроссворд") +
                                   QString::fromStdString(fileNameSet ? " (old)" : ""));
    QCOMPARE(question.buttons, Buttons::YesNoCancel);
    QCOMPARE(question.icon, Icon::Question);
  }
  const std::string written = fileNameSet ? CurFileName : savePath;
  QCOMPARE(std::filesystem::exists(written), saved);
  if (saved) QCOMPARE(pictureRows(*readCrosswordFile(written)), before);
  QVERIFY(!h.form->isVisible());
  QVERIFY(!h.sbAuto->isChecked());
}

void DriverRunTest::theTestNamesTheVerdictAndLeavesTheFieldAlone_data() {
  QTest::addColumn<Crossword>("crossword");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("message");
  QTest::newRow("line solving decides every cell")
      << pictureCrossword(kStairs) << "AFFull" << kSingle;
  QTest::newRow("two diagonals") << pictureCrossword(kDiagonal) << "AFFull" << kSeveral;
  QTest::newRow("line solving leaves cells open")
      << pictureCrossword(kFramedDiagonal) << "AFFull" << kSeveral;
  // #.#. / .#.. / .#.# / #.#. alone fits, but only trying cells shows it.
  QTest::newRow("one picture beyond line solving")
      << makeCrossword({{{1, 1}, {1}, {1, 1}, {1, 1}}, {{1, 1}, {2}, {1, 1}, {1}}, {}})
      << "AFFull"
      << QStringLiteral("Кроссворд имеет единственное решение\n\rРешить его одной логикой "
                        "строк и столбцов нельзя: нужно пробовать варианты клеток");
  Crossword marked = pictureCrossword(kDiagonal);
  setPictureRows(marked, {"#?"});
  QTest::newRow("marks taken when continuing") << marked << "AFMask" << kSingle;
  QTest::newRow("marks ignored from nothing") << marked << "AFFull" << kSeveral;
  QTest::newRow("continuing without marks blames no marks")
      << noPicture() << "AFMask"
      << QStringLiteral("Решение не найдено.\n\rКроссворд не имеет решений") + kNoPictureLines;
  Crossword wrongMark = tee();
  setPictureRows(wrongMark, {"#.#"});
  QTest::newRow("continuing from a wrong mark blames the marks")
      << wrongMark << "AFMask"
      << QStringLiteral("Решение не найдено.\n\rОтмеченные клетки противоречат числам");
}

void DriverRunTest::theTestNamesTheVerdictAndLeavesTheFieldAlone() {
  QFETCH(Crossword, crossword);
  QFETCH(QString, button);
  QFETCH(QString, message);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  h.load(crossword);
  CancelRequested = true;  // an Escape from before the run

  run(h, qPrintable(button), true);

  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, message);
  QCOMPARE(p->messages[0].caption, kTestCaption);
  QCOMPARE(p->messages[0].buttons, Buttons::Ok);
  QCOMPARE(p->messages[0].icon, Icon::Information);
  QCOMPARE(pictureRows(h.model()), pictureRows(crossword));
  QVERIFY(!h.model().IsModified());
}

void DriverRunTest::theTestShowsWhereTwoPicturesDifferUntilTheNextMark() {
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  const Crossword crossword = diagonalsOverAFullRow();
  h.load(crossword);
  h.grid->setCellSize(20);
  h.grid->resize(h.grid->fieldSize());
  const int x = h.model().firstPictureX();
  const int y = h.model().firstPictureY();

  run(h, "AFFull", true);

  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, kSeveral);
  QCOMPARE(overlayRows(*h.grid), (Rows{"xx", "xx", "--", "--"}));
  QVERIFY(showsOverlayColour(*h.grid, x + 1, y + 1));
  QVERIFY(!showsOverlayColour(*h.grid, x, y + 3));
  QCOMPARE(pictureRows(h.model()), pictureRows(crossword));
  QVERIFY(!h.model().IsModified());
  QVERIFY(h.model().history.steps().empty());

  h.grid->MarkCell(x, y, true);

  QCOMPARE(overlayRows(*h.grid), (Rows{"--", "--", "--", "--"}));
  QVERIFY(!showsOverlayColour(*h.grid, x + 1, y + 1));
}

void DriverRunTest::escapeStopsALongSearchAndNothingOfItIsWritten_data() {
  QTest::addColumn<bool>("test");
  QTest::addColumn<QString>("message");
  QTest::newRow("solve") << false << kSolveCancelled;
  QTest::newRow("test") << true << QStringLiteral("Тест прерван пользователем");
}

void DriverRunTest::escapeStopsALongSearchAndNothingOfItIsWritten() {
  QFETCH(bool, test);
  QFETCH(QString, message);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  h.load(diagonalsOverAFullRow());
  std::atomic<std::thread::id> searchThread;
  // The search goes on after Escape until the checks below are done: the run must not wait.
  const auto searchMayEnd = std::make_shared<std::atomic<bool>>(false);
  const auto release = qScopeGuard([&] { *searchMayEnd = true; });
  h.form->setSearch(EndlessSearch{&searchThread, searchMayEnd});
  QString progressShown;
  EveryPass escape([&] {
    if (!progressShown.isEmpty() || !h.panel->text().contains(QStringLiteral("Узлов"))) return;
    progressShown = h.panel->text();
    QVERIFY(h.panel->isVisible());
    QVERIFY(SolverBusy);
    CancelRequested = true;
  });

  run(h, "AFFull", test);

  QVERIFY(searchThread.load() != std::thread::id{});
  QVERIFY(searchThread.load() != std::this_thread::get_id());
  QVERIFY2(progressShown.startsWith(QStringLiteral("Идет анализ. Ждите...\nУзлов поиска: 6, конфликтов: 1200\nПрошло: ")),
           qPrintable(progressShown));
  QCOMPARE(h.panel->text(), QStringLiteral("Идет анализ. Ждите..."));
  QVERIFY(h.panel->isHidden());
  // The test writes nothing; the solve keeps what its sweeps decided.
  const Rows expected = test ? Rows{"??", "??", "??", "??"} : Rows{"??", "??", "..", "##"};
  QCOMPARE(pictureRows(h.model()), expected);
  QCOMPARE(overlayRows(*h.grid), (Rows{"--", "--", "--", "--"}));
  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, message);
  QVERIFY(!SolverBusy);
}

void DriverRunTest::closingTheMainWindowDuringASearchStopsItThenCloses() {
  ScopedScriptedPlatform p;
  DriverHarness h;
  h.load(diagonalsOverAFullRow());
  std::atomic<std::thread::id> searchThread;
  h.form->setSearch(EndlessSearch{&searchThread});
  bool closedDuringSearch = false;
  EveryPass closer([&] {
    if (closedDuringSearch || searchThread.load() == std::thread::id{}) return;
    closedDuringSearch = true;
    h.window.close();
    QVERIFY(h.window.isVisible());  // not before the search has ended
  });

  run(h, "AFFull", true);

  QVERIFY(closedDuringSearch);
  QVERIFY(!h.window.isVisible());
  QVERIFY(p->messages.empty());
  QVERIFY(!SolverBusy);
}

void DriverRunTest::continuationTakesTheUsersMarksAsKnownCells() {
  ScopedScriptedPlatform p;
  DriverHarness h;
  Crossword crossword = pictureCrossword(kDiagonal);
  setPictureRows(crossword, {"?#"});
  h.load(crossword);

  run(h, "AFMask");

  QCOMPARE(pictureRows(h.model()), (Rows{".#", "#."}));
  QCOMPARE(h.model().MarkedCount, 4);
}

void DriverRunTest::escapeStopsARunAndSaysSo_data() {
  QTest::addColumn<bool>("test");
  QTest::addColumn<int>("yield");
  QTest::addColumn<Rows>("picture");
  QTest::addColumn<QString>("message");
  // The first pass draws the field before the work starts; each later one follows a line.
  QTest::newRow("solve stopped after row 1 keeps row 1")
      << false << 3 << Rows{"###", "???", "???"} << QStringLiteral("Поиск решения прерван пользователем");
  QTest::newRow("solve stopped before any line keeps nothing")
      << false << 1 << Rows{"???", "???", "???"} << QStringLiteral("Поиск решения прерван пользователем");
  QTest::newRow("test stopped during the first sweep")
      << true << 3 << Rows{"???", "???", "???"} << QStringLiteral("Тест прерван пользователем");
}

void DriverRunTest::escapeStopsARunAndSaysSo() {
  QFETCH(bool, test);
  QFETCH(int, yield);
  QFETCH(Rows, picture);
  QFETCH(QString, message);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  h.load(fullSquare());
  int passes = 0;
  EveryPass escape([&] {
    if (++passes == yield) CancelRequested = true;
  });

  run(h, "AFFull", test);

  QCOMPARE(pictureRows(h.model()), picture);
  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, message);
  QCOMPARE(p->messages[0].caption, kTestCaption);
  QCOMPARE(p->messages[0].icon, Icon::Information);
  QCOMPARE(h.model().IsModified(), picture != pictureRows(fullSquare()));
}

void DriverRunTest::duringARunTheMainWindowWaitsAndOtherRunsDoNothing_data() {
  QTest::addColumn<bool>("test");
  QTest::newRow("solve") << false;
  QTest::newRow("test") << true;
}

void DriverRunTest::duringARunTheMainWindowWaitsAndOtherRunsDoNothing() {
  QFETCH(bool, test);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};  // the marks fit no picture
  DriverHarness h;
  h.window.resize(601, 499);
  Crossword crossword = tee();
  setPictureRows(crossword, {"###", "?##"});  // a hint would empty row 2
  h.load(crossword);
  h.form->toggleShown();
  bool probed = false;
  EveryPass probe([&] {
    if (probed || !SolverBusy) return;
    probed = true;
    QVERIFY(!h.mainBtn->isEnabled());
    QCOMPARE(h.mainBtn->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(h.grid->cursor().shape(), Qt::WaitCursor);
    QVERIFY(!h.form->isVisible());
    QVERIFY(h.panel->isVisible());
    const QSize outer = h.window.frameGeometry().size();
    QCOMPARE(h.panel->pos(), QPoint((outer.width() - 169) / 2, (outer.height() - 70) / 2));
    HintProcess(*h.grid);
    h.form->toggleShown();
    h.form->AFFullClick(h.form->findChild<QAbstractButton*>("AFMask"));
  });

  run(h, "AFMask", test);

  QVERIFY(probed);
  QCOMPARE(p->messages.size(), std::size_t{1});
  QVERIFY(h.mainBtn->isEnabled());
  QVERIFY(!h.mainBtn->testAttribute(Qt::WA_SetCursor));
  QVERIFY(!h.grid->testAttribute(Qt::WA_SetCursor));
  QVERIFY(h.panel->isHidden());
  QVERIFY(!h.form->isVisible());
  QVERIFY(!h.sbAuto->isChecked());
  QVERIFY(!SolverBusy);
}

void DriverRunTest::withShiftTheFieldShowsEverySweepAndNoWaitPanel() {
  ScopedScriptedPlatform p;
  DriverHarness h;
  h.load(pictureCrossword(kStairs));
  std::vector<Rows> seen;
  const auto look = [&] {
    if (seen.empty() || seen.back() != pictureRows(h.model())) seen.push_back(pictureRows(h.model()));
  };
  bool panelShown = false;
  EveryPass watch([&] {
    panelShown = panelShown || h.panel->isVisible();
    look();
  });

  h.form->AutoProcess(false, true);
  look();  // the last sweep's picture, which no later pass shows

  QVERIFY(!panelShown);
  const std::vector<Rows> sweeps{
      {"?????", "?????", "?????", "?????", "?????"},  // rows, then columns, from here on
      {"?????", "?#???", "??#??", "??#??", "?????"},
      {"??.??", "?#.#?", "??##?", "?.##?", "?..??"},
      {"??.??", "##.#.", ".?##?", "..###", "?..??"},
      {"#?.?.", "##.#.", ".?##.", "..###", "...?."},
      kStairs};
  QCOMPARE(seen, sweeps);
}

void DriverRunTest::theHintWritesWhatOnePassDecides_data() {
  QTest::addColumn<Crossword>("crossword");
  QTest::addColumn<Rows>("picture");
  QTest::newRow("a full row, and the columns use it") << tee() << Rows{"###", ".#.", ".#."};
}

void DriverRunTest::theHintOnAContradictionWritesNothingAndSaysWhy_data() {
  QTest::addColumn<Crossword>("crossword");
  QTest::addColumn<QString>("reason");
  Crossword wrongMarks = tee();
  setPictureRows(wrongMarks, {"???", "#?#"});
  QTest::newRow("marks against clues that fit")
      << wrongMarks << QStringLiteral("Отмеченные клетки противоречат числам");
  Crossword wrongClues = noPicture();
  setPictureRows(wrongClues, {"#?", "??"});
  QTest::newRow("clues that fit no picture")
      << wrongClues << QStringLiteral("Кроссворд не имеет решений") + kNoPictureLines;
}

void DriverRunTest::theHintOnAContradictionWritesNothingAndSaysWhy() {
  QFETCH(Crossword, crossword);
  QFETCH(QString, reason);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  h.load(crossword);

  HintProcess(*h.grid);

  QCOMPARE(pictureRows(h.model()), pictureRows(crossword));
  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, QStringLiteral("Подсказка невозможна\n\r") + reason);
  QVERIFY(!h.model().IsModified());
}

void DriverRunTest::theHintWritesWhatOnePassDecides() {
  QFETCH(Crossword, crossword);
  QFETCH(Rows, picture);
  ScopedScriptedPlatform p;
  DriverHarness h;
  crossword.history.record({1, 1, 0, 0});  // a step from before the hint
  h.load(crossword);
  CancelRequested = true;  // an Escape from before the hint

  HintProcess(*h.grid);

  QCOMPARE(pictureRows(h.model()), picture);
  QVERIFY(p->messages.empty());
  QVERIFY(h.model().IsModified());
  QCOMPARE(h.model().MarkedCount, h.model().countMarked());
  h.model().undo();  // the hint is one step above the step from before it
  QCOMPARE(pictureRows(h.model()), pictureRows(crossword));
  QCOMPARE(h.model().history.position(), std::size_t{1});
}

void DriverRunTest::theHintSaysSoWhenNothingCanBeDecided_data() {
  QTest::addColumn<Crossword>("crossword");
  QTest::newRow("two diagonals") << pictureCrossword(kDiagonal);
  Crossword done = tee();
  setPictureRows(done, {"###", ".#.", ".#."});
  QTest::newRow("marks that already decide everything") << done;
}

void DriverRunTest::theHintSaysSoWhenNothingCanBeDecided() {
  QFETCH(Crossword, crossword);
  ScopedScriptedPlatform p;
  p->answers = {Answer::Ok};
  DriverHarness h;
  h.load(crossword);

  HintProcess(*h.grid);

  QCOMPARE(p->messages.size(), std::size_t{1});
  QCOMPARE(p->messages[0].text, kNoHint);
  QCOMPARE(p->messages[0].caption, QStringLiteral("Японский кроссворд - Подсказка"));
  QCOMPARE(p->messages[0].buttons, Buttons::Ok);
  QCOMPARE(p->messages[0].icon, Icon::Information);
  QCOMPARE(pictureRows(h.model()), pictureRows(crossword));
  QVERIFY(!h.model().IsModified());
}

}  // namespace jcw

QTEST_MAIN(jcw::DriverRunTest)
#include "DriverRunTest.moc"
