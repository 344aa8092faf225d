#include "solver/BeliefPropagation.h"

#include <algorithm>
#include <cmath>

#include "solver/LineMarginals.h"

namespace jcw {

namespace {

// Words stay away from certainty: a cell one line rules out must still be weighable by the
// other (the known cells are ruled by the automaton, not by words).
constexpr double kSurest = 1e-4;
// The old word's share in the new one; without it messages on loopy crosswords oscillate.
constexpr double kDamping = 0.5;
constexpr double kSettled = 1e-3;

double odds(double p) { return p / (1 - p); }

// What a line adds to a cell: its marginal `posterior` with the `prior` it was given divided out.
double extrinsic(double posterior, double prior) {
  posterior = std::clamp(posterior, kSurest, 1 - kSurest);
  const double ratio = odds(posterior) / odds(prior);
  return std::clamp(ratio / (1 + ratio), kSurest, 1 - kSurest);
}

}  // namespace

double CellBeliefs::filled(int row, int column) const {
  const std::size_t at = static_cast<std::size_t>(row) * columns + column;
  const double both = odds(fromRows[at]) * odds(fromColumns[at]);
  return both / (1 + both);
}

std::optional<CellBeliefs> cellBeliefs(const SatProblem& problem, const CancelCheck& cancel,
                                       int rounds) {
  const int rows = static_cast<int>(problem.rowSizes.size());
  const int columns = static_cast<int>(problem.columnSizes.size());
  CellBeliefs beliefs;
  beliefs.columns = columns;
  beliefs.fromRows.assign(static_cast<std::size_t>(rows) * columns, 0.5);
  beliefs.fromColumns = beliefs.fromRows;

  std::vector<LineAutomaton> rowAutomata, columnAutomata;
  for (const auto& sizes : problem.rowSizes) rowAutomata.push_back(automatonOf(sizes));
  for (const auto& sizes : problem.columnSizes) columnAutomata.push_back(automatonOf(sizes));
  std::vector<LineCells> knownColumns;
  for (int c = 0; c < columns; ++c) knownColumns.push_back(knownInColumn(problem, c));

  LineMarginals marginals;
  std::vector<double> prior;
  // One line: prior from the crossing words at `index(k)`, its own words written there.
  const auto update = [&](const LineAutomaton& automaton, LineCells known, int length,
                          const std::vector<double>& crossing, std::vector<double>& own,
                          auto index) {
    prior.resize(length);
    for (int k = 0; k < length; ++k) prior[k] = crossing[index(k)];
    double moved = 0;
    if (!marginals.compute(automaton, known, prior)) return moved;
    for (int k = 0; k < length; ++k) {
      double& word = own[index(k)];
      const double fresh = extrinsic(marginals.filled(k), prior[k]);
      const double damped = kDamping * word + (1 - kDamping) * fresh;
      moved = std::max(moved, std::abs(damped - word));
      word = damped;
    }
    return moved;
  };
  for (int round = 0; round < rounds; ++round) {
    if (cancelled(cancel)) return std::nullopt;
    double moved = 0;
    for (int r = 0; r < rows; ++r)
      moved = std::max(moved, update(rowAutomata[r], problem.knownRows[r], columns,
                                     beliefs.fromColumns, beliefs.fromRows,
                                     [&](int k) { return static_cast<std::size_t>(r) * columns + k; }));
    for (int c = 0; c < columns; ++c)
      moved = std::max(moved, update(columnAutomata[c], knownColumns[c], rows, beliefs.fromRows,
                                     beliefs.fromColumns,
                                     [&](int k) { return static_cast<std::size_t>(k) * columns + c; }));
    if (moved < kSettled) break;
  }
  return beliefs;
}

}  // namespace jcw
