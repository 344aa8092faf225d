#include "solver/BlockStarts.h"

#include "solver/LineAutomaton.h"

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

}  // namespace

std::optional<std::vector<LineBits>> blockStarts(std::span<const std::uint8_t> sizes, int length,
                                                 LineCells known) {
  if (length < 0 || length > kMaxLineLength) return std::nullopt;
  const LineAutomaton automaton = automatonOf(sizes);
  const Reach reach(automaton, length, known);
  if (!reach.fits()) return std::nullopt;
  std::vector<LineBits> starts(sizes.size(), 0);
  int token = 0;  // the block's first token: its first filled cell
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    if (sizes[j] > 0)
      for (int k = 0; k < length; ++k)
        if (reach.fillsFrom(k, token)) starts[j] |= LineBits{1} << k;
    token += sizes[j] + 1;
  }
  return starts;
}

}  // namespace jcw
