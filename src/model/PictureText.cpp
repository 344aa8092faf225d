#include "model/PictureText.h"

namespace jcw {

char pictureChar(std::uint8_t state) {
  return state == csFilled ? '#' : state == csEmpty ? '.' : '?';
}

std::vector<std::string> pictureRows(const Crossword& crossword) {
  std::vector<std::string> rows;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y) {
    std::string row;
    for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
      row += pictureChar(crossword.cell(x, y).State);
    rows.push_back(std::move(row));
  }
  return rows;
}

bool setPictureRows(Crossword& crossword, const std::vector<std::string>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const int x = crossword.firstPictureX() + static_cast<int>(c);
      const int y = crossword.firstPictureY() + static_cast<int>(r);
      if (!crossword.isPicture(x, y)) return false;
      switch (rows[r][c]) {
        case '#': crossword.cell(x, y).State = csFilled; break;
        case '.': crossword.cell(x, y).State = csEmpty; break;
        case '?': crossword.cell(x, y).State = csBlank; break;
        default: return false;
      }
    }
  }
  return true;
}

}  // namespace jcw
