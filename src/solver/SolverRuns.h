#pragma once
// The pure halves of the three runs built on the sweeps: the solve (sweeps to the fixpoint), the
// test (does line solving decide every cell?) and the hint (one pass). Each expects a state that
// PrepareSolver has just built; the program adds dialogs, cursors and repainting around them.

#include <functional>
#include <string>

#include "solver/SolverState.h"

namespace jcw {

// Alternates row and column sweeps, rows first, until a row-and-column pass learns nothing, every
// cell is known or state.Cancel stops them. afterSweep, when given, runs after every sweep (the
// program writes the picture back there when showing steps).
void solveByLines(SolverState& state, const std::function<void()>& afterSweep = {});

enum class TestOutcome {
  Cancelled,         // state.Cancel stopped the work
  NoSolution,        // some line fits no placement of its clues
  SingleSolution,    // line solving decided every cell
  SeveralSolutions,  // line solving stopped with cells undecided
};

// Row and column sweeps while they learn something, then the verdict.
TestOutcome runTest(SolverState& state);

// The message the test shows; `useMarks` as the run was prepared (it only words NoSolution).
std::string testMessage(TestOutcome outcome, bool useMarks);

// One row sweep and one column sweep; true when they changed a cell.
bool hintPass(SolverState& state);

}  // namespace jcw
