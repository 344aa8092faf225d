#pragma once
// The fast line solver: the same answer as enumerateLine, in time proportional to the number of
// blocks whatever the number of placements.
//
// A placement is the line followed by one extra empty cell, read as
//   empty* (block_0 gap) empty* (block_1 gap) ... empty* (block_m-1 gap) empty*
// where block_j is Size_j filled cells and gap one empty cell; a size-0 block is then just its
// gap. Reachability over (cells read, blocks placed) from the left and from the right tells for
// every cell whether some fitting placement fills it and whether some leaves it empty. After
// j blocks the boundary can only lie in a window as wide as the line's free cells, and each
// window is one machine word of bits, so every block costs a few dozen word operations.
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
  // One bit per cell of a line and its trailing gap; kMaxLineLength keeps lines inside it.
  using Bits = unsigned __int128;

  // Sizes the buffers for lines of up to maxBlocks blocks.
  void reserve(int maxBlocks);

  // The contract of enumerateLine: sets the first line.Length entries of both buffers and
  // returns whether any placement fits. Reads `line` and `cells` only.
  bool solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
             std::span<std::uint8_t> filledInAny);

 private:
  // Sets canFill_ and canEmpty_ (left at 0 by the caller); false when no placement fits.
  bool findPlacements(const LineState& line, LineView cells);
  bool prepare(const LineState& line, LineView cells);
  void reachFromLeft();
  void reachFromRightAndCollect(const LineState& line);

  int blocks_ = 0;
  int slack_ = 0;      // cells of the extended line minus what all blocks with their gaps need
  Bits window_ = 0;    // bits 0..slack_
  Bits mayEmpty_ = 0;  // cells of the extended line not known filled (its last cell included)
  Bits mayFill_ = 0;   // cells of the line not known empty
  // firstEnd_[j]: cells that blocks 0..j-1 with their gaps need. In any placement blocks
  // 0..j-1 end (gaps included) at cell firstEnd_[j] + t for some t in 0..slack_; the masks below
  // are indexed by that t.
  std::vector<int> firstEnd_;
  std::vector<Bits> fits_;       // fits_[j]: t such that block j with its gap fits from there
  std::vector<Bits> reachLeft_;  // reachLeft_[j]: t such that blocks 0..j-1 fit before it
  Bits canFill_ = 0;   // cells some fitting placement fills
  Bits canEmpty_ = 0;  // cells some fitting placement leaves empty
};

}  // namespace jcw
