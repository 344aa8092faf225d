#pragma once
// The picture as text, one string per picture row, top to bottom: '#' filled, '.' marked empty,
// '?' undecided. Used by jcwtool's reports and traces and by test fixtures.

#include <string>
#include <vector>

#include "model/Crossword.h"

namespace jcw {

char pictureChar(std::uint8_t state);
std::vector<std::string> pictureRows(const Crossword& crossword);
// Sets picture cells from such rows, starting at the top-left picture cell. Returns false (and
// stops) at a character other than '#', '.', '?' or at a row or column outside the picture.
bool setPictureRows(Crossword& crossword, const std::vector<std::string>& rows);

}  // namespace jcw
