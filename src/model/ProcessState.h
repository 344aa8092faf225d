#pragma once
// Process-wide state of the crossword session that the core knows about.

#include <string>

namespace jcw {

// The next marking attempt only clears this flag (set by loads from a dialog or a drop).
inline bool SkipNextMark = false;
// Stops a running solve, test or hint; set by Escape.
inline bool CancelRequested = false;
// The first command-line argument until it has been handled.
inline std::string ParamFile;

// Resets every process-wide variable of the core (dimensions, file names, options, flags) to its
// start value. Tests call it between cases.
void resetCoreState();

}  // namespace jcw
