#include "field/Geometry.h"

#include <algorithm>

#include "model/Crossword.h"

namespace jcw {

namespace {

constexpr int kGroup = 5;

// Extra pixels before picture column (or row) number `index` (from 1) of the picture: one for
// the doubled line against the header area, one more per completed group of five.
int groupShift(int index) { return 1 + (index - 1) / kGroup; }

// Start of table line i (column or row) along one axis with `headers` header lines before the
// picture; no shift in the header area.
int lineStart(int s, int headers, int i) {
  return s * i + (i > headers ? groupShift(i - headers) : 0);
}

// The inverse of lineStart for `lines` table lines: the smallest line whose span [start,
// start + S] holds pixel p, or -1.
int lineAt(int s, int headers, int lines, int p) {
  if (p < 0) return -1;
  const int picture = lineStart(s, headers, headers + 1);
  if (p < picture) return p < s ? 0 : std::max(0, (p - 1) / s);
  const int group = kGroup * s + 1;  // five lines sharing four borders
  const int offset = p - picture;
  const int inGroup = offset % group;
  const int line = headers + 1 + kGroup * (offset / group) +
                   (inGroup == 0 ? 0 : std::min(kGroup - 1, (inGroup - 1) / s));
  if (line >= lines || p > lineStart(s, headers, line) + s) return -1;
  return line;
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
  const int left = lineStart(s, d.CapColCount, x);
  const int top = lineStart(s, d.CapRowCount, y);
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

Extent fieldExtent(const Dimensions& d, int cellSize) {
  const int s = heldCellSize(cellSize);
  return {s * d.W1() + 1 + groupShift(std::max<int>(d.ColCount, 1)),
          s * d.H1() + 1 + groupShift(std::max<int>(d.RowCount, 1))};
}

int pictureLeft(const Dimensions& d, int cellSize) {
  return lineStart(heldCellSize(cellSize), d.CapColCount, d.CapColCount + 1);
}

int pictureTop(const Dimensions& d, int cellSize) {
  return lineStart(heldCellSize(cellSize), d.CapRowCount, d.CapRowCount + 1);
}

int columnAt(const Dimensions& d, int cellSize, int px) {
  return lineAt(heldCellSize(cellSize), d.CapColCount, d.W1(), px);
}

int rowAt(const Dimensions& d, int cellSize, int py) {
  return lineAt(heldCellSize(cellSize), d.CapRowCount, d.H1(), py);
}

CellPos cellAtPoint(const Dimensions& d, int cellSize, int px, int py) {
  const int s = heldCellSize(cellSize);
  int x = columnAt(d, s, px);
  int y = rowAt(d, s, py);
  // The indicators share their inner border with the first clue line, which wins it.
  if (x == 0 && px == s) x = 1;
  if (y == 0 && py == s) y = 1;
  if (kindAt(d, x, y) == ckNone) return {};
  return {x, y};
}

}  // namespace jcw
