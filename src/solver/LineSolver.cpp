#include "solver/LineSolver.h"

namespace jcw {

namespace {

using Bits = LineSolver::Bits;

Bits lowBits(int count) { return (Bits{1} << count) - 1; }

// Bits p such that cells p .. p+size-1 are all in `cells`.
Bits runStarts(Bits cells, int size) {
  Bits result = ~Bits{0};
  Bits run = cells;  // starts of runs of `width` cells
  for (int width = 1, offset = 0; size > 0; width *= 2) {
    if (size & 1) {
      result &= run >> offset;
      offset += width;
    }
    size >>= 1;
    if (size > 0) run &= run >> width;
  }
  return result;
}

// Cells covered by a block of `size` starting at any bit of `starts`.
Bits spread(Bits starts, int size) {
  Bits result = 0;
  Bits covered = starts;  // cells within `width` after a start
  for (int width = 1, offset = 0; size > 0; width *= 2) {
    if (size & 1) {
      result |= covered << offset;
      offset += width;
    }
    size >>= 1;
    if (size > 0) covered |= covered << width;
  }
  return result;
}

// Bits reachable from `seeds` by steps t -> t+1 into bits of `pass` (seeds included).
Bits fillUp(Bits seeds, Bits pass, int span) {
  for (int step = 1; step <= span; step *= 2) {
    seeds |= pass & (seeds << step);
    pass &= pass << step;
  }
  return seeds;
}

// Bits reachable from `seeds` by steps t+1 -> t into bits of `pass` (seeds included).
Bits fillDown(Bits seeds, Bits pass, int span) {
  for (int step = 1; step <= span; step *= 2) {
    seeds |= pass & (seeds >> step);
    pass &= pass >> step;
  }
  return seeds;
}

}  // namespace

void LineSolver::reserve(int maxBlocks) {
  const std::size_t entries = static_cast<std::size_t>(maxBlocks) + 1;
  firstEnd_.reserve(entries);
  fits_.reserve(entries);
  reachLeft_.reserve(entries);
}

bool LineSolver::prepare(const LineState& line, LineView cells) {
  blocks_ = line.blockCount();
  firstEnd_.resize(blocks_ + 1);
  firstEnd_[0] = 0;
  for (int j = 0; j < blocks_; ++j) firstEnd_[j + 1] = firstEnd_[j] + line.Blocks[j].Size + 1;
  slack_ = line.Length + 1 - firstEnd_[blocks_];
  if (slack_ < 0) return false;
  window_ = lowBits(slack_ + 1);
  mayEmpty_ = Bits{1} << line.Length;
  mayFill_ = 0;
  for (int k = 0; k < line.Length; ++k) {
    mayEmpty_ |= Bits{cells[k] != wcFilled} << k;
    mayFill_ |= Bits{cells[k] != wcEmpty} << k;
  }
  fits_.resize(blocks_);
  reachLeft_.resize(blocks_ + 1);
  for (int j = 0; j < blocks_; ++j) {
    const int size = line.Blocks[j].Size;
    fits_[j] = ((runStarts(mayFill_, size) & (mayEmpty_ >> size)) >> firstEnd_[j]) & window_;
  }
  return true;
}

// reachLeft_[j] holds t when the first firstEnd_[j] + t cells can hold blocks 0..j-1 with their
// gaps: block j-1's gap ends there, or the cell before may be empty and t-1 was reachable.
void LineSolver::reachFromLeft() {
  Bits reach = 1;
  for (int j = 0; j <= blocks_; ++j) {
    const Bits pass = ((mayEmpty_ << 1) >> firstEnd_[j]) & window_;
    reach = fillUp(reach, pass, slack_);
    reachLeft_[j] = reach;
    if (j < blocks_) reach &= fits_[j];  // block j placed: the same t, the next window
  }
}

// Walks the same windows from the right; where both directions meet, the cells between are
// possible in some fitting placement.
void LineSolver::reachFromRightAndCollect(const LineState& line) {
  Bits reach = Bits{1} << slack_;
  for (int j = blocks_; j >= 0; --j) {
    const Bits pass = (mayEmpty_ >> firstEnd_[j]) & window_;
    if (j < blocks_) {
      const Bits starts = reach & fits_[j] & reachLeft_[j];  // reach holds blocks j+1..
      const int size = line.Blocks[j].Size;
      canFill_ |= spread(starts << firstEnd_[j], size);
      canEmpty_ |= starts << (firstEnd_[j] + size);
      reach &= fits_[j];
    }
    reach = fillDown(reach, pass, slack_);
    canEmpty_ |= (reachLeft_[j] & (reach >> 1) & pass) << firstEnd_[j];
  }
}

bool LineSolver::findPlacements(const LineState& line, LineView cells) {
  if (!line.Fits || !prepare(line, cells)) return false;
  reachFromLeft();
  if (!(reachLeft_[blocks_] >> slack_ & 1)) return false;
  reachFromRightAndCollect(line);
  return true;
}

bool LineSolver::solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
                       std::span<std::uint8_t> filledInAny) {
  canFill_ = 0;
  canEmpty_ = 0;
  const bool fits = findPlacements(line, cells);
  // With no fitting placement both buffers keep their start values, 1 and 0.
  for (int k = 0; k < line.Length; ++k) {
    filledInAll[k] = static_cast<std::uint8_t>(1 + (canEmpty_ >> k & 1));
    filledInAny[k] = static_cast<std::uint8_t>(2 * (canFill_ >> k & 1));
  }
  return fits;
}

}  // namespace jcw
