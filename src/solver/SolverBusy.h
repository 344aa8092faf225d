#pragma once
// Marks a solve, test or hint as running (SolverBusy) for the lifetime of a scope.

#include "model/ProcessState.h"

namespace jcw {

// Sets SolverBusy for its lifetime. Runs never nest: callers check SolverBusy before making one.
class SolverRunScope {
 public:
  SolverRunScope() { SolverBusy = true; }
  ~SolverRunScope() { SolverBusy = false; }
  SolverRunScope(const SolverRunScope&) = delete;
  SolverRunScope& operator=(const SolverRunScope&) = delete;
};

}  // namespace jcw
