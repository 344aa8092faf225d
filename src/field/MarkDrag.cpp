#include "field/MarkDrag.h"

#include <algorithm>
#include <cstdlib>

namespace jcw {

namespace {

// The first step off the start decides the line: across when it moves at least as far across as
// down.
DragAxis axisOf(CellPos start, CellPos to) {
  if (to == start) return DragAxis::Free;
  return std::abs(to.x - start.x) >= std::abs(to.y - start.y) ? DragAxis::Row : DragAxis::Column;
}

CellPos lockedTo(const MarkDrag& drag, CellPos to) {
  switch (drag.axis) {
    case DragAxis::Row: return {to.x, drag.start.y};
    case DragAxis::Column: return {drag.start.x, to.y};
    case DragAxis::Free: return drag.start;
  }
  return to;
}

// The cells of a digital straight line from `from` to `to`, `from` left out: one step along the
// longer axis each time, the shorter one following by accumulated error.
std::vector<CellPos> straightWay(CellPos from, CellPos to) {
  const int dx = to.x - from.x, dy = to.y - from.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  std::vector<CellPos> way;
  way.reserve(static_cast<std::size_t>(steps));
  for (int i = 1; i <= steps; ++i) {
    // Rounded to the nearest cell, halves away from the start.
    const auto along = [&](int delta) {
      const int scaled = 2 * delta * i + (delta >= 0 ? steps : -steps);
      return scaled / (2 * steps);
    };
    way.push_back({from.x + along(dx), from.y + along(dy)});
  }
  return way;
}

}  // namespace

std::vector<CellPos> dragSteps(MarkDrag& drag, CellPos pointer, const PictureArea& area,
                               bool lineLock) {
  if (!drag.active) return {};
  CellPos to{std::clamp(pointer.x, area.first.x, area.last.x),
             std::clamp(pointer.y, area.first.y, area.last.y)};
  if (lineLock) {
    if (drag.axis == DragAxis::Free) drag.axis = axisOf(drag.start, to);
    to = lockedTo(drag, to);
  }
  std::vector<CellPos> way = straightWay(drag.last, to);
  drag.last = to;
  return way;
}

}  // namespace jcw
