#include <gtest/gtest.h>

#include "files/ClueLists.h"
#include "model/HeaderSize.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

using test::CrosswordSpec;

// A 3 x 2 crossword with one header column and row; picture cell (2, 1) filled by a step of
// its own, (3, 2) marked empty by another.
Crossword markedCrossword() {
  Crossword crossword = test::makeCrossword({{{2}, {1}}, {{1}, {1}, {1}}, {}, 0, 0});
  const int x0 = crossword.firstPictureX() - 1;
  const int y0 = crossword.firstPictureY() - 1;
  EXPECT_TRUE(crossword.markCell(x0 + 2, y0 + 1, true));
  EXPECT_TRUE(crossword.markCell(x0 + 3, y0 + 2, false));
  return crossword;
}

std::string pictureText(const Crossword& crossword) {
  std::string text;
  for (std::uint8_t state : crossword.pictureStates()) text += "?#."[state];
  return text;
}

TEST(ReplaceClues, HeadersFollowTheLongestListsAndTheMarksStayWithThePicture) {
  Crossword crossword = markedCrossword();
  const std::string marks = pictureText(crossword);
  ASSERT_TRUE(replaceClues(crossword, {{{1, 1, 1}, {2}}, {{1, 1}, {}, {3}}}));
  EXPECT_EQ(crossword.dims(), (Dimensions{3, 2, 3, 2}));
  EXPECT_EQ(cluesOf(crossword), (ClueLists{{{1, 1, 1}, {2}}, {{1, 1}, {}, {3}}}));
  EXPECT_EQ(crossword.cell(3, 4).Text, "2");  // right-aligned next to the picture
  EXPECT_EQ(crossword.cell(4, 1).Text, "1");  // bottom-aligned above it
  EXPECT_EQ(pictureText(crossword), marks);
  EXPECT_EQ(crossword.MarkedCount, 2);

  // The history still names the same picture cells: undo clears the empty mark, then the fill.
  crossword.undo();
  EXPECT_EQ(pictureText(crossword), "?#????");
  crossword.undo();
  EXPECT_EQ(pictureText(crossword), "??????");

  ASSERT_TRUE(replaceClues(crossword, {{{2}, {1}}, {{1}, {1}, {1}}}));
  EXPECT_EQ(crossword.dims(), (Dimensions{3, 2, 1, 1}));
  crossword.redo();
  crossword.redo();
  EXPECT_EQ(pictureText(crossword), marks);
}

TEST(ReplaceClues, RefusesListsThatDoNotFitAndChangesNothing) {
  const Crossword original = markedCrossword();
  for (const ClueLists& clues : {ClueLists{{{1}}, {{1}, {1}, {1}}},
                                 ClueLists{{{1}, {200}}, {{1}, {1}, {1}}}}) {
    Crossword crossword = original;
    const Result<void> replaced = replaceClues(crossword, clues);
    ASSERT_FALSE(replaced);
    EXPECT_FALSE(replaced.error().empty());
    EXPECT_EQ(cluesOf(crossword), cluesOf(original));
    EXPECT_EQ(crossword.dims(), original.dims());
  }
}

TEST(ResizeHeaders, AShrinkDropsTheCluesFarthestFromThePictureAndMovesTheCursor) {
  Crossword crossword = test::makeCrossword({{{1, 1, 1}, {}}, {{1}, {}, {1}}, {}, 3, 2});
  crossword.EditCursor = {1, 3};  // the outermost row clue: gone after the shrink
  resizeHeaders(crossword, 2, 1);
  EXPECT_EQ(crossword.rowClues(crossword.firstPictureY()), (std::vector<int>{1, 1}));
  EXPECT_EQ(crossword.columnClues(crossword.firstPictureX()), (std::vector<int>{1}));
  EXPECT_EQ(crossword.EditCursor, (CellPos{3, 1}));
  resizeHeaders(crossword, 4, 3);
  EXPECT_EQ(crossword.cell(4, 4).Text, "1");
  EXPECT_TRUE(crossword.cell(1, 4).Text.empty());
}

}  // namespace
}  // namespace jcw
