// The complete solver and its SAT back end against brute force over every picture, on crafted
// and random crosswords up to 5 x 5, with and without fixed cells; then cancellation.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "solver/CompleteSolver.h"
#include "solver/RandomSeed.h"
#include "solver/SatSearch.h"

namespace jcw {
namespace {

using Picture = std::vector<std::string>;  // rows of '#' and '.'
using Marks = std::vector<std::string>;    // rows of '#', '.' and '?'

std::vector<int> runsOf(const std::string& line) {
  std::vector<int> runs;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] != '#') continue;
    if (k == 0 || line[k - 1] != '#') runs.push_back(0);
    ++runs.back();
  }
  return runs;
}

// The lines of `length` cells that read as `clues` say, written independently of the solver:
// each block is its filled cells and a gap (a 0 is no block), with empties anywhere between, over
// the line and one extra empty cell. Bit k of the index is cell k.
std::vector<bool> linesFitting(const std::vector<int>& clues, std::size_t length) {
  std::string pattern = "\\.*";
  for (int clue : clues)
    if (clue > 0) pattern += std::string(static_cast<std::size_t>(clue), '#') + "\\.\\.*";
  const std::regex fits(pattern);
  std::vector<bool> fitting(std::size_t{1} << length);
  for (std::size_t bits = 0; bits < fitting.size(); ++bits) {
    std::string line;
    for (std::size_t k = 0; k < length; ++k) line += (bits >> k & 1) ? '#' : '.';
    fitting[bits] = std::regex_match(line + ".", fits);
  }
  return fitting;
}

std::string columnOf(const Picture& picture, std::size_t c) {
  std::string column;
  for (const std::string& row : picture) column += row[c];
  return column;
}

ClueLists cluesOfPicture(const Picture& picture) {
  ClueLists clues;
  for (const std::string& row : picture) clues.rows.push_back(runsOf(row));
  for (std::size_t c = 0; c < picture[0].size(); ++c)
    clues.columns.push_back(runsOf(columnOf(picture, c)));
  return clues;
}

WorkGrid gridOf(const Marks& marks) {
  WorkGrid grid;
  if (marks.empty()) return grid;
  grid.assign(static_cast<int>(marks[0].size()), static_cast<int>(marks.size()), wcUnknown);
  for (std::size_t r = 0; r < marks.size(); ++r)
    for (std::size_t c = 0; c < marks[r].size(); ++c)
      if (marks[r][c] != '?')
        grid.at(static_cast<int>(c), static_cast<int>(r)) = marks[r][c] == '#' ? wcFilled : wcEmpty;
  return grid;
}

// Every picture that fits the clues and the marks: each row tried with every pattern of its
// cells, the columns checked as the rows stand (the rows so far must begin some fitting column).
std::set<Picture> bruteForce(const ClueLists& clues, const Marks& marks) {
  const std::size_t rows = clues.rows.size();
  const std::size_t columns = clues.columns.size();
  std::vector<std::vector<unsigned>> rowPatterns(rows);
  for (std::size_t r = 0; r < rows; ++r) {
    const std::vector<bool> fitting = linesFitting(clues.rows[r], columns);
    for (unsigned bits = 0; bits < fitting.size(); ++bits) {
      bool agrees = fitting[bits];
      for (std::size_t c = 0; agrees && !marks.empty() && c < columns; ++c)
        agrees = marks[r][c] == '?' || (marks[r][c] == '#') == (bits >> c & 1);
      if (agrees) rowPatterns[r].push_back(bits);
    }
  }
  // startsFitting[c][r][bits]: the first r cells of column c read `bits` in some fitting column.
  std::vector<std::vector<std::vector<bool>>> startsFitting(columns);
  for (std::size_t c = 0; c < columns; ++c) {
    const std::vector<bool> fitting = linesFitting(clues.columns[c], rows);
    startsFitting[c].assign(rows + 1, std::vector<bool>(fitting.size()));
    for (unsigned bits = 0; bits < fitting.size(); ++bits)
      for (std::size_t r = 0; r <= rows && fitting[bits]; ++r)
        startsFitting[c][r][bits & ((1u << r) - 1)] = true;
  }
  std::set<Picture> pictures;
  std::vector<unsigned> picture(rows);
  const auto place = [&](auto& self, std::size_t r) -> void {
    for (std::size_t c = 0; c < columns; ++c) {
      unsigned bits = 0;
      for (std::size_t k = 0; k < r; ++k) bits |= (picture[k] >> c & 1) << k;
      if (!startsFitting[c][r][bits]) return;
    }
    if (r == rows) {
      Picture text(rows, std::string(columns, '.'));
      for (std::size_t k = 0; k < rows; ++k)
        for (std::size_t c = 0; c < columns; ++c)
          if (picture[k] >> c & 1) text[k][c] = '#';
      pictures.insert(text);
      return;
    }
    for (unsigned bits : rowPatterns[r]) {
      picture[r] = bits;
      self(self, r + 1);
    }
  };
  place(place, 0);
  return pictures;
}

SatProblem satProblemOf(const ClueLists& clues, const Marks& marks) {
  SatProblem problem;
  // Block sizes as the search hands them over: a 0 is no block.
  const auto sizesOf = [](const std::vector<int>& clue) {
    std::vector<std::uint8_t> sizes;
    for (int n : clue)
      if (n > 0) sizes.push_back(static_cast<std::uint8_t>(n));
    return sizes;
  };
  for (const auto& row : clues.rows) problem.rowSizes.push_back(sizesOf(row));
  for (const auto& column : clues.columns) problem.columnSizes.push_back(sizesOf(column));
  problem.knownRows.resize(clues.rows.size());
  for (std::size_t r = 0; r < marks.size(); ++r)
    for (std::size_t c = 0; c < marks[r].size(); ++c) {
      if (marks[r][c] == '#') problem.knownRows[r].filled |= LineBits{1} << c;
      if (marks[r][c] == '.') problem.knownRows[r].empty |= LineBits{1} << c;
    }
  return problem;
}

// Both engines answer as brute force does: the count up to two, pictures that fit and differ.
void expectBruteForceAnswer(const ClueLists& clues, const Marks& marks,
                            long long nodesBeforeSat = kNodesBeforeSat) {
  const std::set<Picture> expected = bruteForce(clues, marks);
  const int count = static_cast<int>(std::min<std::size_t>(expected.size(), 2));

  const SearchResult search = searchSolutions(clues, gridOf(marks), {}, nullptr, nodesBeforeSat);
  EXPECT_TRUE(search.complete);
  EXPECT_EQ(search.solutions, count);
  ASSERT_EQ(search.pictures.size(), static_cast<std::size_t>(count));
  for (const WorkGrid& picture : search.pictures) EXPECT_EQ(expected.count(rowsText(picture)), 1u);
  if (count == 2) {
    EXPECT_FALSE(differingCells(search.pictures[0], search.pictures[1]).empty());
  }

  const SatAnswer sat = satPictures(satProblemOf(clues, marks), {}, 2, {});
  EXPECT_TRUE(sat.complete);
  ASSERT_EQ(sat.pictures.size(), static_cast<std::size_t>(count));
  std::set<Picture> found;
  for (const WorkGrid& picture : sat.pictures) found.insert(rowsText(picture));
  EXPECT_EQ(found.size(), sat.pictures.size());
  for (const Picture& picture : found) EXPECT_EQ(expected.count(picture), 1u);
}

struct Crafted {
  const char* name;
  ClueLists clues;
  Marks marks;
  int solutions;
};

class CraftedCrossword : public testing::TestWithParam<Crafted> {};

TEST_P(CraftedCrossword, IsAnsweredAsBruteForceAnswersIt) {
  const Crafted& c = GetParam();
  EXPECT_EQ(std::min<std::size_t>(bruteForce(c.clues, c.marks).size(), 2), c.solutions);
  expectBruteForceAnswer(c.clues, c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Crosswords, CraftedCrossword,
    testing::Values(
        // #.#. / .#.. / .#.# / #.#. : line deduction leaves cells open, trying them finishes.
        Crafted{"UniqueButNotByLines",
                {{{1, 1}, {1}, {1, 1}, {1, 1}}, {{1, 1}, {2}, {1, 1}, {1}}}, {}, 1},
        Crafted{"TwoDiagonals", {{{1}, {1}}, {{1}, {1}}}, {}, 2},
        Crafted{"AMarkPicksOneDiagonal", {{{1}, {1}}, {{1}, {1}}}, {"#?", "??"}, 1},
        Crafted{"MarksAgainstTheOnlyPicture",
                {{{1, 1}, {1}, {1, 1}, {1, 1}}, {{1, 1}, {2}, {1, 1}, {1}}},
                {".???", "????", "????", "????"}, 0},
        // Equal clue sums, and yet no picture: the rows put both cells in column 1.
        Crafted{"EqualSumsWithoutAPicture", {{{2}, {}}, {{2}, {}}}, {}, 0},
        Crafted{"EqualSumsCrossingWrongly", {{{1, 1}, {3}, {}}, {{2}, {2}, {1}}}, {}, 0},
        Crafted{"CluesLongerThanTheirLine", {{{3}, {}}, {{1}, {1}}}, {}, 0},
        // A 0 is no block, as a line without blocks is written: 1 0 in three cells is a 1 that
        // may lie in the last cell too.
        Crafted{"AZeroIsNoBlock", {{{1, 0}}, {{}, {}, {1}}}, {}, 1},
        Crafted{"ALineOfOneZeroIsEmpty", {{{0}, {1}}, {{1}, {0}}}, {}, 1},
        Crafted{"AnEmptyPicture", {{{}, {}, {}}, {{}, {}}}, {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompleteSolver, FindsBothPicturesOfASwapAndWhereTheyDiffer) {
  // The 2 x 2 square at the bottom right can be swapped; nothing else can change.
  const ClueLists clues = cluesOfPicture({"..#.", "##..", "#..#", "#.#."});
  const SearchResult result = searchSolutions(clues);
  ASSERT_EQ(result.solutions, 2);
  EXPECT_EQ(differingCells(result.pictures[0], result.pictures[1]),
            (std::vector<PictureCell>{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
}

Picture randomPicture(std::mt19937& random, int rows, int columns) {
  std::bernoulli_distribution filled(std::uniform_real_distribution<double>(0.2, 0.8)(random));
  Picture picture(rows, std::string(columns, '.'));
  for (std::string& row : picture)
    for (char& cell : row) cell = filled(random) ? '#' : '.';
  return picture;
}

// Some cells of `picture` as marks, or (sometimes) marks drawn at random.
Marks randomMarks(std::mt19937& random, const Picture& picture) {
  std::bernoulli_distribution coin(0.5);
  std::bernoulli_distribution rare(0.15);
  Marks marks = picture;
  const bool anyMark = coin(random);
  for (std::string& row : marks)
    for (char& cell : row)
      if (!rare(random)) cell = '?';
      else if (anyMark) cell = coin(random) ? '#' : '.';
  return marks;
}

TEST(CompleteSolver, AnswersRandomCrosswordsAsBruteForceDoes) {
  const unsigned seed = test::solverSeed();
  SCOPED_TRACE("JCW_SOLVER_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> side(1, 5);
  for (int round = 0; round < 400 && !HasFailure(); ++round) {
    const int rows = side(random);
    const int columns = side(random);
    const Picture rowPicture = randomPicture(random, rows, columns);
    ClueLists clues = cluesOfPicture(rowPicture);
    // Every other round the columns come from the same cells shuffled: equal clue sums, but
    // mostly no picture.
    if (round % 2) {
      std::string cells;
      for (const std::string& row : rowPicture) cells += row;
      std::shuffle(cells.begin(), cells.end(), random);
      Picture shuffled;
      for (int r = 0; r < rows; ++r) shuffled.push_back(cells.substr(r * columns, columns));
      clues.columns = cluesOfPicture(shuffled).columns;
    }
    expectBruteForceAnswer(clues, {});
    expectBruteForceAnswer(clues, randomMarks(random, rowPicture));
  }
}

// The SAT solver from the root, guided by belief propagation and looking for the second picture
// near the first, on crosswords large enough for probing to leave cells open.
TEST(CompleteSolver, AnswersLargerCrosswordsAsBruteForceDoesWithTheSatSolverFromTheRoot) {
  const unsigned seed = test::solverSeed();
  SCOPED_TRACE("JCW_SOLVER_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> side(6, 8);
  for (int round = 0; round < 60 && !HasFailure(); ++round) {
    const Picture picture = randomPicture(random, side(random), side(random));
    const ClueLists clues = cluesOfPicture(picture);
    expectBruteForceAnswer(clues, {}, 0);
    expectBruteForceAnswer(clues, randomMarks(random, picture), 0);
  }
}

// A random crossword and marks (found by search) on which the cells the beliefs are surest of
// admit no picture together: the SAT search assumes them first, and must drop them until it
// finds the pictures there are.
TEST(CompleteSolver, FindsThePicturesThoughTheSurestBeliefsAreWrong) {
  const Picture picture = {
      ".###..#.#..##.#.#...#.#.", ".....#..#........#.....#", ".#####.#.##...#...##....",
      "###.#.##....#.##.#...##.", "...##.##.#.#.#...#.#..##", "##.#..##.....####..#####",
      "....##.......#.#.#.##..#", "...##.###.######..##.#..", "#.###.###..#.#........#.",
      "..#..#.####.#...####.#.#", "#...#.#...##....##..#.##", "..##..##..####....#.####",
      "....#.#......##.#.......", ".....##.#.....#...##...#", "###..#.##.......#..#...."};
  const Marks marks = {
      "?#??????????????#?????#.", "?????#??????????.??.????", ".?##??????#?.???????????",
      "?????????.?.?????#??.???", "????????.????????????.#?", "?????????????????????#??",
      ".??????..?????????.????#", "?.??#???????????????.???", "?????????????#??.?.???#?",
      "?????????????.????##????", "???.??????##??????..?.#?", "?.?????????#??.?????????",
      "???.???????.???????????.", "??.??????.????????????.?", "?????????..?????????????"};
  const ClueLists clues = cluesOfPicture(picture);
  const SatAnswer sat = satPictures(satProblemOf(clues, marks), {}, 2, {});
  EXPECT_TRUE(sat.complete);
  ASSERT_EQ(sat.pictures.size(), 2u);
  EXPECT_NE(rowsText(sat.pictures[0]), rowsText(sat.pictures[1]));
  for (const WorkGrid& found : sat.pictures) {
    const Picture rows = rowsText(found);
    EXPECT_EQ(cluesOfPicture(rows), clues);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        if (marks[r][c] != '?') {
          EXPECT_EQ(rows[r][c], marks[r][c]) << r << ", " << c;
        }
  }
}

// Every cell filled where row + column is even, or odd: both fit the same clues.
ClueLists checkerboard(int side) {
  Picture picture(side, std::string(side, '.'));
  for (int r = 0; r < side; ++r)
    for (int c = 0; c < side; ++c)
      if ((r + c) % 2 == 0) picture[r][c] = '#';
  return cluesOfPicture(picture);
}

TEST(CompleteSolver, StopsIncompleteWhenTheCheckFires) {
  int asked = 0;
  SearchProgress progress;
  const SearchResult stopped =
      searchSolutions(checkerboard(20), {}, [&] { return ++asked == 1; }, &progress);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(stopped.complete);
  EXPECT_LT(stopped.solutions, 2);
  EXPECT_EQ(progress.nodes.load(), stopped.nodes);

  const SearchResult whole = searchSolutions(checkerboard(20), {}, [] { return false; });
  EXPECT_TRUE(whole.complete);
  EXPECT_EQ(whole.solutions, 2);
}

// A cancelled SAT search returns without waiting for a solver that would not finish for
// minutes (a random 100 x 100 at half density): a wait would hang the test.
TEST(SatSearch, ReturnsIncompleteAtOnceWhenCancelled) {
  std::mt19937 random(test::solverSeed());
  std::bernoulli_distribution half(0.5);
  Picture picture(100, std::string(100, '.'));
  for (std::string& row : picture)
    for (char& cell : row) cell = half(random) ? '#' : '.';
  std::atomic<long long> conflicts{0};
  const SatAnswer answer =
      satPictures(satProblemOf(cluesOfPicture(picture), {}), {}, 2, [] { return true; }, &conflicts);
  EXPECT_FALSE(answer.complete);
  EXPECT_TRUE(answer.pictures.empty());
}

TEST(CompleteSolver, GivesTheSameAnswerEveryTime) {
  const ClueLists clues = cluesOfPicture({"#..#.", ".##..", "#.#.#", ".#.##", "##..."});
  const SearchResult first = searchSolutions(clues);
  const SearchResult again = searchSolutions(clues);
  EXPECT_EQ(first.nodes, again.nodes);
  ASSERT_EQ(first.pictures.size(), again.pictures.size());
  for (std::size_t k = 0; k < first.pictures.size(); ++k)
    EXPECT_EQ(rowsText(first.pictures[k]), rowsText(again.pictures[k]));
}

}  // namespace
}  // namespace jcw
