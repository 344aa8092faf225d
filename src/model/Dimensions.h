#pragma once
// The four dimensions of a crossword. The process-wide values are what the start-up window and
// the loader set before a field's table is allocated; a table keeps its own copy (its shape).

#include <cstdint>

namespace jcw {

inline constexpr int kMaxDimension = 100;

struct Dimensions {
  std::uint8_t ColCount = 0;     // picture columns
  std::uint8_t RowCount = 0;     // picture rows
  std::uint8_t CapColCount = 0;  // header columns left of the picture (row clues)
  std::uint8_t CapRowCount = 0;  // header rows above the picture (column clues)

  int W1() const { return CapColCount + ColCount + 1; }  // table width, indicator column included
  int H1() const { return CapRowCount + RowCount + 1; }  // table height, indicator row included
  // True iff every dimension lies in 1..kMaxDimension.
  bool valid() const;
  bool operator==(const Dimensions&) const = default;
};

inline std::uint8_t RowCount = 0;
inline std::uint8_t ColCount = 0;
inline std::uint8_t CapRowCount = 0;
inline std::uint8_t CapColCount = 0;

Dimensions currentDimensions();
void setCurrentDimensions(const Dimensions& d);

}  // namespace jcw
