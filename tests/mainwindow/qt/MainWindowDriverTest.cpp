// The solver's commands inside the real main window: the tool window from SBAuto and NAuto, a
// run on the window's own field, Escape in the main window, the hint button and About.

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <thread>

#include "support/DriverHarness.h"
#include "field/ViewState.h"
#include "field/qt/TGrid.h"
#include "files/CrosswordFile.h"
#include "mainwindow/qt/TForm1.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "solver/SolverBusy.h"
#include "solver/SolverRuns.h"
#include "solver/qt/TFormAuto.h"
#include "support/NamedChild.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"
#include "widgets/qt/About.h"

namespace jcw {

using test::EveryPass;
using test::kFramedDiagonal;
using test::kFramedDiagonalByLines;
using test::kStairs;
using test::pictureCrossword;
using test::ScopedScriptedPlatform;

// A solve that finds several pictures asks whether to show one.
const QString kSeveralQuestion = QStringLiteral(
    "Кроссворд имеет несколько вариантов решений\n\rПоказать одно из решений?");

class MainWindowDriverTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScopedScriptedPlatform> platform_;
  std::unique_ptr<TForm1> form_;

  test::ScriptedPlatform& scripted() { return **platform_; }

  TForm1& open(const Crossword& crossword) {
    setCurrentDimensions(crossword.dims());
    form_ = std::make_unique<TForm1>();
    form_->field()->setModel(crossword);
    OpenMode = kSolvingMode;
    form_->show();
    return *form_;
  }

  template <typename T>
  T* child(const char* name) {
    return test::namedChild<T>(*form_, name);
  }
  QWidget* toolWindow() { return child<QWidget>("FormAuto"); }
  QToolButton* sbAuto() { return child<QToolButton>("SBAuto"); }
  Crossword& model() { return form_->field()->model(); }

  // Opens `crossword`, runs "Полностью" from the tool window and calls `probe` once while the
  // run is working.
  void solveFullyProbingOnce(const Crossword& crossword, const std::function<void()>& probe) {
    open(crossword);
    sbAuto()->click();
    bool probed = false;
    EveryPass during([&] {
      if (probed || !SolverBusy) return;
      probed = true;
      probe();
    });
    child<QPushButton>("AFFull")->click();
    QVERIFY(probed);
  }

  // The one message a solve of kFramedDiagonal ends with: either diagonal fits.
  void expectSeveralPictures() {
    QCOMPARE(scripted().messages.size(), std::size_t{1});
    QCOMPARE(scripted().messages[0].text, kSeveralQuestion);
  }

 private slots:
  void init() {
    resetProcessState();
    platform_ = std::make_unique<ScopedScriptedPlatform>();
    scripted().area = QRect(0, 0, 1000, 760);
  }
  void cleanup() {
    form_.reset();
    platform_.reset();
  }

  void sbAutoAndNAutoOpenAndCloseTheToolWindowAndSbAutoFollows();
  void fullFromTheToolWindowSolvesTheMainWindowsField();
  void escapeInTheMainWindowStopsARun_data();
  void escapeInTheMainWindowStopsARun();
  void duringARunSbAutoStaysUpAndTheToolWindowHidden();
  void duringARunCommandsMarksAndKeysDoNothing_data();
  void duringARunCommandsMarksAndKeysDoNothing();
  void theTestsOverlayLastsUntilTheNextMarkCommandOrModeChange_data();
  void theTestsOverlayLastsUntilTheNextMarkCommandOrModeChange();
  void newAndLoadCloseTheToolWindow_data();
  void newAndLoadCloseTheToolWindow();
  void inViewModeTheRunButtonsDoNothing();
  void theToolWindowComesBackWithTheRestoredMainWindow_data();
  void theToolWindowComesBackWithTheRestoredMainWindow();
  void sbTipDecidesWhatOnePassCanAndAltBackspaceTakesItAllBack();
  void theAboutCommandShowsTheAboutBoxModally();
};

void MainWindowDriverTest::sbAutoAndNAutoOpenAndCloseTheToolWindowAndSbAutoFollows() {
  open(pictureCrossword(kStairs));
  QAction* nAuto = child<QAction>("NAuto");

  sbAuto()->click();
  QVERIFY(toolWindow()->isVisible());
  QVERIFY(sbAuto()->isChecked());
  nAuto->trigger();
  QVERIFY(!toolWindow()->isVisible());
  QVERIFY(!sbAuto()->isChecked());
  nAuto->trigger();
  QVERIFY(sbAuto()->isChecked());
  child<QPushButton>("AFCancel")->click();
  QVERIFY(!toolWindow()->isVisible());
  QVERIFY(!sbAuto()->isChecked());
}

void MainWindowDriverTest::fullFromTheToolWindowSolvesTheMainWindowsField() {
  open(pictureCrossword(kStairs));
  sbAuto()->click();

  child<QPushButton>("AFFull")->click();

  QCOMPARE(pictureRows(model()), kStairs);
  QVERIFY(scripted().messages.empty());
  QVERIFY(child<QWidget>("MainBtn")->isEnabled());
  QVERIFY(child<QWidget>("WaitPanel")->isHidden());
  QVERIFY(!toolWindow()->isVisible());
  QVERIFY(!sbAuto()->isChecked());
  QVERIFY(child<QToolButton>("SBSave")->isEnabled());
}

void MainWindowDriverTest::escapeInTheMainWindowStopsARun_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("message");
  QTest::newRow("solve") << "AFSweetchR" << QStringLiteral("Поиск решения прерван пользователем");
  QTest::newRow("test") << "AFSweetchT" << QStringLiteral("Тест прерван пользователем");
}

void MainWindowDriverTest::escapeInTheMainWindowStopsARun() {
  QFETCH(QString, mode);
  QFETCH(QString, message);
  open(test::randomCrossword(30, 30, 22));
  scripted().answers = {Answer::Ok};
  sbAuto()->click();
  child<QAbstractButton>(qPrintable(mode))->click();
  int passes = 0;
  EveryPass escape([&] {
    if (++passes == 3) QTest::keyClick(form_->field(), Qt::Key_Escape);
  });

  child<QPushButton>("AFFull")->click();

  QCOMPARE(scripted().messages.size(), std::size_t{1});
  QCOMPARE(scripted().messages[0].text, message);
  QVERIFY(passes < 10);  // no sweep went on after the Escape
}

void MainWindowDriverTest::duringARunSbAutoStaysUpAndTheToolWindowHidden() {
  scripted().answers = {Answer::No};
  solveFullyProbingOnce(pictureCrossword(kFramedDiagonal), [&] {
    sbAuto()->click();
    sbAuto()->click();
    QVERIFY(!toolWindow()->isVisible());
    QVERIFY(!sbAuto()->isChecked());
  });
  QCOMPARE(pictureRows(model()), kFramedDiagonalByLines);
  expectSeveralPictures();
}

void MainWindowDriverTest::duringARunCommandsMarksAndKeysDoNothing_data() {
  QTest::addColumn<bool>("searching");
  QTest::newRow("during the sweeps") << false;
  QTest::newRow("during the search on its worker thread") << true;
}

void MainWindowDriverTest::duringARunCommandsMarksAndKeysDoNothing() {
  QFETCH(bool, searching);
  scripted().answers = {searching ? Answer::Ok : Answer::No};
  open(pictureCrossword(kFramedDiagonal));
  std::atomic<std::thread::id> searchThread;
  if (searching)
    form_->findChild<TFormAuto*>("FormAuto")->setSearch(test::EndlessSearch{&searchThread});
  sbAuto()->click();
  bool probed = false;
  EveryPass during([&] {
    if (probed || !SolverBusy || (searching && searchThread.load() == std::thread::id{})) return;
    probed = true;
    // Each of these would ask something (an unscripted box or dialog fails the test) or mark.
    for (const char* name : {"SBClear", "SBOpen", "SBNew", "SBStart", "SBUndo", "SBTip"})
      child<QToolButton>(name)->click();
    child<QAction>("NClear")->trigger();
    QTest::keyClick(form_->field(), Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(form_->field(), Qt::Key_F9);
    const QRect box = form_->field()->cellRect(model().firstPictureX(), model().firstPictureY());
    QTest::mouseClick(form_->field(), Qt::LeftButton, {}, box.topLeft() + QPoint(2, 2));
    if (searching) QTest::keyClick(form_->field(), Qt::Key_Escape);
  });

  child<QPushButton>("AFFull")->click();

  QVERIFY(probed);
  QCOMPARE(CurrentMode, std::uint8_t{kSolvingMode});
  QCOMPARE(pictureRows(model()), kFramedDiagonalByLines);
  QCOMPARE(scripted().messages.size(), std::size_t{1});
  QCOMPARE(scripted().messages[0].text,
           searching ? QStringLiteral("Поиск решения прерван пользователем")
                     : kSeveralQuestion);
  QCOMPARE(model().history.steps().size(), 1u);  // the run's own, nothing from the clicks
}

void MainWindowDriverTest::theTestsOverlayLastsUntilTheNextMarkCommandOrModeChange_data() {
  QTest::addColumn<QString>("next");
  QTest::newRow("a window move") << "move";
  QTest::newRow("a mark") << "mark";
  QTest::newRow("the hint") << "SBTip";
  QTest::newRow("the editor") << "NEdit";
}

void MainWindowDriverTest::theTestsOverlayLastsUntilTheNextMarkCommandOrModeChange() {
  QFETCH(QString, next);
  scripted().answers = {Answer::Ok};
  open(pictureCrossword(kFramedDiagonal));
  sbAuto()->click();
  child<QAbstractButton>("AFSweetchT")->click();
  child<QPushButton>("AFFull")->click();
  const TGrid& field = *form_->field();
  // The square of the two diagonals, picture cells (3, 3) to (4, 4) counted from 1.
  const int x = model().firstPictureX() + 2;
  const int y = model().firstPictureY() + 2;
  QVERIFY(field.isDiffering(x, y) && field.isDiffering(x + 1, y + 1));
  QVERIFY(!field.isDiffering(x - 1, y));

  if (next == "move") {
    form_->move(form_->pos() + QPoint(5, 5));
  } else if (next == "mark") {
    const QRect box = form_->field()->cellRect(x - 2, y - 2);
    QTest::mouseClick(form_->field(), Qt::LeftButton, {}, box.topLeft() + QPoint(2, 2));
  } else if (next == "SBTip") {
    child<QToolButton>("SBTip")->click();
  } else {
    child<QAction>("NEdit")->trigger();
  }

  QCOMPARE(field.isDiffering(x, y), next == "move");
}

void MainWindowDriverTest::newAndLoadCloseTheToolWindow_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("New") << "NNew";
  QTest::newRow("Load") << "NLoad";
}

void MainWindowDriverTest::newAndLoadCloseTheToolWindow() {
  QFETCH(QString, command);
  QTemporaryDir dir;
  if (command == "NLoad") {
    const QString file = dir.filePath("other.jcw");
    QVERIFY(writeCrosswordFile(file.toStdString(), pictureCrossword(kFramedDiagonal)).ok());
    scripted().openNames = {file};
  }
  open(pictureCrossword(kStairs));
  sbAuto()->click();
  QVERIFY(toolWindow()->isVisible());

  child<QAction>(qPrintable(command))->trigger();

  QVERIFY(!toolWindow()->isVisible());
  QVERIFY(!sbAuto()->isChecked());
}

void MainWindowDriverTest::inViewModeTheRunButtonsDoNothing() {
  const Crossword crossword = pictureCrossword(kFramedDiagonal);
  open(crossword);
  sbAuto()->click();
  form_->SetMode(kViewMode);

  for (const char* button : {"AFFull", "AFMask"}) child<QPushButton>(button)->click();

  QCOMPARE(pictureRows(model()), pictureRows(crossword));
  QVERIFY(scripted().messages.empty());
  QVERIFY(!model().IsModified());
}

void MainWindowDriverTest::theToolWindowComesBackWithTheRestoredMainWindow_data() {
  QTest::addColumn<bool>("open");
  QTest::newRow("open before") << true;
  QTest::newRow("closed before") << false;
}

void MainWindowDriverTest::theToolWindowComesBackWithTheRestoredMainWindow() {
  QFETCH(bool, open);
  this->open(pictureCrossword(kStairs));
  if (open) sbAuto()->click();

  form_->showMinimized();
  QVERIFY(!toolWindow()->isVisible() || toolWindow()->isMinimized());
  form_->showNormal();

  QCOMPARE(toolWindow()->isVisible() && !toolWindow()->isMinimized(), open);
  QCOMPARE(sbAuto()->isChecked(), open);
}

void MainWindowDriverTest::sbTipDecidesWhatOnePassCanAndAltBackspaceTakesItAllBack() {
  open(pictureCrossword(kStairs));
  const int x = model().firstPictureX(), y = model().firstPictureY();
  form_->field()->MarkCell(x, y, true);  // right: the picture starts filled
  const Crossword marked = model();
  SolverState state;
  state.UseMarks = true;
  Crossword expected = marked;
  PrepareSolver(state, expected);
  QVERIFY(hintPass(state));
  WriteBack(state, expected);
  QVERIFY(pictureRows(expected) != pictureRows(marked));

  child<QToolButton>("SBTip")->click();

  QCOMPARE(pictureRows(model()), pictureRows(expected));
  QVERIFY(scripted().messages.empty());
  QTest::keyClick(form_->field(), Qt::Key_Backspace, Qt::AltModifier);
  QCOMPARE(pictureRows(model()), pictureRows(marked));
  QCOMPARE(model().MarkedCount, 1);
  // The pointer goes to the middle of the hint's first cell in reading order.
  const std::vector<std::uint8_t> hinted = expected.pictureStates();
  const std::vector<std::uint8_t> before = marked.pictureStates();
  const auto first = std::mismatch(before.begin(), before.end(), hinted.begin()).first - before.begin();
  const int cols = model().dims().ColCount;
  const QRect box = form_->field()->cellRect(x + int(first % cols), y + int(first / cols));
  const int half = static_cast<int>(std::lrint(form_->field()->cellSize() / 2.0));
  QCOMPARE(scripted().pointerMoves.back(),
           form_->field()->mapToGlobal(box.topLeft() + QPoint(half, half)));
  QVERIFY(child<QToolButton>("SBUndo")->isEnabled());  // the mark before the hint is left
  QTest::keyClick(form_->field(), Qt::Key_Backspace, Qt::AltModifier);
  QCOMPARE(model().MarkedCount, 0);
  QVERIFY(!child<QToolButton>("SBUndo")->isEnabled());
}

void MainWindowDriverTest::theAboutCommandShowsTheAboutBoxModally() {
  open(pictureCrossword(kStairs));
  QWidget* shown = nullptr;
  QTimer::singleShot(0, [&] {
    shown = QApplication::activeModalWidget();
    if (shown) shown->close();
  });

  child<QAction>("N1")->trigger();

  QVERIFY(qobject_cast<TForm3*>(shown));
  QCOMPARE(shown->parentWidget(), form_.get());
  QVERIFY(!shown->isVisible());
}

}  // namespace jcw

QTEST_MAIN(jcw::MainWindowDriverTest)
#include "MainWindowDriverTest.moc"
