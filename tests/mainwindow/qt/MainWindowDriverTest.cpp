// The solver's commands inside the real main window: the tool window from SBAuto and NAuto, a
// run on the window's own field, Escape in the main window, the hint button and About.

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "support/DriverHarness.h"
#include "field/ViewState.h"
#include "mainwindow/qt/TForm1.h"
#include "model/Dimensions.h"
#include "model/ProcessState.h"
#include "solver/SolverBusy.h"
#include "solver/SolverRuns.h"
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
  void duringARunCommandsMarksAndKeysDoNothing();
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
  solveFullyProbingOnce(pictureCrossword(kFramedDiagonal), [&] {
    sbAuto()->click();
    sbAuto()->click();
    QVERIFY(!toolWindow()->isVisible());
    QVERIFY(!sbAuto()->isChecked());
  });
  QCOMPARE(pictureRows(model()), kFramedDiagonalByLines);
  QVERIFY(scripted().messages.empty());
}

void MainWindowDriverTest::duringARunCommandsMarksAndKeysDoNothing() {
  solveFullyProbingOnce(pictureCrossword(kFramedDiagonal), [&] {
    // Each of these would ask something (an unscripted box or dialog fails the test) or mark.
    for (const char* name : {"SBClear", "SBOpen", "SBNew", "SBStart", "SBUndo", "SBTip"})
      child<QToolButton>(name)->click();
    child<QAction>("NClear")->trigger();
    QTest::keyClick(form_->field(), Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(form_->field(), Qt::Key_F9);
    const Rect& box = model().cell(model().firstPictureX(), model().firstPictureY()).region.box;
    QTest::mouseClick(form_->field(), Qt::LeftButton, {}, QPoint(box.left + 2, box.top + 2));
  });
  QCOMPARE(CurrentMode, std::uint8_t{kSolvingMode});
  QCOMPARE(pictureRows(model()), kFramedDiagonalByLines);
  QVERIFY(scripted().messages.empty());
  QVERIFY(model().UndoList.empty());
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
  const Rect& box = model().cell(x + int(first % cols), y + int(first / cols)).region.box;
  const int half = static_cast<int>(std::lrint(CellSize / 2.0));
  QCOMPARE(scripted().pointerMoves.back(),
           form_->field()->mapToGlobal(QPoint(box.left + half, box.top + half)));
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
