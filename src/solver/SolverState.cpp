#include "solver/SolverState.h"

#include <algorithm>
#include <span>

#include "files/ClueLists.h"

namespace jcw {

namespace {

std::uint8_t workCellOf(std::uint8_t state) {
  return state == csFilled ? wcFilled : state == csEmpty ? wcEmpty : wcUnknown;
}

std::uint8_t pictureStateOf(std::uint8_t work) {
  return work == wcFilled ? csFilled : work == wcEmpty ? csEmpty : csBlank;
}

int mostBlocks(const std::vector<LineState>& lines) {
  int most = 0;
  for (const LineState& line : lines) most = std::max(most, line.blockCount());
  return most;
}

// Writes a solved line: cells take the deduced values, and every line crossing a
// changed cell must be solved again. Returns whether any cell changed (a consistent line only
// loses unknown cells; a contradicting one may also lose filled cells).
bool applyLine(LineView cells, std::span<const std::uint8_t> filledInAll,
               std::span<const std::uint8_t> filledInAny, std::vector<LineState>& crossing) {
  bool changed = false;
  for (int k = 0; k < cells.length(); ++k) {
    const std::uint8_t deduced = filledInAny[k] == 2 ? filledInAll[k] : filledInAny[k];
    if (cells[k] == deduced) continue;
    cells[k] = deduced;
    crossing[k].Stale = true;
    changed = true;
  }
  return changed;
}

// Solving a line again whose cells did not change since its last solve would change nothing, so
// such lines are skipped.
template <typename ViewOf>
void sweep(SolverState& state, std::vector<LineState>& lines, std::vector<LineState>& crossing,
           ViewOf viewOf) {
  for (LineState& line : lines) {
    if (!line.Stale) continue;
    const LineView cells = viewOf(line.Index - 1);
    const bool fits = state.Solver.solve(line, cells, state.FilledInAll, state.FilledInAny);
    if (state.ProcessEvents) state.ProcessEvents();
    if (cancelled(state.Cancel)) return;
    line.Stale = false;
    if (!fits) state.Contradiction = true;
    if (applyLine(cells, state.FilledInAll, state.FilledInAny, crossing)) state.Changed = true;
  }
}

}  // namespace

void PrepareSolver(SolverState& state, const ClueLists& clues) {
  const int cols = static_cast<int>(clues.columns.size());
  const int rows = static_cast<int>(clues.rows.size());
  const int longest = std::max(rows, cols);
  state.FilledInAll.assign(longest, 1);
  state.FilledInAny.assign(longest, 0);
  state.Work.assign(cols, rows, wcUnknown);
  const auto readLines = [](std::vector<LineState>& lines, const std::vector<ClueLine>& lists,
                            int length) {
    lines.resize(lists.size());
    for (std::size_t i = 0; i < lists.size(); ++i)
      setLineClues(lines[i], static_cast<int>(i) + 1, length, lists[i]);
  };
  readLines(state.Columns, clues.columns, rows);
  readLines(state.Rows, clues.rows, cols);
  state.Changed = false;
  state.Contradiction = false;
  state.Solver.reserve(std::max(mostBlocks(state.Rows), mostBlocks(state.Columns)));
}

void PrepareSolver(SolverState& state, const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  PrepareSolver(state, cluesOf(crossword));
  if (!state.UseMarks) return;
  for (int c = 0; c < d.ColCount; ++c)
    for (int r = 0; r < d.RowCount; ++r)
      state.Work.at(c, r) =
          workCellOf(crossword.cell(d.CapColCount + 1 + c, d.CapRowCount + 1 + r).State);
}

void SweepRows(SolverState& state) {
  state.Changed = false;
  sweep(state, state.Rows, state.Columns, [&](int r) { return state.Work.row(r); });
}

void SweepColumns(SolverState& state) {
  sweep(state, state.Columns, state.Rows, [&](int c) { return state.Work.column(c); });
}

bool AllCellsKnown(const SolverState& state) { return state.Work.allKnown(); }

void WriteBack(const SolverState& state, Crossword& crossword,
               const std::function<void(int x, int y)>& paintCell) {
  const Dimensions& d = crossword.dims();
  if (state.Work.colCount() != d.ColCount || state.Work.rowCount() != d.RowCount) return;
  for (int r = 0; r < d.RowCount; ++r) {
    for (int c = 0; c < d.ColCount; ++c) {
      const int x = d.CapColCount + 1 + c;
      const int y = d.CapRowCount + 1 + r;
      crossword.cell(x, y).State = pictureStateOf(state.Work.at(c, r));
      crossword.UpdateLineStatus(x, y);
      if (paintCell) paintCell(x, y);
    }
  }
  crossword.MarkedCount = crossword.countMarked();
}

}  // namespace jcw
