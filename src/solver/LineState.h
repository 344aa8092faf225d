#pragma once
// One row or column as the solver sees it: its blocks in reading order with their current
// placement, and that placement rendered as text. The placement fields serve the enumerating
// reference solver; the fast solver reads only Sizes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace jcw {

// Longer lines are treated as fitting no placement: a line with its trailing gap must fit the
// fast solver's 128-bit masks (and the placement bytes). Crosswords stop at 100.
inline constexpr int kMaxLineLength = 126;

struct BlockSlot {
  std::uint8_t Size = 0;      // the clue number; 0 covers no cell but still takes its gap
  std::uint8_t Start = 0;     // current first cell, from 1
  std::uint8_t MinStart = 0;  // start when packed against the previous block
  std::uint8_t MaxStart = 0;  // rightmost start that leaves room for every later block
};

struct LineState {
  std::vector<BlockSlot> Blocks;  // the clues, then one terminating entry of zeros
  std::vector<std::uint8_t> Sizes;  // the clues alone, in order (empty when they do not fit)
  std::int32_t Index = 0;         // row or column number, from 1
  std::int32_t Length = 0;        // cells of the line
  std::string Pattern;            // current placement: '1' covered by a block, '0' not
  // False when the clues need more cells than the line has; Blocks then holds only the
  // terminating entry and no placement fits.
  bool Fits = true;
  // The line's cells may have changed since it was last solved; cleared by solving it.
  bool Stale = true;

  int blockCount() const { return static_cast<int>(Blocks.size()) - 1; }
};

// Cells that `clues` need at least: every block plus one gap between neighbours, size-0 blocks
// included (each takes a gap of its own). More than kMaxLineLength when a clue is negative or
// the demand is larger than any line.
int cellsNeeded(std::span<const int> clues);

// Appends a block of `size` packed after the last one and narrows the earlier blocks' room.
// Only for clues that fit (byte arithmetic).
void AddBlock(LineState& line, std::uint8_t size);

// Pattern from the blocks' current starts.
void RenderPattern(LineState& line);

// Rebuilds the line from its clue numbers: blocks packed to the left, rendered, terminated.
void setLineClues(LineState& line, int index, int length, std::span<const int> clues);

}  // namespace jcw
