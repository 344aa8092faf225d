#include "field/PictureStroke.h"

#include <algorithm>
#include <cstdlib>

namespace jcw {

StrokeTool strokeToolOf(unsigned keyState) {
  if (keyState & kCtrlHeld) return StrokeTool::Rectangle;
  if (keyState & kShiftHeld) return StrokeTool::Line;
  return StrokeTool::Free;
}

PictureStroke::PictureStroke(CellPos start, bool fill, StrokeTool tool)
    : start_(start), last_(start), fill_(fill), tool_(tool) {
  add(start);
}

void PictureStroke::moveTo(CellPos at) {
  switch (tool_) {
    case StrokeTool::Free:
      addLine(last_, at);
      break;
    case StrokeTool::Line:
      cells_.clear();
      addLine(start_, at);
      break;
    case StrokeTool::Rectangle:
      cells_.clear();
      for (int y = std::min(start_.y, at.y); y <= std::max(start_.y, at.y); ++y)
        for (int x = std::min(start_.x, at.x); x <= std::max(start_.x, at.x); ++x) add({x, y});
      break;
  }
  last_ = at;
}

// Bresenham's line: every cell the straight line from `from` to `to` crosses, both ends included.
void PictureStroke::addLine(CellPos from, CellPos to) {
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int stepX = from.x < to.x ? 1 : -1;
  const int stepY = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  for (CellPos at = from;;) {
    add(at);
    if (at == to) return;
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      at.x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      at.y += stepY;
    }
  }
}

void PictureStroke::add(CellPos cell) {
  if (std::find(cells_.begin(), cells_.end(), cell) == cells_.end()) cells_.push_back(cell);
}

}  // namespace jcw
