#pragma once
// How a number is drawn inside a cell: in the largest legible rendering whose ink fits between
// the cell's frame lines, with a blank pixel beside each where there is room for one. The
// outline face is measured by the caller (Qt); the pixel font and the order of preference are
// plain arithmetic here.

#include <functional>
#include <string_view>

namespace jcw {

// The smallest pixel size of the outline face whose digits can still be told apart.
inline constexpr int kLegibleOutlineSize = 7;

struct TextRendering {
  enum class Face : unsigned char { Outline, Pixel };
  Face face = Face::Outline;
  int size = 0;  // Outline: the pixel size; Pixel: blank columns between two digits
  bool operator==(const TextRendering&) const = default;
};

// Pixels between the frame lines of a cell of side S, across and down: its box is S + 1 wide and
// its one-pixel frame lies on both edges, so S - 1 (never below 0).
int insideFrame(int cellSize);

// Blank pixels an outline number keeps beside each frame line: one, and about an eighth of the
// cell in large cells, so that the numbers of neighbouring cells never run together.
int textMargin(int cellSize);

// Ink width of `text` in the outline face at a pixel size.
using OutlineWidth = std::function<int(int pixelSize)>;

// The rendering of `text` in a cell of side `cellSize`, the first of these whose ink fits:
//   1. the outline face from `fullSize` (its size for the cell's height) down to
//      kLegibleOutlineSize, leaving textMargin blank pixels beside each frame line;
//   2. the pixel font with a blank column between digits, then with the digits side by side,
//      between the frame lines (where its rows fit there);
//   3. the outline face below kLegibleOutlineSize down to 1, between the frame lines.
// When nothing fits, the outline face at 1. Sizes are measured largest first, only as needed.
// Drawn centred, a rendering narrower than the inside by two keeps blank pixels on both sides.
TextRendering fitText(std::string_view text, int fullSize, int cellSize,
                      const OutlineWidth& outlineWidth);

}  // namespace jcw
