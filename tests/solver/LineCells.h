#pragma once
// One line of solver cells written as text: '#' surely filled, '.' surely empty, '?' unknown.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "solver/WorkGrid.h"

namespace jcw::test {

class LineCells {
 public:
  explicit LineCells(std::string_view text) {
    for (char ch : text) cells_.push_back(ch == '#' ? wcFilled : ch == '.' ? wcEmpty : wcUnknown);
  }
  LineView view() { return {cells_.data(), 1, static_cast<int>(cells_.size())}; }
  std::string text() const {
    std::string text;
    for (std::uint8_t cell : cells_) text += cell == wcFilled ? '#' : cell == wcEmpty ? '.' : '?';
    return text;
  }

 private:
  std::vector<std::uint8_t> cells_;
};

}  // namespace jcw::test
