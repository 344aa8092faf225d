#include "field/FieldView.h"

#include <algorithm>
#include <utility>

namespace jcw {

namespace {

// Cells of one axis at a time: the field's extent along it, where its frozen part ends, the
// view's size, its scroll offset and the number of header lines.
struct Axis {
  int extent;
  int frozen;
  int size;
  int scroll;
  int headers;
  int lines;
  int (*lineAt)(const Dimensions&, int, int);
};

Axis across(const FieldView& v) {
  return {fieldExtent(v.dims, v.cellSize).width, pictureLeft(v.dims, v.cellSize), v.width,
          v.scrollX, v.dims.CapColCount, v.dims.W1(), &columnAt};
}

Axis down(const FieldView& v) {
  return {fieldExtent(v.dims, v.cellSize).height, pictureTop(v.dims, v.cellSize), v.height,
          v.scrollY, v.dims.CapRowCount, v.dims.H1(), &rowAt};
}

int maxScroll(const Axis& a) { return std::max(0, a.extent - a.size); }

int fieldAt(const Axis& a, int p) { return p < a.frozen ? p : p + a.scroll; }

int viewAt(const Axis& a, int line, int f) { return line > a.headers ? f - a.scroll : f; }

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
  if (scrolled) span.first = std::max(span.first, a.headers + 1);
  else span.last = std::min(span.last, a.headers);
  return span;
}

// The scroll offset that shows [start, end) of the field in the scrolling pane, moved as
// little as it takes; the start wins when the two do not fit together.
int scrollToShow(const Axis& a, int start, int end) {
  int scroll = a.scroll;
  if (end - scroll > a.size) scroll = end - a.size;
  if (start - scroll < a.frozen) scroll = start - a.frozen;
  return std::clamp(scroll, 0, maxScroll(a));
}

}  // namespace

int maxScrollX(const FieldView& v) { return maxScroll(across(v)); }
int maxScrollY(const FieldView& v) { return maxScroll(down(v)); }

FieldView clampedScroll(FieldView v) {
  v.scrollX = std::clamp(v.scrollX, 0, maxScrollX(v));
  v.scrollY = std::clamp(v.scrollY, 0, maxScrollY(v));
  return v;
}

int frozenWidth(const FieldView& v) { return pictureLeft(v.dims, v.cellSize); }
int frozenHeight(const FieldView& v) { return pictureTop(v.dims, v.cellSize); }

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

CellPos cellAtViewPoint(const FieldView& v, int px, int py) {
  if (px < 0 || py < 0 || px >= v.width || py >= v.height) return {};
  return cellAtPoint(v.dims, v.cellSize, fieldXAt(v, px), fieldYAt(v, py));
}

LineSpan columnsIn(const FieldView& v, int from, int to) {
  return linesIn(v, across(v), from, to);
}

LineSpan rowsIn(const FieldView& v, int from, int to) { return linesIn(v, down(v), from, to); }

FieldView scrolledToShow(FieldView v, int x, int y) {
  const Rect box = cellBox(v.dims, v.cellSize, x, y);
  if (x > v.dims.CapColCount) v.scrollX = scrollToShow(across(v), box.left, box.right);
  if (y > v.dims.CapRowCount) v.scrollY = scrollToShow(down(v), box.top, box.bottom);
  return v;
}

}  // namespace jcw
