#pragma once
// TFormAuto: the solver's tool window. A frameless, always-on-top tool window with the
// "Решение"/"Тест" switch and the two run buttons: "Полностью" solves or tests from an empty
// picture, "Продолжение" from the user's marks. A run hides the window, disables the main
// window's menu button, shows the wait panel and closes the window when it ends. The line sweeps
// run on the UI thread; the complete search that decides the cells they leave open runs on a
// worker thread (BackgroundSearch.h) while the wait panel shows its progress.
//
// It watches the main window: closing it during a run cancels the run and closes it when the run
// has ended; minimising it takes the tool window along, and restoring it brings the tool window
// back if it was open.
//
// The window has no caption bar: pressing the left button on its free client area (outside
// every child's rectangle) drags it. UI thread only; runs never nest (SolverBusy).

#include <QPoint>
#include <QString>
#include <QWidget>

#include "solver/SolverRuns.h"
#include "solver/qt/BackgroundSearch.h"

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;

namespace jcw {

class AutoHost;
class TGrid;
class THotSpeedButton;

// True when `clientPos` lies inside the rectangle of one of `window`'s direct children, labels
// and frames included. A press anywhere else drags the window.
bool isOnChild(const QWidget& window, QPoint clientPos);

class TFormAuto : public QWidget {
  Q_OBJECT

 public:
  explicit TFormAuto(AutoHost& host, QWidget* parent = nullptr);

  // NAutoClick's work: show the window if hidden, else hide it; SBAuto down exactly while it
  // shows. During a run the window stays hidden.
  void toggleShown();

  // One run from the clicked run button: its Tag (0 or 1) is UseMarks; the switch chooses solve
  // or test; Shift held while solving shows every sweep. Does nothing during a run, in view mode
  // or while the field has no table.
  void AFFullClick(QAbstractButton* sender);
  // The solve: asks to save changes first (a failed save stops only a run from nothing), clears
  // the field for a run from nothing, sweeps to the fixpoint and writes the result onto the
  // field; then the complete solver decides the open cells: one picture is written whole, several
  // leave the sweeps' result with the differing cells shown, none puts the field back as the run
  // found it; the last two say so.
  void AutoProcess(bool useMarks, bool showSteps);
  // The test: sweeps on the solver's own grid, then the complete solver, and says how many
  // pictures fit; with several, the field shows where two of them differ. Marks and the modified
  // flag are left alone.
  void TestProcess(bool useMarks);
  void AFCancelClick();

  // The complete search the runs use; searchSolutions unless a test puts in another.
  void setSearch(SearchFunction search) { search_ = std::move(search); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The main window's close and minimise (see the top of this file).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* addRunButton(const char* name, const QString& caption, int tag,
                            const QString& hint, const QRect& geometry);
  THotSpeedButton* addSwitch(const char* name, const QString& caption, const QRect& geometry);

  // A table to work on, outside view mode.
  bool canRun();
  void showWaitPanel();
  // The wait panel's caption followed by the search's progress.
  void showProgress(const SearchProgress& progress, qint64 elapsedMs);
  // The test's verdict from the run's state (runTest), its search off the UI thread with the
  // wait panel showing progress.
  TestVerdict decideOpenCells(SolverState& state);
  void followMainWindowState();
  void startRun();
  void RestoreAfterRun();
  void BeginMove();
  void EndMove();

  AutoHost& host_;
  QLabel* Label1 = nullptr;
  QFrame* Bevel1 = nullptr;
  THotSpeedButton* AFSweetchR = nullptr;
  THotSpeedButton* AFSweetchT = nullptr;
  QPushButton* AFFull = nullptr;
  QPushButton* AFMask = nullptr;
  QPushButton* AFCancel = nullptr;

  SearchFunction search_ = [](const ClueLists& clues, const WorkGrid& fixed,
                              const CancelCheck& cancel, SearchProgress* progress) {
    return searchSolutions(clues, fixed, cancel, progress);
  };
  bool running_ = false;            // between startRun and RestoreAfterRun
  bool closeMainAfterRun_ = false;  // the main window was closed during the run
  bool reopenOnRestore_ = false;    // open when the main window was minimised
  QString waitCaption_;             // the wait panel's own caption while progress shows

  bool dragging_ = false;
  QPoint dragOffset_;  // pointer position minus window position at the press
};

}  // namespace jcw
