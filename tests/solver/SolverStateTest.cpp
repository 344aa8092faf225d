// Sweeps, Changed, cancellation and write-back on small crosswords.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "solver/SolverText.h"
#include "model/ProcessState.h"
#include "solver/SolverState.h"
#include "support/Fixtures.h"
#include "support/ProcessReset.h"

namespace jcw {
namespace {

using test::makeCrossword;
using test::workRows;

class SolverTest : public testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }

  void prepare(const Crossword& crossword, bool useMarks) {
    state.UseMarks = useMarks;
    PrepareSolver(state, crossword);
  }

  SolverState state;
};

// A one-row crossword whose row clue cells hold `texts`, left to right; columns have no clues.
Crossword oneRow(const std::vector<std::string>& texts, const std::string& marks) {
  Crossword crossword = makeCrossword({{{}}, test::Clues(marks.size()), {marks},
                                       static_cast<int>(texts.size()), 1});
  for (std::size_t i = 0; i < texts.size(); ++i)
    crossword.cell(1 + static_cast<int>(i), crossword.firstPictureY()).Text = texts[i];
  return crossword;
}

struct RowCase {
  const char* name;
  std::vector<std::string> clueTexts;
  std::string marks;  // taken as known cells
  std::string solved;
  bool contradiction;
};

class OneRowSweep : public SolverTest, public testing::WithParamInterface<RowCase> {};

TEST_P(OneRowSweep, DecidesTheCellsEveryFittingPlacementAgreesOn) {
  const RowCase& c = GetParam();
  prepare(oneRow(c.clueTexts, c.marks), true);
  SweepRows(state);
  EXPECT_EQ(workRows(state), std::vector<std::string>{c.solved});
  EXPECT_EQ(state.Contradiction, c.contradiction);
}

INSTANTIATE_TEST_SUITE_P(
    LineCases, OneRowSweep,
    testing::Values(
        RowCase{"NoCluesEmptiesTheLine", {""}, "?????", ".....", false},
        RowCase{"ExactFitDecidesEveryCell", {"2", "2"}, "?????", "##.##", false},
        RowCase{"ThreeInFiveFillsOnlyTheMiddle", {"3"}, "?????", "??#??", false},
        RowCase{"KnownCellsNarrowThePlacements", {"1"}, "??#??", "..#..", false},
        RowCase{"ContradictingFilledCellEmptiesTheWholeLine", {"2"}, "#?#??", ".....", true},
        RowCase{"FullyMarkedWrongLineIsEmptied", {"1"}, "##", "..", true},
        RowCase{"GapsBetweenClueCellsAreClosedUp", {"2", "", "3"}, "??????", "##.###", false},
        RowCase{"ZeroAloneIsAnEmptyLine", {"0"}, "???", "...", false},
        RowCase{"ZeroFirstTakesALeadingGap", {"0", "2"}, "???", ".##", false},
        RowCase{"ZeroLastTakesATrailingGap", {"2", "0"}, "???", "##.", false},
        RowCase{"ZeroBetweenWidensTheGap", {"1", "0", "1"}, "????", "#..#", false},
        RowCase{"ZeroGapDoesNotFitAnExactLine", {"0", "2"}, "??", "..", true},
        RowCase{"TwoZerosFitOneCell", {"0", "0"}, "?", ".", false},
        RowCase{"CluesLongerThanTheLineEmptyIt", {"3", "3"}, "?????", ".....", true},
        RowCase{"HugeClueEmptiesTheLine", {"999"}, "???", "...", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolverTest, WithoutUseMarksTheMarksAreIgnored) {
  prepare(oneRow({"1"}, "#...."), false);
  EXPECT_EQ(workRows(state), std::vector<std::string>{"?????"});
  prepare(oneRow({"1"}, "#...."), true);
  EXPECT_EQ(workRows(state), std::vector<std::string>{"#...."});
}

// 3 x 2: row 1 fills exactly, row 2 needs the columns.
Crossword threeByTwo() { return makeCrossword({{{3}, {1}}, {{2}, {1}, {1}}, {}}); }

TEST_F(SolverTest, RowSweepClearsChangedAndColumnSweepKeepsIt) {
  prepare(threeByTwo(), false);
  state.Changed = true;
  SweepRows(state);
  EXPECT_TRUE(state.Changed);  // row 1 was decided
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"###", "???"}));
  SweepColumns(state);
  EXPECT_TRUE(state.Changed);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"###", "#.."}));
  SweepRows(state);
  EXPECT_FALSE(state.Changed);  // nothing left to learn
  state.Changed = true;
  SweepColumns(state);
  EXPECT_TRUE(state.Changed);  // not cleared by a column sweep that learns nothing
}

TEST_F(SolverTest, ColumnSweepSetsChangedWhenItDecidesACell) {
  prepare(makeCrossword({{{1}, {1}}, {{2}, {}}, {}}), false);
  SweepRows(state);
  EXPECT_FALSE(state.Changed);
  SweepColumns(state);
  EXPECT_TRUE(state.Changed);
}

TEST_F(SolverTest, EmptyingAFullyKnownContradictingLineCountsAsAChange) {
  prepare(makeCrossword({{{1}}, {{1}, {}}, {"##"}}), true);
  SweepRows(state);
  EXPECT_TRUE(state.Changed);
  EXPECT_TRUE(state.Contradiction);
  EXPECT_EQ(workRows(state), std::vector<std::string>{".."});
}

// Three rows that each fill their two cells exactly.
Crossword threeExactRows() {
  return makeCrossword({{{2}, {2}, {2}}, {{3}, {3}}, {}});
}

TEST_F(SolverTest, CancellingMidSweepKeepsTheRowsAlreadySolvedAndNoMore) {
  prepare(threeExactRows(), false);
  int linesSolved = 0;
  state.Cancel = [&] { return ++linesSolved == 2; };
  SweepRows(state);
  EXPECT_EQ(linesSolved, 2);  // row 3 was never visited
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"##", "??", "??"}));
  EXPECT_TRUE(state.Changed);
}

TEST_F(SolverTest, ASweepStartedAfterCancellationWritesNothing) {
  prepare(threeExactRows(), false);
  state.Cancel = [] { return true; };
  SweepRows(state);
  SweepColumns(state);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"??", "??", "??"}));
  EXPECT_FALSE(state.Changed);
}

TEST_F(SolverTest, AllCellsKnownOnlyWhenNoCellIsOpen) {
  prepare(threeByTwo(), false);
  EXPECT_FALSE(AllCellsKnown(state));
  SweepRows(state);
  SweepColumns(state);
  EXPECT_TRUE(AllCellsKnown(state));
}

TEST_F(SolverTest, PrepareStartsAfreshFromTheCrossword) {
  prepare(makeCrossword({{{1}}, {{1}, {}}, {"##"}}), true);
  SweepRows(state);
  prepare(threeByTwo(), false);
  EXPECT_FALSE(state.Changed);
  EXPECT_FALSE(state.Contradiction);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"???", "???"}));
}

TEST_F(SolverTest, WriteBackSetsStatesCountAndLineStatus) {
  Crossword crossword = makeCrossword({{{3}, {1}}, {{2}, {1}, {1}}, {"?.?", "??#"}});
  prepare(crossword, false);
  SweepRows(state);  // row 1 decided, row 2 open
  WriteBack(state, crossword);
  EXPECT_EQ(pictureRows(crossword), (std::vector<std::string>{"###", "???"}));
  EXPECT_EQ(crossword.MarkedCount, 3);  // the old marks of row 2 are gone
  const int y = crossword.firstPictureY();
  EXPECT_EQ(crossword.rowStatus(y), lsRight);
  EXPECT_EQ(crossword.rowStatus(y + 1), lsIncomplete);
  EXPECT_FALSE(crossword.solved());
  SweepColumns(state);
  WriteBack(state, crossword);
  EXPECT_EQ(crossword.MarkedCount, 6);
  EXPECT_TRUE(crossword.solved());
}

TEST_F(SolverTest, WriteBackReportsEveryCellRowByRowAfterItsLinesWereEvaluated) {
  Crossword crossword = threeByTwo();
  prepare(crossword, false);
  SweepRows(state);
  std::vector<std::pair<int, int>> painted;
  WriteBack(state, crossword, [&](int x, int y) {
    painted.emplace_back(x, y);
    // The row just written is complete at its last cell, and its status is already known.
    if (x == crossword.W1() - 1 && y == crossword.firstPictureY()) {
      EXPECT_EQ(crossword.rowStatus(y), lsRight);
    }
  });
  std::vector<std::pair<int, int>> expected;
  for (int y = crossword.firstPictureY(); y < crossword.H1(); ++y)
    for (int x = crossword.firstPictureX(); x < crossword.W1(); ++x) expected.emplace_back(x, y);
  EXPECT_EQ(painted, expected);
}

TEST_F(SolverTest, WriteBackIgnoresACrosswordOfAnotherShape) {
  prepare(threeByTwo(), false);
  SweepRows(state);
  Crossword other = makeCrossword({{{1}}, {{1}}, {"?"}});
  WriteBack(state, other);
  EXPECT_EQ(pictureRows(other), std::vector<std::string>{"?"});
  EXPECT_EQ(other.MarkedCount, 0);
}

}  // namespace
}  // namespace jcw
