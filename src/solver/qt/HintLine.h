#pragma once
// The hint that explains: the first line line logic can advance from the player's marks gets
// its new cells as one step, highlighted, and a message names the line and counts the cells.
// When no line can advance, a probe off the UI thread looks for one cell that trying both values
// proves, and offers it with the line the wrong value breaks. UI thread only.

namespace jcw {

class TGrid;

// Solving mode only; does nothing while a run is in progress (SolverBusy).
void HintLineProcess(TGrid& field);

}  // namespace jcw
