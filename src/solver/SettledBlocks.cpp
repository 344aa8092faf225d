#include "solver/SettledBlocks.h"

#include "model/Clue.h"
#include "model/Crossword.h"
#include "solver/LineAutomaton.h"
#include "solver/LineState.h"

namespace jcw {

namespace {

bool bitAt(LineBits bits, int k) { return ((bits >> k) & 1) != 0; }

// States reachable after k cells (forward) and states from which the rest of the line and its
// trailing empty cell reach the end (backward), over the cells `known` allows.
class Reach {
 public:
  Reach(const LineAutomaton& automaton, int length, LineCells known)
      : a_(automaton), length_(length), known_(known), states_(automaton.tokens() + 1),
        forward_(cells(), 0), backward_(cells(), 0) {
    forward_[at(0, 0)] = 1;
    for (int k = 0; k <= length_; ++k)
      for (int i = 0; i < states_; ++i)
        if (forward_[at(k, i)] != 0) forEachStep(k, i, [&](int j) { forward_[at(k + 1, j)] = 1; });
    backward_[at(length_ + 1, states_ - 1)] = 1;
    for (int k = length_; k >= 0; --k)
      for (int i = 0; i < states_; ++i)
        forEachStep(k, i, [&](int j) { backward_[at(k, i)] |= backward_[at(k + 1, j)]; });
  }

  bool fits() const { return backward_[at(0, 0)] != 0; }
  // A fitting arrangement is in state i after k cells and goes on with a filled cell k.
  bool fillsFrom(int k, int i) const {
    return k < length_ && mayFill(k) && forward_[at(k, i)] != 0 &&
           a_.next(i, 1) >= 0 && backward_[at(k + 1, a_.next(i, 1))] != 0;
  }

 private:
  std::size_t cells() const { return static_cast<std::size_t>(length_ + 2) * states_; }
  std::size_t at(int k, int i) const { return static_cast<std::size_t>(k) * states_ + i; }
  // The trailing cell after the line is empty.
  bool mayFill(int k) const { return k < length_ && !bitAt(known_.empty, k); }
  bool mayEmpty(int k) const { return k >= length_ || !bitAt(known_.filled, k); }
  template <typename Visit>
  void forEachStep(int k, int i, Visit visit) const {
    if (mayFill(k))
      if (const int j = a_.next(i, 1); j >= 0) visit(j);
    if (mayEmpty(k))
      if (const int j = a_.next(i, 0); j >= 0) visit(j);
  }

  const LineAutomaton& a_;
  int length_;
  LineCells known_;
  int states_;
  std::vector<std::uint8_t> forward_, backward_;
};

bool allFilled(LineBits filled, int start, int size) {
  for (int k = start; k < start + size; ++k)
    if (!bitAt(filled, k)) return false;
  return true;
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
  if (length < 0 || length > kMaxLineLength) return settled;
  const LineAutomaton automaton = automatonOf(sizes);
  const Reach reach(automaton, length, known);
  if (!reach.fits()) return settled;
  int token = 0;  // the block's first token: its first filled cell
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    const int size = sizes[j];
    if (size == 0) {
      ++token;
      continue;
    }
    int starts = 0;
    int start = 0;
    for (int k = 0; k < length && starts < 2; ++k)
      if (reach.fillsFrom(k, token)) {
        ++starts;
        start = k;
      }
    settled[j] = starts == 1 && allFilled(known.filled, start, size);
    token += size + 1;
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
