#include "solver/CompleteSolver.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "solver/LineSolver.h"
#include "solver/SatSearch.h"

namespace jcw {

namespace {

using Bits = LineBits;

constexpr int kPollEvery = 64;  // line solves between two looks at the cancellation check
// The line solves the search remembers grow up to this many (some 5 MB).
constexpr std::size_t kMostRemembered = std::size_t{1} << 16;

template <typename Visit>
void forEachBit(Bits bits, Visit visit) {
  for (auto low = static_cast<std::uint64_t>(bits); low != 0; low &= low - 1)
    visit(std::countr_zero(low));
  for (auto high = static_cast<std::uint64_t>(bits >> 64); high != 0; high &= high - 1)
    visit(64 + std::countr_zero(high));
}

int countBits(Bits bits) {
  return std::popcount(static_cast<std::uint64_t>(bits)) +
         std::popcount(static_cast<std::uint64_t>(bits >> 64));
}

// Line sizes as the line solver reads them; false when a clue is out of byte range or the clues
// need more cells than the line has.
bool lineSizes(const std::vector<int>& clues, int length, std::vector<std::uint8_t>& sizes) {
  int needed = -1;
  for (int clue : clues) {
    if (clue < 0 || clue > 255) return false;
    sizes.push_back(static_cast<std::uint8_t>(clue));
    needed += clue + 1;
  }
  return length <= kMaxLineLength && needed <= length;
}

// The search over one crossword. Lines are numbered rows first (0..rows-1), then columns; cell k
// of a row is column k, cell k of a column is row k. The rows and the columns always hold the
// same cells. Undo goes through a trail of line values saved before their first change at each
// level.
class Search {
 public:
  Search(const ClueLists& clues, const CancelCheck& cancel, SearchProgress* progress,
         long long nodesBeforeSat);
  SearchResult run(const WorkGrid& fixed);

 private:
  struct Saved {
    int line;
    LineCells cells;
  };
  struct Level {
    std::size_t trail;
    int decided;
    std::uint32_t epoch;
  };
  // One try of a cell in probing: whether it held, the cells it decided, its rows afterwards.
  struct Try {
    bool holds = false;
    int gain = 0;
    std::vector<std::pair<int, LineCells>> rows;
  };

  int crossing(int line, int k) const { return line < rowCount_ ? rowCount_ + k : k; }
  int position(int line) const { return line < rowCount_ ? line : line - rowCount_; }
  Bits openCells(int line) const {
    return ((Bits{1} << length_[line]) - 1) & ~(cells_[line].filled | cells_[line].empty);
  }

  void push();
  void pop();
  void save(int line);
  void enqueue(int line);
  void clearQueue();
  void setCell(int line, int k, bool filled);
  void decide(int row, int column, bool filled);
  void report();
  bool poll();
  bool solveLine(int line, const LineCells& known, LineCells& decided);
  bool propagate();
  void touch(int line);
  bool unchangedSinceProbe(int cell) const;
  void considerForBranching(int row, int column, long long score, bool filledFirst);
  void tryCell(int row, int column, bool filled, Try& result);
  bool applyAgreement();
  bool probe();
  void search();
  void branch();
  bool enough() const { return stopped_ || overBudget_ || pictures_.size() >= 2; }
  void keepPicture();
  void searchBySat();
  WorkGrid picture() const;

  const CancelCheck& cancel_;
  SearchProgress* progress_;
  long long nodesBeforeSat_;
  int rowCount_;
  int colCount_;
  bool fits_ = true;
  std::vector<std::vector<std::uint8_t>> sizes_;
  std::vector<int> length_;
  std::vector<LineCells> cells_;
  int decided_ = 0;

  std::vector<Saved> trail_;
  std::vector<std::uint32_t> savedIn_;  // the epoch of the level that last saved each line
  std::vector<Level> levels_;
  std::uint32_t epoch_ = 1;
  std::uint32_t lastEpoch_ = 1;

  std::vector<int> queue_;
  std::size_t head_ = 0;
  std::vector<char> queued_;

  LineSolver solver_;
  long long solves_ = 0;
  // Line solves remembered by line and known cells: probing meets the same lines again and again.
  struct Remembered {
    int line = -1;
    bool fits = false;
    LineCells known, decided;
  };
  std::vector<Remembered> remembered_;
  long long misses_ = 0;  // since the table last grew
  long long nodes_ = 0;
  bool stopped_ = false;
  bool overBudget_ = false;
  std::vector<WorkGrid> pictures_;
  std::vector<LineCells> rootRows_;  // the rows after the root's propagation and probing

  // Probing skips a cell whose last tries changed only lines that have not changed since: its
  // tries would go exactly as they went (a line solve reads nothing but its own line), unless
  // one would now decide the last open cells and so find a picture. Changes made inside a try
  // are undone with it and do not count.
  struct Probed {
    std::uint64_t at = 0;  // version_ when probed; 0: never, or its tries learnt something
    int filledGain = 0;
    int emptyGain = 0;
    long long score() const { return static_cast<long long>(filledGain + 1) * (emptyGain + 1); }
  };
  std::vector<std::uint64_t> changedAt_;  // per line: version_ at its last lasting change
  std::uint64_t version_ = 0;
  bool trying_ = false;
  std::vector<Probed> probed_;         // per cell (row * colCount_ + column), sized at the first probe
  std::vector<std::uint64_t> readBy_;  // per cell, lineWords_ words: the lines its tries changed
  int lineWords_ = 0;

  Try filledTry_, emptyTry_;
  std::vector<LineCells> emptyTryRow_;
  std::vector<std::uint32_t> emptyTryStamp_;
  std::uint32_t tryStamp_ = 0;
  int bestRow_ = -1, bestColumn_ = -1;
  long long bestScore_ = -1;
  bool bestFilledFirst_ = true;
};

Search::Search(const ClueLists& clues, const CancelCheck& cancel, SearchProgress* progress,
               long long nodesBeforeSat)
    : cancel_(cancel),
      progress_(progress),
      nodesBeforeSat_(nodesBeforeSat),
      rowCount_(static_cast<int>(clues.rows.size())),
      colCount_(static_cast<int>(clues.columns.size())) {
  const int lines = rowCount_ + colCount_;
  sizes_.resize(lines);
  length_.resize(lines);
  for (int line = 0; line < lines; ++line) {
    const bool row = line < rowCount_;
    length_[line] = row ? colCount_ : rowCount_;
    const auto& lineClues = row ? clues.rows[line] : clues.columns[line - rowCount_];
    fits_ = lineSizes(lineClues, length_[line], sizes_[line]) && fits_;
  }
  fits_ = fits_ && rowCount_ > 0 && colCount_ > 0;
  cells_.assign(lines, LineCells{});
  savedIn_.assign(lines, 0);
  queued_.assign(lines, 0);
  emptyTryRow_.assign(rowCount_, LineCells{});
  // Some 64 remembered solves per line, a power of two between 2^10 and 2^13, to begin with:
  // fresh memory costs page faults, and a larger table would keep the first poll of the check
  // waiting. It grows when the search needs more.
  remembered_.resize(
      std::bit_ceil(static_cast<std::size_t>(std::clamp(lines * 64, 1 << 10, 1 << 13))));
  emptyTryStamp_.assign(rowCount_, 0);
  changedAt_.assign(lines, 0);
  lineWords_ = (lines + 63) / 64;
}

void Search::push() {
  levels_.push_back({trail_.size(), decided_, epoch_});
  epoch_ = ++lastEpoch_;
}

void Search::pop() {
  const Level level = levels_.back();
  levels_.pop_back();
  while (trail_.size() > level.trail) {
    cells_[trail_.back().line] = trail_.back().cells;
    touch(trail_.back().line);
    trail_.pop_back();
  }
  decided_ = level.decided;
  epoch_ = level.epoch;
  clearQueue();
}

void Search::save(int line) {
  if (savedIn_[line] == epoch_) return;
  trail_.push_back({line, cells_[line]});
  savedIn_[line] = epoch_;
}

void Search::enqueue(int line) {
  if (queued_[line]) return;
  queued_[line] = 1;
  queue_.push_back(line);
}

void Search::clearQueue() {
  for (std::size_t k = head_; k < queue_.size(); ++k) queued_[queue_[k]] = 0;
  queue_.clear();
  head_ = 0;
}

// Cell k of `line` becomes known (the crossing line is the caller's); the line is saved for undo
// and queued.
void Search::setCell(int line, int k, bool filled) {
  save(line);
  (filled ? cells_[line].filled : cells_[line].empty) |= Bits{1} << k;
  touch(line);
  enqueue(line);
}

void Search::touch(int line) {
  if (!trying_) changedAt_[line] = ++version_;
}

bool Search::unchangedSinceProbe(int cell) const {
  const Probed& probed = probed_[cell];
  if (probed.at == 0 ||
      decided_ + std::max(probed.filledGain, probed.emptyGain) == rowCount_ * colCount_)
    return false;
  const std::uint64_t* read = readBy_.data() + static_cast<std::size_t>(cell) * lineWords_;
  for (int word = 0; word < lineWords_; ++word)
    for (std::uint64_t bits = read[word]; bits != 0; bits &= bits - 1)
      if (changedAt_[word * 64 + std::countr_zero(bits)] > probed.at) return false;
  return true;
}

void Search::decide(int row, int column, bool filled) {
  setCell(row, column, filled);
  setCell(rowCount_ + column, row, filled);
  ++decided_;
}

void Search::report() {
  if (!progress_) return;
  progress_->nodes.store(nodes_, std::memory_order_relaxed);
}

bool Search::poll() {
  report();
  if (cancelled(cancel_)) stopped_ = true;
  return stopped_;
}

bool Search::solveLine(int line, const LineCells& known, LineCells& decided) {
  std::uint64_t hash = static_cast<std::uint64_t>(line) * 0x9E3779B97F4A7C15ULL;
  for (const Bits bits : {known.filled, known.empty}) {
    hash = (hash ^ static_cast<std::uint64_t>(bits)) * 0xBF58476D1CE4E5B9ULL;
    hash = (hash ^ static_cast<std::uint64_t>(bits >> 64)) * 0x94D049BB133111EBULL;
  }
  Remembered& slot = remembered_[(hash >> 32) & (remembered_.size() - 1)];
  if (slot.line != line || slot.known != known) {
    // A table missed much more often than it has entries is too small for the lines the search
    // meets: it doubles (emptied) and fills again.
    if (++misses_ > 4 * static_cast<long long>(remembered_.size()) &&
        remembered_.size() < kMostRemembered) {
      remembered_.assign(remembered_.size() * 2, Remembered{});
      misses_ = 0;
      return solveLine(line, known, decided);
    }
    slot.line = line;
    slot.known = known;
    slot.fits = solver_.solve(sizes_[line], length_[line], known, slot.decided);
  }
  decided = slot.decided;
  return slot.fits;
}

// Solves queued lines until none is left. False on a line that fits no placement, or when the
// search has been stopped; the queue is then empty.
bool Search::propagate() {
  while (head_ < queue_.size()) {
    if (stopped_ || (++solves_ % kPollEvery == 0 && poll())) {
      clearQueue();
      return false;
    }
    const int line = queue_[head_++];
    queued_[line] = 0;
    const LineCells known = cells_[line];
    LineCells decided;
    if (!solveLine(line, known, decided)) {
      clearQueue();
      return false;
    }
    const Bits newFilled = decided.filled & ~known.filled;
    const Bits newEmpty = decided.empty & ~known.empty;
    if ((newFilled | newEmpty) == 0) continue;
    save(line);
    cells_[line] = decided;
    touch(line);
    decided_ += countBits(newFilled | newEmpty);
    const int at = position(line);
    forEachBit(newFilled, [&](int k) { setCell(crossing(line, k), at, true); });
    forEachBit(newEmpty, [&](int k) { setCell(crossing(line, k), at, false); });
  }
  clearQueue();
  return !stopped_;
}

void Search::tryCell(int row, int column, bool filled, Try& result) {
  push();
  trying_ = true;
  const std::size_t from = trail_.size();
  const int before = decided_;
  decide(row, column, filled);
  result.holds = propagate();
  result.gain = decided_ - before;
  // A try that decides every cell has found a picture; the search would find it again.
  if (result.holds && decided_ == rowCount_ * colCount_) keepPicture();
  result.rows.clear();
  if (result.holds)
    for (std::size_t k = from; k < trail_.size(); ++k)
      if (trail_[k].line < rowCount_) result.rows.emplace_back(trail_[k].line, cells_[trail_[k].line]);
  std::uint64_t* read =
      readBy_.data() + static_cast<std::size_t>(row * colCount_ + column) * lineWords_;
  for (std::size_t k = from; k < trail_.size(); ++k)
    read[trail_[k].line / 64] |= std::uint64_t{1} << (trail_[k].line % 64);
  pop();
  trying_ = false;
}

void Search::considerForBranching(int row, int column, long long score, bool filledFirst) {
  if (score <= bestScore_) return;
  bestScore_ = score;
  bestRow_ = row;
  bestColumn_ = column;
  bestFilledFirst_ = filledFirst;
}

// Decides the cells that both tries of a cell decided alike; true when there were any.
bool Search::applyAgreement() {
  ++tryStamp_;
  for (const auto& [r, cells] : emptyTry_.rows) {
    emptyTryRow_[r] = cells;
    emptyTryStamp_[r] = tryStamp_;
  }
  bool learnt = false;
  for (const auto& [row, cells] : filledTry_.rows) {
    const int r = row;  // a copy: clang 14 cannot capture a structured binding
    if (emptyTryStamp_[r] != tryStamp_) continue;
    const LineCells& other = emptyTryRow_[r];
    const Bits filled = cells.filled & other.filled & ~cells_[r].filled;
    const Bits empty = cells.empty & other.empty & ~cells_[r].empty;
    forEachBit(filled, [&](int c) { decide(r, c, true); });
    forEachBit(empty, [&](int c) { decide(r, c, false); });
    learnt = learnt || (filled | empty) != 0;
  }
  return learnt;
}

// Tries every open cell both ways until a whole round learns nothing, and keeps the cell whose
// tries decided most (in product) for branching. False when the node has no picture or the
// search stopped.
bool Search::probe() {
  if (probed_.empty()) {
    probed_.resize(static_cast<std::size_t>(rowCount_) * colCount_);
    readBy_.resize(probed_.size() * lineWords_);
  }
  for (bool learnt = true; learnt;) {
    learnt = false;
    bestScore_ = -1;
    for (int r = 0; r < rowCount_; ++r) {
      const Bits open = openCells(r);
      bool dead = false;
      forEachBit(open, [&](int c) {
        if (dead || !(openCells(r) >> c & 1)) return;
        const int cell = r * colCount_ + c;
        Probed& probed = probed_[cell];
        if (unchangedSinceProbe(cell))
          return considerForBranching(r, c, probed.score(),
                                      probed.filledGain >= probed.emptyGain);
        probed.at = 0;
        std::fill_n(readBy_.begin() + static_cast<std::ptrdiff_t>(cell) * lineWords_, lineWords_, 0);
        tryCell(r, c, true, filledTry_);
        if (enough()) return void(dead = true);
        tryCell(r, c, false, emptyTry_);
        if (enough()) return void(dead = true);
        if (!filledTry_.holds || !emptyTry_.holds) {
          if (!filledTry_.holds && !emptyTry_.holds) return void(dead = true);
          decide(r, c, filledTry_.holds);
          learnt = true;
          if (!propagate()) dead = true;
          return;
        }
        if (applyAgreement()) {
          learnt = true;
          if (!propagate()) dead = true;
          return;
        }
        probed = {version_, filledTry_.gain, emptyTry_.gain};
        considerForBranching(r, c, probed.score(), probed.filledGain >= probed.emptyGain);
      });
      if (dead) return false;
    }
  }
  return true;
}

WorkGrid Search::picture() const {
  WorkGrid grid;
  grid.assign(colCount_, rowCount_, wcUnknown);
  for (int r = 0; r < rowCount_; ++r)
    for (int c = 0; c < colCount_; ++c)
      grid.at(c, r) = (cells_[r].filled >> c & 1) ? wcFilled : wcEmpty;
  return grid;
}

void Search::keepPicture() {
  WorkGrid found = picture();
  for (const WorkGrid& known : pictures_)
    if (differingCells(known, found).empty()) return;
  pictures_.push_back(std::move(found));
}

void Search::search() {
  if (++nodes_ > nodesBeforeSat_) overBudget_ = true;
  if (enough() || !propagate() || !probe()) return;
  if (decided_ == rowCount_ * colCount_) {
    keepPicture();
    return;
  }
  branch();
}

// Both values of the cell that probing found most telling, the more telling one first.
void Search::branch() {
  const int row = bestRow_;
  const int column = bestColumn_;
  const bool first = bestFilledFirst_;
  for (bool filled : {first, !first}) {
    push();
    decide(row, column, filled);
    search();
    pop();
    if (enough()) return;
  }
}

void Search::searchBySat() {
  SatProblem problem;
  problem.rowSizes.assign(sizes_.begin(), sizes_.begin() + rowCount_);
  problem.columnSizes.assign(sizes_.begin() + rowCount_, sizes_.end());
  problem.knownRows = rootRows_;
  report();
  SatAnswer answer = satPictures(problem, pictures_, 2 - static_cast<int>(pictures_.size()),
                                 cancel_, progress_ ? &progress_->conflicts : nullptr);
  stopped_ = stopped_ || !answer.complete;
  for (WorkGrid& found : answer.pictures) pictures_.push_back(std::move(found));
}

SearchResult Search::run(const WorkGrid& fixed) {
  SearchResult result;
  if (!fits_) return result;
  if (fixed.colCount() == colCount_ && fixed.rowCount() == rowCount_)
    for (int r = 0; r < rowCount_; ++r)
      for (int c = 0; c < colCount_; ++c)
        if (fixed.at(c, r) != wcUnknown) decide(r, c, fixed.at(c, r) == wcFilled);
  for (int line = 0; line < rowCount_ + colCount_; ++line) enqueue(line);
  ++nodes_;
  if (propagate() && probe() && !enough()) {
    if (decided_ == rowCount_ * colCount_) {
      keepPicture();
    } else {
      rootRows_.assign(cells_.begin(), cells_.begin() + rowCount_);
      branch();
      if (overBudget_ && !stopped_ && pictures_.size() < 2) searchBySat();
    }
  }
  report();
  result.solutions = static_cast<int>(pictures_.size());
  result.complete = !stopped_;
  result.pictures = std::move(pictures_);
  result.nodes = nodes_;
  return result;
}

}  // namespace

SearchResult searchSolutions(const ClueLists& clues, const WorkGrid& fixed,
                             const CancelCheck& cancel, SearchProgress* progress,
                             long long nodesBeforeSat) {
  return Search(clues, cancel, progress, nodesBeforeSat).run(fixed);
}

std::vector<PictureCell> differingCells(const WorkGrid& a, const WorkGrid& b) {
  std::vector<PictureCell> cells;
  if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount()) return cells;
  for (int r = 0; r < a.rowCount(); ++r)
    for (int c = 0; c < a.colCount(); ++c)
      if (a.at(c, r) != b.at(c, r)) cells.push_back({c, r});
  return cells;
}

}  // namespace jcw
