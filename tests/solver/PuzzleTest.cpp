// Every public puzzle line-solves to the number of open cells its README table gives, and the
// test counts its pictures as the table does.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/CrosswordFile.h"
#include "model/PictureText.h"
#include "solver/SolverRuns.h"
#include "support/ProcessReset.h"

namespace jcw {
namespace {

struct Puzzle {
  const char* name;
  int open;  // cells that line solving leaves undecided
  // 0, 1 or 2 (two or more) pictures; kUncounted where the table does not know or counting takes
  // longer than a test may.
  int solutions;
};

constexpr int kUncounted = -1;

class PublicPuzzle : public testing::TestWithParam<Puzzle> {
 protected:
  void SetUp() override {
    resetProcessState();
    const std::filesystem::path path =
        std::filesystem::path(JCW_PUZZLES_DIR) / "jcw" / (std::string(GetParam().name) + ".jcw");
    Result<Crossword> read = readCrosswordFile(path.string());
    ASSERT_TRUE(read) << read.error();
    crossword = std::move(*read);
  }

  Crossword crossword;
  SolverState state;
};

TEST_P(PublicPuzzle, LineSolvesToItsOpenCount) {
  PrepareSolver(state, crossword);
  solveByLines(state);
  EXPECT_EQ(state.Work.unknownCount(), GetParam().open);
  WriteBack(state, crossword);
  // A picture the lines decide without contradiction is a right one.
  if (GetParam().open == 0 && GetParam().solutions == 1) {
    EXPECT_TRUE(crossword.solved());
  }
}

TEST_P(PublicPuzzle, TestCountsItsPictures) {
  if (GetParam().solutions == kUncounted) GTEST_SKIP() << "not counted here";
  PrepareSolver(state, crossword);
  const TestVerdict verdict = runTest(state);
  const TestOutcome expected[] = {TestOutcome::NoSolution, TestOutcome::SingleSolution,
                                  TestOutcome::SeveralSolutions};
  EXPECT_EQ(verdict.outcome, expected[GetParam().solutions]);
  EXPECT_EQ(verdict.solvedByLines, GetParam().open == 0 && GetParam().solutions == 1);
  // Every picture found fits the clues.
  for (const WorkGrid& picture : verdict.pictures) {
    Crossword solved = crossword;
    setPictureRows(solved, rowsText(picture));
    solved.updateAllLineStatus();
    solved.MarkedCount = solved.countMarked();
    EXPECT_TRUE(solved.solved());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, PublicPuzzle,
    testing::Values(Puzzle{"dom-05", 121, 1},
                    Puzzle{"dom-09", 361, 1},
                    Puzzle{"gen-checker-100x100", 10000, 2},
                    Puzzle{"gen-rand-100x100-d50-s3", 10000, kUncounted},
                    Puzzle{"gen-rand-100x100-d65-s4", 12, 2},
                    Puzzle{"gen-rand-30x30-d50-s1", 886, 2},
                    Puzzle{"gen-rand-30x30-d50-s2", 863, 2},
                    Puzzle{"gen-sparse-dots-100x100", 2304, kUncounted},
                    Puzzle{"gen-tiny-no-solution-2x2", 0, 0},
                    Puzzle{"gen-tiny-two-solutions-2x2", 4, 2},
                    Puzzle{"gnonograms-42", 0, 1},
                    Puzzle{"gnonograms-kde", 0, 1},
                    Puzzle{"gnonograms-spade", 0, 1},
                    Puzzle{"gnonograms-wikimedia", 0, 1},
                    Puzzle{"jwilk-001", 4, 2},
                    Puzzle{"jwilk-022", 351, 1},
                    Puzzle{"jwilk-084", 583, 2},
                    Puzzle{"jwilk-091", 624, 1},
                    Puzzle{"jwilk-120", 8, 1},
                    Puzzle{"qnonograms-c1-100", 0, 1},
                    Puzzle{"qnonograms-c1-108", 0, 1},
                    Puzzle{"qnonograms-c1-125", 0, 1},
                    Puzzle{"qnonograms-c1-133", 0, 1},
                    Puzzle{"qnonograms-examples-candle", 0, 1},
                    Puzzle{"qnonograms-examples-flower", 0, 1},
                    Puzzle{"qnonograms-examples-mouse", 0, 1},
                    Puzzle{"qnonograms-examples-rhino", 0, 1},
                    Puzzle{"qnonograms-examples-sun", 0, 1},
                    Puzzle{"qnonograms-examples-tiger", 0, 1},
                    Puzzle{"survey-faase", 6176, kUncounted},
                    Puzzle{"survey-knotty", 1521, 2},
                    Puzzle{"tcga2016-0091", 614, 2},
                    Puzzle{"tcga2016-0110", 600, 2},
                    Puzzle{"tcga2016-0121", 605, 2},
                    Puzzle{"tcga2016-0152", 570, 2},
                    Puzzle{"tcga2016-0158", 599, 2},
                    Puzzle{"thomasr-ambiguous", 12, 2},
                    Puzzle{"thomasr-octopus", 1883, 1},
                    Puzzle{"thomasr-qr", 0, 1},
                    Puzzle{"thomasr-world", 4, 2},
                    Puzzle{"webpbn-00001-dancer", 0, 1},
                    Puzzle{"webpbn-00006-cat", 0, 1},
                    Puzzle{"webpbn-00016-knot", 0, 1},
                    Puzzle{"webpbn-00021-skid", 0, 1},
                    Puzzle{"webpbn-00023-edge", 110, 1},
                    Puzzle{"webpbn-00027-bucks", 68, 1},
                    Puzzle{"webpbn-00065-mum", 810, 1},
                    Puzzle{"webpbn-00436-petro", 1354, 1},
                    Puzzle{"webpbn-00529-swing", 0, 1},
                    Puzzle{"webpbn-00803-light", 2200, 1},
                    Puzzle{"webpbn-01611-merka", 480, 1},
                    Puzzle{"webpbn-06574-forever", 573, 1},
                    Puzzle{"webpbn-26167-bloop", 0, 1}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

}  // namespace
}  // namespace jcw
