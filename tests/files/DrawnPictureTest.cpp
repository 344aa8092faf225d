#include <gtest/gtest.h>

#include "files/ClueLists.h"
#include "files/DrawnPicture.h"
#include "files/NonFormat.h"
#include "files/WebpbnFormat.h"
#include "model/PictureText.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// A blank 4 x 3 picture with the smallest headers.
Crossword blankDrawing() { return test::makeCrossword({{{}, {}, {}}, {{}, {}, {}, {}}, {}, 0, 0}); }

// Fills picture cells (c, r), from 0, as one step, the way a stroke records them.
void stroke(Crossword& crossword, std::initializer_list<std::pair<int, int>> cells) {
  const std::vector<std::uint8_t> before = crossword.pictureStates();
  for (const auto& [c, r] : cells)
    crossword.cell(crossword.firstPictureX() + c, crossword.firstPictureY() + r).State = csFilled;
  crossword.MarkedCount = crossword.countMarked();
  ASSERT_TRUE(crossword.recordPictureChange(before));
}

TEST(DrawnPicture, HeadersGrowAndShrinkWithTheStrokesAndUndoKeepsThemInStep) {
  Crossword crossword = blankDrawing();
  stroke(crossword, {{0, 0}, {2, 0}});
  ASSERT_TRUE(cluesFromPicture(crossword));
  EXPECT_EQ(crossword.dims(), (Dimensions{4, 3, 2, 1}));
  stroke(crossword, {{0, 2}, {2, 2}, {0, 1}});
  ASSERT_TRUE(cluesFromPicture(crossword));
  EXPECT_EQ(crossword.dims(), (Dimensions{4, 3, 2, 2}));
  EXPECT_EQ(cluesOf(crossword), (ClueLists{{{1, 1}, {1}, {1, 1}}, {{3}, {}, {1, 1}, {}}}));
  EXPECT_TRUE(cluesMatchPicture(crossword));

  crossword.undo();
  ASSERT_TRUE(cluesFromPicture(crossword));
  EXPECT_EQ(pictureRows(crossword), (std::vector<std::string>{"#?#?", "????", "????"}));
  crossword.undo();
  ASSERT_TRUE(cluesFromPicture(crossword));
  EXPECT_EQ(crossword.dims(), (Dimensions{4, 3, 1, 1}));
  crossword.redo();
  crossword.redo();
  ASSERT_TRUE(cluesFromPicture(crossword));
  EXPECT_EQ(pictureRows(crossword), (std::vector<std::string>{"#?#?", "#???", "#?#?"}));
  EXPECT_EQ(crossword.dims(), (Dimensions{4, 3, 2, 2}));
}

TEST(DrawnPicture, CluesTypedByHandNoLongerMatchThePicture) {
  Crossword crossword = blankDrawing();
  stroke(crossword, {{1, 1}});
  ASSERT_TRUE(cluesFromPicture(crossword));
  crossword.cell(crossword.firstPictureX(), crossword.firstPictureY() - 1).Text = "2";
  EXPECT_FALSE(cluesMatchPicture(crossword));
}

TEST(DrawnPicture, ResizingAtTheEdgesKeepsTheRestOfThePicture) {
  Crossword crossword = blankDrawing();
  stroke(crossword, {{0, 0}, {3, 2}});
  ASSERT_TRUE(cluesFromPicture(crossword));
  ASSERT_TRUE(resizePicture(crossword, {1, -1, -2, 2}));
  EXPECT_EQ(pictureRows(crossword), (std::vector<std::string>{"???", "???", "???", "???"}));
  ASSERT_TRUE(resizePicture(crossword, {-1, 0, 2, -1}));
  EXPECT_EQ(crossword.dims().ColCount, 4);
  ASSERT_TRUE(resizePicture(crossword, {0, 2, 0, 0}));
  EXPECT_EQ(crossword.dims().RowCount, 5);
  EXPECT_FALSE(crossword.history.canUndo());
  EXPECT_TRUE(crossword.IsModified());

  Crossword kept = blankDrawing();
  stroke(kept, {{0, 0}, {3, 2}, {1, 1}});
  ASSERT_TRUE(resizePicture(kept, {1, 1, 0, 0}));
  EXPECT_EQ(pictureRows(kept), (std::vector<std::string>{"?????", "?#???", "??#??", "????#"}));
  EXPECT_EQ(cluesOf(kept).rows, (std::vector<ClueLine>{{}, {1}, {1}, {1}}));

  for (const EdgeChange change : {EdgeChange{-5, 0, 0, 0}, EdgeChange{0, 0, 0, 98}}) {
    Crossword refused = kept;
    EXPECT_FALSE(resizePicture(refused, change));
    EXPECT_EQ(refused.dims(), kept.dims());
  }
}

TEST(DrawnPicture, NonAndWebpbnKeepTheDrawingAsTheirGoalAndReadItBack) {
  Crossword drawn = blankDrawing();
  stroke(drawn, {{0, 0}, {1, 0}, {3, 1}, {0, 2}});
  ASSERT_TRUE(cluesFromPicture(drawn));
  const std::vector<std::string> picture{"##..", "...#", "#..."};
  EXPECT_EQ(goalOf(drawn), picture);
  EXPECT_TRUE(marksAreGoal(drawn));
  EXPECT_NE(encodeNon(drawn, drawn.info).find("goal \"110000011000\""), std::string::npos);

  const Result<Crossword> viaNon = decodeNon(encodeNon(drawn, drawn.info));
  const Result<Crossword> viaXml = decodeWebpbn(encodeWebpbn(drawn, drawn.info));
  for (const Result<Crossword>* read : {&viaNon, &viaXml}) {
    ASSERT_TRUE(*read);
    EXPECT_EQ((*read)->info.goal, picture);
    EXPECT_EQ((*read)->countMarked(), 0);
    // Written again without marks, the goal read is kept.
    EXPECT_EQ(decodeNon(encodeNon(**read, (*read)->info))->info.goal, picture);
  }

  // webpbn's own export puts the rows one after another between bars.
  const Result<Crossword> exported = decodeWebpbn(
      "<puzzleset><puzzle><color name=\"white\" char=\"-\"/>"
      "<clues type=\"rows\"><line><count>1</count><count>1</count></line><line/>"
      "<line><count>3</count></line></clues><clues type=\"columns\"><line><count>1</count>"
      "<count>1</count></line><line><count>1</count></line><line><count>1</count><count>1</count>"
      "</line></clues><solution><image>|X-X|---|XXX|</image></solution></puzzle></puzzleset>");
  ASSERT_TRUE(exported);
  EXPECT_EQ(exported->info.goal, (std::vector<std::string>{"#.#", "...", "###"}));

  // A player's marks that are not the picture are no goal; nor is a goal that fits other clues.
  Crossword played = drawn;
  played.cell(played.firstPictureX() + 2, played.firstPictureY()).State = csFilled;
  played.info.goal.clear();
  EXPECT_TRUE(goalOf(played).empty());
  EXPECT_FALSE(marksAreGoal(played));
  const std::string text = encodeNon(drawn, drawn.info);
  std::string wrongGoal = text;
  wrongGoal.replace(wrongGoal.find("goal \"1"), 7, "goal \"0");
  ASSERT_TRUE(decodeNon(wrongGoal));
  EXPECT_TRUE(decodeNon(wrongGoal)->info.goal.empty());
}

}  // namespace
}  // namespace jcw
