#pragma once
// The line entry: a whole row's or column's clue numbers typed as one text ("3 1 2", "3,1,2" or
// "3.1.2"), checked against the line, and written into the line's clue cells aligned to the
// picture as typed clues stand (a row's last number next to the picture, a column's lowest).
// Plain functions over the crossword; the field adds the entry box, the history and repainting.

#include <string>
#include <string_view>

#include "model/ClueLists.h"
#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// Largest number the entry takes, as the cells take typed numbers.
inline constexpr int kMaxTypedClue = 99;

// A picture line: a column or a row, by its table index (x for a column, y for a row).
struct ClueLineRef {
  bool column = false;
  int index = 0;
  bool operator==(const ClueLineRef&) const = default;
};

// The line through clue cell (x, y).
ClueLineRef lineOfClueCell(const Crossword& crossword, int x, int y);

// The numbers of `text`: decimal numbers separated by spaces, commas, dots or semicolons (any
// mix, repeated). Empty text and a lone 0 are a line without numbers. Refused, in Russian, for
// any other character, a number above kMaxTypedClue and a 0 among other numbers.
Result<ClueLine> parseLineEntry(std::string_view text);

// Whether `clues` can stand in the line: no more numbers than the line has clue cells, and no
// more cells needed (numbers plus one gap between each two) than the line is long. The refusal
// says which, in Russian.
Result<void> checkLineFits(const Crossword& crossword, ClueLineRef line, const ClueLine& clues);

// Writes `clues` into the line's clue cells aligned to the picture and empties the others.
// The clues must have passed checkLineFits. Returns the cells whose number changed, as one
// history step would hold them.
HistoryStep writeLineClues(Crossword& crossword, ClueLineRef line, const ClueLine& clues);

// The line's numbers as the entry shows them: "3 1 2".
std::string lineEntryText(const Crossword& crossword, ClueLineRef line);

// The next (forward) or previous line in the entry's order: every column left to right, then
// every row top to bottom, and round again.
ClueLineRef nextEntryLine(const Crossword& crossword, ClueLineRef line, bool forward);

}  // namespace jcw
