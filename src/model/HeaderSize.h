#pragma once
// Growing or shrinking a crossword's headers while the picture stays: what a clue list of another
// length needs. The picture's marks, its history and the clues nearest the picture are kept.

#include "model/Crossword.h"

namespace jcw {

// Gives the crossword `capCols` header columns and `capRows` header rows (each 1..100). Clues keep
// their places next to the picture (right-aligned rows, bottom-aligned columns); a shrink drops
// the ones farthest from it. Marks, history and checkpoints follow the picture; the editor cursor
// moves with its cell, or to the first clue cell when its cell is gone; lines are re-evaluated.
void resizeHeaders(Crossword& crossword, int capCols, int capRows);

}  // namespace jcw
