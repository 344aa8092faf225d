#include "mainwindow/PrintSolution.h"

#include "solver/SolverRuns.h"
#include "solver/SolverState.h"

namespace jcw {

std::optional<Crossword> uniqueSolution(const Crossword& crossword) {
  SolverState state;
  state.UseMarks = false;
  PrepareSolver(state, crossword);
  const TestVerdict verdict = runTest(state);
  if (verdict.outcome != TestOutcome::SingleSolution) return std::nullopt;
  // Sweeps that decided every cell leave the picture in Work; a search hands it over.
  if (!verdict.pictures.empty()) state.Work = verdict.pictures.front();
  Crossword solved = crossword;
  WriteBack(state, solved);
  return solved;
}

}  // namespace jcw
