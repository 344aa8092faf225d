#pragma once
// The solver's private picture: one byte per picture cell, column by column, each entry surely
// empty, surely filled or unknown. A LineView walks one row or one column of it, so every line
// routine serves rows and columns alike. Owned by the SolverState; single-threaded.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jcw {

enum WorkCell : std::uint8_t { wcEmpty = 0, wcFilled = 1, wcUnknown = 2 };

// One line of a WorkGrid: cell k (0-based) lives at first[k * stride]. Valid while the grid is
// not resized.
class LineView {
 public:
  LineView(std::uint8_t* first, std::ptrdiff_t stride, int length)
      : first_(first), stride_(stride), length_(length) {}
  int length() const { return length_; }
  // 0 <= k < length().
  std::uint8_t& operator[](int k) const { return first_[k * stride_]; }
  int unknownCount() const;

 private:
  std::uint8_t* first_;
  std::ptrdiff_t stride_;
  int length_;
};

class WorkGrid {
 public:
  // Every entry becomes `value`.
  void assign(int colCount, int rowCount, std::uint8_t value);
  int colCount() const { return colCount_; }
  int rowCount() const { return rowCount_; }

  // 0 <= c < colCount(), 0 <= r < rowCount().
  std::uint8_t& at(int c, int r) { return cells_[index(c, r)]; }
  std::uint8_t at(int c, int r) const { return cells_[index(c, r)]; }

  // Row r / column c, both 0-based.
  LineView row(int r) { return {cells_.data() + r, rowCount_, colCount_}; }
  LineView column(int c) { return {cells_.data() + index(c, 0), 1, rowCount_}; }

  bool allKnown() const;
  int unknownCount() const;

 private:
  std::size_t index(int c, int r) const { return static_cast<std::size_t>(c) * rowCount_ + r; }

  int colCount_ = 0;
  int rowCount_ = 0;
  std::vector<std::uint8_t> cells_;
};

// The grid as text, one string per row, top to bottom: '#' surely filled, '.' surely empty,
// '?' unknown.
std::vector<std::string> rowsText(const WorkGrid& grid);

}  // namespace jcw
