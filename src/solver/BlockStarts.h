#pragma once
// Where each block of a line's clue may start: the cells from which some arrangement of the clue
// that agrees with the known cells puts that block. Exact: reachable states of the line
// automaton (LineAutomaton.h) from both ends, no enumeration.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "solver/LineSolver.h"

namespace jcw {

// One mask per entry of `sizes`, bit k set when that block may start at cell k (none for a
// size-0 entry), in a line of `length` (0..kMaxLineLength) cells whose known cells are `known`;
// nullopt when no arrangement agrees with `known`.
std::optional<std::vector<LineBits>> blockStarts(std::span<const std::uint8_t> sizes, int length,
                                                 LineCells known);

}  // namespace jcw
