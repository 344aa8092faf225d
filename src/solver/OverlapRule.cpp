#include "solver/OverlapRule.h"

#include <algorithm>

namespace jcw {

namespace {

// The leftmost placement of `sizes` that the known cells allow: the start of every block, or
// nothing when none fits. Works from the right: feasible[j][p] says blocks j.. fit with block j
// at p; nextFeasible[j][p] is the first such start at or after p (n when none).
bool leftmostStarts(const std::vector<int>& sizes, const std::vector<std::uint8_t>& line,
                    std::vector<int>& starts) {
  const int n = static_cast<int>(line.size());
  const int m = static_cast<int>(sizes.size());
  // firstFilled[p]: the first filled cell at or after p (n when none); emptyBefore[p]: known
  // empty cells among the first p.
  std::vector<int> firstFilled(n + 2, n), emptyBefore(n + 1, 0);
  for (int p = n - 1; p >= 0; --p) firstFilled[p] = line[p] == wcFilled ? p : firstFilled[p + 1];
  firstFilled[n + 1] = n;
  for (int p = 0; p < n; ++p) emptyBefore[p + 1] = emptyBefore[p] + (line[p] == wcEmpty);
  std::vector<std::vector<int>> nextFeasible(m, std::vector<int>(n + 2, n));
  for (int j = m - 1; j >= 0; --j) {
    const int size = sizes[j];
    for (int p = n - size; p >= 0; --p) {
      const int end = p + size;
      bool fits = emptyBefore[end] == emptyBefore[p] && (end == n || line[end] != wcFilled);
      if (fits && j == m - 1) fits = firstFilled[end] == n;
      if (fits && j < m - 1) {
        const int next = end + 1 <= n ? nextFeasible[j + 1][end + 1] : n;
        fits = next < n && next <= firstFilled[std::min(end + 1, n)];
      }
      nextFeasible[j][p] = fits ? p : nextFeasible[j][p + 1];
    }
  }
  starts.assign(m, 0);
  int from = 0;
  for (int j = 0; j < m; ++j) {
    const int start = from <= n ? nextFeasible[j][from] : n;
    if (start >= n || start > firstFilled[from]) return false;
    starts[j] = start;
    from = start + sizes[j] + 1;
  }
  return m > 0 || firstFilled[0] == n;
}

}  // namespace

bool applyOverlapRule(const ClueLine& clues, LineView cells) {
  std::vector<int> sizes;
  for (int clue : clues)
    if (clue > 0) sizes.push_back(clue);
  const int n = cells.length();
  const int m = static_cast<int>(sizes.size());
  std::vector<std::uint8_t> line(n), mirrored(n);
  for (int k = 0; k < n; ++k) line[k] = mirrored[n - 1 - k] = cells[k];
  std::vector<int> left, mirroredLeft;
  const std::vector<int> reversedSizes(sizes.rbegin(), sizes.rend());
  if (!leftmostStarts(sizes, line, left) || !leftmostStarts(reversedSizes, mirrored, mirroredLeft))
    return false;
  std::vector<bool> reachable(n, false);
  for (int j = 0; j < m; ++j) {
    const int size = sizes[j];
    const int right = n - mirroredLeft[m - 1 - j] - size;
    for (int k = right; k < left[j] + size; ++k) cells[k] = wcFilled;
    for (int k = left[j]; k < right + size; ++k) reachable[k] = true;
  }
  for (int k = 0; k < n; ++k)
    if (!reachable[k]) cells[k] = wcEmpty;
  return true;
}

WorkGrid decidedByOverlap(const ClueLists& clues) {
  WorkGrid grid;
  const int cols = static_cast<int>(clues.columns.size());
  const int rows = static_cast<int>(clues.rows.size());
  grid.assign(cols, rows, wcUnknown);
  for (int before = -1; before != grid.unknownCount();) {
    before = grid.unknownCount();
    for (int r = 0; r < rows; ++r) applyOverlapRule(clues.rows[r], grid.row(r));
    for (int c = 0; c < cols; ++c) applyOverlapRule(clues.columns[c], grid.column(c));
  }
  return grid;
}

}  // namespace jcw
