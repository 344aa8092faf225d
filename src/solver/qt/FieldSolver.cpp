#include "solver/qt/FieldSolver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "field/qt/TGrid.h"
#include "model/ProcessState.h"

namespace jcw {

void prepareFromField(SolverState& state, const TGrid& field, bool useMarks) {
  state.UseMarks = useMarks;
  state.ProcessEvents = [] { QCoreApplication::processEvents(); };
  // The complete solver asks often and processes no events of its own: let them through every
  // 50 ms, so that the windows repaint and Escape arrives.
  state.Cancel = [sinceEvents = QElapsedTimer()]() mutable {
    if (!sinceEvents.isValid() || sinceEvents.elapsed() >= 50) {
      QCoreApplication::processEvents();
      sinceEvents.start();
    }
    return CancelRequested;
  };
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
