#pragma once
// The player's marks as the solver reads them, and back: a work grid of the picture (filled,
// marked empty, undecided as unknown) and the table position of a picture cell.

#include "model/Crossword.h"
#include "solver/CompleteSolver.h"
#include "solver/WorkGrid.h"

namespace jcw {

WorkGrid marksGrid(const Crossword& crossword);

inline CellPos tableCellOf(const Crossword& crossword, PictureCell cell) {
  return {crossword.firstPictureX() + cell.column, crossword.firstPictureY() + cell.row};
}

}  // namespace jcw
