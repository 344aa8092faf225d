#pragma once
// A font of decimal digits drawn pixel by pixel, 3 x 5 each (the 1 is 2 wide), for numbers in
// cells too small for an outline face to stay legible. Plain data: the field draws the pixels.

#include <string>
#include <string_view>
#include <vector>

namespace jcw {

inline constexpr int kPixelDigitHeight = 5;

// A number as pixels: kPixelDigitHeight rows of equal length, '#' inked and '.' blank.
struct PixelText {
  std::vector<std::string> rows;
  int width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
  bool operator==(const PixelText&) const = default;
};

// The digits of `text` side by side with `gap` blank columns between two of them; characters
// other than digits are left out.
PixelText pixelText(std::string_view text, int gap);

}  // namespace jcw
