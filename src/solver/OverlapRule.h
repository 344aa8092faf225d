#pragma once
// The simplest rule a solver learns first: lay the blocks of a line as far left and as far right
// as the known cells allow; a cell that one block covers in both is filled, a cell that no block
// can reach is empty. Weaker than the line solver (it never reasons about which block covers a
// known cell beyond those two placements), so it tells easy crosswords from the rest.

#include <vector>

#include "model/ClueLists.h"
#include "solver/WorkGrid.h"

namespace jcw {

// Applies the rule to one line (cells wcEmpty, wcFilled or wcUnknown; clue 0 stands for no
// block). Returns false when no placement fits the known cells; otherwise true, with the
// decided cells set in `cells`.
bool applyOverlapRule(const ClueLine& clues, LineView cells);

// Row and column passes of the rule from an empty picture until one learns nothing: the grid
// they leave (unknown where the rule could not decide).
WorkGrid decidedByOverlap(const ClueLists& clues);

}  // namespace jcw
