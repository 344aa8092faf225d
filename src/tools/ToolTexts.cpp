#include "tools/ToolTexts.h"

#include <algorithm>

#include "platform/Utf8.h"

namespace jcw {

namespace {

constexpr std::string_view kForms =
    "jcwtool info FILE\n"
    "jcwtool resave IN OUT\n"
    "jcwtool solve FILE [--marks] [--steps] [--complete]\n"
    "jcwtool test FILE [--marks]\n"
    "jcwtool count FILE [--marks] [--timeout SECONDS]\n"
    "jcwtool grade FILE\n"
    "jcwtool convert IN OUT\n"
    "jcwtool view-point LEFT TOP WIDTH HEIGHT CELL SCROLLX SCROLLY COLUMNS ROWS HEADERCOLUMNS "
    "HEADERROWS X Y\n"
    "jcwtool --help | --version\n";

constexpr Phrase kUsageWord{"Использование: ", "Usage: "};

constexpr Phrase kCommands{
    "\n"
    "  info      кроссворд одним объектом JSON: размеры, числа, рисунок, состояние строк\n"
    "  resave    прочитать IN и записать в OUT в формате .jcw\n"
    "  solve     решить логикой строк и столбцов (--marks: от отметок файла, --steps: рисунок\n"
    "            после каждого прохода, --complete: дорешать перебором) и описать как info\n"
    "  test      тест программы: единственное ли решение\n"
    "  count     сосчитать решения перебором (0, 1 или 2 — два и больше)\n"
    "  grade     сложность кроссворда одним объектом JSON: оценка 1..5 (0 — решение не\n"
    "            единственное), проходы, правило перекрытия, глубина проб, узлы поиска\n"
    "  convert   записать IN в формате расширения OUT: .jcw, .non, .xml, .svg\n"
    "  view-point где в окне показана клетка (X, Y) таблицы при виде поля, который программа\n"
    "            сообщает в файл JCW_VIEW_FILE: середина и видимая часть клетки\n"
    "\n"
    "FILE и IN: .jcw, .non или webpbn .xml.\n",
    "\n"
    "  info      the crossword as one JSON object: sizes, clues, picture, line status\n"
    "  resave    read IN and write it to OUT in the .jcw layout\n"
    "  solve     solve by row and column logic (--marks: from the file's marks, --steps: the\n"
    "            picture after every sweep, --complete: finish by search), described as info\n"
    "  test      the program's test: whether the solution is unique\n"
    "  count     count the solutions by search (0, 1 or 2 for two or more)\n"
    "  grade     the crossword's difficulty as one JSON object: grade 1..5 (0: no unique\n"
    "            solution), sweeps, overlap rule, depth of trials, search nodes\n"
    "  convert   write IN in the format of OUT's extension: .jcw, .non, .xml, .svg\n"
    "  view-point where table cell (X, Y) shows in the window for the view the program writes\n"
    "            to the file JCW_VIEW_FILE: the cell's middle and the part of it that shows\n"
    "\n"
    "FILE and IN: .jcw, .non or webpbn .xml.\n"};

constexpr Phrase kVerdictLines[] = {
    {"Тест прерван пользователем", "The test was stopped by the user"},
    {"Решение не найдено.", "No solution found."},
    {"Отмеченные клетки противоречат числам", "The marked cells contradict the clues"},
    {"Кроссворд не имеет решений", "The crossword has no solution"},
    {"Кроссворд имеет единственное решение", "The crossword has a unique solution"},
    {"Решить его одной логикой строк и столбцов нельзя: нужно пробовать варианты клеток",
     "Row and column logic alone cannot solve it: cells have to be tried"},
    {"Кроссворд имеет несколько вариантов решений", "The crossword has several solutions"},
    {"Сложность", "Difficulty"},
    {"ни один рисунок не подходит к числам", "no picture fits the clues"},
    {"к числам подходит больше одного рисунка", "more than one picture fits the clues"},
    {"проходов логики строк и столбцов", "row and column sweeps"},
    {"хватает простого правила перекрытия", "the simple overlap rule suffices"},
    {"хватает логики строк и столбцов", "row and column logic suffices"},
    {"нужно пробовать клетки по одной до противоречия",
     "cells must be tried one at a time up to a contradiction"},
    {"нужен перебор глубже одной клетки", "a search deeper than one cell is needed"},
    {"узлов поиска", "search nodes"},
};

// The line naming contradicting lines (solver/LineConflict.h): its opening, then word by word.
constexpr Phrase kConflictOpening{"Противоречат друг другу:", "Contradicting each other:"};
constexpr Phrase kConflictWords[] = {
    {"строка", "row"}, {"строки", "rows"}, {"столбец", "column"}, {"столбцы", "columns"},
    {"и", "and"},
};

std::string conflictLineIn(UiLanguage language, std::string_view line) {
  std::string text(kConflictOpening.in(language));
  line.remove_prefix(kConflictOpening.russian.size());
  while (!line.empty()) {
    line.remove_prefix(1);  // the space before each word
    const std::size_t end = std::min(line.find(' '), line.size());
    std::string_view word = line.substr(0, end);
    for (const Phrase& phrase : kConflictWords)
      if (phrase.russian == word) word = phrase.in(language);
    (text += ' ') += word;
    line.remove_prefix(end);
  }
  return text;
}

std::string_view lineIn(UiLanguage language, std::string_view line) {
  for (const Phrase& phrase : kVerdictLines)
    if (phrase.russian == line) return phrase.in(language);
  return line;
}

}  // namespace

std::string toolUsage(UiLanguage language) {
  const std::string indent(characterCount(kUsageWord.in(language)), ' ');
  std::string text;
  std::string_view forms = kForms;
  for (bool first = true; !forms.empty(); first = false) {
    const std::size_t end = forms.find('\n') + 1;
    text += std::string(first ? kUsageWord.in(language) : indent);
    text += forms.substr(0, end);
    forms.remove_prefix(end);
  }
  return text;
}

std::string toolHelp(UiLanguage language) {
  return toolUsage(language) + std::string(kCommands.in(language));
}

std::string reasonIn(UiLanguage language, const std::string& russian) {
  const std::size_t colon = russian.find(": ");
  if (colon == std::string::npos) return std::string(lineIn(language, russian));
  return std::string(lineIn(language, std::string_view(russian).substr(0, colon))) +
         russian.substr(colon);
}

std::string verdictIn(UiLanguage language, std::string russian) {
  std::string text;
  std::string_view rest = russian;
  while (true) {
    const std::size_t end = rest.find("\n\r");
    const std::string_view line = rest.substr(0, end);
    if (line.starts_with(kConflictOpening.russian))
      text += conflictLineIn(language, line);
    else
      text += lineIn(language, line);
    if (end == std::string_view::npos) return text;
    text += '\n';
    rest.remove_prefix(end + 2);
  }
}

}  // namespace jcw
