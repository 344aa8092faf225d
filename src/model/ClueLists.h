#pragma once
// A crossword's clues alone, as the other puzzle formats carry them and the complete solver reads
// them: the numbers of each picture row (top to bottom, each left to right) and of each picture
// column (left to right, each top to bottom). A 0 stands for no block, as a line without blocks
// is written in those formats: whatever reads the lists skips it.

#include <vector>

namespace jcw {

using ClueLine = std::vector<int>;

struct ClueLists {
  std::vector<ClueLine> rows;
  std::vector<ClueLine> columns;
  bool operator==(const ClueLists&) const = default;
};

}  // namespace jcw
