#pragma once
// Which lines of a crossword contradict each other: a small set of rows and columns whose clues
// together admit no picture, so that a mistyped clue can be looked for there. Line logic over a
// set of lines answers first (it meets most contradictions); where it does not, a SAT solver with
// one assumption per line does, and its failed assumptions are the core. The set is then shrunk,
// a chunk of lines at a time, while it stays contradictory. If the crossword has a single wrong
// line (a mistyped clue), every contradictory set holds it: the other lines fit the right
// picture. Single-threaded.

#include <optional>
#include <string>
#include <vector>

#include "model/ClueLists.h"
#include "solver/CancelCheck.h"

namespace jcw {

struct LineConflict {
  std::vector<int> rows;     // picture rows, from 0, ascending
  std::vector<int> columns;  // picture columns, from 0, ascending
  bool operator==(const LineConflict&) const = default;
};

// A contradictory set of lines of `clues`; nothing when a picture fits them or when `cancel`
// stopped the work before a contradiction was proven (a stop while shrinking returns the set as
// far as it was shrunk). Lines longer than kMaxLineLength are not looked at.
std::optional<LineConflict> locateConflict(const ClueLists& clues, const CancelCheck& cancel = {});

// The lines numbered from 1, as people count them.
std::vector<int> countedFromOne(std::vector<int> lines);

// `message`, then on a line of its own what the conflict names (nothing added without one).
std::string withConflict(std::string message, const std::optional<LineConflict>& conflict);

// "Противоречат друг другу: строки 3, 5 и столбец 7" (lines numbered from 1).
std::string conflictMessage(const LineConflict& conflict);

}  // namespace jcw
