#include "solver/LineSolver.h"

#include <algorithm>

namespace jcw {

void LineSolver::reserve(int maxLength, int maxBlocks) {
  const std::size_t cells = static_cast<std::size_t>(maxLength) + 1;
  const std::size_t table = (static_cast<std::size_t>(maxBlocks) + 1) * (cells + 1);
  mayEmpty_.reserve(cells);
  fillableRun_.reserve(cells + 1);
  firstEnd_.reserve(static_cast<std::size_t>(maxBlocks) + 1);
  reachLeft_.reserve(table);
  reachRight_.reserve(table);
  fillCoverage_.reserve(cells + 1);
  canEmpty_.reserve(cells);
}

bool LineSolver::prepare(const LineState& line, LineView cells) {
  cells_ = line.Length + 1;
  blocks_ = line.blockCount();
  firstEnd_.resize(blocks_ + 1);
  firstEnd_[0] = 0;
  for (int j = 0; j < blocks_; ++j) firstEnd_[j + 1] = firstEnd_[j] + line.Blocks[j].Size + 1;
  slack_ = cells_ - firstEnd_[blocks_];
  if (slack_ < 0) return false;
  mayEmpty_.resize(cells_);
  fillableRun_.resize(cells_ + 1);
  fillableRun_[cells_] = 0;
  for (int k = cells_ - 1; k >= 0; --k) {
    const std::uint8_t known = k < line.Length ? cells[k] : std::uint8_t{wcEmpty};
    mayEmpty_[k] = known != wcFilled;
    fillableRun_[k] = known == wcEmpty ? 0 : fillableRun_[k + 1] + 1;
  }
  const std::size_t table = static_cast<std::size_t>(blocks_ + 1) * (slack_ + 1);
  reachLeft_.assign(table, 0);
  reachRight_.assign(table, 0);
  fillCoverage_.assign(cells_ + 1, 0);
  canEmpty_.assign(cells_, 0);
  return true;
}

// The extended line's last cell is known empty, so a fillable run never passes it and the gap
// cell after a fitting block is always inside the line.
bool LineSolver::blockFits(int size, int p) const {
  return fillableRun_[p] >= size && mayEmpty_[p + size];
}

void LineSolver::reachFromLeft(const LineState& line) {
  std::uint8_t* row = windowRow(reachLeft_, 0);
  row[0] = 1;
  for (int t = 1; t <= slack_; ++t) row[t] = row[t - 1] && mayEmpty_[t - 1];
  for (int j = 1; j <= blocks_; ++j) {
    const std::uint8_t* previous = row;
    row = windowRow(reachLeft_, j);
    const int size = line.Blocks[j - 1].Size;
    for (int t = 0; t <= slack_; ++t) {
      const int i = firstEnd_[j] + t;
      const bool skipEmpty = t > 0 && row[t - 1] && mayEmpty_[i - 1];
      const bool endBlock = previous[t] && blockFits(size, firstEnd_[j - 1] + t);
      row[t] = skipEmpty || endBlock;
    }
  }
}

void LineSolver::reachFromRight(const LineState& line) {
  std::uint8_t* row = windowRow(reachRight_, blocks_);
  row[slack_] = 1;
  for (int t = slack_ - 1; t >= 0; --t)
    row[t] = row[t + 1] && mayEmpty_[firstEnd_[blocks_] + t];
  for (int j = blocks_ - 1; j >= 0; --j) {
    const std::uint8_t* next = row;
    row = windowRow(reachRight_, j);
    const int size = line.Blocks[j].Size;
    for (int t = slack_; t >= 0; --t) {
      const int i = firstEnd_[j] + t;
      const bool skipEmpty = t < slack_ && row[t + 1] && mayEmpty_[i];
      const bool startBlock = next[t] && blockFits(size, i);
      row[t] = skipEmpty || startBlock;
    }
  }
}

void LineSolver::collectCellOptions(const LineState& line) {
  for (int j = 0; j <= blocks_; ++j) {
    const std::uint8_t* fromLeft = windowRow(reachLeft_, j);
    const std::uint8_t* fromRight = windowRow(reachRight_, j);
    const std::uint8_t* nextFromRight = j < blocks_ ? windowRow(reachRight_, j + 1) : nullptr;
    const int size = j < blocks_ ? line.Blocks[j].Size : 0;
    for (int t = 0; t <= slack_; ++t) {
      if (!fromLeft[t]) continue;
      const int i = firstEnd_[j] + t;
      if (t < slack_ && fromRight[t + 1] && mayEmpty_[i]) canEmpty_[i] = 1;
      if (nextFromRight && nextFromRight[t] && blockFits(size, i)) {
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
  if (!line.Fits || !prepare(line, cells)) return false;
  reachFromLeft(line);
  if (!windowRow(reachLeft_, blocks_)[slack_]) return false;
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
