#pragma once
// Emulates the start and end of a window move or size loop, which X11 does not report: the
// window manager only sends the window its new positions and sizes. A loop begins with the
// first such change that the window did not ask for itself, and ends when no further change has
// come for `quietMs` (a single-shot timer restarted by every change). UI thread only.

#include <QObject>
#include <QTimer>
#include <functional>

namespace jcw {

class MoveLoop : public QObject {
  Q_OBJECT

 public:
  MoveLoop(std::function<void()> begin, std::function<void()> end, int quietMs,
           QObject* parent = nullptr);

  // The user moved or resized the window: begins a loop or extends the running one.
  void windowChanged();
  bool active() const { return timer_.isActive(); }

 private:
  std::function<void()> begin_;
  std::function<void()> end_;
  QTimer timer_;
};

}  // namespace jcw
