#include "solver/SettledBlocks.h"

#include "model/Clue.h"
#include "model/Crossword.h"
#include "solver/BlockStarts.h"
#include "solver/LineState.h"

namespace jcw {

namespace {

bool allFilled(LineBits filled, int start, int size) {
  const LineBits run = ((LineBits{1} << size) - 1) << start;
  return (filled & run) == run;
}

LineCells marksAlong(const Crossword& crossword, CellPos first, int dx, int dy, int count) {
  LineCells known;
  for (int k = 0; k < count; ++k) {
    const std::uint8_t state = crossword.cell(first.x + k * dx, first.y + k * dy).State;
    if (state == csFilled) known.filled |= LineBits{1} << k;
    if (state == csEmpty) known.empty |= LineBits{1} << k;
  }
  return known;
}

// The crossed-off cells among `clueCells` (the numbers' cells) of a line that is not complete.
std::vector<CellPos> settledClueCells(const std::vector<CellPos>& clueCells,
                                      const std::vector<int>& numbers, int length,
                                      LineCells known) {
  std::vector<CellPos> crossed;
  if (cellsNeeded(numbers) > length) return crossed;
  const std::vector<std::uint8_t> sizes(numbers.begin(), numbers.end());
  const std::vector<bool> settled = settledBlocks(sizes, length, known);
  for (std::size_t j = 0; j < settled.size(); ++j)
    if (settled[j]) crossed.push_back(clueCells[j]);
  return crossed;
}

}  // namespace

std::vector<bool> settledBlocks(std::span<const std::uint8_t> sizes, int length, LineCells known) {
  std::vector<bool> settled(sizes.size(), false);
  const std::optional<std::vector<LineBits>> starts = blockStarts(sizes, length, known);
  if (!starts) return settled;
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    const LineBits at = (*starts)[j];
    // One possible start, its cells filled.
    if (at == 0 || (at & (at - 1)) != 0) continue;
    settled[j] = allFilled(known.filled, lowestBit(at), sizes[j]);
  }
  return settled;
}

std::vector<CellPos> crossedOffClueCells(const Crossword& crossword, CrossOffMode mode) {
  return CrossedOffClues().update(crossword, mode);
}

void CrossedOffClues::updateLine(std::size_t i, Line line, bool complete, CrossOffMode mode) {
  if (i < lines_.size() && lines_[i] == line) return;
  if (complete)
    line.crossed = line.clueCells;
  else if (mode == CrossOffMode::EachNumber)
    line.crossed = settledClueCells(line.clueCells, line.numbers, line.length, line.known);
  if (i >= lines_.size()) lines_.resize(i + 1);
  lines_[i] = std::move(line);
}

std::vector<CellPos> CrossedOffClues::update(const Crossword& crossword, CrossOffMode mode) {
  std::vector<CellPos> out;
  if (mode != mode_) lines_.clear();
  mode_ = mode;
  if (mode == CrossOffMode::Off || !crossword.allocated()) return out;
  const Dimensions& d = crossword.dims();
  // A line's clue cells run from `clue`, its picture cells from `first`, both by (dx, dy).
  const auto lineAt = [&](CellPos clue, int clueCount, CellPos first, int dx, int dy, int length) {
    Line line;
    for (int i = 0; i < clueCount; ++i) {
      const CellPos at{clue.x + i * dx, clue.y + i * dy};
      const std::string& text = crossword.cell(at.x, at.y).Text;
      if (text.empty()) continue;
      line.clueCells.push_back(at);
      line.numbers.push_back(clueValue(text));
    }
    line.length = length;
    line.known = marksAlong(crossword, first, dx, dy, length);
    return line;
  };
  std::size_t i = 0;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y, ++i)
    updateLine(i, lineAt({1, y}, d.CapColCount, {crossword.firstPictureX(), y}, 1, 0, d.ColCount),
               crossword.CheckRow(y) == lsRight, mode);
  for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x, ++i)
    updateLine(i, lineAt({x, 1}, d.CapRowCount, {x, crossword.firstPictureY()}, 0, 1, d.RowCount),
               crossword.CheckColumn(x) == lsRight, mode);
  lines_.resize(i);
  for (const Line& line : lines_) out.insert(out.end(), line.crossed.begin(), line.crossed.end());
  return out;
}

}  // namespace jcw
