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

}  // namespace

int fieldWidthExtra(const Dimensions& d) { return extra(d.ColCount, d.CapColCount, 3); }

int fieldHeightExtra(const Dimensions& d) { return extra(d.RowCount, d.CapRowCount, 2); }

CellLayout GetCellSize(int clientWidth, int clientHeight, int fieldLeft, int fieldTop,
                       const Dimensions& d) {
  // Integer division truncates toward zero like the real division it stands for.
  const int w = (clientWidth - fieldLeft) / d.W1();
  const int h = (clientHeight - fieldTop) / d.H1();
  CellLayout layout;
  layout.cellSize = std::max(std::min(w, h), kMinCellSize);
  layout.fieldWidth = fieldWidthExtra(d) + d.W1() * layout.cellSize;
  layout.fieldHeight = fieldHeightExtra(d) + d.H1() * layout.cellSize;
  layout.clientWidth = layout.fieldWidth + fieldLeft;
  layout.clientHeight = layout.fieldHeight + fieldTop;
  return layout;
}

ToolSide toolSide(int spareWidth, int spareHeight) {
  return spareWidth > spareHeight ? ToolSide::Left : ToolSide::Top;
}

int centredStart(int workStart, int workSize, int size) {
  return workStart + (workSize - size) / 2;
}

}  // namespace jcw
