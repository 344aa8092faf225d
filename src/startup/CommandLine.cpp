#include "startup/CommandLine.h"

#include "platform/Utf8.h"

namespace jcw {

namespace {

constexpr Phrase kUsage{
    "Использование: jcw [ФАЙЛ]\n"
    "               jcw --help | --version\n"
    "Японский кроссворд: решайте и составляйте японские кроссворды (нонограммы).\n"
    "ФАЙЛ (.jcw, .non или webpbn .xml) открывается сразу; без него программа спрашивает\n"
    "размеры нового кроссворда.\n"
    "\n"
    "Клавиши:\n",
    "Usage: jcw [FILE]\n"
    "       jcw --help | --version\n"
    "Japanese crossword: solve and make Japanese crosswords (nonograms).\n"
    "FILE (.jcw, .non or webpbn .xml) opens at once; without it the program asks for the\n"
    "size of a new crossword.\n"
    "\n"
    "Keys:\n"};

struct KeyLine {
  Phrase key;
  Phrase what;
};
constexpr Phrase same(std::string_view key) { return {key, key}; }
constexpr KeyLine kKeys[] = {
    {same("F2"), {"сохранить", "save"}},
    {same("F3"), {"загрузить", "load"}},
    {same("Ctrl+N"), {"новый кроссворд", "new crossword"}},
    {same("Ctrl+P"), {"печать", "print"}},
    {same("Ctrl+Del"), {"очистить рисунок", "clear the picture"}},
    {same("F4"),
     {"курсор идёт дальше после одной или двух цифр", "the cursor moves on after one or two digits"}},
    {same("F7"), {"проверить отметки", "check the marks"}},
    {same("F8"), {"подсказка: одна линия", "hint: one line"}},
    {same("F11"), {"рисование: числа по рисунку", "drawing: clues from the picture"}},
    {same("F10"), {"предложить исправление (рисование)", "suggest a fix (drawing)"}},
    {same("F9"), {"старт или редактор", "start or editor"}},
    {same("M"), {"меню", "menu"}},
    {same("Alt+Backspace"), {"отменить отметку", "undo a mark"}},
    {{"Пробел", "Space"}, {"цифровой крест", "digital cross"}},
    {same("Ctrl++, Ctrl+-"), {"крупнее, мельче (и Ctrl с колесом)", "zoom in, out (and Ctrl+wheel)"}},
    {same("Ctrl+0"), {"весь кроссворд", "the whole crossword"}},
    {{"Колесо, Shift+колесо", "Wheel, Shift+wheel"},
     {"прокрутка вниз, вбок", "scroll down, across"}},
    {same("Escape"), {"остановить поиск", "stop the search"}},
};
constexpr std::size_t kKeyColumn = 17;

}  // namespace

StartRequest startRequestOf(const std::vector<std::string_view>& arguments) {
  if (arguments.empty()) return StartRequest::Run;
  if (arguments.front() == "--help" || arguments.front() == "-h") return StartRequest::Help;
  if (arguments.front() == "--version") return StartRequest::Version;
  return StartRequest::Run;
}

std::string helpText(UiLanguage language) {
  std::string text(kUsage.in(language));
  for (const KeyLine& line : kKeys) {
    const std::string_view key = line.key.in(language);
    const std::size_t used = 2 + characterCount(key);
    const std::size_t gap = used < kKeyColumn ? kKeyColumn - used : 1;
    text += "  " + std::string(key) + std::string(gap, ' ') + std::string(line.what.in(language)) +
            "\n";
  }
  return text;
}

std::string versionText(std::string_view program) {
  return std::string(program) + " " JCW_VERSION "\n";
}

}  // namespace jcw
