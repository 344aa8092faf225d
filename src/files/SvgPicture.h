#pragma once
// The crossword drawn as the field shows it while solving, as an SVG document: the clues in
// their header cells, the grid with a doubled line after every fifth picture row and column,
// the marks, and the indicators of lines found right (green) or wrong (red). The cells lie where
// the field puts them (field/Geometry.h) for the chosen cell size.

#include <string>
#include <string_view>

#include "model/Crossword.h"

namespace jcw {

struct SvgLook {
  int cellSize = 20;      // pixels (SVG user units) per cell side
  bool withMarks = true;  // false: every picture cell undecided and no line status shown
};

// A whole SVG document; `title` (made printable) becomes its <title> when not empty.
std::string encodeSvg(const Crossword& crossword, std::string_view title, const SvgLook& look = {});

}  // namespace jcw
