#include "files/ClueLists.h"

#include <algorithm>
#include <string>

#include "files/FileFormat.h"
#include "model/Clue.h"
#include "model/HeaderSize.h"

namespace jcw {

namespace {

std::size_t longestLine(const std::vector<ClueLine>& lines) {
  std::size_t longest = 1;
  for (const ClueLine& line : lines) longest = std::max(longest, line.size());
  return longest;
}

void dropZeros(std::vector<ClueLine>& lines) {
  for (ClueLine& line : lines) std::erase(line, 0);
}

// How a message names the lines of one direction: "число строк", "строка 3".
struct LineWords {
  const char* many;
  const char* one;
};
constexpr LineWords kRows{"строк", "строка"};
constexpr LineWords kColumns{"столбцов", "столбец"};

// The first fault of one direction's lines, or empty.
std::string faultOf(const std::vector<ClueLine>& lines, LineWords words) {
  if (lines.empty() || lines.size() > kMaxDimension)
    return std::string("число ") + words.many + " должно быть от 1 до 100, а не " +
           std::to_string(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = std::string(words.one) + " " + std::to_string(i + 1);
    if (lines[i].size() > kMaxDimension) return where + ": больше 100 чисел";
    for (int clue : lines[i])
      if (clue < 0 || clue > fileformat::kClueMax)
        return where + ": число " + std::to_string(clue) + " вне пределов 0..199";
  }
  return {};
}

// The first fault that keeps the lists from making a crossword, or empty.
std::string faultOf(const ClueLists& clues) {
  std::string fault = faultOf(clues.rows, kRows);
  return fault.empty() ? faultOf(clues.columns, kColumns) : fault;
}

void clearClues(Crossword& crossword) {
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y)
      if (crossword.isClue(x, y)) crossword.cell(x, y).Text.clear();
}

}  // namespace

ClueLists cluesOf(const Crossword& crossword) {
  ClueLists clues;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    clues.rows.push_back(crossword.rowClues(y));
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
    clues.columns.push_back(crossword.columnClues(x));
  return clues;
}

Dimensions minimalDimensions(const ClueLists& clues) {
  return {static_cast<std::uint8_t>(clues.columns.size()),
          static_cast<std::uint8_t>(clues.rows.size()),
          static_cast<std::uint8_t>(longestLine(clues.rows)),
          static_cast<std::uint8_t>(longestLine(clues.columns))};
}

void placeClues(Crossword& crossword, const ClueLists& clues) {
  const Dimensions& d = crossword.dims();
  for (std::size_t r = 0; r < clues.rows.size(); ++r) {
    const ClueLine& line = clues.rows[r];
    const int y = crossword.firstPictureY() + static_cast<int>(r);
    const int firstX = d.CapColCount - static_cast<int>(line.size()) + 1;
    for (std::size_t i = 0; i < line.size(); ++i)
      crossword.cell(firstX + static_cast<int>(i), y).Text = std::to_string(line[i]);
  }
  for (std::size_t c = 0; c < clues.columns.size(); ++c) {
    const ClueLine& line = clues.columns[c];
    const int x = crossword.firstPictureX() + static_cast<int>(c);
    const int firstY = d.CapRowCount - static_cast<int>(line.size()) + 1;
    for (std::size_t i = 0; i < line.size(); ++i)
      crossword.cell(x, firstY + static_cast<int>(i)).Text = std::to_string(line[i]);
  }
}

Result<Crossword> crosswordFromClues(ClueLists clues) {
  if (const std::string fault = faultOf(clues); !fault.empty()) return Error{fault};
  dropZeros(clues.rows);
  dropZeros(clues.columns);
  Crossword crossword;
  crossword.allocate(minimalDimensions(clues));
  placeClues(crossword, clues);
  crossword.updateAllLineStatus();
  return crossword;
}

namespace {

// `clues` made ready to take the place of the crossword's: checked, zeros dropped.
Result<ClueLists> replacementOf(const Crossword& crossword, ClueLists clues) {
  if (std::string fault = faultOf(clues); !fault.empty()) return Error{fault};
  const Dimensions& d = crossword.dims();
  if (clues.rows.size() != d.RowCount || clues.columns.size() != d.ColCount)
    return Error{"размер рисунка " + std::to_string(clues.columns.size()) + " x " +
                 std::to_string(clues.rows.size()) + " не совпадает с размером кроссворда " +
                 std::to_string(d.ColCount) + " x " + std::to_string(d.RowCount)};
  dropZeros(clues.rows);
  dropZeros(clues.columns);
  return clues;
}

// Writes ready lists into headers that hold them, in place of every clue there.
void rewriteClues(Crossword& crossword, const ClueLists& clues) {
  clearClues(crossword);
  placeClues(crossword, clues);
  crossword.updateAllLineStatus();
}

// Every clue cell's number, column by column.
std::vector<int> clueNumbers(const Crossword& crossword) {
  std::vector<int> numbers;
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y)
      if (crossword.isClue(x, y)) numbers.push_back(clueValue(crossword.cell(x, y).Text));
  return numbers;
}

}  // namespace

Result<void> pasteClues(Crossword& crossword, ClueLists lists) {
  const Result<ClueLists> clues = replacementOf(crossword, std::move(lists));
  if (!clues) return Error{clues.error()};
  const Dimensions fitting = minimalDimensions(*clues);
  const Dimensions& d = crossword.dims();
  resizeHeaders(crossword, std::max(fitting.CapColCount, d.CapColCount),
                std::max(fitting.CapRowCount, d.CapRowCount));
  const std::vector<int> before = clueNumbers(crossword);
  rewriteClues(crossword, *clues);
  const std::vector<int> after = clueNumbers(crossword);
  HistoryStep step;
  std::size_t k = 0;
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y)
      if (crossword.isClue(x, y)) {
        if (before[k] != after[k])
          step.push_back({x, y, static_cast<std::uint8_t>(std::min(before[k], 255)),
                          static_cast<std::uint8_t>(after[k])});
        ++k;
      }
  static_cast<void>(crossword.history.recordStep(step));
  return {};
}

Result<void> replaceClues(Crossword& crossword, ClueLists lists) {
  const Result<ClueLists> clues = replacementOf(crossword, std::move(lists));
  if (!clues) return Error{clues.error()};
  const Dimensions fitting = minimalDimensions(*clues);
  resizeHeaders(crossword, fitting.CapColCount, fitting.CapRowCount);
  rewriteClues(crossword, *clues);
  return {};
}

}  // namespace jcw
