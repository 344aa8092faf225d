#pragma once
// Steve Simpson's .non text format: "key value" lines in any order, of which width, height,
// rows and columns make the crossword. After "rows" (or "columns") follows one clue line per
// picture row (column): numbers separated by commas and/or blanks, an empty line or "0" for a
// line without blocks. The keys title, by, copyright and description (their first line, quotes
// taken off) give the crossword's PuzzleInfo, and "goal" (the solution as "0" and "1" digits, row
// by row) its goal when that is a picture of the clues; other keys are read over and ignored.
// Lines may end in LF, CR LF or CR; '#' starts a comment line.

#include <string>
#include <string_view>
#include <vector>

#include "files/TextParsing.h"
#include "model/ClueLists.h"
#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// A fresh crossword with minimal headers and no marks; refused (in Russian, naming the line of
// the text) when a key is missing or repeated, a number is not one, a section has too few or
// too many lines, or a size or clue is out of range.
Result<Crossword> decodeNon(std::string_view text);

// The numbers of clue lines written as .non writes them (0..199 each, a 0 kept), one list per
// line; refused naming the line as "`lineWord` N: ..." (the line's number in the text).
Result<std::vector<ClueLine>> clueLinesOfText(const std::vector<TextLine>& lines,
                                              std::string_view lineWord);

// The crossword's clues as .non text, with the keys of `info` that are not empty (each on one
// line, control characters and quotes dropped), and its goal (DrawnPicture.h) when it has one.
// Marks are not written.
std::string encodeNon(const Crossword& crossword, const PuzzleInfo& info);

}  // namespace jcw
