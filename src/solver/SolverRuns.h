#pragma once
// The pure halves of the three runs built on the sweeps: the solve (sweeps to the fixpoint), the
// test (how many pictures fit: the sweeps, then the complete solver) and the hint (one pass).
// Each expects a state that PrepareSolver has just built; the program adds dialogs, cursors and
// repainting around them. Every run stops when state.Cancel answers true.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solver/CompleteSolver.h"
#include "solver/LineConflict.h"
#include "solver/SolverState.h"

namespace jcw {

// Alternates row and column sweeps, rows first, until a row-and-column pass learns nothing, every
// cell is known or state.Cancel stops them. afterSweep, when given, runs after every sweep (the
// program writes the picture back there when showing steps).
void solveByLines(SolverState& state, const std::function<void()>& afterSweep = {});

// The clues of the prepared lines (every line must fit its clues).
ClueLists cluesOf(const SolverState& state);

// The complete solver from the cells in state.Work (the marks, or what the sweeps decided).
SearchResult searchFrom(const SolverState& state);

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

// Row and column sweeps while they learn something, or until state.Cancel stops them.
void sweepWhileLearning(SolverState& state);

// What the sweeps alone prove once sweepWhileLearning has stopped (solveByLines alone may stop
// with every cell known and a line unchecked): no picture after a line that fitted
// nothing, one when every cell is known. Nothing when cells are open and the complete solver must
// decide (or when state.Cancel stopped the sweeps).
std::optional<TestVerdict> verdictOfSweeps(const SolverState& state);

// The complete solver's answer as a verdict: Cancelled when it did not finish.
TestVerdict verdictOfSearch(SearchResult search);

// How the complete solver decides the cells the sweeps left open: searchFrom unless given (the
// program searches off its user-interface thread).
using OpenCellSearch = std::function<SearchResult(const SolverState&)>;

// sweepWhileLearning; then, with cells still open, `search` decides from what the sweeps left.
TestVerdict runTest(SolverState& state, const OpenCellSearch& search = {});

// The message the test shows. `marksTaken`: the run started from marks and there were some; it
// only words NoSolution (then the marks are what contradicts the clues).
std::string testMessage(const TestVerdict& verdict, bool marksTaken);

// testMessage, or where no picture fits and `conflict` names lines of the clues themselves that
// contradict each other, the message without the marks' blame followed by those lines.
std::string testMessage(const TestVerdict& verdict, bool marksTaken,
                        const std::optional<LineConflict>& conflict);

// The message a solve ends with; empty for a single solution, which the field shows.
std::string solveMessage(TestOutcome outcome);

// Where the two pictures of a SeveralSolutions verdict differ; empty for any other verdict.
std::vector<PictureCell> ambiguousCells(const TestVerdict& verdict);

// One row sweep and one column sweep; true when they changed a cell.
bool hintPass(SolverState& state);

}  // namespace jcw
