#include "mainwindow/HistoryCommands.h"

#include "field/ViewState.h"

namespace jcw {

HistoryCommands historyCommandsOf(const Crossword& crossword, std::uint8_t mode) {
  const bool solving = mode == kSolvingMode;
  const History& history = crossword.history;
  return {solving && history.canUndo(), solving && history.canRedo(), crossword.IsModified(),
          solving, solving && history.newestCheckpoint().has_value()};
}

}  // namespace jcw
