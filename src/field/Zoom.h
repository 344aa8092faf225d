#pragma once
// The zoom: which cell size the window lays the field out with, the steps between sizes, and the
// point of the field that stays put while the size changes. Pure values and functions.

#include "field/FieldView.h"

namespace jcw {

inline constexpr int kSmallestZoomCell = 4;
inline constexpr int kLargestZoomCell = 128;
// The readable minimum's default at 96 dots per inch.
inline constexpr int kDefaultMinimumCell = 12;

struct Zoom {
  enum class Mode : unsigned char {
    Readable,  // the largest cells that fit, but never below the readable minimum
    Whole,     // the largest cells that fit, however small: the whole crossword in view
    Fixed,     // cells of `cellSize`, as the user zoomed to
  };
  Mode mode = Mode::Readable;
  int cellSize = 0;  // Fixed only
  bool operator==(const Zoom&) const = default;
};

// The cell size the zoom asks for when `fitting` is the largest that fits the room.
int zoomedCellSize(const Zoom& zoom, int fitting, int readableMinimum);

// One step up (down): at most 15 % of the size and at least a pixel, held in
// kSmallestZoomCell .. kLargestZoomCell.
int zoomedIn(int cellSize);
int zoomedOut(int cellSize);

// A place in the field held through a zoom: a table column and row, and where inside each the
// place lies, as a share of the cell.
struct ZoomAnchor {
  int column = 0;
  double acrossCell = 0;
  int row = 0;
  double downCell = 0;
};

// The place under view pixel (px, py); a point over a frozen pane along an axis holds the first
// picture line shown there instead.
ZoomAnchor anchorAt(const FieldView& v, int px, int py);
// `v` (at its new cell size and view size) scrolled so that the anchor shows at view pixel
// (px, py), as near as the scroll range allows.
FieldView anchoredView(FieldView v, const ZoomAnchor& anchor, int px, int py);

}  // namespace jcw
