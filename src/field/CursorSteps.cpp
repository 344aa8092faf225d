#include "field/CursorSteps.h"

#include <algorithm>

namespace jcw {

std::optional<CursorDirection> cursorDirectionOf(int wParam) {
  switch (wParam) {
    case -1:
    case -5: return CursorDirection::Right;
    case -2: return CursorDirection::Left;
    case -3: return CursorDirection::Up;
    case -4: return CursorDirection::Down;
    default: return std::nullopt;
  }
}

namespace {

// One step of the walk over every cell of a w x h table: reading order for (1, 0), column order
// for (0, 1). Both coordinates move from the old position, so leaving the last column of a row
// enters the next row and leaving the last cell wraps to (0, 0).
CellPos walkStep(CellPos p, int dx, int dy, int w, int h) {
  return {(p.x + dx + (p.y + dy) / h) % w, (p.y + dy + (p.x + dx) / w) % h};
}

// Left and up are right and down walked on the mirrored table. Index 0 would mirror to n, outside
// the table; it is taken as 1, the last column (row), which is where the backward walk goes next.
int mirrored(int i, int n) { return n - std::max(i, 1); }

}  // namespace

CellPos StepCursor(const Crossword& cw, CellPos from, CursorDirection d) {
  const int w = cw.W1();
  const int h = cw.H1();
  const bool backwards = d == CursorDirection::Left || d == CursorDirection::Up;
  const bool alongRows = d == CursorDirection::Right || d == CursorDirection::Left;
  const auto view = [&](CellPos p) {
    return backwards ? CellPos{mirrored(p.x, w), mirrored(p.y, h)} : p;
  };

  CellPos p = view(from);
  // One full cycle visits every cell; `from` itself ends it when it is the only clue cell.
  for (int steps = 0; steps < w * h; ++steps) {
    p = walkStep(p, alongRows ? 1 : 0, alongRows ? 0 : 1, w, h);
    const CellPos cell = view(p);
    if (cw.isClue(cell.x, cell.y)) return cell;
  }
  return from;
}

std::optional<CellPos> moveCursorTarget(const Crossword& cw, int wParam, int lParam) {
  if (const auto direction = cursorDirectionOf(wParam))
    return StepCursor(cw, cw.EditCursor, *direction);
  if (!cw.isClue(wParam, lParam)) return std::nullopt;
  return CellPos{wParam, lParam};
}

CursorDirection advanceDirection(int nextDirect, bool inColumnClue) {
  switch (nextDirect) {
    case 1: return CursorDirection::Down;
    case 2: return inColumnClue ? CursorDirection::Right : CursorDirection::Down;
    case 3: return inColumnClue ? CursorDirection::Down : CursorDirection::Right;
    default: return CursorDirection::Right;
  }
}

}  // namespace jcw
