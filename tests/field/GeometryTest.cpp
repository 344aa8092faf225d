#include <gtest/gtest.h>

#include "field/Geometry.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

// 12 columns and 12 rows of picture below 3 header rows and beside 3 header columns.
Crossword builtCrossword(int cellSize, Dimensions d = {12, 12, 3, 3}) {
  Crossword crossword;
  crossword.allocate(d);
  BuildCellRegions(crossword, cellSize);
  return crossword;
}

struct BoxCase {
  const char* name;
  int x, y;
  Rect box;
};

class CellBoxAtTwenty : public testing::TestWithParam<BoxCase> {};

TEST_P(CellBoxAtTwenty, IsTheCellsRectangle) {
  const Crossword crossword = builtCrossword(20);
  const TCell& cell = crossword.cell(GetParam().x, GetParam().y);
  EXPECT_EQ(cell.region, Region::rectangle(GetParam().box));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellBoxAtTwenty,
    testing::Values(
        // Pixels 81..101: right edge exclusive.
        BoxCase{"FirstPictureColumnSpans81To101", 4, 4, {81, 81, 102, 102}},
        BoxCase{"SecondPictureColumnSharesPixel101", 5, 4, {101, 81, 122, 102}},
        BoxCase{"FifthPictureColumnEndsAt181", 8, 4, {161, 81, 182, 102}},
        BoxCase{"SixthPictureColumnStartsAfterTheDoubledLine", 9, 4, {182, 81, 203, 102}},
        BoxCase{"SixthPictureRowStartsAfterTheDoubledLine", 4, 9, {81, 182, 102, 203}},
        BoxCase{"EleventhPictureCellIsTwoGroupsOn", 14, 14, {283, 283, 304, 304}},
        BoxCase{"ColumnClueCellSitsOnTheRowGrid", 9, 1, {182, 20, 203, 41}},
        BoxCase{"BottomColumnClueMeetsThePictureAtADoubledLine", 4, 3, {81, 60, 102, 81}},
        BoxCase{"RowClueCellSitsOnTheColumnGrid", 1, 9, {20, 182, 41, 203}},
        BoxCase{"RightmostRowClueMeetsThePictureAtADoubledLine", 3, 4, {60, 81, 81, 102}}),
    [](const auto& info) { return info.param.name; });

TEST(BuildCellRegions, WritesKindAndPositionAndLeavesIdleCellsWithoutRegion) {
  Crossword crossword;
  crossword.allocate({6, 4, 2, 3});
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y) crossword.cell(x, y).Kind = 9;
  BuildCellRegions(crossword, 10);
  for (int x = 0; x < crossword.W1(); ++x) {
    for (int y = 0; y < crossword.H1(); ++y) {
      SCOPED_TRACE(testing::Message() << "cell " << x << "," << y);
      const TCell& cell = crossword.cell(x, y);
      const CellKind kind = crossword.kindAt(x, y);
      EXPECT_EQ(cell.Kind, kind);
      const bool indicator = (x == 0) != (y == 0) && (x > 2 || y > 3);
      if (kind != ckNone) {
        EXPECT_EQ(cell.region.shape, Region::Shape::Rectangle);
        EXPECT_EQ(cell.Col, x);
        EXPECT_EQ(cell.Row, y);
      } else {
        EXPECT_EQ(cell.region.shape,
                  indicator ? Region::Shape::Ellipse : Region::Shape::None);
        EXPECT_EQ(cell.Col, 0);
        EXPECT_EQ(cell.Row, 0);
      }
    }
  }
}

TEST(BuildCellRegions, ResetsClueStatesAndKeepsPictureStatesAndTexts) {
  Crossword crossword;
  crossword.allocate({5, 5, 2, 2});
  crossword.cell(3, 1).State = csSelected;
  crossword.cell(1, 4).State = csHover;
  crossword.cell(1, 4).Text = "12";
  crossword.cell(3, 3).State = csFilled;
  crossword.cell(4, 5).State = csEmpty;
  BuildCellRegions(crossword, 16);
  EXPECT_EQ(crossword.cell(3, 1).State, csBlank);
  EXPECT_EQ(crossword.cell(1, 4).State, csBlank);
  EXPECT_EQ(crossword.cell(1, 4).Text, "12");
  EXPECT_EQ(crossword.cell(3, 3).State, csFilled);
  EXPECT_EQ(crossword.cell(4, 5).State, csEmpty);
}

TEST(BuildCellRegions, LeavesAnUnallocatedCrosswordAlone) {
  Crossword crossword;
  BuildCellRegions(crossword, 20);
  FreeCellRegions(crossword);
  EXPECT_FALSE(crossword.allocated());
  EXPECT_EQ(CellAtPoint(crossword, 5, 5), (CellPos{0, 0}));
}

TEST(FreeCellRegions, RemovesEveryRegionSoNothingIsHit) {
  Crossword crossword = builtCrossword(20);
  FreeCellRegions(crossword);
  for (int x = 0; x < crossword.W1(); ++x)
    for (int y = 0; y < crossword.H1(); ++y) EXPECT_FALSE(crossword.cell(x, y).region.exists());
  EXPECT_EQ(CellAtPoint(crossword, 90, 90), (CellPos{0, 0}));
}

struct InsetCase {
  int cellSize;
  int inset;
};

class IndicatorInset : public testing::TestWithParam<InsetCase> {};

TEST_P(IndicatorInset, IsTheSmallerOfAThirdAndHalfOfTwoLess) {
  EXPECT_EQ(indicatorInset(GetParam().cellSize), GetParam().inset);
}

INSTANTIATE_TEST_SUITE_P(Cases, IndicatorInset,
                         testing::Values(InsetCase{1, 0}, InsetCase{2, 0}, InsetCase{3, 0},
                                         InsetCase{4, 1}, InsetCase{6, 2}, InsetCase{20, 6},
                                         InsetCase{30, 10}, InsetCase{0, 0}, InsetCase{-5, 0}));

TEST(IndicatorRegions, AreEllipsesInTheClueBoxMovedOutByOneCellAndInset) {
  const Crossword crossword = builtCrossword(30);
  // Clue cell (4, 1) spans 121..151 by 30..60; up by 30, in by 10.
  EXPECT_EQ(crossword.cell(4, 0).region, Region::ellipse({131, 10, 142, 21}));
  // Column 9 starts a new group of five: one pixel further right.
  EXPECT_EQ(crossword.cell(9, 0).region, Region::ellipse({282, 10, 293, 21}));
  // Clue cell (1, 9) spans 30..60 by 272..302; left by 30, in by 10.
  EXPECT_EQ(crossword.cell(0, 9).region, Region::ellipse({10, 282, 21, 293}));
}

TEST(IndicatorRegions, FillTheWholeCellBoxWhenTheInsetIsZero) {
  const Crossword crossword = builtCrossword(3);
  EXPECT_EQ(crossword.cell(4, 0).region, Region::ellipse({13, 0, 17, 4}));
  EXPECT_EQ(crossword.cell(0, 4).region, Region::ellipse({0, 13, 4, 17}));
}

struct HitCase {
  const char* name;
  int px, py;
  CellPos hit;
};

class HitTestAtTwenty : public testing::TestWithParam<HitCase> {};

TEST_P(HitTestAtTwenty, FindsTheFirstCellInColumnThenRowOrder) {
  const Crossword crossword = builtCrossword(20);
  EXPECT_EQ(CellAtPoint(crossword, GetParam().px, GetParam().py), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HitTestAtTwenty,
    testing::Values(HitCase{"InsideAPictureCell", 90, 90, {4, 4}},
                    HitCase{"SharedColumnBorderGoesToTheSmallerX", 101, 90, {4, 4}},
                    HitCase{"PixelAfterTheSharedBorderIsTheNextColumn", 102, 90, {5, 4}},
                    HitCase{"SharedRowBorderGoesToTheSmallerY", 90, 101, {4, 4}},
                    HitCase{"SharedCornerGoesToTheSmallerXThenY", 101, 101, {4, 4}},
                    HitCase{"LeftLineOfADoubledLineIsTheFifthColumn", 181, 90, {8, 4}},
                    HitCase{"RightLineOfADoubledLineIsTheSixthColumn", 182, 90, {9, 4}},
                    HitCase{"LowerLineOfADoubledRowLineIsTheSixthRow", 90, 182, {4, 9}},
                    HitCase{"ColumnClueCell", 190, 30, {9, 1}},
                    HitCase{"ClueAgainstPictureBorderIsTheClue", 90, 80, {4, 3}},
                    HitCase{"RowClueCell", 30, 190, {1, 9}},
                    HitCase{"ColumnIndicatorIsNeverHit", 90, 10, {0, 0}},
                    HitCase{"RowIndicatorIsNeverHit", 10, 90, {0, 0}},
                    HitCase{"CornerBlockIsNeverHit", 40, 40, {0, 0}},
                    HitCase{"BeyondTheFieldIsNoHit", 400, 400, {0, 0}},
                    HitCase{"NegativePointIsNoHit", -3, -3, {0, 0}}),
    [](const auto& info) { return info.param.name; });

struct ExtentCase {
  const char* name;
  Dimensions d;
  int cellSize;
  Extent extent;
};

class FieldExtent : public testing::TestWithParam<ExtentCase> {};

TEST_P(FieldExtent, ReachesThePicturesLastPixel) {
  const ExtentCase& c = GetParam();
  EXPECT_EQ(fieldExtent(c.d, c.cellSize), c.extent);
  Crossword crossword = builtCrossword(c.cellSize, c.d);
  const Rect last = crossword.cell(crossword.W1() - 1, crossword.H1() - 1).region.box;
  EXPECT_EQ(last.right, c.extent.width);
  EXPECT_EQ(last.bottom, c.extent.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldExtent,
    testing::Values(ExtentCase{"OnePictureCell", {1, 1, 1, 1}, 20, {62, 62}},
                    ExtentCase{"FiveColumnsStayInOneGroup", {5, 10, 3, 2}, 20, {182, 263}},
                    ExtentCase{"SixColumnsAddAGroupLine", {6, 11, 3, 2}, 20, {203, 284}},
                    ExtentCase{"HundredByHundred", {100, 100, 10, 20}, 7, {798, 868}},
                    ExtentCase{"CellSizeZeroIsHeldAtOne", {10, 10, 2, 2}, 0, {16, 16}}),
    [](const auto& info) { return info.param.name; });

class HeldCellSize : public testing::TestWithParam<int> {};

TEST_P(HeldCellSize, BuildsTheSameRegionsAsSizeOne) {
  const Crossword held = builtCrossword(GetParam());
  const Crossword one = builtCrossword(1);
  for (int x = 0; x < one.W1(); ++x) {
    for (int y = 0; y < one.H1(); ++y) {
      EXPECT_EQ(held.cell(x, y).region, one.cell(x, y).region);
      if (one.cell(x, y).region.exists()) {
        EXPECT_GT(one.cell(x, y).region.box.width(), 0);
        EXPECT_GT(one.cell(x, y).region.box.height(), 0);
      }
    }
  }
  EXPECT_EQ(CellAtPoint(held, 5, 5), (CellPos{4, 4}));
}

INSTANTIATE_TEST_SUITE_P(Cases, HeldCellSize, testing::Values(0, -1, -100));

}  // namespace
}  // namespace jcw
