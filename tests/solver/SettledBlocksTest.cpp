// Block starts and crossed-off clue numbers against the enumerating reference: a block is
// settled when every fitting placement starts it at the same cell and that cell's run is filled.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "solver/BlockStarts.h"
#include "solver/SettledBlocks.h"
#include "solver/WorkGrid.h"
#include "support/Fixtures.h"
#include "support/LineEnumeration.h"

namespace jcw {
namespace {

std::vector<std::uint8_t> cellsOf(const std::string& text) {
  std::vector<std::uint8_t> cells;
  for (char c : text) cells.push_back(c == '#' ? wcFilled : c == '.' ? wcEmpty : wcUnknown);
  return cells;
}

LineCells knownOf(const std::vector<std::uint8_t>& cells) {
  LineCells known;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (cells[k] == wcFilled) known.filled |= LineBits{1} << k;
    if (cells[k] == wcEmpty) known.empty |= LineBits{1} << k;
  }
  return known;
}

// "1" per settled block, "0" per other one.
std::string flagsText(const std::vector<bool>& flags) {
  std::string text;
  for (bool flag : flags) text += flag ? '1' : '0';
  return text;
}

// The reference: every fitting placement enumerated, each block's starts collected as a mask
// (none for a zero); nothing when no placement fits.
std::optional<std::vector<LineBits>> enumeratedStarts(const std::vector<int>& clues,
                                                      std::vector<std::uint8_t> cells) {
  const int length = static_cast<int>(cells.size());
  LineState line;
  setLineClues(line, 1, length, clues);
  const LineView view(cells.data(), 1, length);
  if (!FirstFittingPlacement(line, view)) return std::nullopt;
  std::vector<LineBits> starts(clues.size(), 0);
  do {
    for (std::size_t j = 0; j < clues.size(); ++j)
      if (clues[j] > 0) starts[j] |= LineBits{1} << (line.Blocks[j].Start - 1);
  } while (NextFittingPlacement(line, view));
  return starts;
}

std::string enumeratedSettled(const std::vector<int>& clues, std::vector<std::uint8_t> cells) {
  const std::optional<std::vector<LineBits>> masks = enumeratedStarts(clues, cells);
  std::vector<std::set<int>> starts(clues.size());
  for (std::size_t j = 0; masks && j < clues.size(); ++j)
    for (int k = 0; k < static_cast<int>(cells.size()); ++k)
      if (((*masks)[j] >> k & 1) != 0) starts[j].insert(k);
  std::string text;
  for (std::size_t j = 0; j < clues.size(); ++j) {
    bool settled = clues[j] > 0 && starts[j].size() == 1;
    for (int k = settled ? *starts[j].begin() : 0; settled && k < *starts[j].begin() + clues[j]; ++k)
      settled = cells[k] == wcFilled;
    text += settled ? '1' : '0';
  }
  return text;
}

std::string fastSettled(const std::vector<int>& clues, const std::vector<std::uint8_t>& cells) {
  const std::vector<std::uint8_t> sizes(clues.begin(), clues.end());
  return flagsText(settledBlocks(sizes, static_cast<int>(cells.size()), knownOf(cells)));
}

struct SettledCase {
  const char* name;
  std::vector<int> clues;
  const char* line;
  const char* settled;  // expected, one flag per clue
};

const SettledCase kCases[] = {
    {"one filled cell in the middle of an open line settles neither 1", {1, 1}, "??#??", "00"},
    {"a filled run matching two numbers settles neither", {2, 2}, "???##????", "00"},
    {"the same run with no room before it for a block is the first", {2, 2}, "??##???", "10"},
    {"the same run pinned by an empty edge settles the first", {2, 2}, ".##.???", "10"},
    {"a complete right line settles every number", {2, 1}, "##..#", "11"},
    {"a complete wrong line settles nothing", {2, 1}, "#.#.#", "00"},
    {"a line whose marks contradict its clue settles nothing", {3}, "#.#??", "0"},
    {"a known position still needs its cells filled", {3}, "???", "0"},
    {"an exactly fitting line filled in is settled", {3}, "###", "1"},
    {"a half-filled exact fit is not", {3}, "#?#", "0"},
    {"a block pinned by empties but with an open cell is not", {2}, ".#?.", "0"},
    {"the same block closed on both sides is", {2}, "?.##.?", "1"},
    {"a block at the edge needs its end closed", {2}, "##??", "1"},
    {"an edge block with room to slide is settled once filled", {1, 2}, "#.??##", "11"},
    {"a zero clue covers nothing and is never crossed off", {0}, ".....", "0"},
    {"no clue at all", {}, "..??.", ""},
    {"the larger block is found by its size", {1, 3}, "??###", "01"},
    {"a run longer than the first number belongs to the second", {1, 3}, "?.###?", "01"},
    {"a run too short for either number settles nothing", {2, 2}, "???#????", "00"},
    {"three blocks, the middle one fixed", {1, 2, 1}, "?.?##?.?", "010"},
    {"three blocks, every one fixed", {1, 2, 1}, "#.##.#", "111"},
    {"equal numbers, one of them placed by the empties", {1, 1, 1}, "#.?.?", "100"},
    {"two ones with one cell each filled", {1, 1}, "#?#", "11"},
    {"a filled cell the first block must cover when the second cannot", {3, 1}, "?###?.#", "11"},
    {"a long block ambiguous by one cell", {4}, "?###?", "0"},
};

TEST(SettledBlocks, MatchTheEnumeratedPlacementsOnATableOfLines) {
  for (const SettledCase& c : kCases) {
    const std::vector<std::uint8_t> cells = cellsOf(c.line);
    EXPECT_EQ(enumeratedSettled(c.clues, cells), c.settled) << "reference: " << c.name;
    EXPECT_EQ(fastSettled(c.clues, cells), c.settled) << c.name;
  }
}

// Every clue list and marking of lines up to six cells, as the reference says.
TEST(BlockStartsAndSettledBlocks, MatchTheEnumerationOnEveryShortLine) {
  int compared = 0;
  for (int length = 1; length <= 6; ++length) {
    std::vector<std::uint8_t> cells(static_cast<std::size_t>(length), wcEmpty);
    const int markings = [&] { int n = 1; for (int k = 0; k < length; ++k) n *= 3; return n; }();
    for (int clueCode = 0; clueCode < (1 << length); ++clueCode) {
      // Clue lists from the runs of a bit pattern: every list that fits the line.
      std::vector<int> clues;
      int run = 0;
      for (int k = 0; k <= length; ++k) {
        if (k < length && ((clueCode >> k) & 1) != 0) {
          ++run;
        } else if (run > 0) {
          clues.push_back(run);
          run = 0;
        }
      }
      for (int m = 0; m < markings; ++m) {
        for (int k = 0, code = m; k < length; ++k, code /= 3)
          cells[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(code % 3);
        const std::vector<std::uint8_t> sizes(clues.begin(), clues.end());
        ASSERT_EQ(blockStarts(sizes, length, knownOf(cells)), enumeratedStarts(clues, cells))
            << "line of " << length << " cells, marking " << m << ", clue code " << clueCode;
        ASSERT_EQ(fastSettled(clues, cells), enumeratedSettled(clues, cells))
            << "line of " << length << " cells, marking " << m << ", clue code " << clueCode;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 40000);
}

// On a crossword (two header columns and rows, so picture cell (c, r) is table cell (2 + c,
// 2 + r)): the finished first row crosses off its "2" in both modes; with EachNumber also the
// first "1" of row 2 ("#??" can only be "#.#") and of column 2, while column 1 contradicts its
// clue and row 3's "3" is not filled yet.
TEST(SettledBlocks, CrossedOffClueCellsFollowTheMode) {
  const Crossword crossword = test::makeCrossword(
      {{{2}, {1, 1}, {3}}, {{1, 1}, {1, 1}, {1, 1}}, {"##.", "#??", "#??"}});
  const auto text = [&](CrossOffMode mode) {
    std::string out;
    for (const CellPos& p : crossedOffClueCells(crossword, mode))
      out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return out;
  };
  EXPECT_EQ(text(CrossOffMode::Off), "");
  EXPECT_EQ(text(CrossOffMode::CompleteLines), "(2,3)");
  EXPECT_EQ(text(CrossOffMode::EachNumber), "(2,3)(1,4)(4,1)");
}

// Kept between marks, the lines that changed are worked out again and the rest kept: after each
// of a run of marks and an undo the kept answer is the fresh one.
TEST(SettledBlocks, KeptCrossedOffCluesFollowEveryMarkAndUndo) {
  Crossword crossword = test::pictureCrossword(test::kStairs);
  CrossedOffClues kept;
  const auto same = [&](const char* after) {
    for (CrossOffMode mode : {CrossOffMode::EachNumber, CrossOffMode::CompleteLines})
      EXPECT_EQ(kept.update(crossword, mode), crossedOffClueCells(crossword, mode)) << after;
  };
  same("nothing marked");
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      const int x = crossword.firstPictureX() + c, y = crossword.firstPictureY() + r;
      ASSERT_TRUE(crossword.markCell(x, y, test::kStairs[r][c] == '#'));
      same("a mark");
    }
  EXPECT_EQ(kept.update(crossword, CrossOffMode::EachNumber).size(), 11u) << "every number";
  crossword.undo();
  same("an undo");
}

}  // namespace
}  // namespace jcw
