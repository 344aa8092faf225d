#pragma once
// The line solver run on the field: preparing from the field's crossword with the event hook
// that keeps the windows alive, and writing the result back with repainting. Shared by the
// solve and test driver and the hint. UI thread only.

#include "solver/SolverState.h"

namespace jcw {

class TGrid;

// UseMarks := useMarks, then PrepareSolver on the field's crossword. Between lines the sweeps
// process pending events, which is where Escape reaches CancelRequested, and stop once it is set;
// the complete solver lets events through every 50 ms as it asks.
void prepareFromField(SolverState& state, const TGrid& field, bool useMarks);

// WriteBack onto the field: every picture cell and the indicators of its lines repainted; the
// modified flag (and the buttons that show it) set when the sweeps changed something.
void writeBackToField(const SolverState& state, TGrid& field);

}  // namespace jcw
