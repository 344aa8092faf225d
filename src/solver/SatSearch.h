#pragma once
// The hardest part of the complete solver's search handed to a SAT solver (CaDiCaL): one
// variable per cell, and per block of a line one per cell where it may start, "the block starts
// here or before" (an order encoding: clauses of two or three literals). Clause learning finds
// the contradictions that probing and depth-first search would meet again and again. The search
// takes turns between values tried first as belief propagation (BeliefPropagation.h) makes
// likelier, with the cells it is surest of assumed until a contradiction drops them, and the SAT
// solver's own choices. After a picture, the next is looked for near it (a swap of four cells, a
// short search away from it) before the turns go on. The SAT solver runs on a worker thread of its own while the calling
// thread asks the cancellation check every 10 ms: a cancelled search returns at once, and the
// worker finishes what it was doing and ends alone.

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/CancelCheck.h"
#include "solver/LineSolver.h"
#include "solver/WorkGrid.h"

namespace CaDiCaL {
class Solver;
}

namespace jcw {

struct SatProblem {
  std::vector<std::vector<std::uint8_t>> rowSizes;     // every line must fit its clues
  std::vector<std::vector<std::uint8_t>> columnSizes;
  std::vector<LineCells> knownRows;                    // cells known beforehand, row by row
};

struct SatAnswer {
  bool complete = true;            // false when the check stopped it
  std::vector<WorkGrid> pictures;  // the new pictures found
};

// The known cells of one column of `problem`, bit r for row r.
LineCells knownInColumn(const SatProblem& problem, int column);

// Finds up to `wanted` pictures of `problem` other than those in `excluded`. `conflicts`, when
// given, counts the SAT solver's conflicts, brought up to date every 10 ms (any thread may read
// it).
SatAnswer satPictures(const SatProblem& problem, const std::vector<WorkGrid>& excluded,
                      int wanted, const CancelCheck& cancel,
                      std::atomic<long long>* conflicts = nullptr);

using ClueSizes = std::vector<std::vector<std::uint8_t>>;

struct LineCoreAnswer {
  bool complete = true;        // false when the check stopped it
  bool contradictory = false;  // no picture fits the lines asked about
  std::vector<int> lines;      // then: those among them the contradiction needs (a core)
};

// Which lines contradict each other: every line's clauses hold under an assumption of its own,
// so one solver answers for any set of lines. Lines are numbered rows first (0 .. rows-1), then
// columns. Every line must fit its clues. Single-threaded.
class LineCoreSolver {
 public:
  LineCoreSolver(const ClueSizes& rows, const ClueSizes& columns);
  ~LineCoreSolver();
  LineCoreSolver(const LineCoreSolver&) = delete;
  LineCoreSolver& operator=(const LineCoreSolver&) = delete;

  // Whether `lines` (line numbers as above) together admit no picture, and if so the lines
  // among them whose assumptions the refutation used.
  LineCoreAnswer core(const std::vector<int>& lines, const CancelCheck& cancel);

 private:
  std::unique_ptr<CaDiCaL::Solver> solver_;
  std::vector<int> guards_;  // per line, the literal its clauses hold under
};

}  // namespace jcw
