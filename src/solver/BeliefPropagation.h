#pragma once
// How likely each cell of a crossword is filled, estimated by damped message passing between its
// rows and columns (belief propagation): each line weighs its placements by what the crossing
// lines say of its cells (LineMarginals.h) and tells each cell what the line alone adds. The SAT
// search takes the estimates as the values it tries first. Deterministic; single-threaded.

#include <optional>
#include <vector>

#include "solver/SatSearch.h"

namespace jcw {

struct CellBeliefs {
  int columns = 0;
  // Per cell, row by row (index row * columns + column): what its row, and its column, say of
  // the cell being filled, each without the other's word.
  std::vector<double> fromRows;
  std::vector<double> fromColumns;

  // Both words together.
  double filled(int row, int column) const;
};

// Rounds of rows then columns, at most `rounds`, fewer once no word moves by more than a
// thousandth. Lines that fit nothing leave their words as they were. Nothing when `cancel` stops
// it (asked every round).
std::optional<CellBeliefs> cellBeliefs(const SatProblem& problem, const CancelCheck& cancel = {},
                                       int rounds = 50);

}  // namespace jcw
