#include <gtest/gtest.h>

#include "model/Crossword.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

using test::makeCrossword;

TEST(CrosswordTable, OnePictureCellWithOneHeaderEachHasItsZones) {
  Crossword cw;
  cw.allocate({1, 1, 1, 1});
  EXPECT_EQ(cw.W1(), 3);
  EXPECT_EQ(cw.H1(), 3);
  EXPECT_EQ(cw.cell(2, 2).Kind, ckPicture);
  EXPECT_EQ(cw.cell(2, 1).Kind, ckClue);
  EXPECT_EQ(cw.cell(1, 2).Kind, ckClue);
  EXPECT_EQ(cw.cell(1, 1).Kind, ckNone);  // corner block
  EXPECT_EQ(cw.cell(2, 0).Kind, ckNone);  // column indicator
  EXPECT_EQ(cw.cell(0, 2).Kind, ckNone);  // row indicator
  EXPECT_EQ(cw.EditCursor, (CellPos{2, 1}));
}

TEST(CrosswordTable, ReallocationKeepsContentsOnlyWhenTheShapeIsTheSame) {
  Crossword cw;
  cw.allocate({3, 2, 1, 1});
  cw.cell(2, 2).State = csFilled;
  cw.cell(1, 2).Text = "3";
  cw.allocate({3, 2, 1, 1});
  EXPECT_EQ(cw.cell(2, 2).State, csFilled);
  EXPECT_EQ(cw.cell(1, 2).Text, "3");
  cw.allocate({3, 3, 1, 1});
  EXPECT_EQ(cw.cell(2, 2).State, csBlank);
  EXPECT_EQ(cw.cell(1, 2).Text, "");
}

TEST(CrosswordClues, EmptyClueCellsBetweenNumbersAreSkipped) {
  Crossword cw;
  cw.allocate({7, 1, 3, 3});
  cw.cell(1, 4).Text = "2";
  cw.cell(3, 4).Text = "3";
  cw.cell(4, 1).Text = "1";
  cw.cell(4, 3).Text = "0";
  EXPECT_EQ(cw.rowClues(4), (std::vector<int>{2, 3}));
  EXPECT_EQ(cw.columnClues(4), (std::vector<int>{1, 0}));  // "0" is a clue, empty text is not
}

struct RowCase {
  const char* name;
  std::vector<int> clues;
  std::string row;
  int status;
};

class RowStatus : public testing::TestWithParam<RowCase> {};

TEST_P(RowStatus, IsEvaluatedFromMarksAndClues) {
  const RowCase& c = GetParam();
  Crossword cw = makeCrossword({{c.clues}, test::Clues(c.row.size()), {c.row}, 3, 1});
  EXPECT_EQ(cw.CheckRow(2), c.status);
  // The same line as a column gives the same answer.
  Crossword transposed = makeCrossword({test::Clues(c.row.size()), {c.clues}, {}, 1, 3});
  std::vector<std::string> column;
  for (char ch : c.row) column.push_back(std::string(1, ch));
  setPictureRows(transposed, column);
  EXPECT_EQ(transposed.CheckColumn(2), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RowStatus,
    testing::Values(RowCase{"TwoThreeRight", {2, 3}, ".##.###", lsRight},
                    RowCase{"SecondBlockLongerThanItsClue", {2, 2}, ".##.###", lsWrong},
                    RowCase{"RunNotAtTheFirstFilledCell", {3}, ".##.###", lsWrong},
                    RowCase{"NoCluesAllEmpty", {}, ".......", lsRight},
                    RowCase{"NoCluesOneFilled", {}, "...#...", lsWrong},
                    RowCase{"OneUndecidedCell", {2, 3}, ".##.##?", lsIncomplete},
                    RowCase{"ExtraFilledCellAfterTheClues", {2}, "##..#..", lsWrong},
                    RowCase{"MissingBlock", {2, 1}, "##.....", lsWrong},
                    RowCase{"ClueZeroCountsAsNotFound", {0}, ".......", lsWrong},
                    RowCase{"ClueLongerThanTheLine", {9}, "#######", lsWrong},
                    RowCase{"WholeLine", {7}, "#######", lsRight}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineStatus, UpdateMovesTheIndexBetweenTheSets) {
  Crossword cw = makeCrossword({{{1}}, {{1}, {0}}, {"??"}});
  const int y = cw.firstPictureY();
  const int x = cw.firstPictureX();
  cw.cell(x, y).State = csEmpty;
  cw.cell(x + 1, y).State = csFilled;
  cw.UpdateLineStatus(x, y);
  EXPECT_TRUE(cw.RowsRight[y]);
  EXPECT_FALSE(cw.RowsWrong[y]);
  EXPECT_TRUE(cw.ColsWrong[x]);  // column clue 1, cell empty
  cw.cell(x + 1, y).State = csEmpty;
  cw.UpdateLineStatus(x + 1, y);
  EXPECT_TRUE(cw.RowsWrong[y]);
  EXPECT_FALSE(cw.RowsRight[y]);
  cw.cell(x + 1, y).State = csBlank;
  cw.UpdateLineStatus(x + 1, y);
  EXPECT_FALSE(cw.RowsWrong[y]);
  EXPECT_FALSE(cw.RowsRight[y]);
  EXPECT_EQ(cw.rowStatus(y), lsIncomplete);
}

TEST(LineStatus, AHeaderIndexForTheOtherLineTouchesNoPictureLine) {
  Crossword cw = makeCrossword({{{2}}, {{1}, {1}}, {"##"}});
  const auto before = cw.ColsRight;
  cw.UpdateLineStatus(cw.dims().CapColCount, cw.firstPictureY());
  EXPECT_EQ(cw.ColsRight, before);
  EXPECT_TRUE(cw.RowsRight[cw.firstPictureY()]);
}

TEST(Completion, NeedsEveryCellMarkedAndNoWrongLine) {
  Crossword cw = makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#.", ".#"}});
  EXPECT_TRUE(cw.solved());
  Crossword wrong = makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#.", "#."}});
  EXPECT_FALSE(wrong.solved());
  Crossword open = makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#.", ".?"}});
  EXPECT_FALSE(open.solved());
}

// Header cells may carry states: a file can put 201 or 202 anywhere, and the editor cursor's
// clue cell is selected (state 1) through a clear. Neither may mark a line: a right picture is
// solved.
struct HeaderStateCase {
  const char* name;
  test::CrosswordSpec spec;
};

void PrintTo(const HeaderStateCase& c, std::ostream* os) { *os << c.name; }

class HeaderStates : public testing::TestWithParam<HeaderStateCase> {};

TEST_P(HeaderStates, NeverKeepARightPictureFromBeingSolved) {
  for (std::uint8_t state : {csFilled, csEmpty}) {
    Crossword cw = makeCrossword(GetParam().spec);
    for (int x = 1; x < cw.W1(); ++x)
      for (int y = 1; y < cw.H1(); ++y)
        if (!cw.isPicture(x, y)) cw.cell(x, y).State = state;
    cw.updateAllLineStatus();  // as the loader and Start do
    EXPECT_TRUE(cw.solved()) << "header state " << int{state};
    // Marking re-evaluates only the lines through the cell; nothing else may stay wrong.
    cw.clearPicture();
    ASSERT_TRUE(setPictureRows(cw, GetParam().spec.picture));
    for (int x = cw.firstPictureX(); x < cw.W1(); ++x)
      for (int y = cw.firstPictureY(); y < cw.H1(); ++y) cw.UpdateLineStatus(x, y);
    cw.MarkedCount = cw.countMarked();
    EXPECT_TRUE(cw.solved()) << "after a clear, header state " << int{state};
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HeaderStates,
    testing::Values(HeaderStateCase{"OneCell", {{{1}}, {{1}}, {"#"}}},
                    HeaderStateCase{"OneColumn", {{{1}, {}, {1}}, {{1, 1}}, {"#", ".", "#"}}},
                    HeaderStateCase{"OneRow", {{{2}}, {{1}, {1}, {}}, {"##."}}},
                    HeaderStateCase{"TwoHeaderRowsAboveOneCell", {{{1}}, {{1}}, {"#"}, 1, 2}},
                    HeaderStateCase{"ThreeByTwo", {{{3}, {1}}, {{2}, {1}, {1}}, {"###", "#.."}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineStatus, AHeaderLineIsNeverComplete) {
  Crossword cw = makeCrossword({{{1}}, {{1}}, {"#"}, 1, 2});
  cw.cell(2, 2).State = csFilled;  // the clue cell right above the picture
  cw.cell(1, 3).State = csFilled;  // the clue cell left of it
  EXPECT_EQ(cw.CheckRow(2), lsIncomplete);
  EXPECT_EQ(cw.CheckColumn(1), lsIncomplete);
}

TEST(ClueChecks, SumDifferenceComparesColumnsWithRows) {
  Crossword cw = makeCrossword({{{3}, {2}, {1}, {2}, {1}}, {{5}, {1}, {1}, {1}, {1, 1}}, {}});
  EXPECT_EQ(cw.clueSumDifference(), 10 - 9);
  Crossword none = makeCrossword({{{}, {}}, {{}, {}}, {}});
  EXPECT_EQ(none.clueSumDifference(), 0);
}

TEST(ClueChecks, LineFitsComparesTheShortestLengthWithTheLine) {
  Crossword fits = makeCrossword({{{2, 2}}, test::Clues(5), {}});
  EXPECT_EQ(fits.cellsNeeded(1, fits.firstPictureY()), 5);
  EXPECT_TRUE(fits.lineFits(1, fits.firstPictureY()));
  Crossword overflows = makeCrossword({{{3, 2}}, test::Clues(5), {}});
  EXPECT_EQ(overflows.cellsNeeded(2, overflows.firstPictureY()), 6);
  EXPECT_FALSE(overflows.lineFits(2, overflows.firstPictureY()));
  // A column clue cell judges its column; zeros and empty cells count nothing.
  Crossword column = makeCrossword({test::Clues(3), {{0, 3}}, {}, 1, 3});
  EXPECT_EQ(column.cellsNeeded(column.firstPictureX(), 1), 3);
  EXPECT_TRUE(column.lineFits(column.firstPictureX(), 2));
  Crossword empty = makeCrossword({test::Clues(1), {{}}, {}});
  EXPECT_EQ(empty.cellsNeeded(empty.firstPictureX(), 1), -1);
}

TEST(Marking, MarkingAMarkedCellChangesNothing) {
  Crossword cw = makeCrossword({{{1}}, {{1}}, {}});
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  EXPECT_TRUE(cw.markCell(x, y, true));
  EXPECT_FALSE(cw.markCell(x, y, false));
  EXPECT_EQ(cw.cell(x, y).State, csFilled);
  EXPECT_EQ(cw.history.steps().size(), 1u);
  EXPECT_FALSE(cw.eraseCell(x, y - 1));  // a clue cell is never erased
}

TEST(Marking, AStepOfManyCellsIsUndoneWholeAndRedoneInItsOrder) {
  Crossword cw = makeCrossword({test::Clues(2), test::Clues(3), {"#??", "???"}});
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  cw.markCell(x + 2, y + 1, false);
  const std::vector<std::uint8_t> before = cw.pictureStates();
  ASSERT_TRUE(setPictureRows(cw, {".##", "#?."}));  // the first cell emptied, three decided
  cw.MarkedCount = cw.countMarked();
  EXPECT_TRUE(cw.recordPictureChange(before));
  EXPECT_FALSE(cw.recordPictureChange(cw.pictureStates()));  // nothing changed: no empty step
  cw.markCell(x + 1, y + 1, true);

  EXPECT_EQ(cw.undo(), (HistoryStep{{x + 1, y + 1, csBlank, csFilled}}));
  EXPECT_EQ(cw.undo(), (HistoryStep{{x, y, csFilled, csEmpty},
                                    {x + 1, y, csBlank, csFilled},
                                    {x + 2, y, csBlank, csFilled},
                                    {x, y + 1, csBlank, csFilled}}));
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#??", "??."}));
  EXPECT_EQ(cw.MarkedCount, 2);
  cw.redo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{".##", "#?."}));
  EXPECT_EQ(cw.MarkedCount, 5);
}

TEST(Marking, ClearIsOneStepThatUndoBringsBack) {
  Crossword cw = makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#.", ".#"}});
  cw.markSaved();
  cw.clearPicture();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"??", "??"}));
  EXPECT_EQ(cw.MarkedCount, 0);
  EXPECT_TRUE(cw.RowsRight.none());
  EXPECT_TRUE(cw.IsModified());
  cw.undo();
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#.", ".#"}));
  EXPECT_EQ(cw.MarkedCount, 4);
  EXPECT_FALSE(cw.IsModified());
}

}  // namespace
}  // namespace jcw
