#pragma once
// The player's marks against the one picture that fits the clues: which marks are wrong, and the
// newest state of the history that had none. A cell left undecided is never wrong.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/Crossword.h"
#include "solver/WorkGrid.h"

namespace jcw {

// Marked picture cells (table positions, reading order) whose mark disagrees with `solution`
// (every cell known, the crossword's picture size).
std::vector<CellPos> wrongMarks(const Crossword& crossword, const WorkGrid& solution);

// The newest history position, at or below the present one, whose marks are all right; none
// when even the history's first state has a wrong mark.
std::optional<std::size_t> newestRightPosition(const Crossword& crossword,
                                               const WorkGrid& solution);

}  // namespace jcw
