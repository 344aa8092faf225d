#include "solver/Difficulty.h"

#include "solver/OverlapRule.h"
#include "solver/SolverRuns.h"
#include "solver/SolverState.h"

namespace jcw {

namespace {

// Whether line logic reaches a contradiction once cell (c, r) is `value`.
bool trialContradicts(const SolverState& state, int c, int r, std::uint8_t value) {
  SolverState trial = state;
  trial.Work.at(c, r) = value;
  trial.Rows[r].Stale = true;
  trial.Columns[c].Stale = true;
  sweepWhileLearning(trial);
  return trial.Contradiction;
}

// One pass of one-cell trials over the open cells: every cell one value of which contradicts
// takes the other, and line logic goes on from it. Returns whether a cell was decided.
bool trialPass(SolverState& state) {
  bool decided = false;
  for (int r = 0; r < state.Work.rowCount(); ++r)
    for (int c = 0; c < state.Work.colCount(); ++c) {
      if (state.Work.at(c, r) != wcUnknown) continue;
      for (const std::uint8_t value : {wcFilled, wcEmpty}) {
        if (cancelled(state.Cancel) || !trialContradicts(state, c, r, value)) continue;
        state.Work.at(c, r) = value == wcFilled ? wcEmpty : wcFilled;
        state.Rows[r].Stale = true;
        state.Columns[c].Stale = true;
        sweepWhileLearning(state);
        decided = true;
        break;
      }
    }
  return decided;
}

int gradeOf(const Difficulty& d) {
  if (d.solutions != 1) return 0;
  if (d.overlapOnly) return 1;
  if (d.depth == 0) return d.sweeps <= kEasySweeps ? 2 : 3;
  return d.depth == 1 ? 4 : 5;
}

}  // namespace

Difficulty gradeClues(const ClueLists& clues, const CancelCheck& cancel) {
  Difficulty difficulty;
  SolverState state;
  PrepareSolver(state, clues);
  state.Cancel = cancel;
  solveByLines(state, [&] { ++difficulty.sweeps; });
  const bool byLines = AllCellsKnown(state) && !state.Contradiction;
  const SearchResult search =
      byLines ? SearchResult{1, true, {}, 0} : searchSolutions(clues, state.Work, cancel);
  difficulty.complete = search.complete && !cancelled(cancel);
  difficulty.solutions = search.solutions;
  difficulty.nodes = search.nodes;
  difficulty.overlapOnly = byLines && decidedByOverlap(clues).allKnown();
  if (!byLines && difficulty.solutions == 1) {
    // Trials only make sense for one picture: with several, some cell never contradicts.
    difficulty.depth = 1;
    while (!AllCellsKnown(state) && trialPass(state)) {
    }
    if (!AllCellsKnown(state)) difficulty.depth = 2;
  }
  difficulty.grade = gradeOf(difficulty);
  return difficulty;
}

std::vector<std::string> difficultyReasons(const Difficulty& d) {
  std::vector<std::string> reasons;
  if (d.solutions != 1) {
    reasons.push_back(d.solutions == 0 ? "ни один рисунок не подходит к числам"
                                       : "к числам подходит больше одного рисунка");
    return reasons;
  }
  reasons.push_back("проходов логики строк и столбцов: " + std::to_string(d.sweeps));
  if (d.overlapOnly) reasons.push_back("хватает простого правила перекрытия");
  if (d.depth == 0) reasons.push_back("хватает логики строк и столбцов");
  if (d.depth == 1) reasons.push_back("нужно пробовать клетки по одной до противоречия");
  if (d.depth == 2) reasons.push_back("нужен перебор глубже одной клетки");
  if (d.nodes > 0) reasons.push_back("узлов поиска: " + std::to_string(d.nodes));
  return reasons;
}

}  // namespace jcw
