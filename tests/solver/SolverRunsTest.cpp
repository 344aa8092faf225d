// The solve loop, the test verdict with its messages, and the hint pass.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "solver/SolverText.h"
#include "model/ProcessState.h"
#include "solver/SolverRuns.h"
#include "support/Fixtures.h"
#include "support/ProcessReset.h"

namespace jcw {
namespace {

using test::makeCrossword;
using test::workRows;

class RunTest : public testing::Test {
 protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }

  SolverState& prepared(const Crossword& crossword, bool useMarks = false) {
    state.UseMarks = useMarks;
    PrepareSolver(state, crossword);
    return state;
  }

  SolverState state;
};

// Row 1 fills exactly; the columns then decide row 2.
Crossword decidedByColumns() { return makeCrossword({{{3}, {1}}, {{2}, {1}, {1}}, {}}); }
// Both rows fill exactly.
Crossword decidedByRows() { return makeCrossword({{{2}, {2}}, {{2}, {2}}, {}}); }
// Two diagonals fit.
Crossword twoDiagonals() { return makeCrossword({{{1}, {1}}, {{1}, {1}}, {}}); }
// Equal clue sums, but the rows leave column 1 with one filled cell for its clue 2.
Crossword noPicture() { return makeCrossword({{{2}, {}}, {{2}, {}}, {}}); }

TEST_F(RunTest, SolveAlternatesSweepsUntilEveryCellIsKnown) {
  int sweeps = 0;
  solveByLines(prepared(decidedByColumns()), [&] { ++sweeps; });
  EXPECT_EQ(sweeps, 2);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"###", "#.."}));
}

TEST_F(RunTest, SolveSkipsTheColumnsWhenTheRowsDecideEverything) {
  int sweeps = 0;
  solveByLines(prepared(decidedByRows()), [&] { ++sweeps; });
  EXPECT_EQ(sweeps, 1);
}

TEST_F(RunTest, SolveStopsAfterAPassThatLearnsNothing) {
  int sweeps = 0;
  solveByLines(prepared(twoDiagonals()), [&] { ++sweeps; });
  EXPECT_EQ(sweeps, 2);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"??", "??"}));
}

TEST_F(RunTest, SolveStopsWhenCancelled) {
  int sweeps = 0;
  prepared(decidedByColumns()).ProcessEvents = [] { CancelRequested = true; };
  solveByLines(state, [&] { ++sweeps; });
  EXPECT_EQ(sweeps, 1);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"???", "???"}));
}

struct TestCase {
  const char* name;
  Crossword (*crossword)();
  std::vector<std::string> marks;
  TestOutcome outcome;
};

class TestVerdict : public RunTest, public testing::WithParamInterface<TestCase> {};

TEST_P(TestVerdict, FollowsWhatTheSweepsDecided) {
  const TestCase& c = GetParam();
  Crossword crossword = c.crossword();
  setPictureRows(crossword, c.marks);
  EXPECT_EQ(runTest(prepared(crossword, !c.marks.empty())), c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Crosswords, TestVerdict,
    testing::Values(
        TestCase{"DecidedByColumnsIsSingle", decidedByColumns, {}, TestOutcome::SingleSolution},
        TestCase{"TwoDiagonalsAreSeveral", twoDiagonals, {}, TestOutcome::SeveralSolutions},
        TestCase{"AMarkPicksOneDiagonal", twoDiagonals, {"#?"}, TestOutcome::SingleSolution},
        TestCase{"NoPictureIsNotASingleSolution", noPicture, {}, TestOutcome::NoSolution},
        TestCase{"WrongMarksAreNoSolution", decidedByRows, {"#."}, TestOutcome::NoSolution}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, TestReportsCancellationFirst) {
  prepared(decidedByColumns()).ProcessEvents = [] { CancelRequested = true; };
  EXPECT_EQ(runTest(state), TestOutcome::Cancelled);
}

struct MessageCase {
  TestOutcome outcome;
  bool useMarks;
  std::string text;
};

TEST(TestMessage, IsTheTextTheProgramShows) {
  const MessageCase cases[] = {
      {TestOutcome::Cancelled, false, "Тест прерван пользователем"},
      {TestOutcome::SingleSolution, true, "Кроссворд имеет единственное решение"},
      {TestOutcome::SeveralSolutions, false,
       "Решение не найдено.\n\rКроссворд имеет несколько вариантов решений"},
      {TestOutcome::NoSolution, false, "Решение не найдено.\n\rКроссворд не имеет решений"},
      {TestOutcome::NoSolution, true,
       "Решение не найдено.\n\rОтмеченные клетки противоречат числам"},
  };
  for (const MessageCase& c : cases)
    EXPECT_EQ(testMessage(c.outcome, c.useMarks), c.text) << static_cast<int>(c.outcome);
}

TEST_F(RunTest, OneHintUsesTheRowsItDecidedInItsColumnSweep) {
  EXPECT_TRUE(hintPass(prepared(decidedByColumns())));
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"###", "#.."}));
  EXPECT_FALSE(hintPass(state));
}

TEST_F(RunTest, HintOnMarksThatDecideEverythingPossibleChangesNothing) {
  Crossword crossword = twoDiagonals();
  EXPECT_FALSE(hintPass(prepared(crossword, true)));
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"??", "??"}));
}

}  // namespace
}  // namespace jcw
