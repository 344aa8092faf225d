#include "model/StartRule.h"

#include <numeric>
#include <optional>

namespace jcw {

namespace {

std::optional<StartCheck> firstOverflow(const Crossword& cw) {
  const Dimensions& d = cw.dims();
  const auto overflow = [&](bool column, int x, int y, int line, int length)
      -> std::optional<StartCheck> {
    const int needed = cw.cellsNeeded(x, y);
    if (needed <= length) return std::nullopt;
    StartCheck check;
    check.block = StartBlock::LineOverflows;
    check.column = column;
    check.line = line;
    check.needed = needed;
    check.length = length;
    return check;
  };
  for (int c = 1; c <= d.ColCount; ++c)
    if (auto found = overflow(true, d.CapColCount + c, 1, c, d.RowCount)) return found;
  for (int r = 1; r <= d.RowCount; ++r)
    if (auto found = overflow(false, 1, d.CapRowCount + r, r, d.ColCount)) return found;
  return std::nullopt;
}

int sumOf(const std::vector<int>& clues) { return std::accumulate(clues.begin(), clues.end(), 0); }

}  // namespace

StartCheck checkStart(const Crossword& crossword) {
  if (std::optional<StartCheck> overflow = firstOverflow(crossword)) return *overflow;
  StartCheck check;
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    check.columnSum += sumOf(crossword.columnClues(x));
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    check.rowSum += sumOf(crossword.rowClues(y));
  if (check.columnSum != check.rowSum) check.block = StartBlock::UnequalSums;
  return check;
}

bool noLineOverflows(const Crossword& crossword) { return !firstOverflow(crossword); }

}  // namespace jcw
