#pragma once
// Whether a solve, test or hint is running. The solver processes pending events between lines,
// so menus, keys and the field still receive input during a run; every command that would
// change the crossword the solver works on (another run, the hint, load, new, clear, marking,
// typing) checks this flag first and does nothing while it is set. UI thread only.

namespace jcw {

inline bool SolverBusy = false;

// Sets SolverBusy for its lifetime. Runs never nest: callers check SolverBusy before making one.
class SolverRunScope {
 public:
  SolverRunScope() { SolverBusy = true; }
  ~SolverRunScope() { SolverBusy = false; }
  SolverRunScope(const SolverRunScope&) = delete;
  SolverRunScope& operator=(const SolverRunScope&) = delete;
};

}  // namespace jcw
