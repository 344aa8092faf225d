#include "model/PictureClues.h"

namespace jcw {

ClueLists cluesOfPicture(const std::vector<std::string>& rows) {
  const int cols = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  return cluesOfPicture(cols, static_cast<int>(rows.size()), [&](int c, int r) {
    return rows[static_cast<std::size_t>(r)].at(static_cast<std::size_t>(c)) == '#';
  });
}

ClueLists cluesOfFilledMarks(const Crossword& crossword) {
  const Dimensions& d = crossword.dims();
  return cluesOfPicture(d.ColCount, d.RowCount, [&](int c, int r) {
    return crossword.cell(crossword.firstPictureX() + c, crossword.firstPictureY() + r).State ==
           csFilled;
  });
}

}  // namespace jcw
