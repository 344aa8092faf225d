#include <gtest/gtest.h>

#include "mainwindow/CellLayout.h"
#include "mainwindow/ResizeEchoes.h"

namespace jcw {
namespace {

struct LayoutCase {
  const char* name;
  int clientWidth, clientHeight, fieldLeft, fieldTop;
  Dimensions dims;  // columns, rows, header columns, header rows
  CellLayout expected;
};

class GetCellSizeCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(GetCellSizeCases, GivesTheCellSizeAndWrapsTheField) {
  const LayoutCase& c = GetParam();
  const CellLayout got = GetCellSize(c.clientWidth, c.clientHeight, c.fieldLeft, c.fieldTop, c.dims);
  EXPECT_EQ(got.cellSize, c.expected.cellSize);
  EXPECT_EQ(got.fieldWidth, c.expected.fieldWidth);
  EXPECT_EQ(got.fieldHeight, c.expected.fieldHeight);
  EXPECT_EQ(got.clientWidth, c.expected.clientWidth);
  EXPECT_EQ(got.clientHeight, c.expected.clientHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GetCellSizeCases,
    testing::Values(
        // w = 650 / 26 = 25, h = 453 / 20 = 22: s = 22; 3 + 26 * 22 + 3, 2 + 20 * 22 + 2.
        LayoutCase{"WorkedExampleWithTheToolPanelOnTop", 650, 490, 0, 37, {20, 15, 5, 4},
                   {22, 578, 444, 578, 481}},
        // A left panel widens the client by its width and leaves the height alone.
        LayoutCase{"LeftPanelAddsItsWidthToTheClient", 694, 453, 44, 0, {20, 15, 5, 4},
                   {22, 578, 444, 622, 444}},
        // (3 - 9) div 5 = -1: 13 * 10 - 1 + 3.
        LayoutCase{"MoreHeaderColumnsThanPictureColumnsMakeTheSeparatorTermNegative", 130, 500, 0,
                   0, {3, 10, 9, 2}, {10, 132, 133, 132, 133}},
        // Too small for one pixel per cell: held at 1, and the client grows to the field.
        LayoutCase{"ATinyClientHoldsTheCellSizeAtOne", 10, 10, 0, 0, {20, 15, 5, 4},
                   {1, 32, 24, 32, 24}},
        // Narrower than a left panel: a negative quotient, held at 1 all the same.
        LayoutCase{"AClientNarrowerThanTheLeftPanelHoldsTheCellSizeAtOne", 20, 400, 44, 0,
                   {5, 5, 2, 2}, {1, 11, 10, 55, 10}},
        // Seven header rows over eleven picture rows: the window's term (11 - 7) div 5 = 0
        // would cut off the frame below the last row; the picture needs 2 + 10 div 5.
        LayoutCase{"ManyHeaderRowsStillLeaveRoomForTheLastFrame", 1000, 1000, 0, 0,
                   {11, 11, 7, 7}, {52, 52 * 19 + 4, 52 * 19 + 4, 52 * 19 + 4, 52 * 19 + 4}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(GetCellSize, ItsResultIsAFixedPointOfItself) {
  // The window resizes itself to the result and the size change lays it out again; that second
  // pass must change nothing.
  for (const Dimensions d : {Dimensions{20, 15, 5, 4}, Dimensions{1, 1, 1, 1}, Dimensions{3, 10, 9, 2},
                             Dimensions{100, 100, 100, 100}, Dimensions{31, 24, 4, 4}}) {
    for (const int top : {0, 37}) {
      const CellLayout first = GetCellSize(1280, 1000, 0, top, d);
      const CellLayout second = GetCellSize(first.clientWidth, first.clientHeight, 0, top, d);
      EXPECT_EQ(second.cellSize, first.cellSize) << int(d.ColCount) << " top " << top;
      EXPECT_EQ(second.clientWidth, first.clientWidth);
      EXPECT_EQ(second.clientHeight, first.clientHeight);
    }
  }
}

TEST(ToolSide, GoesLeftOnlyWhenThereIsMoreRoomBeside) {
  EXPECT_EQ(toolSide(300, 100), ToolSide::Left);
  EXPECT_EQ(toolSide(100, 300), ToolSide::Top);
  EXPECT_EQ(toolSide(100, 100), ToolSide::Top);
  EXPECT_EQ(toolSide(-5, -20), ToolSide::Left);
}

TEST(CentredStart, RoundsHalvesTowardZero) {
  EXPECT_EQ(centredStart(0, 1280, 1276), 2);
  EXPECT_EQ(centredStart(0, 1024, 991), 16);
  EXPECT_EQ(centredStart(100, 800, 801), 100);  // (800 - 801) / 2 = 0, not -1
  EXPECT_EQ(centredStart(0, 800, 803), -1);
}

TEST(ResizeEchoes, RecognisesEveryRecentRequestButNotOtherSizes) {
  ResizeEchoes echoes;
  echoes.requested(600, 400, 1000);
  echoes.requested(644, 400, 1010);
  EXPECT_TRUE(echoes.isEcho(600, 400, 1100));  // a stale answer to the older request
  EXPECT_TRUE(echoes.isEcho(644, 400, 1100));
  EXPECT_FALSE(echoes.isEcho(645, 400, 1100));  // the user's drag
}

TEST(ResizeEchoes, ForgetsRequestsAfterTheirLifetime) {
  ResizeEchoes echoes;
  echoes.requested(600, 400, 0);
  EXPECT_TRUE(echoes.isEcho(600, 400, ResizeEchoes::kLifetimeMs));
  EXPECT_FALSE(echoes.isEcho(600, 400, ResizeEchoes::kLifetimeMs + 1));
}

}  // namespace
}  // namespace jcw
