#pragma once
// The fast line solver: the same answer as enumerating every placement of a line's blocks, in
// time proportional to the number of blocks whatever the number of placements.
//
// A placement is the line followed by one extra empty cell, read as
//   empty* (block_0 gap) empty* (block_1 gap) ... empty* (block_m-1 gap) empty*
// where block_j is Size_j filled cells and gap one empty cell; a size-0 block is then just its
// gap. Boundaries (cells read so far, after an empty cell) reachable with j blocks placed are one
// 128-bit mask per j; a step over cells that may be empty is one addition (its carry runs to the
// end of the run). The same walk over the mirrored line gives what the rest of the line can hold,
// and where both meet a block or an empty cell has a fitting placement.
//
// The object owns its work buffers so that a sweep allocates nothing per line. Single-threaded;
// one object per thread.

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/LineState.h"
#include "solver/WorkGrid.h"

namespace jcw {

// One bit per cell of a line, cell k at bit k; kMaxLineLength keeps a line and its trailing gap
// inside it.
using LineBits = unsigned __int128;

// Calls visit(k) for every set bit k of `bits`, lowest first.
template <typename Visit>
void forEachBit(LineBits bits, Visit visit) {
  for (auto low = static_cast<std::uint64_t>(bits); low != 0; low &= low - 1)
    visit(std::countr_zero(low));
  for (auto high = static_cast<std::uint64_t>(bits >> 64); high != 0; high &= high - 1)
    visit(64 + std::countr_zero(high));
}

// The lowest and the highest set bit of `bits`, which must not be 0.
inline int lowestBit(LineBits bits) {
  const auto low = static_cast<std::uint64_t>(bits);
  const auto high = static_cast<std::uint64_t>(bits >> 64);
  return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high);
}
inline int highestBit(LineBits bits) {
  const auto low = static_cast<std::uint64_t>(bits);
  const auto high = static_cast<std::uint64_t>(bits >> 64);
  return high != 0 ? 127 - std::countl_zero(high) : 63 - std::countl_zero(low);
}

// What is known of a line's cells; a cell is in at most one of the two.
struct LineCells {
  LineBits filled = 0;
  LineBits empty = 0;
  bool operator==(const LineCells&) const = default;
};

class LineSolver {
 public:
  // Sizes the buffers for lines of up to maxBlocks blocks (more are allowed, at an allocation).
  void reserve(int maxBlocks);

  // Blocks of `sizes` on a line of `length` cells (1..kMaxLineLength) whose known cells are
  // `known`. Returns false when no placement fits; otherwise `decided` gets the cells every
  // fitting placement fills and those every one leaves empty (the known cells among them).
  bool solve(std::span<const std::uint8_t> sizes, int length, LineCells known,
             LineCells& decided);

  // The byte view over solve(): sets the first line.Length entries of both buffers as the
  // enumeration does (filledInAll[k] 1 when every fitting placement fills cell k, else 2;
  // filledInAny[k] 2 when some fills it, else 0; 1 and 0 when nothing fits) and returns whether
  // any placement fits. Reads `line` and `cells` only.
  bool solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
             std::span<std::uint8_t> filledInAny);

 private:
  template <typename Word>
  bool solveIn(std::span<const std::uint8_t> sizes, int length, int slack, LineCells known,
               LineCells& decided);
  template <typename Word>
  bool walk(std::span<const std::uint8_t> sizes, bool backwards, int slack,
                   LineBits mayFill, LineBits mayEmpty, Word* reach, Word* fits);
  // Masks of the walks in 64-bit or 128-bit words: from the left, from the right over the
  // mirrored line, and where each block fits in either.
  template <typename Word>
  struct Buffers {
    std::vector<Word> reach, mirrorReach, fits, mirrorFits;
    void resize(int blocks);
  };
  template <typename Word>
  Buffers<Word>& buffers();

  Buffers<std::uint64_t> narrow_;
  Buffers<LineBits> wide_;
  // Where a block of each size fits in the current walk: valid where fitsStampOf_ is fitsStamp_.
  std::array<LineBits, kMaxLineLength + 1> fitsOf_{};
  std::array<std::uint32_t, kMaxLineLength + 1> fitsStampOf_{};
  std::uint32_t fitsStamp_ = 0;
};

}  // namespace jcw
