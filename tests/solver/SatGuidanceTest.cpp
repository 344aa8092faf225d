// What guides the SAT search: line marginals against weighted enumeration, belief propagation on
// crosswords whose answer is known, and the four-cell swap to a second picture.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "solver/BeliefPropagation.h"
#include "solver/LineMarginals.h"
#include "solver/PictureSwap.h"
#include "solver/RandomSeed.h"

namespace jcw {
namespace {

using Picture = std::vector<std::string>;  // rows of '#' and '.'

LineCells cellsOf(const std::string& line) {
  LineCells cells;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] == '#') cells.filled |= LineBits{1} << k;
    if (line[k] == '.') cells.empty |= LineBits{1} << k;
  }
  return cells;
}

std::vector<std::uint8_t> runsOf(const std::string& line) {
  std::vector<std::uint8_t> runs;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] != '#') continue;
    if (k == 0 || line[k - 1] != '#') runs.push_back(0);
    ++runs.back();
  }
  return runs;
}

// Every line of `prior.size()` cells that fits (by the line solver) and agrees with `known`,
// weighted by its cells' priors: per cell, the share of the weight that fills it.
std::vector<double> enumeratedMarginals(const std::vector<std::uint8_t>& sizes, LineCells known,
                                        const std::vector<double>& prior) {
  const int length = static_cast<int>(prior.size());
  const LineBits all = (LineBits{1} << length) - 1;
  std::vector<double> filled(length, 0);
  double total = 0;
  LineSolver solver;
  for (LineBits bits = 0; bits <= all; ++bits) {
    if ((bits & known.empty) || (known.filled & ~bits)) continue;
    LineCells decided;
    if (!solver.solve(sizes, length, {bits, all & ~bits}, decided)) continue;
    double weight = 1;
    for (int k = 0; k < length; ++k) weight *= (bits >> k & 1) ? prior[k] : 1 - prior[k];
    total += weight;
    for (int k = 0; k < length; ++k)
      if (bits >> k & 1) filled[k] += weight;
  }
  for (double& share : filled) share /= total;
  return total > 0 ? filled : std::vector<double>{};
}

TEST(LineMarginals, WeighPlacementsAsEnumerationDoes) {
  const unsigned seed = test::solverSeed();
  SCOPED_TRACE("JCW_SOLVER_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> lengths(1, 9);
  std::uniform_real_distribution<double> chance(0.02, 0.98);
  std::uniform_int_distribution<int> cell(0, 5);
  LineMarginals marginals;
  for (int round = 0; round < 3000 && !HasFailure(); ++round) {
    const int length = lengths(random);
    std::string picture, marks;
    const double density = chance(random);
    for (int k = 0; k < length; ++k) picture += chance(random) < density ? '#' : '.';
    // Clues of a random line (sometimes with a 0), marks mostly open and now and then wrong.
    std::vector<std::uint8_t> sizes = runsOf(picture);
    if (cell(random) == 0) sizes.insert(sizes.begin() + sizes.size() / 2, 0);
    for (int k = 0; k < length; ++k) {
      const int draw = cell(random);
      marks += draw == 0 ? picture[k] : draw == 1 ? (chance(random) < 0.5 ? '#' : '.') : '?';
    }
    std::vector<double> prior;
    for (int k = 0; k < length; ++k) prior.push_back(chance(random));
    SCOPED_TRACE("line " + picture + " marks " + marks);

    const std::vector<double> expected = enumeratedMarginals(sizes, cellsOf(marks), prior);
    const LineAutomaton automaton = automatonOf(sizes);
    ASSERT_EQ(marginals.compute(automaton, cellsOf(marks), prior), !expected.empty());
    for (int k = 0; k < static_cast<int>(expected.size()); ++k) {
      EXPECT_NEAR(marginals.filled(k), expected[k], 1e-9) << "cell " << k;
      // Only a filled cell leads into a state right after a filled token.
      double intoFilled = 0;
      for (int i = 1; i <= automaton.tokens(); ++i)
        if (automaton.filled[i - 1]) intoFilled += marginals.state(k + 1, i);
      EXPECT_NEAR(intoFilled, expected[k], 1e-9) << "states after cell " << k;
    }
  }
}

SatProblem problemOf(const Picture& picture, const Picture& marks = {}) {
  SatProblem problem;
  for (const std::string& row : picture) problem.rowSizes.push_back(runsOf(row));
  for (std::size_t c = 0; c < picture[0].size(); ++c) {
    std::string column;
    for (const std::string& row : picture) column += row[c];
    problem.columnSizes.push_back(runsOf(column));
  }
  for (std::size_t r = 0; r < picture.size(); ++r)
    problem.knownRows.push_back(marks.empty() ? LineCells{} : cellsOf(marks[r]));
  return problem;
}

WorkGrid gridOf(const Picture& picture) {
  WorkGrid grid;
  grid.assign(static_cast<int>(picture[0].size()), static_cast<int>(picture.size()), wcEmpty);
  for (std::size_t r = 0; r < picture.size(); ++r)
    for (std::size_t c = 0; c < picture[r].size(); ++c)
      if (picture[r][c] == '#') grid.at(static_cast<int>(c), static_cast<int>(r)) = wcFilled;
  return grid;
}

TEST(CellBeliefs, LeanToTheOnlyPictureOfCrosswordsThatLinesSolve) {
  for (const Picture& picture : {Picture{"#.#.#", ".###.", "#####", ".###.", "#.#.#"},
                                 Picture{"###..", "#..#.", "###..", "#..#.", "###.."}}) {
    const std::optional<CellBeliefs> beliefs = cellBeliefs(problemOf(picture));
    ASSERT_TRUE(beliefs);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c)
        EXPECT_EQ(beliefs->filled(r, c) > 0.9, picture[r][c] == '#') << r << "," << c;
  }
}

TEST(CellBeliefs, AreEvenOnTheCellsOfTwoEqualPictures) {
  // Two diagonals: every cell filled in one picture and empty in the other.
  const std::optional<CellBeliefs> beliefs = cellBeliefs(problemOf({"#.", ".#"}));
  ASSERT_TRUE(beliefs);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_NEAR(beliefs->filled(r, c), 0.5, 1e-9);
  // A known cell picks the diagonal.
  const std::optional<CellBeliefs> marked = cellBeliefs(problemOf({"#.", ".#"}, {"#?", "??"}));
  ASSERT_TRUE(marked);
  EXPECT_GT(marked->filled(1, 1), 0.9);
  EXPECT_LT(marked->filled(0, 1), 0.1);
}

TEST(CellBeliefs, StopWhenTheCheckFires) {
  EXPECT_FALSE(cellBeliefs(problemOf({"#.", ".#"}), [] { return true; }));
}

struct Swap {
  const char* name;
  Picture picture;
  Picture marks;                  // empty: nothing known
  std::vector<Picture> known;     // pictures already found besides `picture`
  Picture expected;               // empty: no swap
};

class PictureSwap : public testing::TestWithParam<Swap> {};

TEST_P(PictureSwap, FindsTheFirstSwapThatFitsEveryClue) {
  const Swap& swap = GetParam();
  std::vector<WorkGrid> known{gridOf(swap.picture)};
  for (const Picture& picture : swap.known) known.push_back(gridOf(picture));
  const std::optional<WorkGrid> found =
      swappedPicture(gridOf(swap.picture), problemOf(swap.picture, swap.marks), known);
  if (swap.expected.empty()) {
    EXPECT_FALSE(found);
  } else {
    ASSERT_TRUE(found);
    EXPECT_EQ(rowsText(*found), swap.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureSwap,
    testing::Values(
        Swap{"SquareAtTheBottomRight", {"..#.", "##..", "#..#", "#.#."}, {}, {},
             {"..#.", "##..", "#.#.", "#..#"}},
        Swap{"CornersFarApart", {"#...", "....", "...#"}, {}, {}, {"...#", "....", "#..."}},
        Swap{"NoSwapKeepsEveryClue", {"##.", "..#", "#.."}, {}, {}, {}},
        Swap{"AKnownCellStaysPut", {"..#.", "##..", "#..#", "#.#."}, {"????", "????", "???#", "????"},
             {}, {}},
        Swap{"APictureFoundBeforeIsNoNews", {"#.", ".#"}, {}, {{".#", "#."}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace jcw
