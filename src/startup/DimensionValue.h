#pragma once
// Turning a numeric field's value into a crossword dimension. Pure.

#include <cstdint>

namespace jcw {

// `value` rounded to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4), and kept within
// 1..kMaxDimension so that it is always a valid dimension byte.
std::uint8_t dimensionFromValue(double value);

}  // namespace jcw
