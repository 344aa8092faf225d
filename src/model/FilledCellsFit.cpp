#include "model/FilledCellsFit.h"

#include <vector>

namespace jcw {

namespace {

// The lengths of the runs of filled cells along a line, in order.
std::vector<int> filledRuns(const Crossword& crossword, CellPos first, int dx, int dy, int count) {
  std::vector<int> runs;
  int run = 0;
  for (int k = 0; k <= count; ++k) {
    const bool filled =
        k < count && crossword.cell(first.x + k * dx, first.y + k * dy).State == csFilled;
    if (filled) {
      ++run;
    } else if (run > 0) {
      runs.push_back(run);
      run = 0;
    }
  }
  return runs;
}

std::vector<int> withoutZeros(std::vector<int> clues) {
  std::erase(clues, 0);
  return clues;
}

}  // namespace

bool filledCellsFitClues(const Crossword& crossword) {
  if (!crossword.allocated()) return false;
  const Dimensions& d = crossword.dims();
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    if (filledRuns(crossword, {crossword.firstPictureX(), y}, 1, 0, d.ColCount) !=
        withoutZeros(crossword.rowClues(y)))
      return false;
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    if (filledRuns(crossword, {x, crossword.firstPictureY()}, 0, 1, d.RowCount) !=
        withoutZeros(crossword.columnClues(x)))
      return false;
  return true;
}

bool markUndecidedEmpty(Crossword& crossword) {
  const std::vector<std::uint8_t> before = crossword.pictureStates();
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
      if (TCell& cell = crossword.cell(x, y); cell.State == csBlank) {
        cell.State = csEmpty;
        ++crossword.MarkedCount;
      }
  crossword.history.endGesture();
  const bool changed = crossword.recordPictureChange(before);
  crossword.updateAllLineStatus();
  return changed;
}

}  // namespace jcw
