#pragma once
// A colour as its red, green and blue bytes: how the core keeps a colour that the Qt side paints
// with (it converts to and from its own colour type at the boundary).

#include <cstdint>

namespace jcw {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace jcw
