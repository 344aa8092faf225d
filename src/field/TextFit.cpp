#include "field/TextFit.h"

#include <algorithm>
#include <optional>

#include "field/PixelDigits.h"

namespace jcw {

namespace {

// The largest outline size in from .. downTo whose ink is at most `room` wide.
std::optional<int> largestOutline(int from, int downTo, int room, const OutlineWidth& width) {
  for (int size = from; size >= downTo; --size)
    if (width(size) <= room) return size;
  return std::nullopt;
}

}  // namespace

int insideFrame(int cellSize) { return std::max(cellSize - 1, 0); }

int textMargin(int cellSize) { return std::max(1, cellSize / 8); }

TextRendering fitText(std::string_view text, int fullSize, int cellSize,
                      const OutlineWidth& outlineWidth) {
  using Face = TextRendering::Face;
  const int inside = insideFrame(cellSize);
  const int withMargins = inside - 2 * textMargin(cellSize);
  if (auto size = largestOutline(fullSize, kLegibleOutlineSize, withMargins, outlineWidth))
    return {Face::Outline, *size};
  if (inside >= kPixelDigitHeight) {
    for (int gap : {1, 0})
      if (pixelText(text, gap).width() <= inside) return {Face::Pixel, gap};
  }
  const int belowLegible = std::min(fullSize, kLegibleOutlineSize - 1);
  return {Face::Outline, largestOutline(belowLegible, 1, inside, outlineWidth).value_or(1)};
}

}  // namespace jcw
