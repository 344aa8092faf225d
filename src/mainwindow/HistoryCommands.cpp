#include "mainwindow/HistoryCommands.h"

#include "field/ViewState.h"

namespace jcw {

HistoryCommands historyCommandsOf(const Crossword& crossword, std::uint8_t mode) {
  const bool solving = mode == kSolvingMode;
  // Picture mode walks the history of its strokes; checkpoints belong to solving.
  const bool walks = solving || mode == kPictureMode;
  const History& history = crossword.history;
  return {walks && history.canUndo(), walks && history.canRedo(), crossword.IsModified(),
          solving, solving && history.newestCheckpoint().has_value()};
}

}  // namespace jcw
