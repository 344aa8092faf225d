#include "solver/qt/FieldSolver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

#include "field/qt/TGrid.h"
#include "model/ProcessState.h"

namespace jcw {

void prepareFromField(SolverState& state, const TGrid& field, bool useMarks) {
  state.UseMarks = useMarks;
  // The sweeps let events through after every line; the complete solver processes none of its
  // own, so its cancellation check lets them through when 50 ms have passed without.
  auto sinceEvents = std::make_shared<QElapsedTimer>();
  sinceEvents->start();
  state.ProcessEvents = [sinceEvents] {
    QCoreApplication::processEvents();
    sinceEvents->start();
  };
  state.Cancel = [sinceEvents] {
    if (sinceEvents->elapsed() >= 50) {
      QCoreApplication::processEvents();
      sinceEvents->start();
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
