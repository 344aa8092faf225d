// The one-line hint and the cell probe against the complete solver: on crosswords with a single
// solution every cell a hint or a probe decides is the solution's, each hint keeps to one line,
// and hints with probes finish what line logic alone leaves open.

#include <gtest/gtest.h>

#include <string>

#include "files/ClueLists.h"
#include "solver/CompleteSolver.h"
#include "solver/LineHint.h"
#include "solver/MarkCheck.h"
#include "solver/PlayerMarks.h"
#include "solver/RandomSeed.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

std::string lineText(const PictureLine& line) {
  return (line.row ? "row " : "column ") + std::to_string(line.index);
}

TEST(LineHint, TheFirstLineThatAdvancesIsDecidedAlone) {
  // Rows first: row 1 "1" decides nothing on an empty line, row 2 "2 1" in five cells fills its
  // second cell in every arrangement.
  const Crossword stairs = test::pictureCrossword(test::kStairs);
  const LineHint hint = firstLineHint(cluesOf(stairs), marksGrid(stairs));
  ASSERT_EQ(hint.kind, LineHintKind::Advance);
  EXPECT_EQ(lineText(hint.line), "row 2");
  ASSERT_EQ(hint.cells.size(), 1u);
  EXPECT_EQ(hint.cells[0], (PictureCell{1, 1}));
  EXPECT_EQ(hint.values[0], wcFilled);
}

TEST(LineHint, NamesALineWhoseMarksContradictItsClueAndSaysWhenAllIsDone) {
  const ClueLists stairs = cluesOf(test::pictureCrossword(test::kStairs));
  const Crossword wrong = test::makeCrossword(
      {stairs.rows, stairs.columns, {"##???", "?????", "?????", "?????", "?????"}});
  const LineHint hint = firstLineHint(cluesOf(wrong), marksGrid(wrong));
  EXPECT_EQ(hint.kind, LineHintKind::Contradiction);
  EXPECT_EQ(lineText(hint.line), "row 1");
  const Crossword solved = test::makeCrossword({{{1}, {1}}, {{1}, {1}}, {"#.", ".#"}});
  EXPECT_EQ(firstLineHint(cluesOf(solved), marksGrid(solved)).kind, LineHintKind::Done);
}

TEST(LineHint, TheFramedDiagonalStopsLineLogicAndNoProbeProvesEitherPicture) {
  const Crossword framed = test::makeCrossword(
      {cluesOf(test::pictureCrossword(test::kFramedDiagonal)).rows,
       cluesOf(test::pictureCrossword(test::kFramedDiagonal)).columns,
       test::kFramedDiagonalByLines});
  const ClueLists clues = cluesOf(framed);
  EXPECT_EQ(firstLineHint(clues, marksGrid(framed)).kind, LineHintKind::Stuck);
  const ProbeHint probe = probeOneCell(clues, marksGrid(framed), {});
  EXPECT_FALSE(probe.found) << "both pictures fit: no value of any open cell is contradictory";
  EXPECT_FALSE(probe.cancelled);
  EXPECT_TRUE(probeOneCell(clues, marksGrid(framed), [] { return true; }).cancelled);
}

// Hints, and probes where the hints stop, from no marks on; every decided cell checked against
// the solution. Crosswords that lines alone solve are common, so the run goes on past the first
// 30 until one needed a probe.
TEST(LineHint, HintsAndProbesNeverDecideAWrongCell) {
  const unsigned seed = test::solverSeed();
  SCOPED_TRACE("JCW_SOLVER_SEED=" + std::to_string(seed));
  int puzzles = 0, probes = 0;
  for (unsigned n = 0; n < 1000 && (puzzles < 30 || probes == 0); ++n) {
    Crossword crossword = test::randomCrossword(15, 15, seed + n);
    const ClueLists clues = cluesOf(crossword);
    const SearchResult search = searchSolutions(clues);
    if (search.solutions != 1) continue;
    ++puzzles;
    const WorkGrid& solution = search.pictures.front();
    WorkGrid marks = marksGrid(crossword);
    for (int step = 0; step < 1000; ++step) {
      const LineHint hint = firstLineHint(clues, marks);
      ASSERT_NE(hint.kind, LineHintKind::Contradiction) << lineText(hint.line);
      if (hint.kind == LineHintKind::Done) break;
      if (hint.kind == LineHintKind::Stuck) {
        const ProbeHint probe = probeOneCell(clues, marks, {});
        if (!probe.found) break;
        ++probes;
        EXPECT_EQ(probe.value, solution.at(probe.cell.column, probe.cell.row))
            << "probe at " << probe.cell.column << "," << probe.cell.row;
        marks.at(probe.cell.column, probe.cell.row) = probe.value;
        continue;
      }
      for (std::size_t i = 0; i < hint.cells.size(); ++i) {
        const PictureCell cell = hint.cells[i];
        EXPECT_EQ(hint.values[i], solution.at(cell.column, cell.row)) << lineText(hint.line);
        EXPECT_EQ(hint.line.row ? cell.row : cell.column, hint.line.index - 1)
            << "a hint keeps to its line";
        marks.at(cell.column, cell.row) = hint.values[i];
      }
    }
    if (HasFailure()) return;
  }
  EXPECT_GE(puzzles, 10);
  EXPECT_GT(probes, 0) << "some crossword needed a probe";
}

TEST(MarkCheck, CountsWrongMarksAndFindsTheNewestRightPosition) {
  Crossword cw = test::pictureCrossword({"##", "#."});
  const SearchResult search = searchSolutions(cluesOf(cw));
  ASSERT_EQ(search.solutions, 1);
  const WorkGrid& solution = search.pictures.front();
  const auto at = [&](int c, int r) { return tableCellOf(cw, {c, r}); };
  ASSERT_TRUE(cw.markCell(at(0, 0).x, at(0, 0).y, true));  // right
  ASSERT_TRUE(cw.markCell(at(1, 1).x, at(1, 1).y, true));  // wrong
  ASSERT_TRUE(cw.markCell(at(0, 1).x, at(0, 1).y, true));  // right
  EXPECT_EQ(wrongMarks(cw, solution), (std::vector<CellPos>{at(1, 1)}));
  EXPECT_EQ(newestRightPosition(cw, solution), std::optional<std::size_t>{1});
  cw.returnToPosition(1);
  EXPECT_TRUE(wrongMarks(cw, solution).empty());
  EXPECT_EQ(cw.history.steps().size(), 4u) << "the way back is one step of its own";
  cw.undo();
  EXPECT_EQ(wrongMarks(cw, solution).size(), 1u);
}

}  // namespace
}  // namespace jcw
