#include "mainwindow/qt/MoveLoop.h"

namespace jcw {

MoveLoop::MoveLoop(std::function<void()> begin, std::function<void()> end, int quietMs,
                   QObject* parent)
    : QObject(parent), begin_(std::move(begin)), end_(std::move(end)) {
  timer_.setSingleShot(true);
  timer_.setInterval(quietMs);
  connect(&timer_, &QTimer::timeout, this, [this] { end_(); });
}

void MoveLoop::windowChanged() {
  const bool starting = !timer_.isActive();
  timer_.start();
  if (starting) begin_();
}

}  // namespace jcw
