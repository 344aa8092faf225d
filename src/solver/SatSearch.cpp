#include "solver/SatSearch.h"

#include <cadical.hpp>

#include <algorithm>

namespace jcw {

namespace {

// A line's clues as tokens over the line and its extra trailing cell: each block's filled cells
// and its gap, a size-0 block just its gap. A state is the number of tokens read; a state marked
// `loop` also reads empties and stays (before each block of filled cells, and at the end), so
// every state reads each cell value one way at most.
struct Automaton {
  std::vector<bool> filled;  // per token
  std::vector<bool> loop;    // per state, 0..tokens
};

Automaton automatonOf(const std::vector<std::uint8_t>& sizes) {
  Automaton a;
  for (std::uint8_t size : sizes) {
    if (size > 0) {
      a.loop.resize(a.filled.size() + 1, false);
      a.loop.back() = true;
      a.filled.insert(a.filled.end(), size, true);
    }
    a.filled.push_back(false);
  }
  a.loop.resize(a.filled.size() + 1, false);
  a.loop.back() = true;
  return a;
}

class Terminator : public CaDiCaL::Terminator {
 public:
  explicit Terminator(const CancelCheck& cancel) : cancel_(cancel) {}
  bool terminate() override { return cancelled(cancel_); }

 private:
  const CancelCheck& cancel_;
};

class Encoder {
 public:
  Encoder(CaDiCaL::Solver& solver, int rows, int columns)
      : solver_(solver), rows_(rows), columns_(columns), lastVar_(rows * columns) {}

  int cell(int row, int column) const { return 1 + row * columns_ + column; }

  // Clauses wait until every variable is known: the solver then makes room for all of them
  // at once instead of growing its tables variable by variable.
  void clause(std::initializer_list<int> literals) {
    pending_.insert(pending_.end(), literals);
    pending_.push_back(0);
  }

  void flush() {
    solver_.reserve(lastVar_);
    for (int literal : pending_) solver_.add(literal);
    pending_.clear();
  }

  // The line whose cell k has variable cells[k] accepts exactly the placements of `sizes` that
  // agree with its `known` cells.
  void line(const std::vector<int>& cells, const std::vector<std::uint8_t>& sizes,
            LineCells known) {
    const Automaton a = automatonOf(sizes);
    const int length = static_cast<int>(cells.size());
    const int tokens = static_cast<int>(a.filled.size());
    // Cell k: 1 filled, 0 empty, -1 open; the extra cell is empty.
    const auto value = [&](int k) {
      if (k == length || (known.empty >> k & 1)) return 0;
      return (known.filled >> k & 1) ? 1 : -1;
    };
    // The state after reading cell k with value v from state i; -1 where there is none.
    const auto next = [&](int i, int v) {
      if (v == 1) return i < tokens && a.filled[i] ? i + 1 : -1;
      if (a.loop[i]) return i;
      return i < tokens && !a.filled[i] ? i + 1 : -1;
    };
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
    if (state[0][0] == 0) {  // nothing fits
      pending_.push_back(0);
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

 private:
  CaDiCaL::Solver& solver_;
  int rows_;
  int columns_;
  int lastVar_;
  std::vector<int> pending_;
};

constexpr int kSatisfiable = 10;
constexpr int kUnsatisfiable = 20;

}  // namespace

SatAnswer satPictures(const SatProblem& problem, const std::vector<WorkGrid>& excluded,
                      int wanted, const CancelCheck& cancel) {
  const int rows = static_cast<int>(problem.rowSizes.size());
  const int columns = static_cast<int>(problem.columnSizes.size());
  CaDiCaL::Solver solver;
  solver.set("quiet", 1);  // it would report an unsatisfiable clause on stdout
  Encoder encode(solver, rows, columns);
  SatAnswer answer;
  // A large crossword takes a while to encode: the check is asked after every line.
  std::vector<int> cells;
  for (int r = 0; r < rows; ++r) {
    if (cancelled(cancel)) return {false, {}};
    cells.clear();
    for (int c = 0; c < columns; ++c) cells.push_back(encode.cell(r, c));
    encode.line(cells, problem.rowSizes[r], problem.knownRows[r]);
  }
  for (int c = 0; c < columns; ++c) {
    if (cancelled(cancel)) return {false, {}};
    cells.clear();
    LineCells known;
    for (int r = 0; r < rows; ++r) {
      cells.push_back(encode.cell(r, c));
      known.filled |= LineBits{problem.knownRows[r].filled >> c & 1} << r;
      known.empty |= LineBits{problem.knownRows[r].empty >> c & 1} << r;
    }
    encode.line(cells, problem.columnSizes[c], known);
  }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      if (problem.knownRows[r].filled >> c & 1) encode.clause({encode.cell(r, c)});
      if (problem.knownRows[r].empty >> c & 1) encode.clause({-encode.cell(r, c)});
    }
  encode.flush();
  for (const WorkGrid& picture : excluded) encode.exclude(picture);

  Terminator terminator(cancel);
  solver.connect_terminator(&terminator);
  while (static_cast<int>(answer.pictures.size()) < wanted) {
    const int status = solver.solve();
    if (status == kUnsatisfiable) break;
    if (status != kSatisfiable) {
      answer.complete = false;
      break;
    }
    answer.pictures.push_back(encode.picture());
    encode.exclude(answer.pictures.back());
  }
  solver.disconnect_terminator();
  return answer;
}

}  // namespace jcw
