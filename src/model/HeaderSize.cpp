#include "model/HeaderSize.h"

#include <cstdint>

namespace jcw {

void resizeHeaders(Crossword& crossword, int capCols, int capRows) {
  const Dimensions old = crossword.dims();
  const int dx = capCols - old.CapColCount;
  const int dy = capRows - old.CapRowCount;
  if (dx == 0 && dy == 0) return;

  const Crossword before = crossword;
  Dimensions resized = old;
  resized.CapColCount = static_cast<std::uint8_t>(capCols);
  resized.CapRowCount = static_cast<std::uint8_t>(capRows);
  const CellPos cursor = before.EditCursor;
  crossword.allocate(resized);
  for (int x = 0; x < before.W1(); ++x)
    for (int y = 0; y < before.H1(); ++y) {
      const TCell& cell = before.cell(x, y);
      if (cell.Kind == ckNone || !crossword.inTable(x + dx, y + dy)) continue;
      TCell& moved = crossword.cell(x + dx, y + dy);
      if (moved.Kind != cell.Kind) continue;
      moved.Text = cell.Text;
      moved.State = cell.State;
    }
  crossword.history.shiftCells(dx, dy);
  const CellPos shifted{cursor.x + dx, cursor.y + dy};
  if (crossword.inTable(shifted.x, shifted.y) && crossword.kindAt(shifted.x, shifted.y) != ckNone)
    crossword.EditCursor = shifted;
  crossword.RowsRight.reset();
  crossword.RowsWrong.reset();
  crossword.ColsRight.reset();
  crossword.ColsWrong.reset();
  crossword.updateAllLineStatus();
}

}  // namespace jcw
