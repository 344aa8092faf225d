#pragma once
// A line's clues as a deterministic automaton over the line and one extra trailing empty cell:
// tokens are each block's filled cells and its gap, a size-0 block just its gap. A state is the
// number of tokens read; a state marked `loop` also reads empties and stays (before each block of
// filled cells, and at the end), so every state reads each cell value one way at most. A
// placement is a run from state 0 to the last state over the line and its extra cell.

#include <cstdint>
#include <span>
#include <vector>

namespace jcw {

struct LineAutomaton {
  std::vector<bool> filled;  // per token
  std::vector<bool> loop;    // per state, 0..tokens()

  int tokens() const { return static_cast<int>(filled.size()); }
  // The state after reading a cell of value v (1 filled, 0 empty) in state i; -1 where there is
  // none.
  int next(int i, int v) const {
    if (v == 1) return i < tokens() && filled[i] ? i + 1 : -1;
    if (loop[i]) return i;
    return i < tokens() && !filled[i] ? i + 1 : -1;
  }
};

LineAutomaton automatonOf(std::span<const std::uint8_t> sizes);

}  // namespace jcw
