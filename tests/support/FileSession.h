#pragma once
// What the file command and start-up window tests share: crossword files in a temporary
// directory, per-user directories there too (the settings registry), and a clean process state.

#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Crossword.h"
#include "platform/qt/Platform.h"

class QMimeData;
class QWidget;

namespace jcw::test {

class FileSession {
 public:
  // Points $XDG_CONFIG_HOME, $XDG_DATA_HOME and $XDG_STATE_HOME into the directory, with the
  // settings key made;
  // resets the process state.
  FileSession();
  ~FileSession();

  std::string path(const std::string& name) const;
  // Writes `crossword` as a .jcw file under `name` and returns its path.
  std::string write(const std::string& name, const Crossword& crossword) const;
  std::string writeBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
  std::vector<std::uint8_t> read(const std::string& name) const;

 private:
  QTemporaryDir dir_;
};

// Clue sums that agree: 1 x 2 picture, row clue 2, column clues 1 and 1, one header line each.
Crossword smallCrossword();
// A second one, 2 x 3, so that a load shows in the dimensions.
Crossword otherCrossword();

// A QtTest check, for a test function: `box` is a failed load's error box, "Не удалось VERB файл
// PATH: REASON" ("*" for whatever reason the system gives) with the program's caption and OK.
void verifyLoadErrorBox(const MessageRequest& box, const std::string& path, const QString& reason,
                        const QString& verb = QStringLiteral("открыть"));

// The drag data of a drop of `paths`, in order.
QMimeData* fileDrag(const std::vector<std::string>& paths);
// Drags `data` into `target` and drops it there, as the desktop does: Qt delivers a drop only to
// the widget that accepted the drag's entry.
void dragAndDrop(QWidget* target, const QMimeData* data);

}  // namespace jcw::test
