#include "mainwindow/qt/Autosave.h"

#include <QCoreApplication>
#include <iostream>
#include <utility>

namespace jcw {

Autosave::Autosave(std::filesystem::path file, std::function<Session()> snapshot, QObject* parent)
    : QObject(parent), file_(std::move(file)), snapshot_(std::move(snapshot)) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &Autosave::write);
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
    if (unsaved_) write();
  });
}

void Autosave::changed(bool unsaved) {
  unsaved_ = unsaved;
  if (!unsaved) {
    discard();
    return;
  }
  // A later change does not put the write off: at most kDelayMs after the first one.
  if (!timer_.isActive()) timer_.start();
}

void Autosave::discard() {
  unsaved_ = false;
  timer_.stop();
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

void Autosave::write() {
  const Result<void> written = writeSessionFile(file_, snapshot_());
  // Said once on stderr: the work itself is untouched, and a box every half minute would be worse.
  if (!written && !std::exchange(toldFailure_, true))
    std::cerr << "jcw: " << written.error() << '\n';
}

}  // namespace jcw
