#include "solver/qt/FieldSolver.h"

#include <QCoreApplication>

#include "field/qt/TGrid.h"
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
  if (state.Changed) field.SetModified(true);
}

}  // namespace jcw
