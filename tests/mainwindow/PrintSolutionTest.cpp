#include <gtest/gtest.h>

#include "mainwindow/PrintSolution.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// The stairs with their first cell marked the wrong way.
Crossword stairsWithAWrongMark() {
  Crossword crossword = test::pictureCrossword(test::kStairs);
  const bool filled = test::kStairs[0][0] == '#';
  crossword.markCell(crossword.firstPictureX(), crossword.firstPictureY(), !filled);
  return crossword;
}

TEST(PrintSolution, OnlyCluesWithExactlyOnePictureGiveTheSolution) {
  const struct {
    const char* name;
    Crossword crossword;
    std::optional<std::vector<std::string>> solution;
  } cases[] = {
      {"line logic decides it", test::pictureCrossword(test::kStairs), test::kStairs},
      {"the marks play no part", stairsWithAWrongMark(), test::kStairs},
      {"two pictures fit", test::pictureCrossword(test::kDiagonal), std::nullopt},
      {"no picture fits", test::makeCrossword({{{1}}, {{1}, {1}}, {}}), std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<Crossword> solved = uniqueSolution(c.crossword);
    ASSERT_EQ(solved.has_value(), c.solution.has_value()) << c.name;
    if (solved) {
      EXPECT_EQ(pictureRows(*solved), *c.solution) << c.name;
    }
  }
}

}  // namespace
}  // namespace jcw
