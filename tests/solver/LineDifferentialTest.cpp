// The fast line solver against the enumerating reference: every short line, then random longer
// ones.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/LineEnumeration.h"
#include "solver/LineSolver.h"
#include "solver/RandomSeed.h"
#include "solver/SolverText.h"
#include "solver/LineState.h"

namespace jcw {
namespace {

// Every line up to 8 cells takes about a second optimised; unoptimised (sanitizer) builds, some
// forty times slower, stop at 7.
#ifdef NDEBUG
constexpr int kExhaustiveLength = 8;
#else
constexpr int kExhaustiveLength = 7;
#endif

std::string cluesText(const std::vector<int>& clues) {
  std::string text;
  for (int clue : clues) text += std::to_string(clue) + " ";
  return text;
}

class Comparison {
 public:
  explicit Comparison(int maxLength) : all_(maxLength), any_(maxLength), fastAll_(maxLength),
                                       fastAny_(maxLength) {
    fast_.reserve(maxLength + 2);
  }

  // The line every following compare() solves.
  void setClues(const std::vector<int>& clues, int length) {
    clues_ = clues;
    setLineClues(line_, 1, length, clues);
  }

  // Both solvers on `cells`; a gtest failure names the line when they differ. Returns whether
  // the reference found a fitting placement.
  bool compare(std::vector<std::uint8_t>& cells) {
    const int length = static_cast<int>(cells.size());
    const LineView view(cells.data(), 1, length);
    const bool fits = enumerateLine(line_, view, all_, any_);
    const bool fastFits = fast_.solve(line_, view, fastAll_, fastAny_);
    const bool same = fits == fastFits &&
                      std::equal(all_.begin(), all_.begin() + length, fastAll_.begin()) &&
                      std::equal(any_.begin(), any_.begin() + length, fastAny_.begin());
    EXPECT_TRUE(same) << "clues " << cluesText(clues_) << "line " << test::lineText(cells);
    return fits;
  }

 private:
  std::vector<int> clues_;
  LineState line_;
  LineSolver fast_;
  std::vector<std::uint8_t> all_, any_, fastAll_, fastAny_;
};

// Every clue list whose blocks with one gap each need at most `budget` cells, zeros included.
void forEachClueList(int budget, std::vector<int>& clues,
                     const std::function<void(const std::vector<int>&)>& visit) {
  visit(clues);
  for (int size = 0; size + 1 <= budget; ++size) {
    clues.push_back(size);
    forEachClueList(budget - size - 1, clues, visit);
    clues.pop_back();
  }
}

// Every line of `length` cells, each filled, empty or unknown.
void forEachMarking(int length, const std::function<void(std::vector<std::uint8_t>&)>& visit) {
  std::vector<std::uint8_t> cells(length, wcEmpty);
  for (;;) {
    visit(cells);
    int k = 0;
    while (k < length && cells[k] == wcUnknown) cells[k++] = wcEmpty;
    if (k == length) return;
    ++cells[k];
  }
}

TEST(LineSolverAgainstEnumeration, AgreesOnEveryShortLineClueListAndMarking) {
  Comparison comparison(kExhaustiveLength);
  int lines = 0;
  int fitting = 0;
  for (int length = 1; length <= kExhaustiveLength; ++length) {
    std::vector<int> clues;
    // One cell more than the line has: the smallest clue lists that do not fit are included.
    forEachClueList(length + 2, clues, [&](const std::vector<int>& clueList) {
      comparison.setClues(clueList, length);
      forEachMarking(length, [&](std::vector<std::uint8_t>& cells) {
        fitting += comparison.compare(cells);
        ++lines;
      });
    });
    if (HasFailure()) return;
  }
  // Both outcomes were exercised in bulk.
  EXPECT_GT(fitting, lines / 100);
  EXPECT_LT(fitting, lines);
}

// C(free + blocks, blocks), the number of placements, capped.
double placementCount(int length, const std::vector<int>& clues) {
  const int free = length - cellsNeeded(clues);
  double count = 1;
  for (int i = 1; i <= static_cast<int>(clues.size()); ++i) count = count * (free + i) / i;
  return count;
}

std::vector<int> randomClues(std::mt19937& random, int length) {
  std::vector<int> clues;
  const int blocks = std::uniform_int_distribution<int>(0, length / 2)(random);
  const int largest = std::uniform_int_distribution<int>(0, length / 2)(random);
  for (int i = 0; i < blocks; ++i)
    clues.push_back(std::uniform_int_distribution<int>(0, largest)(random));
  return clues;
}

// A solution of the clues, placed at random, with some of its cells forgotten; or (sometimes) a
// random marking that most likely contradicts the clues.
std::vector<std::uint8_t> randomMarking(std::mt19937& random, int length,
                                        const std::vector<int>& clues) {
  std::vector<std::uint8_t> cells(length, wcEmpty);
  std::bernoulli_distribution coin(0.5);
  std::uniform_int_distribution<int> third(0, 2);
  if (cellsNeeded(clues) > length || coin(random)) {
    for (auto& cell : cells) cell = static_cast<std::uint8_t>(third(random));
    for (auto& cell : cells) cell = coin(random) ? std::uint8_t{wcUnknown} : cell;
    return cells;
  }
  int slack = length - cellsNeeded(clues);
  int at = 0;
  for (int clue : clues) {
    const int shift = std::uniform_int_distribution<int>(0, slack)(random);
    slack -= shift;
    at += shift;
    for (int k = at; k < at + clue; ++k) cells[k] = wcFilled;
    at += clue + 1;
  }
  const double forget = std::uniform_real_distribution<double>(0.3, 1.0)(random);
  for (auto& cell : cells)
    if (std::bernoulli_distribution(forget)(random)) cell = wcUnknown;
  return cells;
}

TEST(LineSolverAgainstEnumeration, AgreesOnRandomLongerLines) {
  constexpr int kLongest = 100;
  constexpr double kMostPlacements = 20000;
  const unsigned seed = test::solverSeed();
  SCOPED_TRACE("JCW_SOLVER_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  Comparison comparison(kLongest);
  int compared = 0;
  while (compared < 3000 && !HasFailure()) {
    const int length = std::uniform_int_distribution<int>(kExhaustiveLength + 1, kLongest)(random);
    const std::vector<int> clues = randomClues(random, length);
    if (cellsNeeded(clues) <= length && placementCount(length, clues) > kMostPlacements) continue;
    std::vector<std::uint8_t> cells = randomMarking(random, length, clues);
    comparison.setClues(clues, length);
    comparison.compare(cells);
    ++compared;
  }
}

}  // namespace
}  // namespace jcw
