#pragma once
// Autosave: keeps the main window's unsaved work in its session file (files/SessionFile.h), so
// that a crash or a killed program loses at most half a minute. While something is unsaved the
// session is written atomically at most kDelayMs after the change that made it so; once nothing
// is unsaved the file goes. A quit of the application that did not ask about the changes writes
// it at once; a close that saved or gave the work up removes it. UI thread only.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "files/SessionFile.h"

namespace jcw {

class Autosave : public QObject {
 public:
  static constexpr int kDelayMs = 30'000;

  // `snapshot` gives the session as it stands now.
  Autosave(std::filesystem::path file, std::function<Session()> snapshot, QObject* parent);

  // After any change of what is unsaved: `unsaved` is the crossword's IsModified.
  void changed(bool unsaved);
  // Nothing is to be kept: the timer stops and the file goes.
  void discard();
  const std::filesystem::path& file() const { return file_; }

 private:
  void write();

  std::filesystem::path file_;
  std::function<Session()> snapshot_;
  QTimer timer_;
  bool unsaved_ = false;
  bool toldFailure_ = false;
};

}  // namespace jcw
