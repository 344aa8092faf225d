#pragma once
// What a crossword file may say about its crossword besides the clues. The .non and webpbn XML
// formats hold it and the program writes it back to them; the .jcw layout has no room for it.

#include <string>
#include <vector>

namespace jcw {

struct PuzzleInfo {
  // Each defaults explicitly, so that {title} names a crossword by its title alone.
  std::string title{};
  std::string author{};
  std::string copyright{};
  std::string notes{};  // free text; may run over several lines
  // The picture the file gives as the solution, rows of '#' (filled) and '.'; empty for none.
  std::vector<std::string> goal{};
  bool operator==(const PuzzleInfo&) const = default;
};

}  // namespace jcw
