#include "field/FieldView.h"

#include <algorithm>
#include <utility>

namespace jcw {

namespace {

// One axis at a time: the field's extent along it, the view's size and scroll offset, the number
// of header lines and table lines, where the frozen part of the view ends, and how far the
// frozen part is shifted. The frozen part shows the whole header area; where the field does not
// fit and the header area would take more than half the view, it takes half and shows the
// header area's inner end, beside the picture, where the clue numbers stand.
struct Axis {
  int extent;
  int size;
  int scroll;
  int headers;
  int lines;
  int (*lineAt)(const Dimensions&, int, int);
  int (*lineStart)(const Dimensions&, int, int);
  int frozen = 0;
  int shift = 0;
};

Axis withFrozenPart(Axis a, int pictureStart) {
  a.frozen = pictureStart;
  if (a.extent > a.size && pictureStart > a.size / 2) {
    a.frozen = a.size / 2;
    a.shift = pictureStart - a.frozen;
  }
  return a;
}

int columnStart(const Dimensions& d, int cellSize, int x) { return cellBox(d, cellSize, x, 1).left; }
int rowStart(const Dimensions& d, int cellSize, int y) { return cellBox(d, cellSize, 1, y).top; }

Axis across(const FieldView& v) {
  return withFrozenPart({fieldExtent(v.dims, v.cellSize).width, v.width, v.scrollX,
                         v.dims.CapColCount, v.dims.W1(), &columnAt, &columnStart},
                        pictureLeft(v.dims, v.cellSize));
}

Axis down(const FieldView& v) {
  return withFrozenPart({fieldExtent(v.dims, v.cellSize).height, v.height, v.scrollY,
                         v.dims.CapRowCount, v.dims.H1(), &rowAt, &rowStart},
                        pictureTop(v.dims, v.cellSize));
}

int maxScroll(const Axis& a) { return std::max(0, a.extent - a.shift - a.size); }

int fieldAt(const Axis& a, int p) { return p + a.shift + (p < a.frozen ? 0 : a.scroll); }

int viewAt(const Axis& a, int line, int f) {
  return f - a.shift - (line > a.headers ? a.scroll : 0);
}

// The view pixels of line's pane along this axis: [first, second).
std::pair<int, int> paneSpan(const Axis& a, int line) {
  if (line > a.headers) return {std::min(a.frozen, a.size), a.size};
  return {0, std::min(a.frozen, a.size)};
}

LineSpan linesIn(const FieldView& v, const Axis& a, int from, int to) {
  const bool scrolled = from >= a.frozen;
  if (!scrolled) to = std::min(to, a.frozen);
  const int first = fieldAt(a, std::max(from, 0));
  const int last = fieldAt(a, to - 1);
  if (to <= from || first >= a.extent) return {};
  LineSpan span{a.lineAt(v.dims, v.cellSize, first), a.lineAt(v.dims, v.cellSize, last)};
  if (span.last < 0) span.last = a.lines - 1;
  // The last pixel may be the border the next line shares.
  if (span.last + 1 < a.lines && a.lineStart(v.dims, v.cellSize, span.last + 1) <= last)
    ++span.last;
  if (scrolled) span.first = std::max(span.first, a.headers + 1);
  else span.last = std::min(span.last, a.headers);
  return span;
}

// The scroll offset that shows [start, end) of the field in the scrolling pane, moved as
// little as it takes; the start wins when the two do not fit together.
int scrollToShow(const Axis& a, int start, int end) {
  int scroll = a.scroll;
  if (end - a.shift - scroll > a.size) scroll = end - a.shift - a.size;
  if (start - a.shift - scroll < a.frozen) scroll = start - a.shift - a.frozen;
  return std::clamp(scroll, 0, maxScroll(a));
}

// The scroll offset that puts field pixel f at view pixel p of the scrolling pane.
int scrollPlacing(const Axis& a, int f, int p) {
  return std::clamp(f - a.shift - std::max(p, a.frozen), 0, maxScroll(a));
}

}  // namespace

int maxScrollX(const FieldView& v) { return maxScroll(across(v)); }
int maxScrollY(const FieldView& v) { return maxScroll(down(v)); }

FieldView clampedScroll(FieldView v) {
  v.scrollX = std::clamp(v.scrollX, 0, maxScrollX(v));
  v.scrollY = std::clamp(v.scrollY, 0, maxScrollY(v));
  return v;
}

int frozenWidth(const FieldView& v) { return across(v).frozen; }
int frozenHeight(const FieldView& v) { return down(v).frozen; }

int fieldXAt(const FieldView& v, int px) { return fieldAt(across(v), px); }
int fieldYAt(const FieldView& v, int py) { return fieldAt(down(v), py); }

int viewX(const FieldView& v, int x, int fx) { return viewAt(across(v), x, fx); }
int viewY(const FieldView& v, int y, int fy) { return viewAt(down(v), y, fy); }

namespace {

Rect inView(const FieldView& v, int x, int y, const Rect& r) {
  const int left = viewX(v, x, r.left);
  const int top = viewY(v, y, r.top);
  return {left, top, left + r.width(), top + r.height()};
}

}  // namespace

Rect cellBoxInView(const FieldView& v, int x, int y) {
  return inView(v, x, y, cellBox(v.dims, v.cellSize, x, y));
}

Rect columnIndicatorBoxInView(const FieldView& v, int x) {
  return inView(v, x, 0, columnIndicatorBox(v.dims, v.cellSize, x));
}

Rect rowIndicatorBoxInView(const FieldView& v, int y) {
  return inView(v, 0, y, rowIndicatorBox(v.dims, v.cellSize, y));
}

Rect paneOf(const FieldView& v, int x, int y) {
  const auto [left, right] = paneSpan(across(v), x);
  const auto [top, bottom] = paneSpan(down(v), y);
  return {left, top, right, bottom};
}

Rect cornerBlockInView(const FieldView& v) {
  const Axis x = across(v);
  const Axis y = down(v);
  const int s = heldCellSize(v.cellSize);
  const int left = std::max(0, s - x.shift);
  const int top = std::max(0, s - y.shift);
  const int right = std::min(s + v.dims.CapColCount * s - x.shift, std::min(x.frozen, v.width));
  const int bottom = std::min(s + v.dims.CapRowCount * s - y.shift, std::min(y.frozen, v.height));
  if (right <= left || bottom <= top) return {};
  return {left, top, right, bottom};
}

CellPos cellAtViewPoint(const FieldView& v, int px, int py) {
  if (px < 0 || py < 0 || px >= v.width || py >= v.height) return {};
  return cellAtPoint(v.dims, v.cellSize, fieldXAt(v, px), fieldYAt(v, py));
}

LineSpan columnsIn(const FieldView& v, int from, int to) {
  return linesIn(v, across(v), from, to);
}

LineSpan rowsIn(const FieldView& v, int from, int to) { return linesIn(v, down(v), from, to); }

FieldView scrolledToPlace(FieldView v, int fx, int fy, int px, int py) {
  v.scrollX = scrollPlacing(across(v), fx, px);
  v.scrollY = scrollPlacing(down(v), fy, py);
  return v;
}

FieldView scrolledToShow(FieldView v, int x, int y) {
  const Rect box = cellBox(v.dims, v.cellSize, x, y);
  if (x > v.dims.CapColCount) v.scrollX = scrollToShow(across(v), box.left, box.right);
  if (y > v.dims.CapRowCount) v.scrollY = scrollToShow(down(v), box.top, box.bottom);
  return v;
}

}  // namespace jcw
