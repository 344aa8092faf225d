#include "files/DrawnPicture.h"

#include <string>

#include "files/ClueLists.h"
#include "model/PictureClues.h"

namespace jcw {

Result<void> cluesFromPicture(Crossword& crossword) {
  return replaceClues(crossword, cluesOfFilledMarks(crossword));
}

bool cluesMatchPicture(const Crossword& crossword) {
  return cluesOf(crossword) == cluesOfFilledMarks(crossword);
}

namespace {

bool hasFilledMark(const Crossword& crossword) {
  for (const std::uint8_t state : crossword.pictureStates())
    if (state == csFilled) return true;
  return false;
}

std::vector<std::string> filledMarks(const Crossword& crossword) {
  std::vector<std::string> rows;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y) {
    std::string row;
    for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
      row += crossword.cell(x, y).State == csFilled ? '#' : '.';
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::vector<std::string> goalOf(const Crossword& crossword) {
  if (hasFilledMark(crossword) && cluesMatchPicture(crossword)) return filledMarks(crossword);
  const std::vector<std::string>& read = crossword.info.goal;
  if (read.size() == crossword.dims().RowCount && !read.empty() &&
      read.front().size() == crossword.dims().ColCount &&
      cluesOfPicture(read) == cluesOf(crossword))
    return read;
  return {};
}

bool marksAreGoal(const Crossword& crossword) {
  return hasFilledMark(crossword) && cluesMatchPicture(crossword);
}

Result<void> resizePicture(Crossword& crossword, EdgeChange change) {
  const Dimensions old = crossword.dims();
  const int cols = old.ColCount + change.left + change.right;
  const int rows = old.RowCount + change.top + change.bottom;
  if (cols < 1 || rows < 1 || cols > kMaxDimension || rows > kMaxDimension)
    return Error{"размер рисунка должен быть от 1 до 100, а не " + std::to_string(cols) + " x " +
                 std::to_string(rows)};
  Crossword resized;
  resized.allocate({static_cast<std::uint8_t>(cols), static_cast<std::uint8_t>(rows), 1, 1});
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const int oldC = c - change.left;
      const int oldR = r - change.top;
      if (oldC < 0 || oldR < 0 || oldC >= old.ColCount || oldR >= old.RowCount) continue;
      resized.cell(resized.firstPictureX() + c, resized.firstPictureY() + r).State =
          crossword.cell(crossword.firstPictureX() + oldC, crossword.firstPictureY() + oldR).State;
    }
  resized.MarkedCount = resized.countMarked();
  resized.info = crossword.info;
  resized.Modified = true;
  if (Result<void> placed = cluesFromPicture(resized); !placed) return placed;
  crossword = std::move(resized);
  return {};
}

}  // namespace jcw
