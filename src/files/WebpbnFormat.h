#pragma once
// The webpbn XML puzzle format: <puzzleset><puzzle> with <clues type="rows"> and
// <clues type="columns">, each a <line> per picture row (column) holding a <count> per block.
// Only black-and-white grid puzzles are read; of a set, the first puzzle. Its <title>, <author>,
// <copyright> and <description> give the crossword's PuzzleInfo, and a <solution type="goal">
// whose image is a picture of the clues its goal.

#include <string>
#include <string_view>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// The message a puzzle of more than one colour is refused with.
inline constexpr std::string_view kColourPuzzleRefusal = "цветные кроссворды не поддерживаются";

// A fresh crossword with minimal headers and no marks; refused (in Russian) when the text is not
// well-formed XML, has no puzzle or one of its clue lists, holds a count that is not a number,
// uses more than one colour, or a size or clue is out of range.
Result<Crossword> decodeWebpbn(std::string_view text);

// The crossword's clues as a webpbn puzzle set of one black-and-white puzzle, with the parts of
// `info` that are not empty (control characters and quotes dropped, line breaks of the notes
// kept), and its goal (DrawnPicture.h) as <solution type="goal"> when it has one. Marks are not
// written.
std::string encodeWebpbn(const Crossword& crossword, const PuzzleInfo& info);

}  // namespace jcw
