#include "field/Geometry.h"

#include <algorithm>

namespace jcw {

namespace {

// Extra pixels before picture column (or row) number `index` (from 1) of the picture: one for
// the doubled line against the header area, one more per completed group of five.
int groupShift(int index) { return 1 + (index - 1) / 5; }

// Offset of screen column x (row y) caused by the doubled lines; none in the header area.
int shiftX(const Dimensions& d, int x) {
  return x > d.CapColCount ? groupShift(x - d.CapColCount) : 0;
}
int shiftY(const Dimensions& d, int y) {
  return y > d.CapRowCount ? groupShift(y - d.CapRowCount) : 0;
}

Rect shrunk(Rect r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

int heldCellSize(int cellSize) { return std::max(cellSize, 1); }

int indicatorInset(int cellSize) {
  const int s = heldCellSize(cellSize);
  return std::max(0, std::min(s / 3, (s - 2) / 2));
}

Rect cellBox(const Dimensions& d, int cellSize, int x, int y) {
  const int s = heldCellSize(cellSize);
  const int left = s * x + shiftX(d, x);
  const int top = s * y + shiftY(d, y);
  return {left, top, left + s + 1, top + s + 1};
}

Rect columnIndicatorBox(const Dimensions& d, int cellSize, int x) {
  const int s = heldCellSize(cellSize);
  const Rect clue = cellBox(d, s, x, 1);
  return shrunk({clue.left, clue.top - s, clue.right, clue.bottom - s}, indicatorInset(s));
}

Rect rowIndicatorBox(const Dimensions& d, int cellSize, int y) {
  const int s = heldCellSize(cellSize);
  const Rect clue = cellBox(d, s, 1, y);
  return shrunk({clue.left - s, clue.top, clue.right - s, clue.bottom}, indicatorInset(s));
}

void BuildCellRegions(Crossword& crossword, int cellSize) {
  if (!crossword.allocated()) return;
  const Dimensions& d = crossword.dims();
  for (int x = 0; x < crossword.W1(); ++x) {
    for (int y = 0; y < crossword.H1(); ++y) {
      const CellKind kind = crossword.kindAt(x, y);
      TCell& cell = crossword.cell(x, y);
      cell.Kind = kind;
      cell.region = Region{};
      if (kind == ckNone) continue;
      cell.region = Region::rectangle(cellBox(d, cellSize, x, y));
      cell.Col = x;
      cell.Row = y;
      if (kind == ckClue) cell.State = csBlank;
    }
  }
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    crossword.cell(x, 0).region = Region::ellipse(columnIndicatorBox(d, cellSize, x));
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    crossword.cell(0, y).region = Region::ellipse(rowIndicatorBox(d, cellSize, y));
}

void FreeCellRegions(Crossword& crossword) {
  if (!crossword.allocated()) return;
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y) crossword.cell(x, y).region = Region{};
}

Extent fieldExtent(const Dimensions& d, int cellSize) {
  const int s = heldCellSize(cellSize);
  return {s * d.W1() + 1 + groupShift(std::max<int>(d.ColCount, 1)),
          s * d.H1() + 1 + groupShift(std::max<int>(d.RowCount, 1))};
}

CellPos CellAtPoint(const Crossword& crossword, int px, int py) {
  if (!crossword.allocated()) return {};
  for (int x = 1; x < crossword.W1(); ++x) {
    for (int y = 1; y < crossword.H1(); ++y) {
      const TCell& cell = crossword.cell(x, y);
      if (cell.region.contains(px, py)) return {cell.Col, cell.Row};
    }
  }
  return {};
}

}  // namespace jcw
