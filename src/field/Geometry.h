#pragma once
// Where every cell of the field lies in the field's own (unscrolled) pixels, for a cell side of S
// pixels. Each clue and picture cell is a rectangle S + 1 pixels wide and high: neighbours within
// a group of five share their border pixel line, while a new group of five picture columns
// (rows), and the picture against the header area, start one pixel further on so that two frames
// stand side by side as a doubled line. Indicators are ellipses in the cell above a picture column
// and left of a picture row. Pure functions of the dimensions and S: nothing is stored per cell,
// and the cell at a point is found by arithmetic.

#include "model/Cell.h"
#include "model/Dimensions.h"
#include "model/Rect.h"

namespace jcw {

// A cell side below 1 is held at 1, so that no box is empty or inverted.
int heldCellSize(int cellSize);

// Margin between an indicator cell's box and its ellipse: min(S div 3, (S - 2) div 2).
int indicatorInset(int cellSize);

// Box of the clue or picture cell at table position (x, y), by the position alone.
Rect cellBox(const Dimensions& d, int cellSize, int x, int y);
// Boxes of the ellipses of the indicator of column x and of row y.
Rect columnIndicatorBox(const Dimensions& d, int cellSize, int x);
Rect rowIndicatorBox(const Dimensions& d, int cellSize, int y);

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};
// Pixels the field needs: the picture's right and bottom edges (exclusive).
Extent fieldExtent(const Dimensions& d, int cellSize);

// Where the picture's first column (row) starts: the width (height) of the indicators and clues
// left of (above) the picture.
int pictureLeft(const Dimensions& d, int cellSize);
int pictureTop(const Dimensions& d, int cellSize);

// The table column (row) whose boxes hold pixel column px (row py), the smaller on a shared
// border; column 0 (the indicators) holds the pixels left of column 1. -1 outside the field.
int columnAt(const Dimensions& d, int cellSize, int px);
int rowAt(const Dimensions& d, int cellSize, int py);

// The clue or picture cell whose box holds pixel (px, py): on a shared border the smaller x, then
// the smaller y wins; (0, 0) when no such cell holds it. Indicators are never hit.
CellPos cellAtPoint(const Dimensions& d, int cellSize, int px, int py);

}  // namespace jcw
