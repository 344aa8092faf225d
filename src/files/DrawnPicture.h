#pragma once
// An author's picture and its clues: the crossword's filled marks are the picture, and its clues
// are made to follow them. Core; single-threaded.

#include <string>
#include <vector>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// Puts the clues of the filled marks in place of the crossword's own (replaceClues: the headers
// grow and shrink, the marks and their history stay).
Result<void> cluesFromPicture(Crossword& crossword);

// True iff the crossword's clues are those of its filled marks.
bool cluesMatchPicture(const Crossword& crossword);

// The picture a format with room for a goal keeps with the clues, rows of '#' and '.': the filled
// marks when they make the crossword's clues (a drawing, or a solved crossword), else the goal
// the crossword was read with when it still makes them; empty when there is none.
std::vector<std::string> goalOf(const Crossword& crossword);

// True iff the crossword has marks and they are its goal: a format that keeps the goal loses
// nothing of them.
bool marksAreGoal(const Crossword& crossword);

// Rows and columns added (positive) or removed (negative) at each edge of the picture. The
// rest of the picture keeps its marks, the clues follow it, and the history starts anew (its
// cells may be gone). Refused, with nothing changed, when the picture would have no rows or
// columns or more than 100.
struct EdgeChange {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
Result<void> resizePicture(Crossword& crossword, EdgeChange change);

}  // namespace jcw
