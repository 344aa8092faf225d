#pragma once
// The complete solver: how many pictures fit a crossword's clues (none, one, or two and more),
// and up to two of them. Exact line deduction propagates over the lines that changed; probing
// tries every open cell both ways (a contradiction proves the other value, and cells both tries
// agree on are decided); then a depth-first search with the same propagation and probing at every
// node goes on after the first picture until it finds a second or has tried everything. A search
// that needs more than a few dozen nodes hands the rest to a SAT solver (SatSearch.h).
//
// Deterministic: the same input gives the same answer, pictures and node count. It touches no
// process-wide variable, so any one thread may run it while another reads the progress; it asks
// the cancellation check about every 64 line solves (well under a millisecond), and every 10 ms
// while the SAT solver runs (on a thread of its own, SatSearch.h).

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/ClueLists.h"
#include "solver/CancelCheck.h"
#include "solver/WorkGrid.h"

namespace jcw {

// Search nodes before the rest of the search goes to the SAT solver: most crosswords are decided
// well within them; those that are not need clause learning more than probing.
constexpr long long kNodesBeforeSat = 64;

// What the solver has done so far, written by the solving thread as it goes and readable from
// any other.
struct SearchProgress {
  std::atomic<long long> nodes{0};      // search nodes entered
  std::atomic<long long> conflicts{0};  // conflicts the SAT solver has met
};

struct SearchResult {
  int solutions = 0;  // 0, 1 or 2; 2 means two or more
  // False when the check stopped the search; solutions then counts the pictures found so far.
  bool complete = true;
  std::vector<WorkGrid> pictures;  // the pictures found, at most two, every cell known
  long long nodes = 0;             // search nodes entered (the root counts as one)
};

// Counts the pictures that fit `clues` and agree with the known cells of `fixed` (a grid of the
// picture's size; an empty grid fixes nothing). Lines longer than kMaxLineLength, negative clues,
// clues that need more cells than their line has and a crossword without rows or columns fit no
// picture.
// `nodesBeforeSat`: the search nodes before the SAT solver takes over (0: right after the
// root's probing).
SearchResult searchSolutions(const ClueLists& clues, const WorkGrid& fixed = {},
                             const CancelCheck& cancel = {}, SearchProgress* progress = nullptr,
                             long long nodesBeforeSat = kNodesBeforeSat);

// Picture cells (column, row, both from 0) where two pictures of the same size differ.
struct PictureCell {
  int column = 0;
  int row = 0;
  bool operator==(const PictureCell&) const = default;
};
std::vector<PictureCell> differingCells(const WorkGrid& a, const WorkGrid& b);

}  // namespace jcw
