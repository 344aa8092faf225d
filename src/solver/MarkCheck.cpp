#include "solver/MarkCheck.h"

namespace jcw {

namespace {

bool wrong(const Crossword& crossword, const WorkGrid& solution, int x, int y,
           std::uint8_t state) {
  if (state == csBlank) return false;
  const bool filled = solution.at(x - crossword.firstPictureX(), y - crossword.firstPictureY()) ==
                      wcFilled;
  return (state == csFilled) != filled;
}

}  // namespace

std::vector<CellPos> wrongMarks(const Crossword& crossword, const WorkGrid& solution) {
  std::vector<CellPos> cells;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x)
      if (wrong(crossword, solution, x, y, crossword.cell(x, y).State)) cells.push_back({x, y});
  return cells;
}

std::optional<std::size_t> newestRightPosition(const Crossword& crossword,
                                               const WorkGrid& solution) {
  // Walked back step by step from the present, counting the wrong marks as each change is undone.
  std::ptrdiff_t wrongCount = static_cast<std::ptrdiff_t>(wrongMarks(crossword, solution).size());
  std::size_t position = crossword.history.position();
  const std::vector<HistoryStep>& steps = crossword.history.steps();
  while (wrongCount > 0 && position > 0) {
    const HistoryStep& step = steps[--position];
    for (auto change = step.rbegin(); change != step.rend(); ++change) {
      wrongCount -= wrong(crossword, solution, change->x, change->y, change->after);
      wrongCount += wrong(crossword, solution, change->x, change->y, change->before);
    }
  }
  if (wrongCount > 0) return std::nullopt;
  return position;
}

}  // namespace jcw
