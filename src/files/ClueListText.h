#pragma once
// Clue lists as text, as they come through the clipboard: the .non form (a "rows" section and a
// "columns" section, with or without width and height) or the plain form (one line of numbers
// per row, a blank line, one line per column). Numbers are separated by commas and/or blanks;
// "0" or, in a .non section, an empty line is a line without blocks.

#include <string>
#include <string_view>

#include "model/ClueLists.h"
#include "platform/Result.h"

namespace jcw {

// The lists of `text`, zeros dropped; refused (in Russian, naming the line of the text) when a
// number is not one or is above 199, a section or a block is missing, or plain text does not
// have exactly two blocks. Sizes are not judged here (crosswordFromClues does).
Result<ClueLists> readClueListText(std::string_view text);

// The plain form: each row's numbers separated by blanks ("0" for a line without blocks), a
// blank line, then each column's.
std::string clueListText(const ClueLists& clues);

}  // namespace jcw
