#pragma once
// Steve Simpson's .non text format: "key value" lines in any order, of which width, height,
// rows and columns make the crossword. After "rows" (or "columns") follows one clue line per
// picture row (column): numbers separated by commas and/or blanks, an empty line or "0" for a
// line without blocks. Other keys (title, by, copyright, goal, ...) are read over and ignored;
// a goal picture is not applied. Lines may end in LF, CR LF or CR; '#' starts a comment line.

#include <string>
#include <string_view>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// A fresh crossword with minimal headers and no marks; refused (in Russian, naming the line of
// the text) when a key is missing or repeated, a number is not one, a section has too few or
// too many lines, or a size or clue is out of range.
Result<Crossword> decodeNon(std::string_view text);

// The crossword's clues as .non text, with `title` (control characters and quotes dropped) as
// its title when not empty. Marks are not written.
std::string encodeNon(const Crossword& crossword, std::string_view title);

}  // namespace jcw
