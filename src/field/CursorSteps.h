#pragma once
// How the editor cursor moves over the clue cells: one step in a direction, the target of a
// move-cursor message, and the direction of the automatic advance after a number. Pure functions
// of the crossword's table; the field sends and handles the message.

#include <optional>

#include "model/Crossword.h"

namespace jcw {

enum class CursorDirection { Right, Left, Up, Down };

// The direction that a move-cursor message's first parameter codes: -1 right, -2 left, -3 up,
// -4 down, -5 right. None for any other value, which is a table index.
std::optional<CursorDirection> cursorDirectionOf(int wParam);

// The next clue cell from `from` in direction `d`. Right and left walk the clue cells in reading
// order (the column clue rows first, each left to right, then the row clue rows), down and up in
// column order (the row clue columns first, each top to bottom); both orders are cyclic.
// `from` must lie in the table; it need not be a clue cell.
CellPos StepCursor(const Crossword& cw, CellPos from, CursorDirection d);

// Where a move-cursor message takes the cursor from EditCursor: a step for a direction code,
// otherwise the cell (wParam, lParam). None when that cell is not a clue cell, so a stray index
// can never put the cursor (and the digits typed next) outside the clue cells.
std::optional<CellPos> moveCursorTarget(const Crossword& cw, int wParam, int lParam);

// The automatic advance by NextDirect: 0 right, 1 down, 2 along the field (right in a column
// clue cell, down in a row clue cell), 3 towards the centre (the other way round). Any other
// value moves right, as 0 does.
CursorDirection advanceDirection(int nextDirect, bool inColumnClue);

}  // namespace jcw
