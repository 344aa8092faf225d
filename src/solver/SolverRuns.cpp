#include "solver/SolverRuns.h"

namespace jcw {

void solveByLines(SolverState& state, const std::function<void()>& afterSweep) {
  const auto afterEachSweep = [&] {
    if (afterSweep) afterSweep();
  };
  state.Changed = true;
  while (state.Changed && !AllCellsKnown(state) && !cancelled(state.Cancel)) {
    SweepRows(state);
    afterEachSweep();
    if (AllCellsKnown(state) || cancelled(state.Cancel)) break;
    SweepColumns(state);
    afterEachSweep();
  }
}

ClueLists cluesOf(const SolverState& state) {
  const auto cluesOfLines = [](const std::vector<LineState>& lines) {
    std::vector<std::vector<int>> clues;
    for (const LineState& line : lines) clues.emplace_back(line.Sizes.begin(), line.Sizes.end());
    return clues;
  };
  return {cluesOfLines(state.Rows), cluesOfLines(state.Columns)};
}

SearchResult searchFrom(const SolverState& state, SearchProgress* progress) {
  return searchSolutions(cluesOf(state), state.Work, state.Cancel, progress);
}

namespace {

TestOutcome outcomeOf(int solutions) {
  return solutions == 0   ? TestOutcome::NoSolution
         : solutions == 1 ? TestOutcome::SingleSolution
                          : TestOutcome::SeveralSolutions;
}

}  // namespace

TestVerdict runTest(SolverState& state, SearchProgress* progress) {
  TestVerdict verdict;
  state.Changed = true;
  while (state.Changed && !cancelled(state.Cancel)) {
    SweepRows(state);
    SweepColumns(state);
  }
  if (cancelled(state.Cancel)) return verdict;
  // A line that fits nothing proves there is no picture, even if the emptied lines left every
  // cell known.
  if (state.Contradiction) {
    verdict.outcome = TestOutcome::NoSolution;
    return verdict;
  }
  if (AllCellsKnown(state)) {
    verdict.outcome = TestOutcome::SingleSolution;
    verdict.solvedByLines = true;
    verdict.pictures.push_back(state.Work);
    return verdict;
  }
  SearchResult search = searchFrom(state, progress);
  verdict.outcome = search.complete ? outcomeOf(search.solutions) : TestOutcome::Cancelled;
  verdict.pictures = std::move(search.pictures);
  verdict.nodes = search.nodes;
  return verdict;
}

std::string testMessage(const TestVerdict& verdict, bool useMarks) {
  switch (verdict.outcome) {
    case TestOutcome::Cancelled:
      return "Тест прерван пользователем";
    case TestOutcome::NoSolution:
      return useMarks ? "Решение не найдено.\n\rОтмеченные клетки противоречат числам"
                      : "Решение не найдено.\n\rКроссворд не имеет решений";
    case TestOutcome::SingleSolution:
      if (verdict.solvedByLines) return "Кроссворд имеет единственное решение";
      return "Кроссворд имеет единственное решение\n\r"
             "Решить его одной логикой строк и столбцов нельзя: нужно пробовать варианты клеток";
    case TestOutcome::SeveralSolutions:
      break;
  }
  return "Решение не найдено.\n\rКроссворд имеет несколько вариантов решений";
}

bool hintPass(SolverState& state) {
  SweepRows(state);
  SweepColumns(state);
  return state.Changed;
}

}  // namespace jcw
