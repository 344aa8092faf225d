#pragma once
// Which of the commands that depend on the crossword's history are available: the one place
// that answers it, for the menu items and the tool buttons alike.

#include <cstdint>

#include "model/Crossword.h"

namespace jcw {

struct HistoryCommands {
  bool undo = false;
  bool redo = false;
  bool save = false;
  bool setCheckpoint = false;
  bool useCheckpoint = false;  // return to the newest checkpoint, or accept it
  bool operator==(const HistoryCommands&) const = default;
};

// `mode` is CurrentMode: solving and picture mode walk the history's steps of marks, the editor
// its steps of clue numbers; checkpoints are set in solving mode only; saving is offered in every
// mode while something is unsaved.
HistoryCommands historyCommandsOf(const Crossword& crossword, std::uint8_t mode);

}  // namespace jcw
