#include "files/WebpbnFormat.h"

#include <pugixml.hpp>

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

#include "files/ClueLists.h"
#include "files/DrawnPicture.h"
#include "files/FileFormat.h"
#include "files/TextParsing.h"
#include "model/PictureClues.h"

namespace jcw {

namespace {

constexpr const char* kBlack = "black";
constexpr const char* kWhite = "white";

// Colours the blocks are drawn in: the declared ones other than the background, and every
// colour a count uses (its own or the puzzle's default).
std::set<std::string> blockColours(const pugi::xml_node& puzzle) {
  const std::string background = puzzle.attribute("backgroundcolor").as_string(kWhite);
  const char* fallback = puzzle.attribute("defaultcolor").as_string(kBlack);
  std::set<std::string> colours;
  for (const pugi::xml_node& colour : puzzle.children("color")) {
    const std::string name = colour.attribute("name").as_string();
    if (name != background) colours.insert(name);
  }
  for (const pugi::xml_node& clues : puzzle.children("clues"))
    for (const pugi::xml_node& line : clues.children("line"))
      for (const pugi::xml_node& count : line.children("count"))
        colours.insert(count.attribute("color").as_string(fallback));
  return colours;
}

Result<ClueLine> lineOf(const pugi::xml_node& line) {
  ClueLine clues;
  for (const pugi::xml_node& count : line.children("count")) {
    const std::string_view text = trimmed(count.child_value());
    const std::optional<int> clue = decimalNumber(text);
    if (!clue) return Error{"в элементе count не число: " + shown(text)};
    if (*clue > fileformat::kClueMax) return Error{"число " + shown(text) + " больше 199"};
    clues.push_back(*clue);
  }
  return clues;
}

Result<std::vector<ClueLine>> linesOf(const pugi::xml_node& clues) {
  std::vector<ClueLine> lines;
  for (const pugi::xml_node& line : clues.children("line")) {
    Result<ClueLine> clueLine = lineOf(line);
    if (!clueLine) return Error{clueLine.error()};
    lines.push_back(std::move(*clueLine));
  }
  return lines;
}

// The lines of the puzzle's one <clues> element of `type`.
Result<std::vector<ClueLine>> cluesOfType(const pugi::xml_node& puzzle, std::string_view type) {
  pugi::xml_node found;
  for (const pugi::xml_node& clues : puzzle.children("clues")) {
    if (clues.attribute("type").as_string() != type) continue;
    if (found) return Error{"подсказки type=\"" + std::string(type) + "\" повторяются"};
    found = clues;
  }
  if (!found) return Error{"нет подсказок type=\"" + std::string(type) + "\""};
  return linesOf(found);
}

std::string childText(const pugi::xml_node& puzzle, const char* name) {
  return std::string(trimmed(puzzle.child_value(name)));
}

PuzzleInfo infoOf(const pugi::xml_node& puzzle) {
  return {childText(puzzle, "title"), childText(puzzle, "author"), childText(puzzle, "copyright"),
          childText(puzzle, "description")};
}

// The picture of the puzzle's goal <solution> (type "goal", the default): its <image> rows, the
// background colour's character empty and any other filled. Empty when there is none or it is
// no picture of cols x rows.
std::vector<std::string> goalImageOf(const pugi::xml_node& puzzle, int cols, int rows) {
  const std::string background = puzzle.attribute("backgroundcolor").as_string(kWhite);
  char empty = '.';
  for (const pugi::xml_node& colour : puzzle.children("color"))
    if (colour.attribute("name").as_string() == background)
      empty = colour.attribute("char").as_string(".")[0];
  for (const pugi::xml_node& solution : puzzle.children("solution")) {
    if (std::string_view(solution.attribute("type").as_string("goal")) != "goal") continue;
    // Rows lie between '|' marks, one a line or one after another on a line.
    std::vector<std::string> picture;
    std::string_view image = solution.child_value("image");
    while (!image.empty()) {
      const std::size_t bar = image.find('|');
      if (const std::string_view row = trimmed(image.substr(0, bar)); !row.empty()) {
        std::string cells;
        for (const char c : row) cells += c == empty ? '.' : '#';
        picture.push_back(std::move(cells));
      }
      if (bar == std::string_view::npos) break;
      image.remove_prefix(bar + 1);
    }
    const bool fits = static_cast<int>(picture.size()) == rows &&
                      std::ranges::all_of(picture, [&](const std::string& line) {
                        return static_cast<int>(line.size()) == cols;
                      });
    return fits ? picture : std::vector<std::string>{};
  }
  return {};
}

Result<Crossword> crosswordOf(const pugi::xml_node& puzzle) {
  if (std::string_view(puzzle.attribute("type").as_string("grid")) != "grid")
    return Error{"поддерживаются только кроссворды type=\"grid\""};
  if (blockColours(puzzle).size() > 1) return Error{std::string(kColourPuzzleRefusal)};
  for (const pugi::xml_node& clues : puzzle.children("clues")) {
    const std::string_view type = clues.attribute("type").as_string();
    if (type != "rows" && type != "columns")
      return Error{"неизвестный тип подсказок " + shown(type)};
  }
  Result<std::vector<ClueLine>> rows = cluesOfType(puzzle, "rows");
  if (!rows) return Error{rows.error()};
  Result<std::vector<ClueLine>> columns = cluesOfType(puzzle, "columns");
  if (!columns) return Error{columns.error()};
  const int cols = static_cast<int>(columns->size());
  const int rowCount = static_cast<int>(rows->size());
  Result<Crossword> crossword = crosswordFromClues({std::move(*rows), std::move(*columns)});
  if (!crossword) return crossword;
  crossword->info = infoOf(puzzle);
  // A goal that is no picture of the clues is read over.
  std::vector<std::string> goal = goalImageOf(puzzle, cols, rowCount);
  if (!goal.empty() && cluesOfPicture(goal) == cluesOf(*crossword))
    crossword->info.goal = std::move(goal);
  return crossword;
}

// Line breaks are kept, one "\n" each; every other control character is dropped.
std::string printableNotes(std::string_view notes) {
  std::string clean;
  for (const TextLine& line : textLines(notes)) {
    if (line.number > 1) clean += '\n';
    clean += printableTitle(line.text);
  }
  return clean;
}

// Trimmed as the reader trims it, so that what is written reads back the same.
void appendText(pugi::xml_node& puzzle, const char* name, const std::string& text) {
  const std::string clean(trimmed(text));
  if (!clean.empty()) puzzle.append_child(name).text() = clean.c_str();
}

void appendColour(pugi::xml_node& puzzle, const char* name, const char* glyph, const char* rgb) {
  pugi::xml_node colour = puzzle.append_child("color");
  colour.append_attribute("name") = name;
  colour.append_attribute("char") = glyph;
  colour.text() = rgb;
}

void appendClues(pugi::xml_node& puzzle, const char* type, const std::vector<ClueLine>& lines) {
  pugi::xml_node clues = puzzle.append_child("clues");
  clues.append_attribute("type") = type;
  for (const ClueLine& line : lines) {
    pugi::xml_node lineNode = clues.append_child("line");
    for (int clue : line) lineNode.append_child("count").text() = clue;
  }
}

}  // namespace

Result<Crossword> decodeWebpbn(std::string_view text) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed)
    return Error{"повреждённый XML (байт " + std::to_string(parsed.offset) + ")"};
  const pugi::xml_node puzzle = document.child("puzzleset").child("puzzle");
  if (!puzzle) return Error{"нет элемента puzzleset/puzzle"};
  return crosswordOf(puzzle);
}

std::string encodeWebpbn(const Crossword& crossword, const PuzzleInfo& info) {
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  pugi::xml_node puzzle = document.append_child("puzzleset").append_child("puzzle");
  puzzle.append_attribute("type") = "grid";
  puzzle.append_attribute("defaultcolor") = kBlack;
  appendText(puzzle, "title", printableTitle(info.title));
  appendText(puzzle, "author", printableTitle(info.author));
  appendText(puzzle, "copyright", printableTitle(info.copyright));
  appendText(puzzle, "description", printableNotes(info.notes));
  appendColour(puzzle, kWhite, ".", "fff");
  appendColour(puzzle, kBlack, "X", "000");
  const ClueLists clues = cluesOf(crossword);
  appendClues(puzzle, "columns", clues.columns);
  appendClues(puzzle, "rows", clues.rows);
  if (const std::vector<std::string> goal = goalOf(crossword); !goal.empty()) {
    pugi::xml_node solution = puzzle.append_child("solution");
    solution.append_attribute("type") = "goal";
    std::string image = "\n";
    for (const std::string& row : goal) {
      std::string line = row;
      std::ranges::replace(line, '#', 'X');
      image += "|" + line + "|\n";
    }
    solution.append_child("image").text() = image.c_str();
  }
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

}  // namespace jcw
