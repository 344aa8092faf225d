#pragma once
// Solver cells written as text: '#' surely filled, '.' surely empty, '?' unknown.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "solver/SolverState.h"
#include "solver/WorkGrid.h"

namespace jcw::test {

inline std::string lineText(std::span<const std::uint8_t> cells) {
  std::string text;
  for (std::uint8_t cell : cells) text += cell == wcFilled ? '#' : cell == wcEmpty ? '.' : '?';
  return text;
}

// The work grid, one string per picture row, top to bottom.
inline std::vector<std::string> workRows(const SolverState& state) {
  return rowsText(state.Work);
}

}  // namespace jcw::test
