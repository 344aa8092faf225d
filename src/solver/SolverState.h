#pragma once
// The line solver over a whole crossword. PrepareSolver copies the clues (and, with UseMarks,
// the marks) of a Crossword into the state; the sweeps then deduce cells line by line on the
// state's own WorkGrid; WriteBack copies the result into a Crossword. Nothing of a previous run
// is reused. Single-threaded: everything runs on the caller's thread; a sweep asks Cancel after
// every line whether to stop.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/ClueLists.h"
#include "model/Crossword.h"
#include "solver/CancelCheck.h"
#include "solver/LineSolver.h"
#include "solver/LineState.h"
#include "solver/WorkGrid.h"

namespace jcw {

struct SolverState {
  std::vector<LineState> Rows;     // one per picture row, top to bottom
  std::vector<LineState> Columns;  // one per picture column, left to right
  // Set by the caller before PrepareSolver: start from the crossword's marks (blank cells
  // unknown) instead of an empty picture.
  bool UseMarks = false;
  // Set when a sweep decides a cell of some line (or empties a contradicting line); cleared by
  // PrepareSolver and SweepRows only, so after a row sweep and a column sweep it says whether the
  // pair learnt anything.
  bool Changed = false;
  // Set when a sweep met a line that no placement of its clues fits (its known cells contradict
  // them, or they need more cells than it has); such a line is emptied. Cleared by PrepareSolver.
  bool Contradiction = false;
  // Called after each line of a sweep is solved and before it is written; the program processes
  // pending events here. Cancel is asked right after it.
  std::function<void()> ProcessEvents;
  // Stops the sweeps (and the runs built on them) when it answers true.
  CancelCheck Cancel;

  WorkGrid Work;
  std::vector<std::uint8_t> FilledInAll;
  std::vector<std::uint8_t> FilledInAny;
  LineSolver Solver;
};

// Builds the work grid, the buffers and every line from `crossword`; honours UseMarks.
void PrepareSolver(SolverState& state, const Crossword& crossword);
// The same from clue lists alone, every cell unknown (UseMarks has nothing to read).
void PrepareSolver(SolverState& state, const ClueLists& clues);

// Clears Changed, then solves rows 1..RowCount in order, each against what the earlier ones
// left; a row none of whose cells changed since it was last solved is skipped (solving it again
// would change nothing). A cancelled sweep ends before writing the line it was on and visits no
// later line. Only the sweeps may change Work after PrepareSolver.
void SweepRows(SolverState& state);
// Solves columns 1..ColCount the same way; leaves Changed set if it was.
void SweepColumns(SolverState& state);

// True when no cell of the work grid is unknown.
bool AllCellsKnown(const SolverState& state);

// Copies the work grid into the picture cells of `crossword` (surely empty -> csEmpty, surely
// filled -> csFilled, unknown -> csBlank), row by row, evaluating the lines through each cell and
// then calling paintCell(x, y) when given; sets MarkedCount to the marked cells. The caller
// records the change in the history. Does nothing to a crossword of another shape than the one
// prepared from.
void WriteBack(const SolverState& state, Crossword& crossword,
               const std::function<void(int x, int y)>& paintCell = {});

}  // namespace jcw
