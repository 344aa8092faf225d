#pragma once
// Crosswords written as ASCII for tests: clues as lists, the picture as rows of '#' (filled),
// '.' (marked empty) and '?' (undecided).

#include <string>
#include <vector>

#include "model/Crossword.h"
#include "model/PictureText.h"

namespace jcw::test {

using Clues = std::vector<std::vector<int>>;

struct CrosswordSpec {
  Clues rowClues;                   // one list per picture row, top to bottom
  Clues colClues;                   // one list per picture column, left to right
  std::vector<std::string> picture; // rows; empty: all undecided
  int capColCount = 0;              // 0: as many as the longest row clue list needs (at least 1)
  int capRowCount = 0;              // 0: likewise for the columns
};

// Clues stand right- (row) and bottom- (column) aligned next to the picture. Line status and
// MarkedCount are evaluated as a loader would.
Crossword makeCrossword(const CrosswordSpec& spec);

}  // namespace jcw::test
