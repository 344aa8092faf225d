#pragma once
// Finishing by the filled cells: a player who has filled exactly the cells every clue asks for
// has solved the crossword, whatever cells are still undecided, for an undecided cell can then
// only be empty.

#include "model/Crossword.h"

namespace jcw {

// True iff in every picture row and column the runs of filled cells, read with every other cell
// as empty, are the line's non-zero clue numbers in order.
bool filledCellsFitClues(const Crossword& crossword);

// Every undecided picture cell marked empty, recorded as one step of its own (an open gesture is
// ended first); lines re-evaluated. Returns whether any cell changed.
bool markUndecidedEmpty(Crossword& crossword);

}  // namespace jcw
