#include "solver/LineMarginals.h"

namespace jcw {

namespace {

// Scales the `count` values from `first` to sum 1; false when they sum to nothing.
bool normalise(double* first, int count) {
  double sum = 0;
  for (int i = 0; i < count; ++i) sum += first[i];
  if (!(sum > 0)) return false;
  for (int i = 0; i < count; ++i) first[i] /= sum;
  return true;
}

}  // namespace

// The weight of cell k having value v; the extra cell after the line is always empty.
double LineMarginals::weight(int k, int v) const {
  const int length = static_cast<int>(prior_.size());
  if (k == length) return v == 0 ? 1 : 0;
  if ((v == 1 ? known_.empty : known_.filled) >> k & 1) return 0;
  return v == 1 ? prior_[k] : 1 - prior_[k];
}

bool LineMarginals::compute(const LineAutomaton& automaton, LineCells known,
                            std::span<const double> prior) {
  automaton_ = &automaton;
  known_ = known;
  prior_ = prior;
  const int length = static_cast<int>(prior.size());
  const int positions = length + 2;
  states_ = automaton.tokens() + 1;
  forward_.assign(static_cast<std::size_t>(positions) * states_, 0);
  backward_.assign(forward_.size(), 0);
  filled_.assign(length, 0);
  const auto at = [&](std::vector<double>& values, int k) { return values.data() + k * states_; };

  at(forward_, 0)[0] = 1;
  for (int k = 0; k <= length; ++k) {
    const double* from = at(forward_, k);
    double* to = at(forward_, k + 1);
    for (int i = 0; i < states_; ++i)
      if (from[i] > 0)
        for (int v : {0, 1})
          if (const int j = automaton.next(i, v); j >= 0) to[j] += from[i] * weight(k, v);
    if (!normalise(to, states_)) return false;
  }
  if (!(at(forward_, length + 1)[states_ - 1] > 0)) return false;

  at(backward_, length + 1)[states_ - 1] = 1;
  for (int k = length; k >= 0; --k) {
    const double* after = at(backward_, k + 1);
    double* before = at(backward_, k);
    double filledWeight = 0;
    double total = 0;
    for (int i = 0; i < states_; ++i) {
      for (int v : {0, 1}) {
        const int j = automaton.next(i, v);
        if (j < 0) continue;
        const double onward = weight(k, v) * after[j];
        before[i] += onward;
        const double through = at(forward_, k)[i] * onward;
        total += through;
        if (v == 1) filledWeight += through;
      }
    }
    if (k < length) filled_[k] = total > 0 ? filledWeight / total : 0;
    normalise(before, states_);
  }
  passing_.assign(positions, 0);
  for (int k = 0; k < positions; ++k)
    for (int i = 0; i < states_; ++i) passing_[k] += at(forward_, k)[i] * at(backward_, k)[i];
  return true;
}

double LineMarginals::state(int k, int i) const {
  const std::size_t at = static_cast<std::size_t>(k) * states_ + i;
  return passing_[k] > 0 ? forward_[at] * backward_[at] / passing_[k] : 0;
}

}  // namespace jcw
