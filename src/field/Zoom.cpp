#include "field/Zoom.h"

#include <algorithm>
#include <cmath>

namespace jcw {

namespace {

int zoomStep(int cellSize) { return std::max(1, cellSize * 15 / 100); }

int heldZoom(int cellSize) { return std::clamp(cellSize, kSmallestZoomCell, kLargestZoomCell); }

}  // namespace

int zoomedCellSize(const Zoom& zoom, int fitting, int readableMinimum) {
  switch (zoom.mode) {
    case Zoom::Mode::Readable: return std::max(fitting, readableMinimum);
    case Zoom::Mode::Whole: return fitting;
    case Zoom::Mode::Fixed: return zoom.cellSize;
  }
  return fitting;
}

int zoomedIn(int cellSize) { return heldZoom(cellSize + zoomStep(cellSize)); }
int zoomedOut(int cellSize) { return heldZoom(cellSize - zoomStep(cellSize)); }

ZoomAnchor anchorAt(const FieldView& v, int px, int py) {
  const int s = heldCellSize(v.cellSize);
  const int fx = fieldXAt(v, std::max(px, frozenWidth(v)));
  const int fy = fieldYAt(v, std::max(py, frozenHeight(v)));
  int column = columnAt(v.dims, s, fx);
  int row = rowAt(v.dims, s, fy);
  if (column < 0) column = v.dims.W1() - 1;  // beyond the field's right or bottom edge
  if (row < 0) row = v.dims.H1() - 1;
  const Rect box = cellBox(v.dims, s, column, row);
  return {column, static_cast<double>(fx - box.left) / s, row,
          static_cast<double>(fy - box.top) / s};
}

FieldView anchoredView(FieldView v, const ZoomAnchor& anchor, int px, int py) {
  const int s = heldCellSize(v.cellSize);
  const Rect box = cellBox(v.dims, s, anchor.column, anchor.row);
  return scrolledToPlace(v, box.left + static_cast<int>(std::lround(anchor.acrossCell * s)),
                         box.top + static_cast<int>(std::lround(anchor.downCell * s)), px, py);
}

}  // namespace jcw
