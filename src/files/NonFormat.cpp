#include "files/NonFormat.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "files/ClueLists.h"
#include "files/DrawnPicture.h"
#include "files/FileFormat.h"
#include "files/TextParsing.h"
#include "model/PictureClues.h"

namespace jcw {

namespace {

// One key line and the lines after it up to the next key, comment lines left out.
struct Section {
  std::string key;  // lower case
  std::string_view value;
  int line = 0;
  std::vector<TextLine> body;
};

std::string at(int line) { return "строка файла " + std::to_string(line) + ": "; }

bool startsKey(std::string_view text) { return !text.empty() && isAsciiLetter(text.front()); }

Result<std::vector<Section>> sectionsOf(const std::vector<TextLine>& lines) {
  std::vector<Section> sections;
  for (const TextLine& line : lines) {
    if (line.text.starts_with('#')) continue;
    if (startsKey(line.text)) {
      const auto [key, value] = splitFirstWord(line.text);
      sections.push_back({asciiLower(key), value, line.number, {}});
    } else if (!sections.empty()) {
      sections.back().body.push_back(line);
    } else if (!line.text.empty()) {
      return Error{at(line.number) + "ожидалось ключевое слово (width, height, rows, columns)"};
    }
  }
  return sections;
}

// The one section of a required key.
Result<const Section*> requiredSection(const std::vector<Section>& sections, std::string_view key) {
  const Section* found = nullptr;
  for (const Section& section : sections) {
    if (section.key != key) continue;
    if (found) return Error{at(section.line) + "ключ " + std::string(key) + " повторяется"};
    found = &section;
  }
  if (!found) return Error{"нет ключа " + std::string(key)};
  return found;
}

Result<int> sizeOf(const Section& section) {
  const std::optional<int> size = decimalNumber(unquoted(section.value));
  if (!size || *size < 1 || *size > kMaxDimension)
    return Error{at(section.line) + section.key + " должно быть числом от 1 до 100"};
  for (const TextLine& line : section.body)
    if (!line.text.empty()) return Error{at(line.number) + "лишняя строка после " + section.key};
  return *size;
}

// Blank lines beyond `expected` are separators: dropped from the end, then from the start.
std::vector<TextLine> withoutSeparators(std::vector<TextLine> body, std::size_t expected) {
  while (body.size() > expected && body.back().text.empty()) body.pop_back();
  std::size_t leading = 0;
  while (body.size() - leading > expected && body[leading].text.empty()) ++leading;
  body.erase(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(leading));
  return body;
}

Result<std::vector<ClueLine>> clueLinesOf(const Section& section, int expected) {
  const std::vector<TextLine> body = withoutSeparators(section.body, expected);
  const std::string count = std::to_string(expected);
  if (static_cast<int>(body.size()) < expected)
    return Error{"в разделе " + section.key + " не хватает строк: " +
                 std::to_string(body.size()) + " из " + count};
  if (static_cast<int>(body.size()) > expected)
    return Error{at(body[expected].number) + "лишняя строка в разделе " + section.key +
                 " (их должно быть " + count + ")"};
  return clueLinesOfText(body, "строка файла");
}

// The value of an optional key's first line, unquoted; empty when the key is absent.
std::string optionalValue(const std::vector<Section>& sections, std::string_view key) {
  for (const Section& section : sections)
    if (section.key == key) return std::string(unquoted(section.value));
  return {};
}

PuzzleInfo infoOf(const std::vector<Section>& sections) {
  return {optionalValue(sections, "title"), optionalValue(sections, "by"),
          optionalValue(sections, "copyright"), optionalValue(sections, "description")};
}

// The goal's rows from its "0" and "1" digits (row by row, blanks and quotes ignored); empty when
// it is not a picture of cols x rows.
std::vector<std::string> goalRows(std::string_view digits, int cols, int rows) {
  std::string cells;
  for (const char c : digits) {
    if (c == '0' || c == '1') cells += c == '1' ? '#' : '.';
    else if (c != '"' && c != ' ' && c != '\t') return {};
  }
  if (cells.size() != static_cast<std::size_t>(cols) * rows) return {};
  std::vector<std::string> picture;
  for (int r = 0; r < rows; ++r)
    picture.push_back(cells.substr(static_cast<std::size_t>(r) * cols, cols));
  return picture;
}

std::string goalLine(const std::vector<std::string>& goal) {
  if (goal.empty()) return {};
  std::string digits;
  for (const std::string& row : goal)
    for (const char c : row) digits += c == '#' ? '1' : '0';
  return "goal \"" + digits + "\"\n";
}

// A key line for text that may hold line breaks: a .non value is one line.
std::string keyLine(std::string_view key, std::string_view value) {
  std::string oneLine(value);
  std::ranges::replace_if(oneLine, [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  const std::string clean = printableTitle(oneLine);
  return clean.empty() ? std::string() : std::string(key) + " \"" + clean + "\"\n";
}

std::string clueLineText(const ClueLine& line) {
  if (line.empty()) return "0";
  std::string text;
  for (int clue : line) text += (text.empty() ? "" : ",") + std::to_string(clue);
  return text;
}

Result<ClueLine> clueLineOf(const TextLine& line, std::string_view lineWord) {
  const std::string at = std::string(lineWord) + " " + std::to_string(line.number) + ": ";
  ClueLine clues;
  for (std::string_view token : clueTokens(line.text)) {
    const std::optional<int> clue = decimalNumber(token);
    if (!clue) return Error{at + shown(token) + " не число"};
    if (*clue > fileformat::kClueMax) return Error{at + "число " + shown(token) + " больше 199"};
    clues.push_back(*clue);
  }
  return clues;
}

}  // namespace

Result<std::vector<ClueLine>> clueLinesOfText(const std::vector<TextLine>& lines,
                                              std::string_view lineWord) {
  std::vector<ClueLine> read;
  for (const TextLine& line : lines) {
    Result<ClueLine> clues = clueLineOf(line, lineWord);
    if (!clues) return Error{clues.error()};
    read.push_back(std::move(*clues));
  }
  return read;
}

Result<Crossword> decodeNon(std::string_view text) {
  const Result<std::vector<Section>> sections = sectionsOf(textLines(text));
  if (!sections) return Error{sections.error()};
  Result<const Section*> width = requiredSection(*sections, "width");
  Result<const Section*> height = requiredSection(*sections, "height");
  Result<const Section*> rows = requiredSection(*sections, "rows");
  Result<const Section*> columns = requiredSection(*sections, "columns");
  for (const auto* found : {&width, &height, &rows, &columns})
    if (!*found) return Error{found->error()};
  const Result<int> colCount = sizeOf(**width);
  if (!colCount) return Error{colCount.error()};
  const Result<int> rowCount = sizeOf(**height);
  if (!rowCount) return Error{rowCount.error()};
  Result<std::vector<ClueLine>> rowClues = clueLinesOf(**rows, *rowCount);
  if (!rowClues) return Error{rowClues.error()};
  Result<std::vector<ClueLine>> columnClues = clueLinesOf(**columns, *colCount);
  if (!columnClues) return Error{columnClues.error()};
  Result<Crossword> crossword = crosswordFromClues({std::move(*rowClues), std::move(*columnClues)});
  if (!crossword) return crossword;
  crossword->info = infoOf(*sections);
  // A goal that is no picture of the clues is read over, as an unknown key would be.
  std::vector<std::string> goal =
      goalRows(optionalValue(*sections, "goal"), *colCount, *rowCount);
  if (!goal.empty() && cluesOfPicture(goal) == cluesOf(*crossword))
    crossword->info.goal = std::move(goal);
  return crossword;
}

std::string encodeNon(const Crossword& crossword, const PuzzleInfo& info) {
  const ClueLists clues = cluesOf(crossword);
  std::string text = keyLine("title", info.title) + keyLine("by", info.author) +
                     keyLine("copyright", info.copyright) + keyLine("description", info.notes);
  text += "width " + std::to_string(clues.columns.size()) + "\n";
  text += "height " + std::to_string(clues.rows.size()) + "\n\nrows\n";
  for (const ClueLine& line : clues.rows) text += clueLineText(line) + "\n";
  text += "\ncolumns\n";
  for (const ClueLine& line : clues.columns) text += clueLineText(line) + "\n";
  return text + goalLine(goalOf(crossword));
}

}  // namespace jcw
