#pragma once
// Where every cell of the field lies on screen, for a cell side of S pixels. Each clue and
// picture cell is a rectangle S + 1 pixels wide and high: neighbours within a group of five share
// their border pixel line, while a new group of five picture columns (rows), and the picture
// against the header area, start one pixel further on so that two frames stand side by side as
// a doubled line. Indicators are ellipses in the cell above a picture column and left of a
// picture row. Pure functions over the crossword model; painting and hit testing both use them.

#include "model/Region.h"
#include "model/Crossword.h"

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

// Gives every clue and picture cell its rectangle, Kind, Col and Row, and every indicator cell
// its ellipse; every other cell loses its region. Clue states go back to 0; picture states and
// all texts stay. Does nothing to an unallocated crossword.
void BuildCellRegions(Crossword& crossword, int cellSize);
// Every cell loses its region; kinds, Col and Row stay.
void FreeCellRegions(Crossword& crossword);

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};
// Pixels the field needs: the picture's right and bottom edges (exclusive).
Extent fieldExtent(const Dimensions& d, int cellSize);

// (Col, Row) of the first clue or picture cell whose region contains pixel (px, py), scanning
// x = 1 .. W1-1 outer and y = 1 .. H1-1 inner, so that on a shared border the smaller x and then
// the smaller y wins; (0, 0) when no such cell contains it. Indicators are never hit.
CellPos CellAtPoint(const Crossword& crossword, int px, int py);

}  // namespace jcw
