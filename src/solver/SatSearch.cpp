#include "solver/SatSearch.h"

#include <cadical.hpp>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

#include "solver/BeliefPropagation.h"
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

// What the SAT solver tries first: each cell and state as the beliefs say, its own choices, or
// (after a picture) each cell the other way than in that picture and each state as the beliefs
// say.
enum class Guide { Beliefs, Own, AwayFromModel };

// How much each line's encoding says beyond what a correct picture needs.
enum class Strength {
  Plain,      // a run of states forced forwards from the first cell
  Supported,  // also: every state has a neighbour on both sides, every cell value a state
};

class Encoder {
 public:
  Encoder(CaDiCaL::Solver& solver, int rows, int columns, Strength strength = Strength::Plain)
      : solver_(solver),
        rows_(rows),
        columns_(columns),
        lastVar_(rows * columns),
        strength_(strength) {}

  int cell(int row, int column) const { return 1 + row * columns_ + column; }

  // Clauses wait until every variable is known: the solver then makes room for all of them
  // at once instead of growing its tables variable by variable. Under a guard (setGuard) each
  // clause only holds while the guard is assumed.
  void clause(std::span<const int> literals) {
    pending_.insert(pending_.end(), literals.begin(), literals.end());
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
  // agree with its `known` cells. With a `prior` (per cell, how likely the crossing lines make
  // it filled), each state is first tried as the line's weighted placements make likelier.
  void line(const std::vector<int>& cells, const std::vector<std::uint8_t>& sizes,
            LineCells known, std::span<const double> prior) {
    const LineAutomaton a = automatonOf(sizes);
    const int length = static_cast<int>(cells.size());
    const int tokens = a.tokens();
    // Cell k: 1 filled, 0 empty, -1 open; the extra cell is empty.
    const auto value = [&](int k) {
      if (k == length || (known.empty >> k & 1)) return 0;
      return (known.filled >> k & 1) ? 1 : -1;
    };
    const auto next = [&](int i, int v) { return a.next(i, v); };
    // Only states on some run that agrees with the known cells get a variable.
    std::vector<std::vector<char>> live(length + 2, std::vector<char>(tokens + 1, 0));
    live[0][0] = 1;
    for (int k = 0; k <= length; ++k)
      for (int i = 0; i <= tokens; ++i)
        if (live[k][i])
          for (int v : {0, 1})
            if ((value(k) < 0 || value(k) == v) && next(i, v) >= 0) live[k + 1][next(i, v)] = 1;
    std::vector<std::vector<int>> state(length + 2, std::vector<int>(tokens + 1, 0));
    state[length + 1][tokens] = live[length + 1][tokens] ? ++lastVar_ : 0;
    for (int k = length; k >= 0; --k)
      for (int i = 0; i <= tokens; ++i) {
        if (!live[k][i]) continue;
        bool onward = false;
        for (int v : {0, 1})
          onward = onward ||
                   ((value(k) < 0 || value(k) == v) && next(i, v) >= 0 && state[k + 1][next(i, v)]);
        if (onward) state[k][i] = ++lastVar_;
      }
    if (!prior.empty() && marginals_.compute(a, known, prior))
      for (int k = 0; k <= length + 1; ++k)
        for (int i = 0; i <= tokens; ++i)
          if (const int var = state[k][i])
            preferred_.push_back(marginals_.state(k, i) > 0.5 ? var : -var);
    if (state[0][0] == 0) {  // nothing fits
      clause({});
      return;
    }
    clause({state[0][0]});
    for (int k = 0; k <= length; ++k) {
      for (int i = 0; i <= tokens; ++i) {
        const int at = state[k][i];
        if (at == 0) continue;
        for (int v : {0, 1}) {
          const int to = next(i, v) >= 0 ? state[k + 1][next(i, v)] : 0;
          if (k == length) {  // the extra cell, always empty
            if (v == 0) to ? clause({-at, to}) : clause({-at});
            continue;
          }
          const int x = v == 1 ? cells[k] : -cells[k];  // true when cell k has value v
          to ? clause({-at, -x, to}) : clause({-at, -x});
        }
      }
    }
    if (strength_ == Strength::Supported) supports(cells, a, state, value);
  }

  // Clauses that every picture satisfies anyway but that let unit propagation reason more as a
  // line solver does: a state with no live state before it or after it is out, and so is a
  // cell value that no live state reads. On the hardest crosswords clause learning then needs
  // far fewer conflicts; on easier ones the extra clauses cost more than they save.
  // state[k][i]: the variable of state i after k cells (0: on no run); value(k) as in line().
  template <typename Value>
  void supports(const std::vector<int>& cells, const LineAutomaton& a,
                const std::vector<std::vector<int>>& state, Value value) {
    const int length = static_cast<int>(cells.size());
    const int tokens = a.tokens();
    const auto readable = [&](int k, int v) { return value(k) < 0 || value(k) == v; };
    // The variable of the state after reading v in state i at cell k; 0 when it is on no run.
    const auto after = [&](int k, int i, int v) {
      return readable(k, v) && a.next(i, v) >= 0 ? state[k + 1][a.next(i, v)] : 0;
    };
    std::vector<int> literals;
    for (int k = 0; k <= length + 1; ++k) {
      literals.clear();  // some state after k cells
      for (int i = 0; i <= tokens; ++i)
        if (state[k][i]) literals.push_back(state[k][i]);
      if (!literals.empty()) clause(literals);
      for (int i = 0; i <= tokens; ++i) {
        if (!state[k][i]) continue;
        if (k <= length) {  // a state leads on
          literals.assign({-state[k][i]});
          for (int v : {0, 1})
            if (const int to = after(k, i, v)) literals.push_back(to);
          clause(literals);
        }
        if (k >= 1) {  // and is led to
          literals.assign({-state[k][i]});
          for (int from = 0; from <= tokens; ++from)
            if (state[k - 1][from] && (after(k - 1, from, 0) == state[k][i] ||
                                       after(k - 1, from, 1) == state[k][i]))
              literals.push_back(state[k - 1][from]);
          clause(literals);
        }
      }
      if (k < length)
        for (int v : {0, 1}) {  // a cell value is read by some state
          if (!readable(k, v)) continue;
          literals.assign({v == 1 ? -cells[k] : cells[k]});
          for (int i = 0; i <= tokens; ++i)
            if (state[k][i] && after(k, i, v)) literals.push_back(state[k][i]);
          clause(literals);
        }
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

  // Each cell first tried as `beliefs` make likelier; the states as line() found.
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
  Strength strength_;
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

// One SAT solver's part of the search. Most crosswords that reach the SAT solver at all are
// answered within a few short turns of the plain encoding, the solver's own choices taking turns
// with the beliefs (which mislead on some: where many pictures nearly fit they hover about one
// half, and the solver's own choices fail on others). The hardest ones go on in a fresh solver
// with the supported encoding, always trying the beliefs first: rigid guidance with stronger
// propagation finds pictures there that neither finds alone (survey-faase: none in two minutes
// of the turns on the plain encoding, about 30 s this way).
struct Stage {
  Strength strength;
  bool ownTurns;    // the solver's own choices take turns with the beliefs
  int longestTurn;  // conflicts; a longer turn goes to the next stage (0: none does)
};
constexpr Stage kStages[] = {{Strength::Plain, true, 2 * kFirstTurn},
                             {Strength::Supported, false, 0}};

// CaDiCaL does not ask its terminator while it collects garbage, which on the largest
// crosswords takes a few tenths of a second. So the search runs on a worker thread that owns
// everything it reads and writes here: a cancelled search returns at once and leaves the worker
// to finish and end on its own.
struct HuntRecord {
  SatProblem problem;
  std::vector<WorkGrid> excluded;
  int wanted = 0;
  SatStart start = SatStart::Plain;
  std::atomic<bool> stop{false};
  std::atomic<long long> conflicts{0};
  std::mutex mutex;  // guards what follows
  std::condition_variable finished;
  bool done = false;
  SatAnswer answer;  // the pictures as they are found
};

// Looks for pictures stage by stage, each stage with its own SAT solver.
class PictureHunt {
 public:
  PictureHunt(HuntRecord& record, const CellBeliefs& beliefs)
      : record_(record),
        beliefs_(beliefs),
        known_(record.excluded),
        cancel_([&record] { return record.stop.load(std::memory_order_relaxed); }) {}

  // False when stopped.
  bool run() {
    for (const Stage& stage :
         std::span(kStages).subspan(record_.start == SatStart::Supported ? 1 : 0))
      if (search(stage)) break;
    return !stopped_;
  }

 private:
  bool encode(Encoder& encode) const;
  bool search(const Stage& stage);
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

// True when the search is over: every wanted picture found, no other left, or stopped.
bool PictureHunt::search(const Stage& stage) {
  const SatProblem& problem = record_.problem;
  CaDiCaL::Solver solver;
  solver.set("quiet", 1);  // it would report an unsatisfiable clause on stdout
  Encoder encoder(solver, static_cast<int>(problem.rowSizes.size()),
                  static_cast<int>(problem.columnSizes.size()), stage.strength);
  if (!encode(encoder)) {
    stopped_ = true;
    return true;
  }
  Terminator terminator(cancel_);
  solver.connect_terminator(&terminator);
  ConflictCounter counter(record_.conflicts);
  solver.connect_learner(&counter);
  // Each turn has twice the conflicts of the one before, the solver's own first where it takes
  // turns (a short turn is enough on sparse pictures, where the beliefs mislead most). After a
  // picture, the first turn looks away from it.
  Guide guide = stage.ownTurns ? Guide::Own : Guide::Beliefs;
  int budget = kFirstTurn;
  bool over = false;
  while (!over && !enough()) {
    encoder.guide(guide);
    solver.limit("conflicts", budget);
    const int status = solver.solve();
    if (status == kUnsatisfiable) {
      over = true;
    } else if (status != kSatisfiable && cancelled(cancel_)) {
      stopped_ = true;
      over = true;
    } else if (status != kSatisfiable) {
      if (stage.longestTurn > 0 && budget >= stage.longestTurn) break;
      guide = guide == Guide::Beliefs && stage.ownTurns ? Guide::Own : Guide::Beliefs;
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
  return over || enough();
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
                      std::atomic<long long>* conflicts, SatStart start) {
  const auto record = std::make_shared<HuntRecord>();
  record->problem = problem;
  record->excluded = excluded;
  record->wanted = wanted;
  record->start = start;
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
