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

// The crossword whose clues describe `solution` (rows of '#' and '.'), its picture undecided.
Crossword pictureCrossword(const std::vector<std::string>& solution);

// pictureCrossword of a random picture, each cell filled with even odds; the same seed gives the
// same crossword with every standard library.
Crossword randomCrossword(int cols, int rows, unsigned seed);

// Line logic finds this picture in five sweeps, rows first.
extern const std::vector<std::string> kStairs;
// A filled frame around two diagonal cells. Line logic decides all but the 2 x 2 square they
// span (kFramedDiagonalByLines); one of the two marked decides the rest.
extern const std::vector<std::string> kFramedDiagonal;
extern const std::vector<std::string> kFramedDiagonalByLines;
// Two diagonal cells: the other diagonal fits the same clues.
extern const std::vector<std::string> kDiagonal;

}  // namespace jcw::test
