#include <gtest/gtest.h>

#include "field/Geometry.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

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
  Rect box(int x, int y) const { return cellBox(d(), GetParam().cellSize, x, y); }
  CellPos hit(int px, int py) const { return cellAtPoint(d(), GetParam().cellSize, px, py); }
  // Every clue and picture cell, x outer and y inner.
  std::vector<CellPos> cells() const {
    std::vector<CellPos> all;
    for (int x = 1; x < cw.W1(); ++x)
      for (int y = 1; y < cw.H1(); ++y)
        if (cw.kindAt(x, y) != ckNone) all.push_back({x, y});
    return all;
  }

  Crossword cw = [] {
    Crossword crossword;
    crossword.allocate(GetParam().d);
    return crossword;
  }();
};

bool contains(const Rect& r, int px, int py) { return r.contains(px, py); }

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
    EXPECT_EQ(b, (Rect{b.left, b.top, b.left + s() + 1, b.top + s() + 1}));
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
      if (cw.kindAt(x, y) == ckNone) continue;
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
    EXPECT_EQ(columnIndicatorBox(d(), GetParam().cellSize, x), insetBox(box(x, 1), 0, -s()));
  for (int y = cw.firstPictureY(); y < cw.H1(); ++y)
    EXPECT_EQ(rowIndicatorBox(d(), GetParam().cellSize, y), insetBox(box(1, y), -s(), 0));
}

// The arithmetic hit test against a scan of every box: a pixel belongs to the first of the cells
// holding it, x outer and y inner; every pixel of the field and a margin around it.
TEST_P(FieldLayout, EveryPixelIsHitForTheFirstCellInColumnThenRowOrder) {
  const Extent extent = fieldExtent(d(), s());
  const std::vector<CellPos> all = cells();
  for (int px = -2; px < extent.width + 2; ++px) {
    for (int py = -2; py < extent.height + 2; ++py) {
      CellPos first;
      for (CellPos c : all) {
        if (contains(box(c.x, c.y), px, py)) {
          first = c;
          break;
        }
      }
      ASSERT_EQ(hit(px, py), first) << "pixel " << px << "," << py;
    }
  }
}

// The lines a pixel column (row) falls in, the indicators' included.
TEST_P(FieldLayout, ColumnAndRowAtAPixelAreTheFirstWhoseBoxHoldsIt) {
  const Extent extent = fieldExtent(d(), s());
  for (int px = 0; px < extent.width; ++px) {
    int first = -1;
    for (int x = 0; x < cw.W1() && first < 0; ++x)
      if (px >= box(x, 1).left && px < box(x, 1).right) first = x;
    EXPECT_EQ(columnAt(d(), GetParam().cellSize, px), first) << "pixel column " << px;
  }
  for (int py = 0; py < extent.height; ++py) {
    int first = -1;
    for (int y = 0; y < cw.H1() && first < 0; ++y)
      if (py >= box(1, y).top && py < box(1, y).bottom) first = y;
    EXPECT_EQ(rowAt(d(), GetParam().cellSize, py), first) << "pixel row " << py;
  }
  EXPECT_EQ(columnAt(d(), GetParam().cellSize, extent.width), -1);
  EXPECT_EQ(rowAt(d(), GetParam().cellSize, -1), -1);
}

TEST_P(FieldLayout, IndicatorsTheCornerBlockAndTheOutsideAreNeverHit) {
  const Extent extent = fieldExtent(d(), s());
  // The middle pixel, rounded up and left: at one pixel a cell is two wide and the indicator's
  // lower half is the clue's top frame.
  const auto middleHit = [&](const Rect& r) {
    return hit((r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2);
  };
  const CellPos none{};
  EXPECT_EQ(middleHit(columnIndicatorBox(d(), s(), cw.firstPictureX())), none);
  EXPECT_EQ(middleHit(rowIndicatorBox(d(), s(), cw.firstPictureY())), none);
  EXPECT_EQ(middleHit({s(), s(), s() + d().CapColCount * s(), s() + d().CapRowCount * s()}),
            none);
  EXPECT_EQ(hit(-1, -1), none);
  EXPECT_EQ(hit(extent.width, extent.height), none);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FieldLayout,
    testing::Values(Layout{"TwelveByTwelveAtTwenty", {12, 12, 3, 3}, 20},
                    Layout{"OnePictureCellAtOnePixel", {1, 1, 1, 1}, 1},
                    Layout{"TallHeaderAtSeven", {6, 11, 2, 3}, 7},
                    Layout{"WideAtThree", {17, 9, 4, 1}, 3},
                    Layout{"LargeCells", {10, 10, 2, 2}, 30},
                    Layout{"MoreHeadersThanPicture", {3, 2, 9, 7}, 5},
                    Layout{"FourGroupsAtFour", {23, 13, 2, 12}, 4},
                    Layout{"SizeZeroHeldAtOne", {7, 6, 2, 2}, 0},
                    Layout{"NegativeSizeHeldAtOne", {3, 3, 1, 1}, -100}),
    [](const auto& info) { return info.param.name; });

// Twenty-pixel cells beside three header columns: picture column 4 spans pixels 81 .. 101 and
// shares 101 with column 5; column 8 spans 161 .. 181 and column 9, the first of the next group,
// 182 .. 202, so 8 and 9 meet at a doubled line.
TEST(CellBox, PlacesColumnsByTheWorkedExample) {
  const Dimensions d{12, 12, 3, 3};
  EXPECT_EQ(cellBox(d, 20, 4, 5).left, 81);
  EXPECT_EQ(cellBox(d, 20, 4, 5).right, 102);
  EXPECT_EQ(cellBox(d, 20, 5, 5).left, 101);
  EXPECT_EQ(cellBox(d, 20, 8, 5).right, 182);
  EXPECT_EQ(cellBox(d, 20, 9, 5).left, 182);
  EXPECT_EQ(pictureLeft(d, 20), 81);
  EXPECT_EQ(cellAtPoint(d, 20, 101, 90), (CellPos{4, 4}));
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
