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

void expectLayout(const CellLayout& got, const CellLayout& expected) {
  EXPECT_EQ(got.cellSize, expected.cellSize);
  EXPECT_EQ(got.fieldWidth, expected.fieldWidth);
  EXPECT_EQ(got.fieldHeight, expected.fieldHeight);
  EXPECT_EQ(got.clientWidth, expected.clientWidth);
  EXPECT_EQ(got.clientHeight, expected.clientHeight);
}

class GetCellSizeCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(GetCellSizeCases, GivesTheCellSizeAndWrapsTheField) {
  const LayoutCase& c = GetParam();
  expectLayout(GetCellSize(c.clientWidth, c.clientHeight, c.fieldLeft, c.fieldTop, c.dims),
               c.expected);
}

// Here the client sizes of a case are the room the work area leaves.
class FitCellLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(FitCellLayoutCases, GivesTheLargestCellsWhoseWholeFieldFitsTheRoom) {
  const LayoutCase& c = GetParam();
  expectLayout(fitCellLayout(c.clientWidth, c.clientHeight, c.fieldLeft, c.fieldTop, c.dims),
               c.expected);
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

INSTANTIATE_TEST_SUITE_P(
    MaximumSize, FitCellLayoutCases,
    testing::Values(
        // Left panel, 1600 x 900: GetCellSize takes 900 / 20 = 45 and a field 904 high; with
        // its 4 extra pixels set aside first, (900 - 4) / 20 = 44.
        LayoutCase{"TheExtraPixelsAreSetAsideBeforeDividing", 1600, 900, 44, 0, {20, 15, 5, 4},
                   {44, 1150, 884, 1194, 884}},
        // 100 x 100 under one header line, panel on top: (1000 - 37 - 21) / 102 = 9.
        LayoutCase{"TheLargestCrosswordFitsBelowTheToolPanel", 1280, 1000, 0, 37,
                   {100, 100, 1, 1}, {9, 940, 939, 940, 976}},
        LayoutCase{"ARoomTooSmallForOnePixelPerCellHoldsTheCellSizeAtOne", 20, 20, 0, 37,
                   {20, 15, 5, 4}, {1, 32, 24, 32, 61}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(FitCellLayout, FitsTheRoomWithTheLargestCellsAndSurvivesALayoutPass) {
  const Dimensions shapes[] = {{20, 15, 5, 4},       {1, 1, 1, 1},   {3, 10, 9, 2},
                               {100, 100, 100, 100}, {31, 24, 4, 4}, {100, 1, 1, 100},
                               {7, 93, 12, 3}};
  for (const Dimensions& d : shapes) {
    for (int width = 300; width <= 2000; width += 37) {
      for (int height = 300; height <= 1200; height += 29) {
        for (const auto& [left, top] : {std::pair{0, 37}, std::pair{44, 0}}) {
          const CellLayout fit = fitCellLayout(width, height, left, top, d);
          const CellLayout larger = GetCellSize(fit.clientWidth + d.W1(), fit.clientHeight + d.H1(),
                                                left, top, d);  // one pixel more per cell
          SCOPED_TRACE(testing::Message() << int(d.ColCount) << "x" << int(d.RowCount) << " in "
                                          << width << "x" << height << " left " << left);
          ASSERT_EQ(larger.cellSize, fit.cellSize + 1);
          if (fit.cellSize > 1) {
            EXPECT_LE(fit.clientWidth, width);
            EXPECT_LE(fit.clientHeight, height);
          }
          EXPECT_TRUE(larger.clientWidth > width || larger.clientHeight > height);
          const CellLayout again =
              GetCellSize(fit.clientWidth, fit.clientHeight, left, top, d);
          EXPECT_EQ(again.cellSize, fit.cellSize);
          EXPECT_EQ(again.clientWidth, fit.clientWidth);
          EXPECT_EQ(again.clientHeight, fit.clientHeight);
        }
      }
    }
  }
}

// A 100 x 100 crossword with 30 header lines at 12-pixel cells is 1593 x 1593 pixels with its
// doubled lines: no 1024 x 768 room holds it, a 2000 x 1700 one does.
TEST(FitOrScroll, WrapsAlongAnAxisThatFitsAndKeepsTheRoomAlongOneThatScrolls) {
  const Dimensions big{100, 100, 30, 30};
  const int bar = 15;
  const struct {
    const char* name;
    int roomWidth, roomHeight, fieldLeft, fieldTop;
    Dimensions d;
    CellLayout expected;
  } cases[] = {
      {"BothFit", 2000, 1700, 0, 37, big, {12, 1593, 1593, 1593, 1630}},
      {"NeitherFits", 1016, 700, 0, 37, big, {12, 1016, 663, 1016, 700}},
      {"TooTallOnly: the scroll bar beside the wrapped width", 1700, 900, 44, 0, big,
       {12, 1593 + bar, 900, 1593 + bar + 44, 900}},
      {"TooWideOnly", 1000, 1700, 0, 0, big, {12, 1000, 1593 + bar, 1000, 1593 + bar}},
      // The bar across makes the height that just fitted too short.
      {"ABarTipsTheOtherAxis", 1000, 1600, 0, 0, big, {12, 1000, 1600, 1000, 1600}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    expectLayout(fitOrScroll(c.roomWidth, c.roomHeight, c.fieldLeft, c.fieldTop, c.d,
                             c.expected.cellSize, bar),
                 c.expected);
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
