#include "solver/qt/FieldSolver.h"

#include <QCoreApplication>
#include <chrono>

#include "field/qt/TGrid.h"
#include "files/ClueLists.h"
#include "model/ProcessState.h"

namespace jcw {

void prepareFromField(SolverState& state, const TGrid& field, bool useMarks) {
  state.UseMarks = useMarks;
  state.ProcessEvents = [] { QCoreApplication::processEvents(); };
  state.Cancel = [] { return CancelRequested; };
  PrepareSolver(state, field.model());
}

void writeBackToField(const SolverState& state, TGrid& field) {
  WriteBack(state, field.model(), [&field](int x, int y) {
    field.PaintCell(x, y);
    field.PaintIndicators(x, y);
  });
}

void writePictureToField(const WorkGrid& picture, TGrid& field) {
  SolverState state;
  state.Work = picture;
  state.Changed = true;
  writeBackToField(state, field);
}

void showAmbiguity(const TestVerdict& verdict, TGrid& field) {
  const Dimensions& d = field.model().dims();
  std::vector<CellPos> cells;
  for (const PictureCell& cell : ambiguousCells(verdict))
    cells.push_back({d.CapColCount + 1 + cell.column, d.CapRowCount + 1 + cell.row});
  field.showDifferingCells(cells);
}

std::optional<LineConflict> showFieldConflict(TGrid& field) {
  using Clock = std::chrono::steady_clock;
  // The locator runs on this thread without processing events: a deadline bounds it.
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
  std::optional<LineConflict> conflict =
      locateConflict(cluesOf(field.model()), [deadline] { return Clock::now() >= deadline; });
  if (conflict) field.showConflictLines(conflict->columns, conflict->rows);
  return conflict;
}

WorkGrid marksOf(const TGrid& field) {
  SolverState state;
  state.UseMarks = true;
  PrepareSolver(state, field.model());
  return state.Work;
}

void writeOneOfSeveral(const TestVerdict& verdict, TGrid& field) {
  if (verdict.pictures.empty()) return;
  const std::vector<std::uint8_t> before = field.model().pictureStates();
  writePictureToField(verdict.pictures.front(), field);
  field.recordPictureChange(before);  // one Undo takes the shown picture back
  showAmbiguity(verdict, field);  // writing cleared it
}

}  // namespace jcw
