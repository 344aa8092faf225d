#include "field/PixelDigits.h"

#include <array>

namespace jcw {

namespace {

using Glyph = std::array<std::string_view, kPixelDigitHeight>;

// Every digit differs from every other in some row, glued or apart.
constexpr std::array<Glyph, 10> kGlyphs{{
    {"###", "#.#", "#.#", "#.#", "###"},  // 0
    {".#", "##", ".#", ".#", ".#"},       // 1
    {"###", "..#", "###", "#..", "###"},  // 2
    {"###", "..#", ".##", "..#", "###"},  // 3
    {"#.#", "#.#", "###", "..#", "..#"},  // 4
    {"###", "#..", "###", "..#", "###"},  // 5
    {"###", "#..", "###", "#.#", "###"},  // 6
    {"###", "..#", "..#", "..#", "..#"},  // 7
    {"###", "#.#", "###", "#.#", "###"},  // 8
    {"###", "#.#", "###", "..#", "###"},  // 9
}};

}  // namespace

PixelText pixelText(std::string_view text, int gap) {
  PixelText result;
  result.rows.resize(kPixelDigitHeight);
  bool first = true;
  for (char ch : text) {
    if (ch < '0' || ch > '9') continue;
    const Glyph& glyph = kGlyphs[static_cast<std::size_t>(ch - '0')];
    for (int row = 0; row < kPixelDigitHeight; ++row) {
      std::string& line = result.rows[static_cast<std::size_t>(row)];
      if (!first) line.append(static_cast<std::size_t>(gap), '.');
      line += glyph[static_cast<std::size_t>(row)];
    }
    first = false;
  }
  return result;
}

}  // namespace jcw
