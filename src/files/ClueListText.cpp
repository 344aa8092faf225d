#include "files/ClueListText.h"

#include <algorithm>
#include <vector>

#include "files/FileFormat.h"
#include "files/ClueLists.h"
#include "files/NonFormat.h"
#include "files/TextParsing.h"

namespace jcw {

namespace {

// The lines' numbers, a 0 (a line without blocks) dropped.
Result<std::vector<ClueLine>> linesOf(const std::vector<TextLine>& lines) {
  Result<std::vector<ClueLine>> read = clueLinesOfText(lines, "строка");
  if (read)
    for (ClueLine& line : *read) std::erase(line, 0);
  return read;
}

std::string firstWord(const TextLine& line) { return asciiLower(splitFirstWord(line.text).first); }

bool isKeyLine(const TextLine& line) { return !line.text.empty() && isAsciiLetter(line.text[0]); }

// The lines of the section after `key`: up to the next key line, blank lines at its end dropped.
std::optional<std::vector<TextLine>> sectionBody(const std::vector<TextLine>& lines,
                                                 std::string_view key) {
  const auto start = std::ranges::find_if(lines, [&](const TextLine& l) { return firstWord(l) == key; });
  if (start == lines.end()) return std::nullopt;
  std::vector<TextLine> body;
  for (auto line = start + 1; line != lines.end() && !isKeyLine(*line); ++line)
    if (line->text.empty() || line->text[0] != '#') body.push_back(*line);
  while (!body.empty() && body.back().text.empty()) body.pop_back();
  return body;
}

Result<ClueLists> readNonSections(std::string_view text, const std::vector<TextLine>& lines) {
  const bool sized = std::ranges::any_of(lines, [](const TextLine& l) { return firstWord(l) == "width"; }) &&
                     std::ranges::any_of(lines, [](const TextLine& l) { return firstWord(l) == "height"; });
  if (sized) {
    Result<Crossword> crossword = decodeNon(text);
    if (!crossword) return Error{crossword.error()};
    return cluesOf(*crossword);
  }
  const std::optional<std::vector<TextLine>> rows = sectionBody(lines, "rows");
  const std::optional<std::vector<TextLine>> columns = sectionBody(lines, "columns");
  if (!rows || !columns) return Error{std::string("нет раздела ") + (rows ? "columns" : "rows")};
  if (rows->empty() || columns->empty())
    return Error{std::string("в разделе ") + (rows->empty() ? "rows" : "columns") + " нет строк"};
  Result<std::vector<ClueLine>> rowLines = linesOf(*rows);
  if (!rowLines) return Error{rowLines.error()};
  Result<std::vector<ClueLine>> columnLines = linesOf(*columns);
  if (!columnLines) return Error{columnLines.error()};
  return ClueLists{std::move(*rowLines), std::move(*columnLines)};
}

Result<ClueLists> readPlain(const std::vector<TextLine>& lines) {
  std::vector<std::vector<TextLine>> blocks;
  bool blank = true;
  for (const TextLine& line : lines) {
    if (line.text.empty()) {
      blank = true;
      continue;
    }
    if (blank) blocks.emplace_back();
    blank = false;
    blocks.back().push_back(line);
  }
  if (blocks.size() != 2)
    return Error{"ожидаются два блока чисел: строки, пустая строка, столбцы; блоков " +
                 std::to_string(blocks.size())};
  Result<std::vector<ClueLine>> rows = linesOf(blocks[0]);
  if (!rows) return Error{rows.error()};
  Result<std::vector<ClueLine>> columns = linesOf(blocks[1]);
  if (!columns) return Error{columns.error()};
  return ClueLists{std::move(*rows), std::move(*columns)};
}

void appendLines(std::string& text, const std::vector<ClueLine>& lines) {
  for (const ClueLine& line : lines) {
    std::string numbers;
    for (int clue : line)
      if (clue > 0) numbers += (numbers.empty() ? "" : " ") + std::to_string(clue);
    text += (numbers.empty() ? "0" : numbers) + "\n";
  }
}

}  // namespace

Result<ClueLists> readClueListText(std::string_view text) {
  const std::vector<TextLine> lines = textLines(text);
  const bool nonForm = std::ranges::any_of(lines, [](const TextLine& l) {
    const std::string key = firstWord(l);
    return key == "rows" || key == "columns";
  });
  return nonForm ? readNonSections(text, lines) : readPlain(lines);
}

std::string clueListText(const ClueLists& clues) {
  std::string text;
  appendLines(text, clues.rows);
  text += "\n";
  appendLines(text, clues.columns);
  return text;
}

}  // namespace jcw
