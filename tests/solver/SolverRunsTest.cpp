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
  // Escape pressed once the run has begun: the first line solved is not written.
  prepared(decidedByColumns()).Cancel = [asked = 0]() mutable { return ++asked > 1; };
  solveByLines(state, [&] { ++sweeps; });
  EXPECT_EQ(sweeps, 1);
  EXPECT_EQ(workRows(state), (std::vector<std::string>{"???", "???"}));
}

// #.#. / .#.. / .#.# / #.#. is the only picture, but line deduction leaves cells open.
Crossword uniqueButNotByLines() {
  return makeCrossword({{{1, 1}, {1}, {1, 1}, {1, 1}}, {{1, 1}, {2}, {1, 1}, {1}}, {}});
}

struct TestCase {
  const char* name;
  Crossword (*crossword)();
  std::vector<std::string> marks;
  TestOutcome outcome;
  bool solvedByLines;
  std::vector<std::vector<std::string>> pictures;
};

class Verdict : public RunTest, public testing::WithParamInterface<TestCase> {};

TEST_P(Verdict, CountsThePicturesThatFit) {
  const TestCase& c = GetParam();
  Crossword crossword = c.crossword();
  setPictureRows(crossword, c.marks);
  const TestVerdict verdict = runTest(prepared(crossword, !c.marks.empty()));
  EXPECT_EQ(verdict.outcome, c.outcome);
  EXPECT_EQ(verdict.solvedByLines, c.solvedByLines);
  std::vector<std::vector<std::string>> pictures;
  for (const WorkGrid& picture : verdict.pictures) pictures.push_back(rowsText(picture));
  EXPECT_EQ(pictures, c.pictures);
}

INSTANTIATE_TEST_SUITE_P(
    Crosswords, Verdict,
    testing::Values(
        TestCase{"DecidedByColumnsIsSingle", decidedByColumns, {}, TestOutcome::SingleSolution,
                 true, {{"###", "#.."}}},
        TestCase{"UniqueButNotByLinesIsSingle", uniqueButNotByLines, {},
                 TestOutcome::SingleSolution, false, {{"#.#.", ".#..", ".#.#", "#.#."}}},
        TestCase{"TwoDiagonalsAreSeveral", twoDiagonals, {}, TestOutcome::SeveralSolutions, false,
                 {{"#.", ".#"}, {".#", "#."}}},
        TestCase{"AMarkPicksOneDiagonal", twoDiagonals, {"#?"}, TestOutcome::SingleSolution,
                 true, {{"#.", ".#"}}},
        TestCase{"NoPictureIsNotASingleSolution", noPicture, {}, TestOutcome::NoSolution, false,
                 {}},
        TestCase{"WrongMarksAreNoSolution", decidedByRows, {"#."}, TestOutcome::NoSolution, false,
                 {}},
        TestCase{"MarksAgainstTheOnlyPictureAreNoSolution", uniqueButNotByLines, {".???"},
                 TestOutcome::NoSolution, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, TestReportsCancellationFirst) {
  prepared(decidedByColumns()).Cancel = [] { return true; };
  EXPECT_EQ(runTest(state).outcome, TestOutcome::Cancelled);
}

struct MessageCase {
  TestOutcome outcome;
  bool solvedByLines;
  bool useMarks;
  std::string text;
};

TEST(TestMessage, IsTheTextTheProgramShows) {
  const MessageCase cases[] = {
      {TestOutcome::Cancelled, false, false, "Тест прерван пользователем"},
      {TestOutcome::SingleSolution, true, true, "Кроссворд имеет единственное решение"},
      {TestOutcome::SingleSolution, false, false,
       "Кроссворд имеет единственное решение\n\rРешить его одной логикой строк и столбцов "
       "нельзя: нужно пробовать варианты клеток"},
      {TestOutcome::SeveralSolutions, false, false,
       "Решение не найдено.\n\rКроссворд имеет несколько вариантов решений"},
      {TestOutcome::NoSolution, false, false, "Решение не найдено.\n\rКроссворд не имеет решений"},
      {TestOutcome::NoSolution, false, true,
       "Решение не найдено.\n\rОтмеченные клетки противоречат числам"},
  };
  for (const MessageCase& c : cases) {
    TestVerdict verdict;
    verdict.outcome = c.outcome;
    verdict.solvedByLines = c.solvedByLines;
    EXPECT_EQ(testMessage(verdict, c.useMarks), c.text) << static_cast<int>(c.outcome);
  }
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
