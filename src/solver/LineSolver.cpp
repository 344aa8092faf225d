#include "solver/LineSolver.h"

#include <algorithm>

namespace jcw {

void LineSolver::reserve(int maxLength, int maxBlocks) {
  const std::size_t cells = static_cast<std::size_t>(maxLength) + 1;
  const std::size_t table = (static_cast<std::size_t>(maxBlocks) + 1) * (cells + 1);
  mayFill_.reserve(cells);
  mayEmpty_.reserve(cells);
  knownEmptyBefore_.reserve(cells + 1);
  reachLeft_.reserve(table);
  reachRight_.reserve(table);
  fillCoverage_.reserve(cells + 1);
  canEmpty_.reserve(cells);
}

void LineSolver::prepare(const LineState& line, LineView cells) {
  cells_ = line.Length + 1;
  stride_ = cells_ + 1;
  blocks_ = line.blockCount();
  mayFill_.resize(cells_);
  mayEmpty_.resize(cells_);
  knownEmptyBefore_.resize(cells_ + 1);
  knownEmptyBefore_[0] = 0;
  for (int k = 0; k < cells_; ++k) {
    const std::uint8_t known = k < line.Length ? cells[k] : std::uint8_t{wcEmpty};
    mayFill_[k] = known != wcEmpty;
    mayEmpty_[k] = known != wcFilled;
    knownEmptyBefore_[k + 1] = knownEmptyBefore_[k] + (known == wcEmpty);
  }
  const std::size_t table = static_cast<std::size_t>(blocks_ + 1) * stride_;
  reachLeft_.assign(table, 0);
  reachRight_.assign(table, 0);
  fillCoverage_.assign(cells_ + 1, 0);
  canEmpty_.assign(cells_, 0);
}

// A block of `size` with its gap fits from cell p: the block's cells may be filled, the gap
// cell may be empty.
bool LineSolver::blockFits(int size, int p) const {
  return p + size < cells_ && knownEmptyBefore_[p + size] == knownEmptyBefore_[p] &&
         mayEmpty_[p + size];
}

void LineSolver::reachFromLeft(const LineState& line) {
  reachLeft_[0] = 1;
  for (int j = 0; j <= blocks_; ++j) {
    std::uint8_t* row = &reachLeft_[j * stride_];
    const int size = j > 0 ? line.Blocks[j - 1].Size : 0;
    for (int i = 1; i <= cells_; ++i) {
      const bool skipEmpty = row[i - 1] && mayEmpty_[i - 1];
      const int p = i - size - 1;
      const bool endBlock = j > 0 && p >= 0 && left(j - 1, p) && blockFits(size, p);
      row[i] = skipEmpty || endBlock;
    }
  }
}

void LineSolver::reachFromRight(const LineState& line) {
  reachRight_[blocks_ * stride_ + cells_] = 1;
  for (int j = blocks_; j >= 0; --j) {
    std::uint8_t* row = &reachRight_[j * stride_];
    const int size = j < blocks_ ? line.Blocks[j].Size : 0;
    for (int i = cells_ - 1; i >= 0; --i) {
      const bool skipEmpty = row[i + 1] && mayEmpty_[i];
      const bool startBlock = j < blocks_ && blockFits(size, i) && right(j + 1, i + size + 1);
      row[i] = skipEmpty || startBlock;
    }
  }
}

void LineSolver::collectCellOptions(const LineState& line) {
  for (int j = 0; j <= blocks_; ++j) {
    const int size = j < blocks_ ? line.Blocks[j].Size : 0;
    for (int i = 0; i < cells_; ++i) {
      if (!left(j, i)) continue;
      if (mayEmpty_[i] && right(j, i + 1)) canEmpty_[i] = 1;
      if (j < blocks_ && blockFits(size, i) && right(j + 1, i + size + 1)) {
        ++fillCoverage_[i];
        --fillCoverage_[i + size];
        canEmpty_[i + size] = 1;
      }
    }
  }
}

bool LineSolver::solve(const LineState& line, LineView cells, std::span<std::uint8_t> filledInAll,
                       std::span<std::uint8_t> filledInAny) {
  std::fill_n(filledInAll.begin(), line.Length, std::uint8_t{1});
  std::fill_n(filledInAny.begin(), line.Length, std::uint8_t{0});
  if (!line.Fits) return false;
  prepare(line, cells);
  reachFromLeft(line);
  if (!left(blocks_, cells_)) return false;
  reachFromRight(line);
  collectCellOptions(line);
  int coverage = 0;
  for (int k = 0; k < line.Length; ++k) {
    coverage += fillCoverage_[k];
    if (coverage > 0) filledInAny[k] = 2;
    if (canEmpty_[k]) filledInAll[k] = 2;
  }
  return true;
}

}  // namespace jcw
