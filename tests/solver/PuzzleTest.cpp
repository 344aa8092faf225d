// Every public puzzle line-solves to the number of open cells its README table gives.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/CrosswordFile.h"
#include "solver/SolverRuns.h"
#include "support/ProcessReset.h"

namespace jcw {
namespace {

struct Puzzle {
  const char* name;
  int open;  // cells that line solving leaves undecided
  TestOutcome outcome;
};

constexpr auto kSingle = TestOutcome::SingleSolution;
constexpr auto kSeveral = TestOutcome::SeveralSolutions;

class PublicPuzzle : public testing::TestWithParam<Puzzle> {
 protected:
  void SetUp() override {
    resetProcessState();
    const std::filesystem::path path =
        std::filesystem::path(JCW_PUZZLES_DIR) / "jcw" / (std::string(GetParam().name) + ".jcw");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
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
  if (GetParam().outcome == kSingle) {
    EXPECT_TRUE(crossword.solved());
  }
}

TEST_P(PublicPuzzle, TestGivesItsVerdict) {
  PrepareSolver(state, crossword);
  EXPECT_EQ(runTest(state), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, PublicPuzzle,
    testing::Values(Puzzle{"dom-05", 121, kSeveral},
                    Puzzle{"dom-09", 361, kSeveral},
                    Puzzle{"gen-checker-100x100", 10000, kSeveral},
                    Puzzle{"gen-rand-100x100-d50-s3", 10000, kSeveral},
                    Puzzle{"gen-rand-100x100-d65-s4", 12, kSeveral},
                    Puzzle{"gen-rand-30x30-d50-s1", 886, kSeveral},
                    Puzzle{"gen-rand-30x30-d50-s2", 863, kSeveral},
                    Puzzle{"gen-sparse-dots-100x100", 2304, kSeveral},
                    Puzzle{"gen-tiny-no-solution-2x2", 0, TestOutcome::NoSolution},
                    Puzzle{"gen-tiny-two-solutions-2x2", 4, kSeveral},
                    Puzzle{"gnonograms-42", 0, kSingle},
                    Puzzle{"gnonograms-kde", 0, kSingle},
                    Puzzle{"gnonograms-spade", 0, kSingle},
                    Puzzle{"gnonograms-wikimedia", 0, kSingle},
                    Puzzle{"jwilk-001", 4, kSeveral},
                    Puzzle{"jwilk-022", 351, kSeveral},
                    Puzzle{"jwilk-084", 583, kSeveral},
                    Puzzle{"jwilk-091", 624, kSeveral},
                    Puzzle{"jwilk-120", 8, kSeveral},
                    Puzzle{"qnonograms-c1-100", 0, kSingle},
                    Puzzle{"qnonograms-c1-108", 0, kSingle},
                    Puzzle{"qnonograms-c1-125", 0, kSingle},
                    Puzzle{"qnonograms-c1-133", 0, kSingle},
                    Puzzle{"qnonograms-examples-candle", 0, kSingle},
                    Puzzle{"qnonograms-examples-flower", 0, kSingle},
                    Puzzle{"qnonograms-examples-mouse", 0, kSingle},
                    Puzzle{"qnonograms-examples-rhino", 0, kSingle},
                    Puzzle{"qnonograms-examples-sun", 0, kSingle},
                    Puzzle{"qnonograms-examples-tiger", 0, kSingle},
                    Puzzle{"survey-faase", 6176, kSeveral},
                    Puzzle{"survey-knotty", 1521, kSeveral},
                    Puzzle{"tcga2016-0091", 614, kSeveral},
                    Puzzle{"tcga2016-0110", 600, kSeveral},
                    Puzzle{"tcga2016-0121", 605, kSeveral},
                    Puzzle{"tcga2016-0152", 570, kSeveral},
                    Puzzle{"tcga2016-0158", 599, kSeveral},
                    Puzzle{"thomasr-ambiguous", 12, kSeveral},
                    Puzzle{"thomasr-octopus", 1883, kSeveral},
                    Puzzle{"thomasr-qr", 0, kSingle},
                    Puzzle{"thomasr-world", 4, kSeveral},
                    Puzzle{"webpbn-00001-dancer", 0, kSingle},
                    Puzzle{"webpbn-00006-cat", 0, kSingle},
                    Puzzle{"webpbn-00016-knot", 0, kSingle},
                    Puzzle{"webpbn-00021-skid", 0, kSingle},
                    Puzzle{"webpbn-00023-edge", 110, kSeveral},
                    Puzzle{"webpbn-00027-bucks", 68, kSeveral},
                    Puzzle{"webpbn-00065-mum", 810, kSeveral},
                    Puzzle{"webpbn-00436-petro", 1354, kSeveral},
                    Puzzle{"webpbn-00529-swing", 0, kSingle},
                    Puzzle{"webpbn-00803-light", 2200, kSeveral},
                    Puzzle{"webpbn-01611-merka", 480, kSeveral},
                    Puzzle{"webpbn-06574-forever", 573, kSeveral},
                    Puzzle{"webpbn-26167-bloop", 0, kSingle}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

}  // namespace
}  // namespace jcw
