#include "solver/qt/FieldSolver.h"

#include <QCoreApplication>

#include "field/qt/TGrid.h"

namespace jcw {

void prepareFromField(SolverState& state, const TGrid& field, bool useMarks) {
  state.UseMarks = useMarks;
  state.ProcessEvents = [] { QCoreApplication::processEvents(); };
  PrepareSolver(state, field.model());
}

void writeBackToField(const SolverState& state, TGrid& field) {
  WriteBack(state, field.model(), [&field](int x, int y) {
    field.PaintCell(x, y);
    field.PaintIndicators(x, y);
  });
  if (state.Changed) field.SetModified(true);
}

}  // namespace jcw
