#include "solver/PlayerMarks.h"

namespace jcw {

WorkGrid marksGrid(const Crossword& crossword) {
  WorkGrid grid;
  const Dimensions& d = crossword.dims();
  grid.assign(d.ColCount, d.RowCount, wcUnknown);
  for (int c = 0; c < d.ColCount; ++c)
    for (int r = 0; r < d.RowCount; ++r) {
      const CellPos at = tableCellOf(crossword, {c, r});
      const std::uint8_t state = crossword.cell(at.x, at.y).State;
      if (state != csBlank) grid.at(c, r) = state == csFilled ? wcFilled : wcEmpty;
    }
  return grid;
}

}  // namespace jcw
