#pragma once
// The fast line solver: the same answer as enumerateLine, in time proportional to cells times
// blocks whatever the number of placements.
//
// A placement is the line followed by one extra empty cell, read as
//   empty* (block_0 gap) empty* (block_1 gap) ... empty* (block_m-1 gap) empty*
// where block_j is Size_j filled cells and gap one empty cell; a size-0 block is then just its
// gap. Reachability over (cells read, blocks placed) from the left and from the right tells for
// every cell whether some fitting placement fills it and whether some leaves it empty.
//
// The object owns its work buffers so that a sweep allocates nothing per line. Single-threaded.

#include <cstdint>
#include <span>
#include <vector>

#include "solver/LineState.h"
#include "solver/WorkGrid.h"

namespace jcw {

class LineSolver {
 public:
  // Sizes the buffers for lines up to maxLength cells and maxBlocks blocks.
  void reserve(int maxLength, int maxBlocks);

  // The contract of enumerateLine: sets the first line.Length entries of both buffers and
  // returns whether any placement fits. Reads `line` and `cells` only.
  bool solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
             std::span<std::uint8_t> filledInAny);

 private:
  void prepare(const LineState& line, LineView cells);
  bool blockFits(int size, int p) const;
  void reachFromLeft(const LineState& line);
  void reachFromRight(const LineState& line);
  void collectCellOptions(const LineState& line);
  bool left(int j, int i) const { return reachLeft_[j * stride_ + i] != 0; }
  bool right(int j, int i) const { return reachRight_[j * stride_ + i] != 0; }

  int cells_ = 0;    // cells of the extended line (the line plus its trailing empty cell)
  int stride_ = 0;   // cells_ + 1
  int blocks_ = 0;
  std::vector<std::uint8_t> mayFill_, mayEmpty_;  // per cell of the extended line
  std::vector<int> knownEmptyBefore_;  // known-empty cells among the first k
  // reachLeft_[j][i]: the first i cells can hold the first j blocks, each with its gap.
  // reachRight_[j][i]: the cells from i on can hold blocks j.. with their gaps.
  std::vector<std::uint8_t> reachLeft_, reachRight_;
  std::vector<int> fillCoverage_;  // difference array: placements of blocks over cells
  std::vector<std::uint8_t> canEmpty_;
};

}  // namespace jcw
