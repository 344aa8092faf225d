#pragma once
// TFormAuto: the solver's tool window. A frameless, always-on-top tool window with the
// "Решение"/"Тест" switch and the two run buttons: "Полностью" solves or tests from an empty
// picture, "Продолжение" from the user's marks. A run hides the window, disables the main
// window's menu button, shows the wait panel and closes the window when it ends.
//
// The window has no caption bar: pressing the left button on its free client area (outside
// every child's rectangle) drags it. UI thread only; runs never nest (SolverBusy).

#include <QPoint>
#include <QWidget>

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
  // or test; Shift held while solving shows every sweep. Does nothing during a run.
  void AFFullClick(QAbstractButton* sender);
  // The solve: asks to save changes first, clears the field for a run from nothing, sweeps to
  // the fixpoint and writes the result onto the field.
  void AutoProcess(bool useMarks, bool showSteps);
  // The test: sweeps on the solver's own grid and says whether they decide every cell; the field
  // is left alone.
  void TestProcess(bool useMarks);
  void AFCancelClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPushButton* addRunButton(const char* name, const QString& caption, int tag,
                            const QString& hint, const QRect& geometry);
  THotSpeedButton* addSwitch(const char* name, const QString& caption, const QRect& geometry);

  void showWaitPanel();
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

  bool dragging_ = false;
  QPoint dragOffset_;  // pointer position minus window position at the press
};

}  // namespace jcw
