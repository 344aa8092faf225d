#pragma once
// Which clue numbers a player may see crossed off: a number only when every arrangement of its
// line's clue that agrees with the player's marks puts its block on the very same cells, and
// those cells are filled. So a number is never crossed off while another reading of the marks
// is still open (for "1 1" with one filled cell in an open line, neither 1 is). Exact: reachable
// states of the line automaton (LineAutomaton.h) from both ends, no enumeration.

#include <cstdint>
#include <span>
#include <vector>

#include "model/Cell.h"
#include "settings/AidOptions.h"
#include "solver/LineSolver.h"

namespace jcw {

class Crossword;

// One flag per entry of `sizes`: whether that block is settled on filled cells in a line of
// `length` cells whose known cells are `known`. Size-0 blocks cover no cell and are never
// settled; all flags are false when no arrangement agrees with `known`.
std::vector<bool> settledBlocks(std::span<const std::uint8_t> sizes, int length, LineCells known);

// The clue cells (table positions) drawn crossed off under `mode`, from the crossword's marks:
// with CompleteLines every number of a line that is complete and right; with EachNumber also
// every settled number of the other lines.
std::vector<CellPos> crossedOffClueCells(const Crossword& crossword, CrossOffMode mode);

}  // namespace jcw
