#include <gtest/gtest.h>

#include "model/PictureClues.h"
#include "model/PictureText.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

TEST(PictureClues, RunsOfFilledCellsAlongEveryRowAndColumn) {
  struct Case {
    std::vector<std::string> picture;
    ClueLists clues;
  };
  const Case cases[] = {
      {{"."}, {{{}}, {{}}}},
      {{"#"}, {{{1}}, {{1}}}},
      {{"##.#", "....", "####"}, {{{2, 1}, {}, {4}}, {{1, 1}, {1, 1}, {1}, {1, 1}}}},
      {{"#.#.#"}, {{{1, 1, 1}}, {{1}, {}, {1}, {}, {1}}}},
      {{"#", "#", ".", "#"}, {{{1}, {1}, {}, {1}}, {{2, 1}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture.front());
    EXPECT_EQ(cluesOfPicture(c.picture), c.clues);
  }
}

TEST(PictureClues, OnlyFilledMarksMakeThePicture) {
  Crossword crossword = test::makeCrossword({{{}, {}}, {{}, {}, {}}, {}, 2, 2});
  ASSERT_TRUE(setPictureRows(crossword, {"#.?", "##."}));
  EXPECT_EQ(cluesOfFilledMarks(crossword), (ClueLists{{{1}, {2}}, {{2}, {1}, {}}}));
}

}  // namespace
}  // namespace jcw
