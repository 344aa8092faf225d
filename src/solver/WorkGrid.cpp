#include "solver/WorkGrid.h"

#include <algorithm>

namespace jcw {

int LineView::unknownCount() const {
  int count = 0;
  for (int k = 0; k < length_; ++k) count += (*this)[k] == wcUnknown;
  return count;
}

void WorkGrid::assign(int colCount, int rowCount, std::uint8_t value) {
  colCount_ = colCount;
  rowCount_ = rowCount;
  cells_.assign(static_cast<std::size_t>(colCount) * rowCount, value);
}

bool WorkGrid::allKnown() const {
  return std::find(cells_.begin(), cells_.end(), wcUnknown) == cells_.end();
}

int WorkGrid::unknownCount() const {
  return static_cast<int>(std::count(cells_.begin(), cells_.end(), wcUnknown));
}

std::vector<std::string> rowsText(const WorkGrid& grid) {
  std::vector<std::string> rows(grid.rowCount(), std::string(grid.colCount(), '?'));
  for (int r = 0; r < grid.rowCount(); ++r)
    for (int c = 0; c < grid.colCount(); ++c)
      if (grid.at(c, r) != wcUnknown) rows[r][c] = grid.at(c, r) == wcFilled ? '#' : '.';
  return rows;
}

}  // namespace jcw
