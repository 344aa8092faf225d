#include "solver/SatSearch.h"

#include <cadical.hpp>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

#include "solver/BeliefPropagation.h"
#include "solver/BlockStarts.h"
#include "solver/LineAutomaton.h"
#include "solver/LineMarginals.h"
#include "solver/PictureSwap.h"

namespace jcw {

namespace {

class Terminator : public CaDiCaL::Terminator {
 public:
  explicit Terminator(const CancelCheck& cancel) : cancel_(cancel) {}
  bool terminate() override { return cancelled(cancel_); }

 private:
  const CancelCheck& cancel_;
};

// Every learnt clause is a conflict met; none is wanted.
class ConflictCounter : public CaDiCaL::Learner {
 public:
  explicit ConflictCounter(std::atomic<long long>& count) : count_(count) {}
  bool learning(int) override {
    count_.fetch_add(1, std::memory_order_relaxed);
    return false;
  }
  void learn(int) override {}

 private:
  std::atomic<long long>& count_;
};

// What the SAT solver tries first: each cell and block start as the beliefs say, its own
// choices, or (after a picture) each cell the other way than in that picture and each block
// start as the beliefs say.
enum class Guide { Beliefs, Own, AwayFromModel };

// A literal that always holds, and its negation one that never does: clause() leaves the one
// out of its clause and drops a clause with the other, so neither reaches the solver.
constexpr int kAlways = std::numeric_limits<int>::max();

// Per block of a line, the variables "the block starts at cell p or before": one for each p
// from its first possible start to just before its last, kAlways from its last on, and
// -kAlways before its first.
class StartOrder {
 public:
  // `starts` as blockStarts() gives them for a line with no size-0 block; the variables are
  // numbered on from lastVar.
  StartOrder(const std::vector<LineBits>& starts, int& lastVar) {
    for (LineBits at : starts) {
      first_.push_back(lowestBit(at));
      last_.push_back(highestBit(at));
      base_.push_back(lastVar + 1 - first_.back());
      lastVar += last_.back() - first_.back();
    }
  }

  int by(int block, int p) const {
    if (p < first_[block]) return -kAlways;
    if (p >= last_[block]) return kAlways;
    return base_[block] + p;
  }
  int first(int block) const { return first_[block]; }
  int last(int block) const { return last_[block]; }

 private:
  std::vector<int> first_, last_, base_;
};

class Encoder {
 public:
  Encoder(CaDiCaL::Solver& solver, int rows, int columns)
      : solver_(solver), rows_(rows), columns_(columns), lastVar_(rows * columns) {}

  int cell(int row, int column) const { return 1 + row * columns_ + column; }

  // Clauses wait until every variable is known: the solver then makes room for all of them
  // at once instead of growing its tables variable by variable. Under a guard (setGuard) each
  // clause only holds while the guard is assumed.
  void clause(std::span<const int> literals) {
    if (std::ranges::find(literals, kAlways) != literals.end()) return;
    for (int literal : literals)
      if (literal != -kAlways) pending_.push_back(literal);
    if (guard_ != 0) pending_.push_back(-guard_);
    pending_.push_back(0);
  }
  void clause(std::initializer_list<int> literals) { clause(std::span(literals)); }

  int newVariable() { return ++lastVar_; }
  // The clauses added from now on hold only under `literal` (0: unconditionally).
  void setGuard(int literal) { guard_ = literal; }

  // False when `cancel` stopped it (asked every few hundred thousand literals: a large
  // crossword has millions).
  bool flush(const CancelCheck& cancel) {
    solver_.reserve(lastVar_);
    constexpr std::size_t kPollEvery = std::size_t{1} << 18;
    for (std::size_t k = 0; k < pending_.size(); ++k) {
      if (k % kPollEvery == 0 && cancelled(cancel)) return false;
      solver_.add(pending_[k]);
    }
    pending_.clear();
    return true;
  }

  // The line whose cell k has variable cells[k] accepts exactly the placements of `sizes` that
  // agree with its `known` cells. Each block's start is ordered by variables (StartOrder), so
  // that every clause has two or three literals: the compact encoding propagates far faster
  // than one variable per automaton state and cell would, and the hardest crosswords need far
  // fewer conflicts. With a `prior` (per cell, how likely the crossing lines make it filled), each
  // variable is first tried as the line's weighted placements make likelier.
  void line(const std::vector<int>& cells, const std::vector<std::uint8_t>& sizes,
            LineCells known, std::span<const double> prior) {
    std::vector<std::uint8_t> blocks;
    std::ranges::copy_if(sizes, std::back_inserter(blocks),
                         [](std::uint8_t size) { return size > 0; });
    const int length = static_cast<int>(cells.size());
    const std::optional<std::vector<LineBits>> starts = blockStarts(blocks, length, known);
    if (!starts) {  // nothing fits
      clause({});
      return;
    }
    const StartOrder order(*starts, lastVar_);
    const int count = static_cast<int>(blocks.size());
    for (int b = 0; b < count; ++b) {
      for (int p = order.first(b); p < order.last(b); ++p)
        clause({-order.by(b, p), order.by(b, p + 1)});
      // No start where no placement starts the block: the cells imply it, but later.
      for (int p = order.first(b) + 1; p < order.last(b); ++p)
        if (((*starts)[b] >> p & 1) == 0) clause({-order.by(b, p), order.by(b, p - 1)});
      if (b + 1 < count)  // the next block starts after this one and a gap
        for (int p = order.first(b + 1); p < order.last(b + 1); ++p)
          clause({-order.by(b + 1, p), order.by(b, p - blocks[b] - 1)});
    }
    for (int k = 0; k < length; ++k) {
      // Filled when some block has started by cell k and not ended before it ...
      for (int b = 0; b < count; ++b)
        clause({cells[k], -order.by(b, k), order.by(b, k - blocks[b])});
      // ... and empty when the blocks that have started by then have all ended.
      for (int b = 0; b <= count; ++b)
        clause({-cells[k], b == 0 ? -kAlways : -order.by(b - 1, k - blocks[b - 1]),
                b == count ? -kAlways : order.by(b, k)});
    }
    if (!prior.empty()) preferStarts(blocks, known, prior, order);
  }

  // Each variable of `order` as the placements weighted by `prior` make likelier: block b has
  // started by cell p when the line's automaton has read past its first token (LineAutomaton.h:
  // each block's filled cells and its gap) after p + 1 cells.
  void preferStarts(const std::vector<std::uint8_t>& blocks, LineCells known,
                    std::span<const double> prior, const StartOrder& order) {
    const LineAutomaton a = automatonOf(blocks);
    if (!marginals_.compute(a, known, prior)) return;
    int token = 0;  // block b's first token
    for (int b = 0; b < static_cast<int>(blocks.size()); token += blocks[b] + 1, ++b)
      for (int p = order.first(b); p < order.last(b); ++p) {
        double started = 0;
        for (int i = token + 1; i <= a.tokens(); ++i) started += marginals_.state(p + 1, i);
        preferred_.push_back(started > 0.5 ? order.by(b, p) : -order.by(b, p));
      }
  }

  // Forbids `picture`: some cell must differ.
  void exclude(const WorkGrid& picture) {
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c)
        solver_.add(picture.at(c, r) == wcFilled ? -cell(r, c) : cell(r, c));
    solver_.add(0);
  }

  WorkGrid picture() {
    WorkGrid grid;
    grid.assign(columns_, rows_, wcEmpty);
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c)
        if (solver_.val(cell(r, c)) > 0) grid.at(c, r) = wcFilled;
    return grid;
  }

  // Each cell first tried as `beliefs` make likelier; the block starts as line() found.
  void preferCells(const CellBeliefs& beliefs) {
    for (int r = 0; r < rows_; ++r)
      for (int c = 0; c < columns_; ++c)
        preferred_.push_back(beliefs.filled(r, c) > 0.5 ? cell(r, c) : -cell(r, c));
  }

  // The cells of the model just found (right after a satisfiable solve), for
  // Guide::AwayFromModel.
  void rememberModel() {
    model_.clear();
    for (int var = 1; var <= rows_ * columns_; ++var) model_.push_back(solver_.val(var) > 0);
  }

  void guide(Guide guide) {
    switch (guide) {
      case Guide::Beliefs:
        for (int literal : preferred_) solver_.phase(literal);
        break;
      case Guide::Own:
        for (int literal : preferred_) solver_.unphase(std::abs(literal));
        break;
      case Guide::AwayFromModel:
        for (int literal : preferred_) solver_.phase(literal);
        for (int var = 1; var <= static_cast<int>(model_.size()); ++var)
          solver_.phase(model_[var - 1] ? -var : var);
        break;
    }
  }

 private:
  CaDiCaL::Solver& solver_;
  int rows_;
  int columns_;
  int lastVar_;
  int guard_ = 0;
  std::vector<int> pending_;
  LineMarginals marginals_;
  std::vector<int> preferred_;  // the literals to try first, as the beliefs say
  std::vector<bool> model_;     // per cell, filled in the last model
};

constexpr int kSatisfiable = 10;
constexpr int kUnsatisfiable = 20;
// Conflicts of the first turn of a guide, and of the longest.
constexpr int kFirstTurn = 3000;
constexpr int kLongestTurn = 1 << 30;
// How often the thread that waits for the SAT search asks its cancellation check.
constexpr auto kCancelPoll = std::chrono::milliseconds(10);

// CaDiCaL does not ask its terminator while it collects garbage, which on the largest
// crosswords takes a few tenths of a second. So the search runs on a worker thread that owns
// everything it reads and writes here: a cancelled search returns at once and leaves the worker
// to finish and end on its own.
struct HuntRecord {
  SatProblem problem;
  std::vector<WorkGrid> excluded;
  int wanted = 0;
  std::atomic<bool> stop{false};
  std::atomic<long long> conflicts{0};
  std::mutex mutex;  // guards what follows
  std::condition_variable finished;
  bool done = false;
  SatAnswer answer;  // the pictures as they are found
};

// The cells the beliefs are surest of, assumed in the beliefs' turns until a picture is found:
// where the beliefs are right nearly everywhere (most random pictures), the solver then searches
// only the rest. A contradiction under them drops the least sure quarter of those it used, and
// the turn starts again without them; one that used none means there is no picture at all.
class SureCells {
 public:
  SureCells(const SatProblem& problem, const CellBeliefs& beliefs, const Encoder& encoder) {
    for (int r = 0; r < static_cast<int>(problem.rowSizes.size()); ++r)
      for (int c = 0; c < static_cast<int>(problem.columnSizes.size()); ++c) {
        const double filled = beliefs.filled(r, c);
        const double sureness = std::abs(filled - 0.5);
        if (((problem.knownRows[r].filled | problem.knownRows[r].empty) >> c & 1) == 0 &&
            sureness > kSurenessAssumed)
          cells_.push_back({filled > 0.5 ? encoder.cell(r, c) : -encoder.cell(r, c), sureness});
      }
    std::ranges::sort(cells_, {}, &Sure::sureness);
  }

  void assume(CaDiCaL::Solver& solver) const {
    for (const Sure& sure : cells_) solver.assume(sure.literal);
  }

  // After an unsatisfiable solve under assume(): false when the contradiction used none of them.
  bool dropFailed(CaDiCaL::Solver& solver) {
    std::vector<int> failed;  // least sure first
    for (const Sure& sure : cells_)
      if (solver.failed(sure.literal)) failed.push_back(sure.literal);
    if (failed.empty()) return false;
    failed.resize((failed.size() + 3) / 4);
    std::ranges::sort(failed);
    std::erase_if(cells_, [&](const Sure& sure) {
      return std::ranges::binary_search(failed, sure.literal);
    });
    return true;
  }

 private:
  // Beliefs above 0.9 or below 0.1: on random pictures nearly all are right, and most cells
  // have them.
  static constexpr double kSurenessAssumed = 0.4;
  struct Sure {
    int literal;
    double sureness;  // |belief - 1/2|
  };
  std::vector<Sure> cells_;  // least sure first
};

// Looks for pictures with one SAT solver, whose own choices take turns with the beliefs: these
// mislead on some crosswords (where many pictures nearly fit they hover about one half), the
// solver's own choices on others.
class PictureHunt {
 public:
  PictureHunt(HuntRecord& record, const CellBeliefs& beliefs)
      : record_(record),
        beliefs_(beliefs),
        known_(record.excluded),
        cancel_([&record] { return record.stop.load(std::memory_order_relaxed); }) {}

  // False when stopped.
  bool run();

 private:
  bool encode(Encoder& encode) const;
  void keep(Encoder& encoder, WorkGrid picture);
  bool enough() const { return found_ >= record_.wanted; }

  HuntRecord& record_;
  const CellBeliefs& beliefs_;
  std::vector<WorkGrid> known_;  // every picture excluded so far
  CancelCheck cancel_;
  int found_ = 0;
  bool stopped_ = false;
};

}  // namespace

LineCells knownInColumn(const SatProblem& problem, int column) {
  LineCells known;
  for (std::size_t r = 0; r < problem.knownRows.size(); ++r) {
    known.filled |= LineBits{problem.knownRows[r].filled >> column & 1} << r;
    known.empty |= LineBits{problem.knownRows[r].empty >> column & 1} << r;
  }
  return known;
}

namespace {

// Every line, the known cells and the pictures found so far. False when the check stopped it.
bool PictureHunt::encode(Encoder& encode) const {
  const SatProblem& problem = record_.problem;
  const int rows = static_cast<int>(problem.rowSizes.size());
  const int columns = static_cast<int>(problem.columnSizes.size());
  // A large crossword takes a while to encode: the check is asked after every line.
  std::vector<int> cells;
  std::vector<double> prior;
  for (int r = 0; r < rows; ++r) {
    if (cancelled(cancel_)) return false;
    cells.clear();
    for (int c = 0; c < columns; ++c) cells.push_back(encode.cell(r, c));
    encode.line(cells, problem.rowSizes[r], problem.knownRows[r],
                std::span(beliefs_.fromColumns)
                    .subspan(static_cast<std::size_t>(r) * columns, columns));
  }
  for (int c = 0; c < columns; ++c) {
    if (cancelled(cancel_)) return false;
    cells.clear();
    prior.clear();
    for (int r = 0; r < rows; ++r) {
      cells.push_back(encode.cell(r, c));
      prior.push_back(beliefs_.fromRows[static_cast<std::size_t>(r) * columns + c]);
    }
    encode.line(cells, problem.columnSizes[c], knownInColumn(problem, c), prior);
  }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      if (problem.knownRows[r].filled >> c & 1) encode.clause({encode.cell(r, c)});
      if (problem.knownRows[r].empty >> c & 1) encode.clause({-encode.cell(r, c)});
    }
  if (!encode.flush(cancel_)) return false;
  encode.preferCells(beliefs_);
  for (const WorkGrid& picture : known_) encode.exclude(picture);
  return true;
}

bool PictureHunt::run() {
  const SatProblem& problem = record_.problem;
  CaDiCaL::Solver solver;
  solver.set("quiet", 1);  // it would report an unsatisfiable clause on stdout
  Encoder encoder(solver, static_cast<int>(problem.rowSizes.size()),
                  static_cast<int>(problem.columnSizes.size()));
  if (!encode(encoder)) return false;
  Terminator terminator(cancel_);
  solver.connect_terminator(&terminator);
  ConflictCounter counter(record_.conflicts);
  solver.connect_learner(&counter);
  // Each turn has twice the conflicts of the one before, the beliefs' first. After a picture,
  // the first turn looks away from it.
  SureCells sure(problem, beliefs_, encoder);
  Guide guide = Guide::Beliefs;
  int budget = kFirstTurn;
  bool over = false;
  while (!over && !enough()) {
    encoder.guide(guide);
    // Once a picture is known the beliefs mostly point at it: no help towards another.
    const bool assuming = guide == Guide::Beliefs && known_.empty();
    if (assuming) sure.assume(solver);
    solver.limit("conflicts", budget);
    const int status = solver.solve();
    if (status == kUnsatisfiable && assuming && sure.dropFailed(solver)) continue;
    if (status == kUnsatisfiable) {
      over = true;
    } else if (status != kSatisfiable && cancelled(cancel_)) {
      stopped_ = true;
      over = true;
    } else if (status != kSatisfiable) {
      guide = guide == Guide::Beliefs ? Guide::Own : Guide::Beliefs;
      budget = std::min(budget, kLongestTurn / 2) * 2;
    } else {
      // Another picture mostly differs from this one in few cells: first a swap of four cells,
      // then a short search that tries each cell's other value first.
      WorkGrid found = encoder.picture();
      encoder.rememberModel();
      keep(encoder, std::move(found));
      if (enough()) break;
      if (std::optional<WorkGrid> swapped = swappedPicture(known_.back(), problem, known_)) {
        keep(encoder, std::move(*swapped));
        continue;
      }
      guide = Guide::AwayFromModel;
      budget = kFirstTurn;
    }
  }
  solver.disconnect_terminator();
  solver.disconnect_learner();
  return !stopped_;
}

void PictureHunt::keep(Encoder& encoder, WorkGrid picture) {
  encoder.exclude(picture);
  known_.push_back(picture);
  ++found_;
  const std::lock_guard lock(record_.mutex);
  record_.answer.pictures.push_back(std::move(picture));
}

// The worker's part: beliefs, then the stages; the record says when it is done.
void huntPictures(const std::shared_ptr<HuntRecord>& record) {
  const CancelCheck stopped = [&record] { return record->stop.load(std::memory_order_relaxed); };
  const std::optional<CellBeliefs> beliefs = cellBeliefs(record->problem, stopped);
  const bool whole = beliefs && PictureHunt(*record, *beliefs).run();
  const std::lock_guard lock(record->mutex);
  record->answer.complete = whole;
  record->done = true;
  record->finished.notify_one();
}

}  // namespace

SatAnswer satPictures(const SatProblem& problem, const std::vector<WorkGrid>& excluded,
                      int wanted, const CancelCheck& cancel,
                      std::atomic<long long>* conflicts) {
  const auto record = std::make_shared<HuntRecord>();
  record->problem = problem;
  record->excluded = excluded;
  record->wanted = wanted;
  std::thread worker(huntPictures, record);
  long long reported = 0;
  const auto report = [&] {
    const long long now = record->conflicts.load(std::memory_order_relaxed);
    if (conflicts) conflicts->fetch_add(now - reported, std::memory_order_relaxed);
    reported = now;
  };
  std::unique_lock lock(record->mutex);
  while (!record->finished.wait_for(lock, kCancelPoll, [&] { return record->done; })) {
    report();
    if (!cancelled(cancel)) continue;
    record->stop = true;
    worker.detach();
    return {false, record->answer.pictures};  // the pictures found so far
  }
  lock.unlock();
  worker.join();
  report();
  return std::move(record->answer);
}

LineCoreSolver::LineCoreSolver(const ClueSizes& rows, const ClueSizes& columns)
    : solver_(std::make_unique<CaDiCaL::Solver>()) {
  solver_->set("quiet", 1);
  const int rowCount = static_cast<int>(rows.size());
  const int columnCount = static_cast<int>(columns.size());
  Encoder encode(*solver_, rowCount, columnCount);
  std::vector<int> cells;
  const auto guarded = [&](const std::vector<std::uint8_t>& sizes) {
    guards_.push_back(encode.newVariable());
    encode.setGuard(guards_.back());
    encode.line(cells, sizes, {}, {});
  };
  for (int r = 0; r < rowCount; ++r) {
    cells.clear();
    for (int c = 0; c < columnCount; ++c) cells.push_back(encode.cell(r, c));
    guarded(rows[r]);
  }
  for (int c = 0; c < columnCount; ++c) {
    cells.clear();
    for (int r = 0; r < rowCount; ++r) cells.push_back(encode.cell(r, c));
    guarded(columns[c]);
  }
  static_cast<void>(encode.flush({}));
}

LineCoreSolver::~LineCoreSolver() = default;

LineCoreAnswer LineCoreSolver::core(const std::vector<int>& lines, const CancelCheck& cancel) {
  for (int line : lines) solver_->assume(guards_[line]);
  Terminator terminator(cancel);
  solver_->connect_terminator(&terminator);
  const int status = solver_->solve();
  solver_->disconnect_terminator();
  LineCoreAnswer answer;
  answer.complete = status == kSatisfiable || status == kUnsatisfiable;
  answer.contradictory = status == kUnsatisfiable;
  if (answer.contradictory)
    for (int line : lines)
      if (solver_->failed(guards_[line])) answer.lines.push_back(line);
  return answer;
}

}  // namespace jcw
