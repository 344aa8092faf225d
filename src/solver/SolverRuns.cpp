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

SearchResult searchFrom(const SolverState& state) {
  return searchSolutions(cluesOf(state), state.Work, state.Cancel);
}

namespace {

TestOutcome outcomeOf(int solutions) {
  return solutions == 0   ? TestOutcome::NoSolution
         : solutions == 1 ? TestOutcome::SingleSolution
                          : TestOutcome::SeveralSolutions;
}

}  // namespace

void sweepWhileLearning(SolverState& state) {
  state.Changed = true;
  while (state.Changed && !cancelled(state.Cancel)) {
    SweepRows(state);
    SweepColumns(state);
  }
}

std::optional<TestVerdict> verdictOfSweeps(const SolverState& state) {
  if (cancelled(state.Cancel)) return std::nullopt;
  TestVerdict verdict;
  // A line that fits nothing proves there is no picture, even if the emptied lines left every
  // cell known.
  if (state.Contradiction) {
    verdict.outcome = TestOutcome::NoSolution;
    return verdict;
  }
  if (!AllCellsKnown(state)) return std::nullopt;
  verdict.outcome = TestOutcome::SingleSolution;
  verdict.solvedByLines = true;
  verdict.pictures.push_back(state.Work);
  return verdict;
}

TestVerdict verdictOfSearch(SearchResult search) {
  TestVerdict verdict;
  verdict.outcome = search.complete ? outcomeOf(search.solutions) : TestOutcome::Cancelled;
  verdict.pictures = std::move(search.pictures);
  verdict.nodes = search.nodes;
  return verdict;
}

TestVerdict runTest(SolverState& state, const OpenCellSearch& search) {
  sweepWhileLearning(state);
  if (cancelled(state.Cancel)) return {};
  if (std::optional<TestVerdict> proved = verdictOfSweeps(state)) return *std::move(proved);
  return verdictOfSearch(search ? search(state) : searchFrom(state));
}

std::string testMessage(const TestVerdict& verdict, bool marksTaken) {
  switch (verdict.outcome) {
    case TestOutcome::Cancelled:
      return "Тест прерван пользователем";
    case TestOutcome::NoSolution:
      return marksTaken ? "Решение не найдено.\n\rОтмеченные клетки противоречат числам"
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

std::string testMessage(const TestVerdict& verdict, bool marksTaken,
                        const std::optional<LineConflict>& conflict) {
  if (verdict.outcome != TestOutcome::NoSolution || !conflict)
    return testMessage(verdict, marksTaken);
  return withConflict(testMessage(verdict, false), conflict);
}

std::string solveMessage(TestOutcome outcome) {
  switch (outcome) {
    case TestOutcome::Cancelled:
      return "Поиск решения прерван пользователем";
    case TestOutcome::NoSolution:
      return "Кроссворд не имеет решений";
    case TestOutcome::SeveralSolutions:
      return "Кроссворд имеет несколько вариантов решений";
    case TestOutcome::SingleSolution:
      break;
  }
  return {};
}

std::vector<PictureCell> ambiguousCells(const TestVerdict& verdict) {
  if (verdict.outcome != TestOutcome::SeveralSolutions || verdict.pictures.size() < 2) return {};
  return differingCells(verdict.pictures[0], verdict.pictures[1]);
}

bool hintPass(SolverState& state) {
  SweepRows(state);
  SweepColumns(state);
  return state.Changed;
}

}  // namespace jcw
