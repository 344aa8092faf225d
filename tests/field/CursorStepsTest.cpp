#include <gtest/gtest.h>

#include <vector>

#include "field/CursorSteps.h"
#include "model/Crossword.h"

namespace jcw {
namespace {

Crossword table(int cols, int rows, int capCols, int capRows) {
  Crossword cw;
  cw.allocate({static_cast<std::uint8_t>(cols), static_cast<std::uint8_t>(rows),
               static_cast<std::uint8_t>(capCols), static_cast<std::uint8_t>(capRows)});
  return cw;
}

// The clue cells in reading order: the column clue rows, then the row clue rows.
std::vector<CellPos> readingOrder(const Crossword& cw) {
  const Dimensions& d = cw.dims();
  std::vector<CellPos> cells;
  for (int y = 1; y <= d.CapRowCount; ++y)
    for (int x = d.CapColCount + 1; x < cw.W1(); ++x) cells.push_back({x, y});
  for (int y = d.CapRowCount + 1; y < cw.H1(); ++y)
    for (int x = 1; x <= d.CapColCount; ++x) cells.push_back({x, y});
  return cells;
}

// The clue cells in column order: the row clue columns, then the column clue columns.
std::vector<CellPos> columnOrder(const Crossword& cw) {
  const Dimensions& d = cw.dims();
  std::vector<CellPos> cells;
  for (int x = 1; x <= d.CapColCount; ++x)
    for (int y = d.CapRowCount + 1; y < cw.H1(); ++y) cells.push_back({x, y});
  for (int x = d.CapColCount + 1; x < cw.W1(); ++x)
    for (int y = 1; y <= d.CapRowCount; ++y) cells.push_back({x, y});
  return cells;
}

std::string show(CellPos p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

struct Shape {
  const char* name;
  int cols, rows, capCols, capRows;
};

class CursorCycle : public testing::TestWithParam<Shape> {
 protected:
  Crossword cw = table(GetParam().cols, GetParam().rows, GetParam().capCols, GetParam().capRows);

  // Every step forward reaches the next cell of `order` (the last wraps to the first) and the
  // step back from there returns.
  void expectCycle(const std::vector<CellPos>& order, CursorDirection forward,
                   CursorDirection back) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      const CellPos next = order[(i + 1) % order.size()];
      EXPECT_EQ(StepCursor(cw, order[i], forward), next) << "from " << show(order[i]);
      EXPECT_EQ(StepCursor(cw, next, back), order[i]) << "back from " << show(next);
    }
  }
};

TEST_P(CursorCycle, RightAndLeftWalkEveryClueCellInReadingOrder) {
  expectCycle(readingOrder(cw), CursorDirection::Right, CursorDirection::Left);
}

TEST_P(CursorCycle, DownAndUpWalkEveryClueCellInColumnOrder) {
  expectCycle(columnOrder(cw), CursorDirection::Down, CursorDirection::Up);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CursorCycle,
    testing::Values(Shape{"OnePictureCell", 1, 1, 1, 1}, Shape{"TwentyByFifteen", 20, 15, 5, 4},
                    Shape{"WideHeaderNarrowPicture", 2, 3, 6, 1},
                    Shape{"TallHeaderOneRow", 7, 1, 1, 5}, Shape{"Largest", 100, 100, 100, 100}),
    [](const testing::TestParamInfo<Shape>& info) { return std::string(info.param.name); });

TEST(CursorStep, RightFromTheLastColumnClueOfTheBottomHeaderRowGoesToTheFirstRowClue) {
  const Crossword cw = table(20, 15, 5, 4);
  const CellPos last{cw.W1() - 1, 4};
  EXPECT_EQ(advanceDirection(2, cw.isColumnClue(last.x, last.y)), CursorDirection::Right);
  EXPECT_EQ(StepCursor(cw, last, CursorDirection::Right), (CellPos{1, 5}));
}

TEST(CursorStep, RightFromTheLastRowClueWrapsToTheFirstColumnClueAndLeftComesBack) {
  const Crossword cw = table(20, 15, 5, 4);
  const CellPos last{5, cw.H1() - 1};
  EXPECT_EQ(StepCursor(cw, last, CursorDirection::Right), (CellPos{6, 1}));
  EXPECT_EQ(StepCursor(cw, CellPos{6, 1}, CursorDirection::Left), last);
}

struct AdvanceCase {
  int nextDirect;
  CursorDirection inColumnClue;
  CursorDirection inRowClue;
};

TEST(AdvanceDirection, FollowsNextDirectAndTheKindOfClueCell) {
  const AdvanceCase cases[] = {
      {0, CursorDirection::Right, CursorDirection::Right},
      {1, CursorDirection::Down, CursorDirection::Down},
      {2, CursorDirection::Right, CursorDirection::Down},
      {3, CursorDirection::Down, CursorDirection::Right},
      {7, CursorDirection::Right, CursorDirection::Right},  // a stray option value moves right
  };
  for (const AdvanceCase& c : cases) {
    EXPECT_EQ(advanceDirection(c.nextDirect, true), c.inColumnClue) << c.nextDirect;
    EXPECT_EQ(advanceDirection(c.nextDirect, false), c.inRowClue) << c.nextDirect;
  }
}

TEST(MoveCursorTarget, DirectionCodesStepFromTheCursor) {
  Crossword cw = table(4, 3, 2, 2);
  cw.EditCursor = {3, 2};
  EXPECT_EQ(moveCursorTarget(cw, -1, 0), (CellPos{4, 2}));
  EXPECT_EQ(moveCursorTarget(cw, -5, 0), (CellPos{4, 2}));  // -5 acts as right
  EXPECT_EQ(moveCursorTarget(cw, -2, 0), (CellPos{6, 1}));
  EXPECT_EQ(moveCursorTarget(cw, -3, 0), (CellPos{3, 1}));
  EXPECT_EQ(moveCursorTarget(cw, -4, 0), (CellPos{4, 1}));
}

TEST(MoveCursorTarget, AnIndexPairMustNameAClueCell) {
  Crossword cw = table(4, 3, 2, 2);
  EXPECT_EQ(moveCursorTarget(cw, 1, 3), (CellPos{1, 3}));
  EXPECT_EQ(moveCursorTarget(cw, 6, 2), (CellPos{6, 2}));
  const CellPos refused[] = {{3, 3}, {1, 1}, {0, 4}, {3, 0}, {7, 1}, {-6, 1}, {3, 1000}};
  for (CellPos p : refused) EXPECT_FALSE(moveCursorTarget(cw, p.x, p.y).has_value()) << show(p);
}

}  // namespace
}  // namespace jcw
