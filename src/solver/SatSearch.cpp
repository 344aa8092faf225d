#include "solver/SatSearch.h"

#include <cadical.hpp>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>

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

class Encoder {
 public:
  Encoder(CaDiCaL::Solver& solver, int rows, int columns)
      : solver_(solver), rows_(rows), columns_(columns), lastVar_(rows * columns) {}

  int cell(int row, int column) const { return 1 + row * columns_ + column; }

  // Clauses wait until every variable is known: the solver then makes room for all of them
  // at once instead of growing its tables variable by variable. Under a guard (setGuard) each
  // clause only holds while the guard is assumed.
  void clause(std::initializer_list<int> literals) {
    pending_.insert(pending_.end(), literals);
    if (guard_ != 0) pending_.push_back(-guard_);
    pending_.push_back(0);
  }

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

}  // namespace

LineCells knownInColumn(const SatProblem& problem, int column) {
  LineCells known;
  for (std::size_t r = 0; r < problem.knownRows.size(); ++r) {
    known.filled |= LineBits{problem.knownRows[r].filled >> column & 1} << r;
    known.empty |= LineBits{problem.knownRows[r].empty >> column & 1} << r;
  }
  return known;
}

SatAnswer satPictures(const SatProblem& problem, const std::vector<WorkGrid>& excluded,
                      int wanted, const CancelCheck& cancel,
                      std::atomic<long long>* conflicts) {
  const int rows = static_cast<int>(problem.rowSizes.size());
  const int columns = static_cast<int>(problem.columnSizes.size());
  const std::optional<CellBeliefs> beliefs = cellBeliefs(problem, cancel);
  if (!beliefs) return {false, {}};
  CaDiCaL::Solver solver;
  solver.set("quiet", 1);  // it would report an unsatisfiable clause on stdout
  Encoder encode(solver, rows, columns);
  // A large crossword takes a while to encode: the check is asked after every line.
  std::vector<int> cells;
  std::vector<double> prior;
  for (int r = 0; r < rows; ++r) {
    if (cancelled(cancel)) return {false, {}};
    cells.clear();
    for (int c = 0; c < columns; ++c) cells.push_back(encode.cell(r, c));
    encode.line(cells, problem.rowSizes[r], problem.knownRows[r],
                std::span(beliefs->fromColumns).subspan(static_cast<std::size_t>(r) * columns, columns));
  }
  for (int c = 0; c < columns; ++c) {
    if (cancelled(cancel)) return {false, {}};
    cells.clear();
    prior.clear();
    for (int r = 0; r < rows; ++r) {
      cells.push_back(encode.cell(r, c));
      prior.push_back(beliefs->fromRows[static_cast<std::size_t>(r) * columns + c]);
    }
    encode.line(cells, problem.columnSizes[c], knownInColumn(problem, c), prior);
  }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      if (problem.knownRows[r].filled >> c & 1) encode.clause({encode.cell(r, c)});
      if (problem.knownRows[r].empty >> c & 1) encode.clause({-encode.cell(r, c)});
    }
  if (!encode.flush(cancel)) return {false, {}};
  encode.preferCells(*beliefs);
  std::vector<WorkGrid> known = excluded;
  for (const WorkGrid& picture : excluded) encode.exclude(picture);

  SatAnswer answer;
  Terminator terminator(cancel);
  solver.connect_terminator(&terminator);
  std::optional<ConflictCounter> counter;
  if (conflicts) solver.connect_learner(&counter.emplace(*conflicts));
  const auto keep = [&](WorkGrid picture) {
    encode.exclude(picture);
    known.push_back(picture);
    answer.pictures.push_back(std::move(picture));
  };
  // The beliefs mislead on some crosswords (where many pictures nearly fit they hover about one
  // half), and the SAT solver's own choices fail on others: the two take turns, each turn with
  // twice the conflicts of the one before, the solver's own first (a short turn is enough on
  // sparse pictures, where the beliefs mislead most). After a picture, the first turn looks away
  // from it.
  Guide guide = Guide::Own;
  int budget = kFirstTurn;
  while (static_cast<int>(answer.pictures.size()) < wanted) {
    encode.guide(guide);
    solver.limit("conflicts", budget);
    const int status = solver.solve();
    if (status == kUnsatisfiable) break;
    if (status != kSatisfiable) {
      if (cancelled(cancel)) {
        answer.complete = false;
        break;
      }
      guide = guide == Guide::Beliefs ? Guide::Own : Guide::Beliefs;
      budget = std::min(budget, kLongestTurn / 2) * 2;
      continue;
    }
    WorkGrid found = encode.picture();
    // Another picture mostly differs from this one in few cells: first a swap of four cells,
    // then a short search that tries each cell's other value first.
    encode.rememberModel();
    keep(std::move(found));
    if (static_cast<int>(answer.pictures.size()) == wanted) break;
    if (std::optional<WorkGrid> swapped = swappedPicture(known.back(), problem, known)) {
      keep(std::move(*swapped));
      continue;
    }
    guide = Guide::AwayFromModel;
    budget = kFirstTurn;
  }
  solver.disconnect_terminator();
  if (conflicts) solver.disconnect_learner();
  return answer;
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
