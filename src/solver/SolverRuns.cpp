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

TestOutcome runTest(SolverState& state) {
  state.Changed = true;
  while (state.Changed && !cancelled(state.Cancel)) {
    SweepRows(state);
    SweepColumns(state);
  }
  if (cancelled(state.Cancel)) return TestOutcome::Cancelled;
  // A line that fits nothing proves there is no picture, even if the emptied lines left every
  // cell known.
  if (state.Contradiction) return TestOutcome::NoSolution;
  return AllCellsKnown(state) ? TestOutcome::SingleSolution : TestOutcome::SeveralSolutions;
}

std::string testMessage(TestOutcome outcome, bool useMarks) {
  switch (outcome) {
    case TestOutcome::Cancelled:
      return "Тест прерван пользователем";
    case TestOutcome::NoSolution:
      return useMarks ? "Решение не найдено.\n\rОтмеченные клетки противоречат числам"
                      : "Решение не найдено.\n\rКроссворд не имеет решений";
    case TestOutcome::SingleSolution:
      return "Кроссворд имеет единственное решение";
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
