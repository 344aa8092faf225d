#include "model/Crossword.h"

#include <map>
#include <string>
#include <utility>

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

bool Crossword::markCell(int x, int y, bool fill) {
  TCell& c = cell(x, y);
  if (c.State != csBlank) return false;
  const std::uint8_t state = fill ? csFilled : csEmpty;
  history.record({x, y, c.State, state});
  c.State = state;
  ++MarkedCount;
  return true;
}

bool Crossword::eraseCell(int x, int y) {
  TCell& c = cell(x, y);
  if (c.State == csBlank) return false;
  history.record({x, y, c.State, csBlank});
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

bool Crossword::recordPictureChange(const std::vector<std::uint8_t>& before) {
  std::vector<CellChange> changes;
  auto earlier = before.begin();
  for (int y = firstPictureY(); y < H1(); ++y) {
    for (int x = firstPictureX(); x < W1() && earlier != before.end(); ++x, ++earlier) {
      const std::uint8_t now = cell(x, y).State;
      if (*earlier != now) changes.push_back({x, y, *earlier, now});
    }
  }
  return history.recordStep(changes);
}

void Crossword::applyChanges(const std::vector<CellChange>& changes, bool forward) {
  const auto apply = [this](const CellChange& change, std::uint8_t state) {
    if (isClue(change.x, change.y)) {
      cell(change.x, change.y).Text = state == 0 ? std::string() : std::to_string(state);
      return;
    }
    // A clue cell that a smaller header dropped is nowhere now.
    if (!isPicture(change.x, change.y)) return;
    // Counted from the cell as it is now, so the count stays right whatever wrote the cell.
    TCell& c = cell(change.x, change.y);
    MarkedCount += (state != csBlank) - (c.State != csBlank);
    c.State = state;
  };
  if (forward) {
    for (const CellChange& change : changes) apply(change, change.after);
  } else {
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
      apply(*change, change->before);
  }
}

HistoryStep Crossword::undo() {
  const HistoryStep* step = history.undo();
  if (!step) return {};
  applyChanges(*step, false);
  return *step;
}

HistoryStep Crossword::redo() {
  const HistoryStep* step = history.redo();
  if (!step) return {};
  applyChanges(*step, true);
  return *step;
}

namespace {

// A step of clue numbers: its changes lie off the picture (a gesture never mixes the two).
bool changesClues(const Crossword& crossword, const HistoryStep& step) {
  return !step.empty() && !crossword.isPicture(step.front().x, step.front().y);
}

}  // namespace

bool Crossword::undoChangesClues() const {
  return history.canUndo() && changesClues(*this, history.steps()[history.position() - 1]);
}

bool Crossword::redoChangesClues() const {
  return history.canRedo() && changesClues(*this, history.steps()[history.position()]);
}

void Crossword::clearPicture() {
  const std::vector<std::uint8_t> before = pictureStates();
  for (int x = firstPictureX(); x < W1(); ++x)
    for (int y = firstPictureY(); y < H1(); ++y) cell(x, y).State = csBlank;
  MarkedCount = 0;
  recordPictureChange(before);
  updateAllLineStatus();
}

namespace {

// The net change of each cell a path of changes touches: its state before the first change and
// after the last, in the order the cells were first touched; cells that end as they began are
// left out.
std::vector<CellChange> netChanges(const std::vector<CellChange>& path) {
  std::vector<CellChange> net;
  std::map<std::pair<int, int>, std::size_t> slotOf;
  for (const CellChange& change : path) {
    const auto [slot, isNew] = slotOf.try_emplace({change.x, change.y}, net.size());
    if (isNew)
      net.push_back(change);
    else
      net[slot->second].after = change.after;
  }
  std::erase_if(net, [](const CellChange& change) { return change.before == change.after; });
  return net;
}

}  // namespace

std::vector<CellChange> Crossword::returnToCheckpoint() {
  const std::optional<std::size_t> checkpoint = history.newestCheckpoint();
  if (!checkpoint) return {};
  history.dropCheckpoint();
  return returnToPosition(*checkpoint);
}

std::vector<CellChange> Crossword::returnToPosition(std::size_t target) {
  // Clues typed since stay: the way back is the picture's.
  std::vector<CellChange> changes = netChanges(history.pathTo(target));
  std::erase_if(changes, [this](const CellChange& change) { return !isPicture(change.x, change.y); });
  history.recordStep(changes);
  applyChanges(changes, true);
  for (const CellChange& change : changes) UpdateLineStatus(change.x, change.y);
  return changes;
}

std::vector<CellPos> Crossword::markedSinceCheckpoint() const {
  std::vector<CellPos> cells;
  const std::optional<std::size_t> checkpoint = history.newestCheckpoint();
  if (!checkpoint) return cells;
  std::vector<bool> listed(static_cast<std::size_t>(W1()) * H1());
  for (const CellChange& change : history.changesSince(*checkpoint)) {
    if (!isPicture(change.x, change.y) || listed[index(change.x, change.y)] ||
        cell(change.x, change.y).State == csBlank)
      continue;
    listed[index(change.x, change.y)] = true;
    cells.push_back({change.x, change.y});
  }
  return cells;
}

void Crossword::markSaved() {
  Modified = false;
  history.markSaved();
}

}  // namespace jcw
