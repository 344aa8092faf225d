#pragma once
// Between a crossword and its clue lists (model/ClueLists.h): the lists of a crossword, and a
// crossword of the smallest headers the lists allow.

#include "model/ClueLists.h"
#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// The clue numbers of every picture row and column, empty clue cells skipped.
ClueLists cluesOf(const Crossword& crossword);

// Header columns = the longest row clue list, header rows = the longest column clue list (at
// least 1 each); the picture is columns x rows.
Dimensions minimalDimensions(const ClueLists& clues);

// Writes the clues into an allocated crossword whose headers hold them: row clues right-aligned,
// column clues bottom-aligned. Every clue lies in 1..199.
void placeClues(Crossword& crossword, const ClueLists& clues);

// A fresh crossword of minimal headers holding the clues, no marks, its lines evaluated. A clue 0
// stands for no block and is dropped. Refused (in Russian) when a clue lies outside 0..199, the
// picture has no rows or columns or more than 100, or a line has more than 100 clues.
Result<Crossword> crosswordFromClues(ClueLists clues);

// Puts `clues` in place of the crossword's own, its headers grown or shrunk to the smallest that
// hold them; the marks and their history stay. Refused, with nothing changed, for what
// crosswordFromClues refuses and for lists of another picture size than the crossword's.
Result<void> replaceClues(Crossword& crossword, ClueLists clues);

// As replaceClues, but the headers only grow (every old clue cell stays), and every clue number
// that changed is recorded as one history step, so that one undo takes the new lists back.
Result<void> pasteClues(Crossword& crossword, ClueLists clues);

}  // namespace jcw
