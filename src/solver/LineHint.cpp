#include "solver/LineHint.h"

#include <deque>

#include "solver/LineSolver.h"
#include "solver/LineState.h"

namespace jcw {

namespace {

std::vector<std::uint8_t> sizesOf(const ClueLine& clues) {
  std::vector<std::uint8_t> sizes;
  for (int clue : clues)
    if (clue > 0) sizes.push_back(static_cast<std::uint8_t>(clue));
  return sizes;
}

LineView viewOf(WorkGrid& grid, PictureLine line) {
  return line.row ? grid.row(line.index - 1) : grid.column(line.index - 1);
}

PictureCell cellOf(PictureLine line, int k) {
  return line.row ? PictureCell{k, line.index - 1} : PictureCell{line.index - 1, k};
}

LineCells knownOf(LineView cells) {
  LineCells known;
  for (int k = 0; k < cells.length(); ++k) {
    if (cells[k] == wcFilled) known.filled |= LineBits{1} << k;
    if (cells[k] == wcEmpty) known.empty |= LineBits{1} << k;
  }
  return known;
}

// Line logic on one line of `grid`. False when no arrangement fits; otherwise the cells it
// decides that were unknown are set in `grid` and appended to `cells` (when given).
bool advanceLine(LineSolver& solver, const ClueLists& clues, WorkGrid& grid, PictureLine line,
                 LineHint* learnt) {
  const ClueLine& numbers = line.row ? clues.rows[line.index - 1] : clues.columns[line.index - 1];
  const std::vector<std::uint8_t> sizes = sizesOf(numbers);
  LineView cells = viewOf(grid, line);
  if (cellsNeeded(std::vector<int>(sizes.begin(), sizes.end())) > cells.length()) return false;
  LineCells decided;
  if (!solver.solve(sizes, cells.length(), knownOf(cells), decided)) return false;
  for (int k = 0; k < cells.length(); ++k) {
    if (cells[k] != wcUnknown) continue;
    const bool filled = ((decided.filled >> k) & 1) != 0;
    const bool empty = ((decided.empty >> k) & 1) != 0;
    if (!filled && !empty) continue;
    cells[k] = filled ? wcFilled : wcEmpty;
    if (learnt) {
      learnt->cells.push_back(cellOf(line, k));
      learnt->values.push_back(cells[k]);
    }
  }
  return true;
}

std::vector<PictureLine> allLines(const ClueLists& clues) {
  std::vector<PictureLine> lines;
  for (int r = 1; r <= static_cast<int>(clues.rows.size()); ++r) lines.push_back({true, r});
  for (int c = 1; c <= static_cast<int>(clues.columns.size()); ++c) lines.push_back({false, c});
  return lines;
}

// Line logic spreading from cell (column, row) until nothing more is learnt. Returns the first
// line met that no arrangement fits, or an index-0 line when none is.
PictureLine spreadFrom(LineSolver& solver, const ClueLists& clues, WorkGrid& grid,
                       PictureCell from, const CancelCheck& cancel) {
  std::deque<PictureLine> pending{{true, from.row + 1}, {false, from.column + 1}};
  std::vector<bool> queuedRow(clues.rows.size()), queuedColumn(clues.columns.size());
  queuedRow[from.row] = queuedColumn[from.column] = true;
  while (!pending.empty() && !cancelled(cancel)) {
    const PictureLine line = pending.front();
    pending.pop_front();
    (line.row ? queuedRow : queuedColumn)[line.index - 1] = false;
    LineHint learnt;
    if (!advanceLine(solver, clues, grid, line, &learnt)) return line;
    for (const PictureCell& cell : learnt.cells) {
      // The crossing line of each new cell has more to work with now.
      const PictureLine crossing =
          line.row ? PictureLine{false, cell.column + 1} : PictureLine{true, cell.row + 1};
      auto& queued = crossing.row ? queuedRow : queuedColumn;
      if (queued[crossing.index - 1]) continue;
      queued[crossing.index - 1] = true;
      pending.push_back(crossing);
    }
  }
  return {};
}

}  // namespace

LineHint firstLineHint(const ClueLists& clues, const WorkGrid& marks) {
  LineSolver solver;
  WorkGrid grid = marks;
  for (const PictureLine& line : allLines(clues)) {
    LineHint hint;
    hint.line = line;
    if (!advanceLine(solver, clues, grid, line, &hint)) {
      hint.kind = LineHintKind::Contradiction;
      return hint;
    }
    if (!hint.cells.empty()) {
      hint.kind = LineHintKind::Advance;
      return hint;
    }
  }
  LineHint none;
  none.kind = grid.allKnown() ? LineHintKind::Done : LineHintKind::Stuck;
  return none;
}

ProbeHint probeOneCell(const ClueLists& clues, const WorkGrid& marks, const CancelCheck& cancel) {
  LineSolver solver;
  ProbeHint probe;
  for (int r = 0; r < marks.rowCount(); ++r)
    for (int c = 0; c < marks.colCount(); ++c) {
      if (marks.at(c, r) != wcUnknown) continue;
      for (const std::uint8_t tried : {std::uint8_t{wcFilled}, std::uint8_t{wcEmpty}}) {
        if (cancelled(cancel)) {
          probe.cancelled = true;
          return probe;
        }
        WorkGrid grid = marks;
        grid.at(c, r) = tried;
        const PictureLine broken = spreadFrom(solver, clues, grid, {c, r}, cancel);
        if (broken.index == 0) continue;
        return {true, {c, r}, tried == wcFilled ? std::uint8_t{wcEmpty} : std::uint8_t{wcFilled},
                broken, false};
      }
    }
  probe.cancelled = cancelled(cancel);
  return probe;
}

}  // namespace jcw
