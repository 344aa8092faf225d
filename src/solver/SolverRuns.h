#pragma once
// The pure halves of the three runs built on the sweeps: the solve (sweeps to the fixpoint), the
// test (how many pictures fit: the sweeps, then the complete solver) and the hint (one pass).
// Each expects a state that PrepareSolver has just built; the program adds dialogs, cursors and
// repainting around them. Every run stops when state.Cancel answers true.

#include <functional>
#include <string>
#include <vector>

#include "solver/CompleteSolver.h"
#include "solver/SolverState.h"

namespace jcw {

// Alternates row and column sweeps, rows first, until a row-and-column pass learns nothing, every
// cell is known or state.Cancel stops them. afterSweep, when given, runs after every sweep (the
// program writes the picture back there when showing steps).
void solveByLines(SolverState& state, const std::function<void()>& afterSweep = {});

// The clues of the prepared lines (every line must fit its clues).
ClueLists cluesOf(const SolverState& state);

// The complete solver from the cells in state.Work (the marks, or what the sweeps decided).
SearchResult searchFrom(const SolverState& state, SearchProgress* progress = nullptr);

enum class TestOutcome {
  Cancelled,         // state.Cancel stopped the work
  NoSolution,        // no picture fits the clues (and the marks)
  SingleSolution,    // exactly one picture fits
  SeveralSolutions,  // two or more fit
};

struct TestVerdict {
  TestOutcome outcome = TestOutcome::Cancelled;
  // The sweeps alone decided every cell (without meeting a contradiction).
  bool solvedByLines = false;
  // The pictures found: one for a single solution, two (differing somewhere) for several; what
  // was found before a cancellation.
  std::vector<WorkGrid> pictures;
  long long nodes = 0;  // search nodes; 0 when the sweeps decided
};

// Row and column sweeps while they learn something; then, with cells still open, the complete
// solver decides from what the sweeps left. `progress` follows the search.
TestVerdict runTest(SolverState& state, SearchProgress* progress = nullptr);

// The message the test shows; `useMarks` as the run was prepared (it only words NoSolution).
std::string testMessage(const TestVerdict& verdict, bool useMarks);

// One row sweep and one column sweep; true when they changed a cell.
bool hintPass(SolverState& state);

}  // namespace jcw
