#include "mainwindow/CellLayout.h"

#include <algorithm>

namespace jcw {

namespace {

constexpr int kMinCellSize = 1;

// Extra pixels past the last cell: one per group of five picture lines after the first, and
// the frames. The window's own formula, (pictures - headers) div 5 plus the frames, falls one
// pixel short of the last frame line when there are many header lines; the picture's real
// extent then wins.
int extra(int pictures, int headers, int frames) {
  const int windowFormula = (pictures - headers) / 5 + frames;
  const int pictureExtent = 2 + (pictures - 1) / 5;
  return std::max(windowFormula, pictureExtent);
}

// The field and client sizes that wrap cells of `cellSize`.
CellLayout wrapCells(int cellSize, int fieldLeft, int fieldTop, const Dimensions& d) {
  CellLayout layout;
  layout.cellSize = cellSize;
  layout.fieldWidth = fieldWidthExtra(d) + d.W1() * cellSize;
  layout.fieldHeight = fieldHeightExtra(d) + d.H1() * cellSize;
  layout.clientWidth = layout.fieldWidth + fieldLeft;
  layout.clientHeight = layout.fieldHeight + fieldTop;
  return layout;
}

}  // namespace

int fieldWidthExtra(const Dimensions& d) { return extra(d.ColCount, d.CapColCount, 3); }

int fieldHeightExtra(const Dimensions& d) { return extra(d.RowCount, d.CapRowCount, 2); }

CellLayout GetCellSize(int clientWidth, int clientHeight, int fieldLeft, int fieldTop,
                       const Dimensions& d) {
  // Integer division truncates toward zero like the real division it stands for.
  const int w = (clientWidth - fieldLeft) / d.W1();
  const int h = (clientHeight - fieldTop) / d.H1();
  return wrapCells(std::max(std::min(w, h), kMinCellSize), fieldLeft, fieldTop, d);
}

CellLayout fitCellLayout(int roomWidth, int roomHeight, int fieldLeft, int fieldTop,
                         const Dimensions& d) {
  // GetCellSize divides before adding the extra pixels, which can take the field up to that
  // many pixels past the room; here they are set aside first.
  const int w = (roomWidth - fieldLeft - fieldWidthExtra(d)) / d.W1();
  const int h = (roomHeight - fieldTop - fieldHeightExtra(d)) / d.H1();
  return wrapCells(std::max(std::min(w, h), kMinCellSize), fieldLeft, fieldTop, d);
}

CellLayout fitOrScroll(int roomWidth, int roomHeight, int fieldLeft, int fieldTop,
                       const Dimensions& d, int cellSize, int scrollBar) {
  const CellLayout wrapped = wrapCells(cellSize, fieldLeft, fieldTop, d);
  bool scrollsAcross = false;
  bool scrollsDown = false;
  for (int pass = 0; pass < 2; ++pass) {
    scrollsAcross = wrapped.clientWidth + (scrollsDown ? scrollBar : 0) > roomWidth;
    scrollsDown = wrapped.clientHeight + (scrollsAcross ? scrollBar : 0) > roomHeight;
  }
  CellLayout layout = wrapped;
  layout.clientWidth =
      scrollsAcross ? roomWidth : wrapped.clientWidth + (scrollsDown ? scrollBar : 0);
  layout.clientHeight =
      scrollsDown ? roomHeight : wrapped.clientHeight + (scrollsAcross ? scrollBar : 0);
  layout.fieldWidth = layout.clientWidth - fieldLeft;
  layout.fieldHeight = layout.clientHeight - fieldTop;
  return layout;
}

ToolSide toolSide(int spareWidth, int spareHeight) {
  return spareWidth > spareHeight ? ToolSide::Left : ToolSide::Top;
}

int centredStart(int workStart, int workSize, int size) {
  return workStart + (workSize - size) / 2;
}

}  // namespace jcw
