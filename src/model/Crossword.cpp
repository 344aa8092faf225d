#include "model/Crossword.h"

#include <string>

#include "model/Clue.h"

namespace jcw {

void Crossword::allocate(const Dimensions& d) {
  if (!(d == dims_) || cells_.empty()) {
    dims_ = d;
    cells_.assign(static_cast<std::size_t>(W1()) * H1(), TCell{});
  }
  for (int x = 0; x < W1(); ++x)
    for (int y = 0; y < H1(); ++y) cell(x, y).Kind = kindAt(x, y);
  EditCursor = {dims_.CapColCount + 1, 1};
}

CellKind kindAt(const Dimensions& d, int x, int y) {
  if (x < 1 || y < 1 || x >= d.W1() || y >= d.H1()) return ckNone;
  const bool pictureColumn = x > d.CapColCount;
  const bool pictureRow = y > d.CapRowCount;
  if (pictureColumn && pictureRow) return ckPicture;
  if (pictureColumn || pictureRow) return ckClue;
  return ckNone;  // corner block
}

std::vector<int> Crossword::cluesOf(int fromX, int fromY, int dx, int dy, int count) const {
  std::vector<int> clues;
  for (int i = 0; i < count; ++i) {
    const std::string& text = cell(fromX + i * dx, fromY + i * dy).Text;
    if (!text.empty()) clues.push_back(clueValue(text));
  }
  return clues;
}

std::vector<int> Crossword::rowClues(int y) const { return cluesOf(1, y, 1, 0, dims_.CapColCount); }

std::vector<int> Crossword::columnClues(int x) const {
  return cluesOf(x, 1, 0, 1, dims_.CapRowCount);
}

// The line's marks as "1" (filled) and "0" (empty), matched clue by clue: each clue's run must be
// the first "1"s left and must not be followed by another "1"; nothing filled may remain.
int Crossword::lineStatus(int firstX, int firstY, int dx, int dy, int length,
                          const std::vector<int>& clues) const {
  std::string pattern;
  pattern.reserve(length);
  for (int i = 0; i < length; ++i) {
    const std::uint8_t state = cell(firstX + i * dx, firstY + i * dy).State;
    if (state == csBlank) return lsIncomplete;
    pattern += state == csFilled ? '1' : '0';
  }
  std::string_view rest = pattern;
  for (int clue : clues) {
    if (clue <= 0 || clue > length) return lsWrong;
    const std::string run(clue, '1');
    const auto at = rest.find(run);
    if (at == std::string_view::npos || at != rest.find('1')) return lsWrong;
    rest.remove_prefix(at + run.size());
    if (!rest.empty() && rest.front() == '1') return lsWrong;
  }
  return rest.find('1') == std::string_view::npos ? lsRight : lsWrong;
}

// Only picture lines are ever complete: the cells of a header line are clues, whatever states a
// file or the editor cursor gave them, so they never mark a line right or wrong.
int Crossword::CheckRow(int y) const {
  if (y < firstPictureY() || y >= H1()) return lsIncomplete;
  return lineStatus(firstPictureX(), y, 1, 0, dims_.ColCount, rowClues(y));
}

int Crossword::CheckColumn(int x) const {
  if (x < firstPictureX() || x >= W1()) return lsIncomplete;
  return lineStatus(x, firstPictureY(), 0, 1, dims_.RowCount, columnClues(x));
}

namespace {
void applyStatus(std::bitset<256>& right, std::bitset<256>& wrong, int index, int status) {
  if (index < 0 || index > 255) return;
  right.set(index, status == lsRight);
  wrong.set(index, status == lsWrong);
}
}  // namespace

void Crossword::UpdateLineStatus(int x, int y) {
  applyStatus(RowsRight, RowsWrong, y, CheckRow(y));
  applyStatus(ColsRight, ColsWrong, x, CheckColumn(x));
}

void Crossword::updateAllLineStatus() {
  for (int x = firstPictureX(); x < W1(); ++x) UpdateLineStatus(x, dims_.CapRowCount);
  for (int y = firstPictureY(); y < H1(); ++y) UpdateLineStatus(dims_.CapColCount, y);
}

int Crossword::rowStatus(int y) const {
  return RowsRight[y] ? lsRight : RowsWrong[y] ? lsWrong : lsIncomplete;
}

int Crossword::columnStatus(int x) const {
  return ColsRight[x] ? lsRight : ColsWrong[x] ? lsWrong : lsIncomplete;
}

bool Crossword::solved() const {
  return MarkedCount == dims_.RowCount * dims_.ColCount && RowsWrong.none() && ColsWrong.none();
}

int Crossword::clueSumDifference() const {
  int difference = 0;
  for (int x = firstPictureX(); x < W1(); ++x)
    for (int clue : columnClues(x)) difference += clue;
  for (int y = firstPictureY(); y < H1(); ++y)
    for (int clue : rowClues(y)) difference -= clue;
  return difference;
}

int Crossword::cellsNeeded(int cx, int cy) const {
  const std::vector<int> clues = cx > dims_.CapColCount ? columnClues(cx) : rowClues(cy);
  int total = -1;
  for (int clue : clues)
    if (clue > 0) total += clue + 1;
  return total;
}

bool Crossword::lineFits(int cx, int cy) const {
  const int length = cx > dims_.CapColCount ? dims_.RowCount : dims_.ColCount;
  return length >= cellsNeeded(cx, cy);
}

int Crossword::countMarked() const {
  int count = 0;
  for (int x = firstPictureX(); x < W1(); ++x)
    for (int y = firstPictureY(); y < H1(); ++y) count += cell(x, y).State != csBlank;
  return count;
}

void Crossword::PushUndo(int x, int y) {
  UndoList.push_back({cell(x, y).State, x, y});
}

bool Crossword::markCell(int x, int y, bool fill) {
  TCell& c = cell(x, y);
  if (c.State != csBlank) return false;
  PushUndo(x, y);
  c.State = fill ? csFilled : csEmpty;
  ++MarkedCount;
  return true;
}

bool Crossword::eraseCell(int x, int y) {
  TCell& c = cell(x, y);
  if (c.State == csBlank) return false;
  PushUndo(x, y);
  c.State = csBlank;
  --MarkedCount;
  return true;
}

std::vector<std::uint8_t> Crossword::pictureStates() const {
  std::vector<std::uint8_t> states;
  states.reserve(static_cast<std::size_t>(dims_.ColCount) * dims_.RowCount);
  for (int y = firstPictureY(); y < H1(); ++y)
    for (int x = firstPictureX(); x < W1(); ++x) states.push_back(cell(x, y).State);
  return states;
}

bool Crossword::pushUndoStep(const std::vector<std::uint8_t>& before) {
  const std::size_t stepStart = UndoList.size();
  auto earlier = before.begin();
  for (int y = firstPictureY(); y < H1(); ++y) {
    for (int x = firstPictureX(); x < W1() && earlier != before.end(); ++x, ++earlier) {
      if (*earlier == cell(x, y).State) continue;
      UndoList.push_back({*earlier, x, y, UndoList.size() > stepStart});
    }
  }
  return UndoList.size() > stepStart;
}

std::vector<TUndoRec> Crossword::undoLast() {
  std::vector<TUndoRec> step;
  while (!UndoList.empty()) {
    const TUndoRec rec = UndoList.back();
    UndoList.pop_back();
    // Counted from the cell as it is now: a solver run since the record may have marked it.
    TCell& cell = this->cell(rec.Col, rec.Row);
    MarkedCount += (rec.State != csBlank) - (cell.State != csBlank);
    cell.State = rec.State;
    step.push_back(rec);
    if (!rec.JoinsPrevious) break;
  }
  return {step.rbegin(), step.rend()};
}

void Crossword::clearPicture() {
  UndoList.clear();
  for (int x = firstPictureX(); x < W1(); ++x)
    for (int y = firstPictureY(); y < H1(); ++y) cell(x, y).State = csBlank;
  updateAllLineStatus();
  Modified = true;
  MarkedCount = 0;
}

}  // namespace jcw
