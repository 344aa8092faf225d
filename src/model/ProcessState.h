#pragma once
// Process-wide state of the crossword session that the core knows about.

#include <string>

namespace jcw {

// Stops a running solve, test or hint; set by Escape.
inline bool CancelRequested = false;
// A solve, test or hint is running. The solver lets pending events through between lines, and the
// complete search runs on a worker thread while the UI thread processes events, so menus, keys
// and the field still get input; what would change the crossword under it (another
// run, the hint, load, new, clear, marking, typing) does nothing while this is set.
inline bool SolverBusy = false;
// The first command-line argument until it has been handled.
inline std::string ParamFile;

// Back to the start values: the process-wide dimensions and the flags above.
void resetModelState();

}  // namespace jcw
