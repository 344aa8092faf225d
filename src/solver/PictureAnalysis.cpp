#include "solver/PictureAnalysis.h"

#include <optional>

#include "model/PictureClues.h"
#include "solver/PictureSwap.h"
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

bool isPictureOf(const WorkGrid& drawn, const ClueLists& clues) {
  if (drawn.colCount() != static_cast<int>(clues.columns.size()) ||
      drawn.rowCount() != static_cast<int>(clues.rows.size()) || drawn.colCount() == 0)
    return false;
  const ClueLists ofDrawn = cluesOfPicture(
      drawn.colCount(), drawn.rowCount(), [&](int c, int r) { return drawn.at(c, r) == wcFilled; });
  const auto withoutZeros = [](std::vector<ClueLine> lines) {
    for (ClueLine& line : lines) std::erase(line, 0);
    return lines;
  };
  return ofDrawn.rows == withoutZeros(clues.rows) && ofDrawn.columns == withoutZeros(clues.columns);
}

// The sweeps' cells as the SAT side states what is known.
SatProblem problemOf(const SolverState& state) {
  SatProblem problem;
  for (const LineState& row : state.Rows) problem.rowSizes.push_back(row.Sizes);
  for (const LineState& column : state.Columns) problem.columnSizes.push_back(column.Sizes);
  for (int r = 0; r < state.Work.rowCount(); ++r) {
    LineCells known;
    for (int c = 0; c < state.Work.colCount(); ++c) {
      const LineBits bit = LineBits{1} << c;
      if (state.Work.at(c, r) == wcFilled) known.filled |= bit;
      if (state.Work.at(c, r) == wcEmpty) known.empty |= bit;
    }
    problem.knownRows.push_back(known);
  }
  return problem;
}

// A second picture a swap of four cells of `drawn` gives, as a verdict of several; nothing when
// there is none.
std::optional<TestVerdict> verdictOfSwap(const SolverState& state, const WorkGrid& drawn) {
  std::optional<WorkGrid> swapped = swappedPicture(drawn, problemOf(state), {drawn});
  if (!swapped) return std::nullopt;
  TestVerdict verdict;
  verdict.outcome = TestOutcome::SeveralSolutions;
  verdict.pictures = {drawn, std::move(*swapped)};
  return verdict;
}

}  // namespace

PictureAnalysis analyseClues(const ClueLists& clues, const CancelCheck& cancel,
                             const WorkGrid& drawn) {
  SolverState state;
  PrepareSolver(state, clues);
  state.Cancel = cancel;
  const bool fromDrawing = isPictureOf(drawn, clues);
  const TestVerdict verdict = runTest(state, [&](const SolverState& swept) {
    if (fromDrawing)
      if (std::optional<TestVerdict> several = verdictOfSwap(swept, drawn))
        return SearchResult{2, true, std::move(several->pictures), 0};
    return searchFrom(swept);
  });
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
