#pragma once
// How likely each cell of a line is filled, and each automaton state is passed, when every
// placement that agrees with the known cells is weighted by the product over its cells of
// prior[k] (filled) or 1 - prior[k] (empty). Forward and backward passes over the automaton
// (LineAutomaton.h), each position scaled to sum 1 so that long lines do not underflow. The
// object owns its buffers; single-threaded.

#include <span>
#include <vector>

#include "solver/LineAutomaton.h"
#include "solver/LineSolver.h"

namespace jcw {

class LineMarginals {
 public:
  // False when no placement agrees with `known` (or every one weighs nothing).
  // prior.size() is the line's length.
  bool compute(const LineAutomaton& automaton, LineCells known, std::span<const double> prior);

  // After a true compute(): the weighted share of placements that fill cell k (0 <= k < length),
  // and that are in state i after reading k cells (0 <= k <= length + 1, 0 <= i <= tokens).
  double filled(int k) const { return filled_[k]; }
  double state(int k, int i) const;

 private:
  double weight(int k, int v) const;

  const LineAutomaton* automaton_ = nullptr;
  LineCells known_;
  std::span<const double> prior_;
  int states_ = 0;
  std::vector<double> forward_, backward_, filled_;
  std::vector<double> passing_;  // per position: the scaled weight of every placement
};

}  // namespace jcw
