#include "support/Fixtures.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include "model/PictureClues.h"

namespace jcw::test {

namespace {
int longest(const Clues& clues) {
  std::size_t n = 1;
  for (const auto& line : clues) n = std::max(n, line.size());
  return static_cast<int>(n);
}
}  // namespace

const std::vector<std::string> kStairs{"#....", "##.#.", ".###.", "..###", "...#."};
const std::vector<std::string> kFramedDiagonal{"#######", "#.....#", "#.#...#", "#..#..#",
                                               "#.....#", "#.....#", "#######"};
const std::vector<std::string> kFramedDiagonalByLines{"#######", "#.....#", "#.??..#", "#.??..#",
                                                      "#.....#", "#.....#", "#######"};
const std::vector<std::string> kDiagonal{"#.", ".#"};

Crossword makeCrossword(const CrosswordSpec& spec) {
  const int capCols = spec.capColCount ? spec.capColCount : longest(spec.rowClues);
  const int capRows = spec.capRowCount ? spec.capRowCount : longest(spec.colClues);
  Crossword crossword;
  crossword.allocate({static_cast<std::uint8_t>(spec.colClues.size()),
                      static_cast<std::uint8_t>(spec.rowClues.size()),
                      static_cast<std::uint8_t>(capCols), static_cast<std::uint8_t>(capRows)});
  for (std::size_t r = 0; r < spec.rowClues.size(); ++r) {
    const auto& clues = spec.rowClues[r];
    const int y = capRows + 1 + static_cast<int>(r);
    for (std::size_t i = 0; i < clues.size(); ++i)
      crossword.cell(capCols - static_cast<int>(clues.size() - i) + 1, y).Text =
          std::to_string(clues[i]);
  }
  for (std::size_t c = 0; c < spec.colClues.size(); ++c) {
    const auto& clues = spec.colClues[c];
    const int x = capCols + 1 + static_cast<int>(c);
    for (std::size_t i = 0; i < clues.size(); ++i)
      crossword.cell(x, capRows - static_cast<int>(clues.size() - i) + 1).Text =
          std::to_string(clues[i]);
  }
  if (!setPictureRows(crossword, spec.picture)) throw std::invalid_argument("bad picture");
  crossword.MarkedCount = crossword.countMarked();
  crossword.updateAllLineStatus();
  return crossword;
}

Crossword pictureCrossword(const std::vector<std::string>& solution) {
  const ClueLists clues = cluesOfPicture(solution);
  return makeCrossword({clues.rows, clues.columns, {}, 0, 0});
}

Crossword randomCrossword(int cols, int rows, unsigned seed) {
  std::mt19937 random(seed);  // its output, unlike a distribution's, is fixed by the standard
  std::vector<std::string> picture(static_cast<std::size_t>(rows));
  for (std::string& row : picture)
    for (int x = 0; x < cols; ++x) row += random() % 2 ? '#' : '.';
  return pictureCrossword(picture);
}

}  // namespace jcw::test
