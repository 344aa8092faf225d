#pragma once
// The hint: one row sweep and one column sweep of the line solver over the user's marks, and
// every cell they decide put onto the field as one step of the undo history. No wait panel, no
// save question. UI thread only.

namespace jcw {

class TGrid;

// Writes what one pass decides onto `field`, or says that no hint is possible. Does nothing
// while a run is in progress (SolverBusy).
void HintProcess(TGrid& field);

}  // namespace jcw
