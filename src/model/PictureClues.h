#pragma once
// A picture's clues: the run lengths of its filled cells along every row and column. What an
// author's drawing turns into, and what test fixtures build their crosswords from.

#include <string>
#include <vector>

#include "model/ClueLists.h"
#include "model/Crossword.h"

namespace jcw {

// The clues of a picture of cols x rows cells; filled(c, r), both from 0, says whether a cell is
// filled. A line without filled cells gets an empty list.
template <typename Filled>
ClueLists cluesOfPicture(int cols, int rows, Filled filled) {
  const auto runsAlong = [&](int length, auto filledAt) {
    ClueLine runs;
    int run = 0;
    for (int k = 0; k <= length; ++k) {
      if (k < length && filledAt(k)) {
        ++run;
      } else if (run > 0) {
        runs.push_back(run);
        run = 0;
      }
    }
    return runs;
  };
  ClueLists clues;
  for (int r = 0; r < rows; ++r)
    clues.rows.push_back(runsAlong(cols, [&](int c) { return filled(c, r); }));
  for (int c = 0; c < cols; ++c)
    clues.columns.push_back(runsAlong(rows, [&](int r) { return filled(c, r); }));
  return clues;
}

// The clues of rows of text, '#' filled and anything else not (rows as long as the first).
ClueLists cluesOfPicture(const std::vector<std::string>& rows);

// The clues of the crossword's filled marks: its picture as an author draws it.
ClueLists cluesOfFilledMarks(const Crossword& crossword);

}  // namespace jcw
