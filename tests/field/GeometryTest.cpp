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

// Layouts the properties below hold on: one picture cell of one pixel, odd and large cell sizes,
// pictures of one group of five and of several in either direction, one header line and several,
// and sizes below one, which are held at one.
struct Layout {
  const char* name;
  Dimensions d;
  int cellSize;
};

class FieldLayout : public testing::TestWithParam<Layout> {
 protected:
  const Dimensions& d() const { return GetParam().d; }
  int s() const { return heldCellSize(GetParam().cellSize); }
  Rect box(int x, int y) const { return cw.cell(x, y).region.box; }
  // Every clue and picture cell, x outer and y inner.
  std::vector<CellPos> cells() const {
    std::vector<CellPos> all;
    for (int x = 1; x < cw.W1(); ++x)
      for (int y = 1; y < cw.H1(); ++y)
        if (cw.kindAt(x, y) != ckNone) all.push_back({x, y});
    return all;
  }

  Crossword cw = builtCrossword(GetParam().cellSize, GetParam().d);
};

bool contains(const Rect& r, int px, int py) {
  return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
}

// Two frames side by side between the clues and the picture and after every fifth picture
// column (row); one frame line shared everywhere else.
bool doubledLineAfter(int index, int headerCount) {
  return index == headerCount || (index > headerCount && (index - headerCount) % 5 == 0);
}

// So no two cells overlap inside their frames.
TEST_P(FieldLayout, CellsAreSquaresInStraightLinesSharingFramesAndDoublingEveryFifth) {
  for (CellPos c : cells()) {
    SCOPED_TRACE(testing::Message() << "cell " << c.x << "," << c.y);
    const Rect b = box(c.x, c.y);
    EXPECT_EQ(cw.cell(c.x, c.y).region, Region::rectangle({b.left, b.top, b.left + s() + 1,
                                                            b.top + s() + 1}));
    EXPECT_EQ(b.left, box(c.x, c.x > d().CapColCount ? 1 : cw.firstPictureY()).left);
    EXPECT_EQ(b.top, box(c.y > d().CapRowCount ? 1 : cw.firstPictureX(), c.y).top);
    if (cw.kindAt(c.x + 1, c.y) != ckNone) {
      EXPECT_EQ(box(c.x + 1, c.y).left, b.right - (doubledLineAfter(c.x, d().CapColCount) ? 0 : 1));
    }
    if (cw.kindAt(c.x, c.y + 1) != ckNone) {
      EXPECT_EQ(box(c.x, c.y + 1).top, b.bottom - (doubledLineAfter(c.y, d().CapRowCount) ? 0 : 1));
    }
  }
}

TEST_P(FieldLayout, TheMenuButtonCoversTheCornerBlockAndNoCell) {
  // The main window puts MainBtn at (S, S), CapColCount cells wide and CapRowCount high.
  const Rect button{s(), s(), s() + d().CapColCount * s(), s() + d().CapRowCount * s()};
  EXPECT_EQ(box(1, cw.firstPictureY()).left, button.left);
  EXPECT_EQ(box(cw.firstPictureX(), 1).top, button.top);
  for (CellPos c : cells()) {
    const Rect b = box(c.x, c.y);
    EXPECT_TRUE(b.right <= button.left || b.left >= button.right || b.bottom <= button.top ||
                b.top >= button.bottom)
        << "cell " << c.x << "," << c.y;
  }
}

TEST_P(FieldLayout, EverythingLiesInsideTheFieldAndTheLastCellReachesItsEdge) {
  const Extent extent = fieldExtent(d(), s());
  for (int x = 0; x < cw.W1(); ++x) {
    for (int y = 0; y < cw.H1(); ++y) {
      if (!cw.cell(x, y).region.exists()) continue;
      const Rect b = box(x, y);
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= extent.width &&
                  b.bottom <= extent.height)
          << "cell " << x << "," << y;
    }
  }
  EXPECT_EQ(box(cw.W1() - 1, cw.H1() - 1).right, extent.width);
  EXPECT_EQ(box(cw.W1() - 1, cw.H1() - 1).bottom, extent.height);
}

TEST_P(FieldLayout, IndicatorsSitInsetInTheCellBeyondTheirClues) {
  const int inset = indicatorInset(s());
  const auto insetBox = [&](Rect r, int dx, int dy) {
    return Rect{r.left + dx + inset, r.top + dy + inset, r.right + dx - inset,
                r.bottom + dy - inset};
  };
  for (int x = cw.firstPictureX(); x < cw.W1(); ++x)
    EXPECT_EQ(cw.cell(x, 0).region, Region::ellipse(insetBox(box(x, 1), 0, -s())));
  for (int y = cw.firstPictureY(); y < cw.H1(); ++y)
    EXPECT_EQ(cw.cell(0, y).region, Region::ellipse(insetBox(box(1, y), -s(), 0)));
}

// A pixel on a border belongs to the first of the cells sharing it, x outer and y inner.
TEST_P(FieldLayout, ABorderPixelIsHitForTheFirstCellInColumnThenRowOrder) {
  for (CellPos c : cells()) {
    const Rect b = box(c.x, c.y);
    const auto expectHit = [&](int px, int py) {
      CellPos first;
      for (int x = c.x - 1; x <= c.x + 1 && first == CellPos{}; ++x)
        for (int y = c.y - 1; y <= c.y + 1 && first == CellPos{}; ++y)
          if (cw.kindAt(x, y) != ckNone && contains(box(x, y), px, py)) first = {x, y};
      EXPECT_EQ(CellAtPoint(cw, px, py), first) << "pixel " << px << "," << py;
    };
    expectHit((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    for (int px = b.left; px < b.right; ++px) {
      expectHit(px, b.top);
      expectHit(px, b.bottom - 1);
    }
    for (int py = b.top; py < b.bottom; ++py) {
      expectHit(b.left, py);
      expectHit(b.right - 1, py);
    }
  }
}

TEST_P(FieldLayout, IndicatorsTheCornerBlockAndTheOutsideAreNeverHit) {
  const Extent extent = fieldExtent(d(), s());
  // The middle pixel, rounded up and left: at one pixel a cell is two wide and the indicator's
  // lower half is the clue's top frame.
  const auto middleHit = [&](const Rect& r) {
    return CellAtPoint(cw, (r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2);
  };
  const CellPos none{};
  EXPECT_EQ(middleHit(cw.cell(cw.firstPictureX(), 0).region.box), none);
  EXPECT_EQ(middleHit(cw.cell(0, cw.firstPictureY()).region.box), none);
  EXPECT_EQ(middleHit({s(), s(), s() + d().CapColCount * s(), s() + d().CapRowCount * s()}),
            none);
  EXPECT_EQ(CellAtPoint(cw, -1, -1), none);
  EXPECT_EQ(CellAtPoint(cw, extent.width, extent.height), none);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FieldLayout,
    testing::Values(Layout{"TwelveByTwelveAtTwenty", {12, 12, 3, 3}, 20},
                    Layout{"OnePictureCellAtOnePixel", {1, 1, 1, 1}, 1},
                    Layout{"TallHeaderAtSeven", {6, 11, 2, 3}, 7},
                    Layout{"WideAtThree", {17, 9, 4, 1}, 3},
                    Layout{"LargeCells", {10, 10, 2, 2}, 30},
                    Layout{"SizeZeroHeldAtOne", {7, 6, 2, 2}, 0},
                    Layout{"NegativeSizeHeldAtOne", {3, 3, 1, 1}, -100}),
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

}  // namespace
}  // namespace jcw
