#pragma once
// Whether the start command may take the crossword's clues, and if not, why: a line whose clues
// need more cells than it has, or column and row clues of unequal sums. The Start item is enabled
// exactly while no line overflows; the sums are checked when it is chosen.

#include "model/Crossword.h"

namespace jcw {

enum class StartBlock { None, LineOverflows, UnequalSums };

struct StartCheck {
  StartBlock block = StartBlock::None;
  // LineOverflows: the first such line, columns before rows (a column or row of the picture,
  // from 1), the cells its clues need and the cells it has.
  bool column = false;
  int line = 0;
  int needed = 0;
  int length = 0;
  // UnequalSums: the two totals.
  int rowSum = 0;
  int columnSum = 0;
  bool operator==(const StartCheck&) const = default;
};

// The first overflowing line, else the sums; block None when the clues may be solved.
StartCheck checkStart(const Crossword& crossword);

// No line of the crossword needs more cells than it has.
bool noLineOverflows(const Crossword& crossword);

}  // namespace jcw
