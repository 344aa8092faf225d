#pragma once
// What part of the field a view shows and where. The view is split into four panes at the
// picture's top-left corner: the corner block never moves, the top pane (the column indicators
// and clues) scrolls only across, the left pane (the row indicators and clues) only down, and the
// picture both ways, so the clues stay in view beside the part of the picture they belong to.
// Where the field does not fit and its header area would take more than half the view along an
// axis, the frozen pane takes half and shows the header area's inner end, beside the picture.
// Pure value and pure functions: a cell's box in the view, and the cell at a view point in O(1).

#include "field/Geometry.h"

namespace jcw {

struct FieldView {
  Dimensions dims;
  int cellSize = 1;
  int width = 0;    // the view's pixels across
  int height = 0;   // and down
  int scrollX = 0;  // field pixels hidden left of the picture pane
  int scrollY = 0;  // and above it
  bool operator==(const FieldView&) const = default;
};

// The largest scroll offsets that still show field pixels: none when the field fits.
int maxScrollX(const FieldView& v);
int maxScrollY(const FieldView& v);
// The view with its scroll offsets held in 0 .. max.
FieldView clampedScroll(FieldView v);

// Where the scrolling panes start in the view: the picture's left (top) edge, or half the view.
int frozenWidth(const FieldView& v);
int frozenHeight(const FieldView& v);

// The field pixel shown at view pixel column px (row py).
int fieldXAt(const FieldView& v, int px);
int fieldYAt(const FieldView& v, int py);
// The view pixel column (row) where field pixel column fx (row fy) of table column x (row y)
// shows; the header lines do not scroll along their own axis.
int viewX(const FieldView& v, int x, int fx);
int viewY(const FieldView& v, int y, int fy);

// Box of the clue or picture cell (x, y) and of the indicators, in view pixels. A box may reach
// into a pane it does not belong to, or out of the view: painting clips to the cell's pane.
Rect cellBoxInView(const FieldView& v, int x, int y);
Rect columnIndicatorBoxInView(const FieldView& v, int x);
Rect rowIndicatorBoxInView(const FieldView& v, int y);
// The pane of cell (x, y) in view pixels: the part of the view where it may show.
Rect paneOf(const FieldView& v, int x, int y);

// The corner block (the header rows above the row clues, beside the column clues) as it shows
// in the corner pane; empty when none of it shows.
Rect cornerBlockInView(const FieldView& v);

// The clue or picture cell under view pixel (px, py), as cellAtPoint finds it; (0, 0) for none
// and outside the view.
CellPos cellAtViewPoint(const FieldView& v, int px, int py);

// Table columns first..last (rows) with a pixel in view columns [from, to) (rows) of their pane;
// empty (first > last) when none.
struct LineSpan {
  int first = 0;
  int last = -1;
  bool operator==(const LineSpan&) const = default;
};
LineSpan columnsIn(const FieldView& v, int from, int to);
LineSpan rowsIn(const FieldView& v, int from, int to);

// The view scrolled as little as it takes to show cell (x, y) whole in its pane (as much of it
// as fits); a header cell needs no scrolling along its own axis.
FieldView scrolledToShow(FieldView v, int x, int y);
// The view scrolled so that field pixel (fx, fy) shows at view pixel (px, py) of the picture
// pane (a point over a frozen pane counts as its edge), as near as the scroll range allows.
FieldView scrolledToPlace(FieldView v, int fx, int fy, int px, int py);

}  // namespace jcw
