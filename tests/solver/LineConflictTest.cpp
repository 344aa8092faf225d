// The contradiction locator against brute force: on small random pictures whose clues got a
// swapped pair of numbers, the lines named admit no picture, every one of them is needed, and
// the changed line is among them; clues that fit a picture name nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "solver/LineConflict.h"
#include "solver/RandomSeed.h"

namespace jcw {
namespace {

constexpr int kRows = 4;
constexpr int kColumns = 4;

ClueLine runsOf(const std::vector<bool>& line) {
  ClueLine runs;
  for (std::size_t k = 0; k < line.size(); ++k)
    if (line[k]) {
      if (k == 0 || !line[k - 1]) runs.push_back(0);
      ++runs.back();
    }
  return runs;
}

// A picture of `rows` x `columns` cells; cell (r, c) is bit r * columns + c.
struct Shape {
  int rows = kRows;
  int columns = kColumns;
};

ClueLine rowRuns(unsigned bits, int r, Shape shape = {}) {
  std::vector<bool> line;
  for (int c = 0; c < shape.columns; ++c) line.push_back(bits >> (r * shape.columns + c) & 1);
  return runsOf(line);
}
ClueLine columnRuns(unsigned bits, int c, Shape shape = {}) {
  std::vector<bool> line;
  for (int r = 0; r < shape.rows; ++r) line.push_back(bits >> (r * shape.columns + c) & 1);
  return runsOf(line);
}

ClueLists cluesOfPicture(unsigned bits) {
  ClueLists clues;
  for (int r = 0; r < kRows; ++r) clues.rows.push_back(rowRuns(bits, r));
  for (int c = 0; c < kColumns; ++c) clues.columns.push_back(columnRuns(bits, c));
  return clues;
}

// Some picture fits every named line of `clues` (the other lines are free).
bool somePictureFits(const ClueLists& clues, const LineConflict& lines) {
  const Shape shape{static_cast<int>(clues.rows.size()), static_cast<int>(clues.columns.size())};
  for (unsigned bits = 0; bits < 1u << (shape.rows * shape.columns); ++bits) {
    bool fits = true;
    for (int r : lines.rows) fits = fits && rowRuns(bits, r, shape) == clues.rows[r];
    for (int c : lines.columns) fits = fits && columnRuns(bits, c, shape) == clues.columns[c];
    if (fits) return true;
  }
  return false;
}

// Every line named is needed: without any one of them some picture fits the rest.
void expectMinimal(const ClueLists& clues, const LineConflict& conflict) {
  for (std::size_t k = 0; k < conflict.rows.size() + conflict.columns.size(); ++k) {
    LineConflict fewer = conflict;
    if (k < fewer.rows.size())
      fewer.rows.erase(fewer.rows.begin() + static_cast<std::ptrdiff_t>(k));
    else
      fewer.columns.erase(fewer.columns.begin() +
                          static_cast<std::ptrdiff_t>(k - fewer.rows.size()));
    EXPECT_TRUE(somePictureFits(clues, fewer)) << "line " << k << " is not needed";
  }
}

LineConflict everyLine() {
  LineConflict all;
  for (int r = 0; r < kRows; ++r) all.rows.push_back(r);
  for (int c = 0; c < kColumns; ++c) all.columns.push_back(c);
  return all;
}

// Swaps two different numbers of a row that has them; false when none has.
bool swapInSomeRow(ClueLists& clues, std::mt19937& random, int& row) {
  std::vector<int> candidates;
  for (int r = 0; r < kRows; ++r)
    for (std::size_t k = 1; k < clues.rows[r].size(); ++k)
      if (clues.rows[r][k] != clues.rows[r][0]) candidates.push_back(r);
  if (candidates.empty()) return false;
  row = candidates[random() % candidates.size()];
  ClueLine& line = clues.rows[row];
  for (std::size_t k = 1; k < line.size(); ++k)
    if (line[k] != line[0]) {
      std::swap(line[0], line[k]);
      break;
    }
  return true;
}

TEST(LineConflict, NamesAMinimalContradictorySetHoldingTheSwappedLine) {
  std::mt19937 random(test::solverSeed());
  int contradictory = 0;
  for (int round = 0; round < 60; ++round) {
    ClueLists clues = cluesOfPicture(random() & ((1u << (kRows * kColumns)) - 1));
    int row = 0;
    if (!swapInSomeRow(clues, random, row)) continue;
    const std::optional<LineConflict> conflict = locateConflict(clues);
    SCOPED_TRACE("round " + std::to_string(round) + ", row " + std::to_string(row));
    if (somePictureFits(clues, everyLine())) {
      EXPECT_FALSE(conflict);
      continue;
    }
    ++contradictory;
    ASSERT_TRUE(conflict);
    EXPECT_FALSE(somePictureFits(clues, *conflict));
    EXPECT_TRUE(std::ranges::find(conflict->rows, row) != conflict->rows.end());
    expectMinimal(clues, *conflict);
  }
  EXPECT_GT(contradictory, 10);
}

TEST(LineConflict, AContradictionLineLogicCannotSeeIsFoundByTheSatSolver) {
  // Line logic decides no cell of this 4 x 4 crossword, yet no picture fits it.
  const ClueLists clues{{{1, 1}, {1}, {2}, {2}}, {{2}, {2}, {1, 1}, {1}}};
  const std::optional<LineConflict> conflict = locateConflict(clues);
  ASSERT_TRUE(conflict);
  EXPECT_FALSE(somePictureFits(clues, *conflict));
  expectMinimal(clues, *conflict);
}

TEST(LineConflict, MessageNamesLinesFromOne) {
  EXPECT_EQ(conflictMessage({{2}, {0, 4}}), "Противоречат друг другу: строка 3 и столбцы 1, 5");
  EXPECT_EQ(conflictMessage({{0, 1}, {}}), "Противоречат друг другу: строки 1, 2");
}

}  // namespace
}  // namespace jcw
