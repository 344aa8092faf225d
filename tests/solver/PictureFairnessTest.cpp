#include <gtest/gtest.h>

#include <random>

#include "model/PictureClues.h"
#include "solver/Difficulty.h"
#include "solver/FixSuggestions.h"
#include "solver/OverlapRule.h"
#include "solver/PictureAnalysis.h"
#include "solver/RandomSeed.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

WorkGrid gridOf(const std::vector<std::string>& rows) {
  WorkGrid grid;
  grid.assign(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), wcUnknown);
  for (int r = 0; r < grid.rowCount(); ++r)
    for (int c = 0; c < grid.colCount(); ++c)
      if (rows[r][c] != '?') grid.at(c, r) = rows[r][c] == '#' ? wcFilled : wcEmpty;
  return grid;
}

// Two framed diagonals side by side: two independent 2 x 2 swaps.
const std::vector<std::string> kTwoSwaps{"##############", "#.....##.....#", "#.#...##.#...#",
                                         "#..#..##..#..#", "#.....##.....#", "#.....##.....#",
                                         "##############"};

TEST(PictureAnalysis, NamesTheVerdictTheOpenCellsAndTheHatch) {
  const PictureAnalysis stairs = analyseClues(cluesOfPicture(test::kStairs));
  EXPECT_EQ(stairs.fairness, Fairness::ByLines);
  EXPECT_EQ(rowsText(stairs.byLines), test::kStairs);

  const PictureAnalysis framed = analyseClues(cluesOfPicture(test::kFramedDiagonal));
  EXPECT_EQ(framed.fairness, Fairness::Several);
  EXPECT_EQ(rowsText(framed.byLines), test::kFramedDiagonalByLines);
  EXPECT_EQ(framed.differing, (std::vector<PictureCell>{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));

  // A contradicting clue list: no picture.
  EXPECT_EQ(analyseClues({{{2}}, {{1}, {}}}).fairness, Fairness::None);
  EXPECT_EQ(analyseClues(cluesOfPicture(test::kStairs), [] { return true; }).fairness,
            Fairness::Cancelled);
}

TEST(PictureAnalysis, ADrawingSettlesItsSwapWithoutSearchAndNeverInventsOne) {
  const PictureAnalysis framed = analyseClues(cluesOfPicture(kTwoSwaps), {}, gridOf(kTwoSwaps));
  EXPECT_EQ(framed.fairness, Fairness::Several);
  EXPECT_EQ(framed.nodes, 0);
  EXPECT_EQ(framed.differing.size(), 4u);

  const std::vector<std::string> trying{"...##.##", "....###.", "#.###...",
                                        ".###....", ".......#", "#.#....#"};
  EXPECT_EQ(analyseClues(cluesOfPicture(trying), {}, gridOf(trying)).fairness,
            Fairness::NeedsTrying);
  // A picture of other clues is no drawing of these: the search decides.
  EXPECT_EQ(analyseClues(cluesOfPicture(test::kFramedDiagonal), {}, gridOf(kTwoSwaps)).fairness,
            Fairness::Several);
}

TEST(FixSuggestions, ACellOfTheSwapRanksFirstAndEveryClaimHolds) {
  for (const auto& picture : {test::kFramedDiagonal, kTwoSwaps}) {
    const ClueLists clues = cluesOfPicture(picture);
    const PictureAnalysis analysis = analyseClues(clues);
    const std::vector<FixSuggestion> fixes = suggestFixes(gridOf(picture), analysis);
    ASSERT_FALSE(fixes.empty());
    EXPECT_LE(fixes.size(), kMostSuggestions);
    EXPECT_TRUE(fixes.front().inHatch);
    const int openBefore = analysis.byLines.unknownCount();
    for (const FixSuggestion& fix : fixes) {
      std::vector<std::string> changed = picture;
      char& cell = changed[fix.cell.row][fix.cell.column];
      EXPECT_EQ(fix.fill, cell == '.');
      cell = fix.fill ? '#' : '.';
      const PictureAnalysis after = analyseClues(cluesOfPicture(changed));
      EXPECT_EQ(openBefore - after.byLines.unknownCount(), fix.decided);
      EXPECT_EQ(fix.makesUnique, after.fairness == Fairness::ByLines);
    }
    for (std::size_t i = 1; i < fixes.size(); ++i)
      EXPECT_GE(fixes[i - 1].makesUnique * 1000 + fixes[i - 1].decided,
                fixes[i].makesUnique * 1000 + fixes[i].decided);
  }
  // The single swap: its first fix leaves one picture.
  const std::vector<FixSuggestion> single = suggestFixes(
      gridOf(test::kFramedDiagonal), analyseClues(cluesOfPicture(test::kFramedDiagonal)));
  EXPECT_TRUE(single.front().makesUnique);
  EXPECT_TRUE(
      suggestFixes(gridOf(test::kStairs), analyseClues(cluesOfPicture(test::kStairs))).empty());
}

TEST(Difficulty, GradesFromTheWeakestRuleThatSolves) {
  struct Case {
    std::vector<std::string> picture;
    int grade;
    bool overlapOnly;
    int depth;
    int sweeps;
  };
  const Case cases[] = {
      {{"#...##", "#..###", ".....#", ".##.##", "..#...", "##.#.."}, 1, true, 0, 6},
      {{"###...##.#.#", ".....#.#....", "..####..#.##", "..###.#.###.", "###.#.##..##",
        "#.#..#.#...#", "##.#..##..#."},
       2,
       false,
       0,
       10},
      {{"#...#.", "#.....", ".....#", "...###", "..####", "##....", ".#....", "#..#..", ".##..."},
       3,
       false,
       0,
       11},
      {{"...##.##", "....###.", "#.###...", ".###....", ".......#", "#.#....#"}, 4, false, 1, 2},
      {test::kFramedDiagonal, 0, false, 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture.front());
    const Difficulty difficulty = gradeClues(cluesOfPicture(c.picture));
    EXPECT_EQ(difficulty.grade, c.grade);
    EXPECT_EQ(difficulty.overlapOnly, c.overlapOnly);
    EXPECT_EQ(difficulty.depth, c.depth);
    EXPECT_EQ(difficulty.sweeps, c.sweeps);
    EXPECT_EQ(difficulty.solutions, c.grade == 0 ? 2 : 1);
    EXPECT_EQ(difficulty.nodes > 0, c.depth > 0 || c.grade == 0);
  }
}

TEST(OverlapRule, DecidesWhatBothExtremePlacementsAgreeOn) {
  struct Case {
    ClueLine clues;
    std::string known;
    std::string decided;  // "!" when nothing fits
  };
  const Case cases[] = {
      {{3}, "?????", "??#??"},    {{2, 2}, "?????", "##.##"}, {{}, "???", "..."},
      {{1}, "?#???", ".#..."},    {{2}, "??.??", "??.??"},    {{3}, "?.???", "..###"},
      {{1, 1}, "#?#??", "#.#.."}, {{4}, "??.??", "!"},        {{1}, "#.#", "!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.known);
    WorkGrid line = gridOf({c.known});
    const bool fits = applyOverlapRule(c.clues, line.row(0));
    EXPECT_EQ(fits, c.decided != "!");
    if (fits) {
      EXPECT_EQ(rowsText(line).front(), c.decided);
    }
  }
}

TEST(OverlapRule, NeverContradictsAPictureThatFits) {
  std::mt19937 random(test::solverSeed());
  for (int round = 0; round < 2000; ++round) {
    const int length = 1 + static_cast<int>(random() % 14);
    std::string truth, known;
    for (int k = 0; k < length; ++k) truth += random() % 2 ? '#' : '.';
    for (char cell : truth) known += random() % 3 == 0 ? cell : '?';
    WorkGrid line = gridOf({known});
    ASSERT_TRUE(applyOverlapRule(cluesOfPicture({truth}).rows.front(), line.row(0))) << truth;
    const std::string decided = rowsText(line).front();
    for (int k = 0; k < length; ++k)
      if (decided[k] != '?') {
        ASSERT_EQ(decided[k], truth[k]) << truth << " from " << known;
      }
  }
}

}  // namespace
}  // namespace jcw
