#include <gtest/gtest.h>

#include "model/FilledCellsFit.h"
#include "model/PictureText.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// A 3 x 3 crossword whose solution is the stairs "#..", "##.", ".##"; a zero clue stands for an
// empty line.
const test::Clues kRows{{1}, {2}, {2}};
const test::Clues kColumns{{2}, {2}, {1}};

struct FitCase {
  const char* name;
  std::vector<std::string> picture;
  bool fits;
};

TEST(FilledCellsFit, AsksForExactlyTheFilledCellsOfEveryLine) {
  const FitCase cases[] = {
      {"exactly the filled cells, nothing else marked", {"#??", "##?", "?##"}, true},
      {"the whole solution marked", {"#..", "##.", ".##"}, true},
      {"one filled cell missing", {"#??", "#??", "?##"}, false},
      {"one filled cell too many", {"#?#", "##?", "?##"}, false},
      {"runs in the wrong order", {"?#?", "##?", "#?#"}, false},
      {"nothing marked", {"???", "???", "???"}, false},
  };
  for (const FitCase& c : cases)
    EXPECT_EQ(filledCellsFitClues(test::makeCrossword({kRows, kColumns, c.picture})), c.fits)
        << c.name;
  EXPECT_TRUE(filledCellsFitClues(test::makeCrossword({{{0}, {1}}, {{0}, {1}}, {"??", "?#"}})))
      << "zero clues ask for no filled cell";
}

TEST(FilledCellsFit, TheRestIsMarkedEmptyAsOneStepOfItsOwn) {
  Crossword cw = test::makeCrossword({kRows, kColumns, {"#??", "##?", "?##"}});
  cw.history.beginGesture();
  ASSERT_TRUE(cw.markCell(cw.firstPictureX(), cw.firstPictureY() + 2, false));
  ASSERT_TRUE(markUndecidedEmpty(cw));
  EXPECT_EQ(cw.history.steps().size(), 2u) << "the mark and the finish are two steps";
  EXPECT_EQ(cw.history.steps().back().size(), 3u);
  EXPECT_TRUE(cw.solved());
  EXPECT_EQ(cw.MarkedCount, 9);
  cw.undo();
  EXPECT_EQ(cw.MarkedCount, 6);
}

}  // namespace
}  // namespace jcw
