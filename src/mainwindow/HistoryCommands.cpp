#include "mainwindow/HistoryCommands.h"

#include "field/ViewState.h"

namespace jcw {

HistoryCommands historyCommandsOf(const Crossword& crossword, std::uint8_t mode) {
  const bool solving = mode == kSolvingMode;
  const bool editor = mode == kEditorMode;
  // The editor walks the steps of clue numbers; solving and picture mode the steps of marks, a
  // picture's strokes; checkpoints belong to solving.
  const bool marks = solving || mode == kPictureMode;
  const History& history = crossword.history;
  const bool undo = history.canUndo() && (marks ? !crossword.undoChangesClues()
                                                : editor && crossword.undoChangesClues());
  const bool redo = history.canRedo() && (marks ? !crossword.redoChangesClues()
                                                : editor && crossword.redoChangesClues());
  return {undo, redo, crossword.IsModified(), solving,
          solving && history.newestCheckpoint().has_value()};
}

}  // namespace jcw
