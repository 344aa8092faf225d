#include "solver/PictureAnalysis.h"

#include "solver/SolverRuns.h"
#include "solver/SolverState.h"

namespace jcw {

namespace {

Fairness fairnessOf(const TestVerdict& verdict) {
  switch (verdict.outcome) {
    case TestOutcome::Cancelled:
      return Fairness::Cancelled;
    case TestOutcome::NoSolution:
      return Fairness::None;
    case TestOutcome::SeveralSolutions:
      return Fairness::Several;
    case TestOutcome::SingleSolution:
      break;
  }
  return verdict.solvedByLines ? Fairness::ByLines : Fairness::NeedsTrying;
}

}  // namespace

PictureAnalysis analyseClues(const ClueLists& clues, const CancelCheck& cancel) {
  SolverState state;
  PrepareSolver(state, clues);
  state.Cancel = cancel;
  const TestVerdict verdict = runTest(state);
  PictureAnalysis analysis;
  analysis.fairness = fairnessOf(verdict);
  analysis.nodes = verdict.nodes;
  analysis.byLines = state.Work;
  analysis.differing = ambiguousCells(verdict);
  return analysis;
}

WorkGrid decidedByLines(const ClueLists& clues) {
  SolverState state;
  PrepareSolver(state, clues);
  sweepWhileLearning(state);
  return std::move(state.Work);
}

}  // namespace jcw
