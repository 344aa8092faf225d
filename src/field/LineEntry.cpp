#include "field/LineEntry.h"

#include "model/Clue.h"

namespace jcw {

namespace {

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '.' || c == ';' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int clueCellCount(const Crossword& crossword, ClueLineRef line) {
  return line.column ? crossword.dims().CapRowCount : crossword.dims().CapColCount;
}

// Table position of the line's k-th clue cell counted from the one farthest from the picture.
CellPos clueCell(ClueLineRef line, int k) {
  return line.column ? CellPos{line.index, 1 + k} : CellPos{1 + k, line.index};
}

}  // namespace

ClueLineRef lineOfClueCell(const Crossword& crossword, int x, int y) {
  return crossword.isColumnClue(x, y) ? ClueLineRef{true, x} : ClueLineRef{false, y};
}

Result<ClueLine> parseLineEntry(std::string_view text) {
  ClueLine clues;
  for (std::size_t k = 0; k < text.size();) {
    if (isSeparator(text[k])) {
      ++k;
      continue;
    }
    if (!isDigit(text[k]))
      return Error{"Недопустимый знак «" + std::string(1, text[k]) +
                   "»: числа разделяются пробелом, запятой или точкой"};
    const std::size_t end = text.find_first_not_of("0123456789", k);
    const std::string_view digits = text.substr(k, end - k);
    const int value = clueValue(digits);
    if (value > kMaxTypedClue)
      return Error{"Число " + std::string(digits) + " больше " + std::to_string(kMaxTypedClue)};
    clues.push_back(value);
    k = end == std::string_view::npos ? text.size() : end;
  }
  if (clues == ClueLine{0}) return ClueLine{};
  for (int clue : clues)
    if (clue == 0) return Error{"Число 0 может стоять только одно: строка без закрашенных клеток"};
  return clues;
}

Result<void> checkLineFits(const Crossword& crossword, ClueLineRef line, const ClueLine& clues) {
  const int cells = clueCellCount(crossword, line);
  if (static_cast<int>(clues.size()) > cells)
    return Error{"Чисел " + std::to_string(clues.size()) + ", а клеток для них в заголовке " +
                 std::to_string(cells)};
  int needed = -1;
  for (int clue : clues) needed += clue + 1;
  const Dimensions& d = crossword.dims();
  const int length = line.column ? d.RowCount : d.ColCount;
  if (needed > length)
    return Error{"Числам нужно клеток " + std::to_string(needed) + ", а в " +
                 (line.column ? "столбце " : "строке ") + std::to_string(length)};
  return {};
}

HistoryStep writeLineClues(Crossword& crossword, ClueLineRef line, const ClueLine& clues) {
  const int cells = clueCellCount(crossword, line);
  const int first = cells - static_cast<int>(clues.size());
  HistoryStep changes;
  for (int k = 0; k < cells; ++k) {
    const CellPos at = clueCell(line, k);
    std::string& text = crossword.cell(at.x, at.y).Text;
    const int before = clueValue(text);
    const int after = k < first ? 0 : clues[static_cast<std::size_t>(k - first)];
    text = after == 0 ? std::string() : std::to_string(after);
    if (before != after)
      changes.push_back({at.x, at.y, static_cast<std::uint8_t>(std::min(before, 255)),
                         static_cast<std::uint8_t>(after)});
  }
  return changes;
}

std::string lineEntryText(const Crossword& crossword, ClueLineRef line) {
  std::string text;
  for (int clue : line.column ? crossword.columnClues(line.index) : crossword.rowClues(line.index)) {
    if (clue == 0) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(clue);
  }
  return text;
}

ClueLineRef nextEntryLine(const Crossword& crossword, ClueLineRef line, bool forward) {
  const Dimensions& d = crossword.dims();
  // Columns 0 .. ColCount-1, then rows ColCount .. ColCount+RowCount-1.
  const int count = d.ColCount + d.RowCount;
  const int at = line.column ? line.index - crossword.firstPictureX()
                             : d.ColCount + line.index - crossword.firstPictureY();
  const int next = (at + (forward ? 1 : count - 1)) % count;
  return next < d.ColCount ? ClueLineRef{true, crossword.firstPictureX() + next}
                           : ClueLineRef{false, crossword.firstPictureY() + next - d.ColCount};
}

}  // namespace jcw
