#include <gtest/gtest.h>

#include <vector>

#include "field/FieldView.h"
#include "field/Zoom.h"
#include "model/Crossword.h"

namespace jcw {
namespace {

// Views the properties below hold on: unscrolled and scrolled to the middle and the far end,
// views larger than the field, tiny cells and large ones, wide headers.
struct ViewCase {
  const char* name;
  FieldView view;  // scroll offsets are clamped before use
};

class Views : public testing::TestWithParam<ViewCase> {
 protected:
  FieldView v() const { return clampedScroll(GetParam().view); }
  const Dimensions& d() const { return GetParam().view.dims; }
  // Every clue and picture cell, x outer and y inner.
  std::vector<CellPos> cells() const {
    std::vector<CellPos> all;
    for (int x = 1; x < d().W1(); ++x)
      for (int y = 1; y < d().H1(); ++y)
        if (kindAt(d(), x, y) != ckNone) all.push_back({x, y});
    return all;
  }
  // The part of cell (x, y) that shows: its view box inside its pane.
  Rect shown(int x, int y) const {
    const Rect box = cellBoxInView(v(), x, y);
    const Rect pane = paneOf(v(), x, y);
    return {std::max(box.left, pane.left), std::max(box.top, pane.top),
            std::min(box.right, pane.right), std::min(box.bottom, pane.bottom)};
  }
};

// The composition of the panes with the arithmetic hit test, against a scan of what shows.
TEST_P(Views, EveryViewPixelHitsTheFirstCellShowingThere) {
  const std::vector<CellPos> all = cells();
  for (int px = -1; px <= v().width; ++px) {
    for (int py = -1; py <= v().height; ++py) {
      CellPos first;
      for (CellPos c : all) {
        if (shown(c.x, c.y).contains(px, py)) {
          first = c;
          break;
        }
      }
      ASSERT_EQ(cellAtViewPoint(v(), px, py), first) << "view pixel " << px << "," << py;
    }
  }
}

// The column clues move only across, the row clues only down, the corner never.
TEST_P(Views, CluePanesScrollOnlyAlongTheirLines) {
  FieldView still = v();
  still.scrollX = still.scrollY = 0;
  for (CellPos c : cells()) {
    const Rect moved = cellBoxInView(v(), c.x, c.y);
    const Rect unmoved = cellBoxInView(still, c.x, c.y);
    const bool pictureColumn = c.x > d().CapColCount;
    const bool pictureRow = c.y > d().CapRowCount;
    EXPECT_EQ(moved.left, unmoved.left - (pictureColumn ? v().scrollX : 0));
    EXPECT_EQ(moved.top, unmoved.top - (pictureRow ? v().scrollY : 0));
  }
  // The frozen panes hold the header area whole, unless the field does not fit and the header
  // area would take more than half the view: then half, showing its inner end.
  const Extent extent = fieldExtent(d(), v().cellSize);
  const int left = pictureLeft(d(), v().cellSize);
  const int top = pictureTop(d(), v().cellSize);
  const bool capX = extent.width > v().width && left > v().width / 2;
  const bool capY = extent.height > v().height && top > v().height / 2;
  EXPECT_EQ(frozenWidth(v()), capX ? v().width / 2 : left);
  EXPECT_EQ(frozenHeight(v()), capY ? v().height / 2 : top);
  const Rect lastClue = cellBoxInView(v(), d().CapColCount, d().CapRowCount + 1);
  EXPECT_EQ(lastClue.right, frozenWidth(v()));
}

// The scroll range ends where the field's last pixel reaches the view's edge.
TEST_P(Views, ScrollingStopsAtTheFieldsEdges) {
  const Extent extent = fieldExtent(d(), v().cellSize);
  // A frozen pane narrower than the header area hides the header area's outer end.
  const int hiddenX = pictureLeft(d(), v().cellSize) - frozenWidth(v());
  const int hiddenY = pictureTop(d(), v().cellSize) - frozenHeight(v());
  EXPECT_EQ(maxScrollX(v()), std::max(0, extent.width - hiddenX - v().width));
  EXPECT_EQ(maxScrollY(v()), std::max(0, extent.height - hiddenY - v().height));
  FieldView far = GetParam().view;
  far.scrollX = far.scrollY = 1 << 20;
  far = clampedScroll(far);
  const Rect last = cellBoxInView(far, d().W1() - 1, d().H1() - 1);
  EXPECT_EQ(last.right, extent.width > v().width ? v().width : extent.width);
  EXPECT_EQ(last.bottom, extent.height > v().height ? v().height : extent.height);
  far.scrollX = far.scrollY = -5;
  EXPECT_EQ(clampedScroll(far).scrollX, 0);
  EXPECT_EQ(clampedScroll(far).scrollY, 0);
}

// What painting asks for a stretch of a pane: exactly the lines with a pixel showing there.
TEST_P(Views, LinesInAStretchAreThoseShowingThere) {
  const int splitX = std::min(frozenWidth(v()), v().width);
  const int splitY = std::min(frozenHeight(v()), v().height);
  for (auto [from, to] : {std::pair{0, splitX}, std::pair{splitX, v().width},
                          std::pair{1, splitX - 1}, std::pair{splitX + 3, v().width - 2}}) {
    LineSpan expected;
    for (int x = 0; x < d().W1(); ++x) {
      const Rect box = cellBoxInView(v(), x, 1);
      const Rect pane = paneOf(v(), x, 1);
      const bool inPane = from >= pane.left && to <= pane.right;
      if (inPane && box.right > from && box.left < to && from < to) {
        if (expected.first > expected.last) expected.first = x;
        expected.last = x;
      }
    }
    EXPECT_EQ(columnsIn(v(), from, to), expected) << "columns in " << from << ".." << to;
  }
  const LineSpan rows = rowsIn(v(), splitY, v().height);
  if (splitY < v().height && fieldYAt(v(), splitY) < fieldExtent(d(), v().cellSize).height) {
    EXPECT_EQ(rows.first, rowAt(d(), v().cellSize, fieldYAt(v(), splitY)));
    EXPECT_GT(rows.first, d().CapRowCount);
  }
}

// The menu button covers the part of the corner block that shows, and no cell.
TEST_P(Views, TheCornerBlockCoversNoCellThatShows) {
  const Rect corner = cornerBlockInView(v());
  for (CellPos c : cells()) {
    const Rect r = shown(c.x, c.y);
    if (r.width() <= 0 || r.height() <= 0) continue;
    EXPECT_TRUE(r.right <= corner.left || r.left >= corner.right || r.bottom <= corner.top ||
                r.top >= corner.bottom)
        << "cell " << c.x << "," << c.y;
  }
  const int s = v().cellSize;
  if (frozenWidth(v()) == pictureLeft(d(), s) && frozenHeight(v()) == pictureTop(d(), s) &&
      s * (d().CapColCount + 1) <= v().width && s * (d().CapRowCount + 1) <= v().height) {
    EXPECT_EQ(corner, (Rect{s, s, s + d().CapColCount * s, s + d().CapRowCount * s}));
  }
}

// Scrolling to a cell shows it whole where it fits, and a cell in view moves nothing.
TEST_P(Views, ScrollingToACellShowsItAndMovesNoMoreThanNeeded) {
  for (CellPos c : cells()) {
    const FieldView to = scrolledToShow(v(), c.x, c.y);
    const Rect box = cellBoxInView(to, c.x, c.y);
    const Rect pane = paneOf(to, c.x, c.y);
    const bool fits = box.width() <= pane.width() && box.height() <= pane.height();
    const bool wasShown = shown(c.x, c.y) == cellBoxInView(v(), c.x, c.y);
    if (wasShown) {
      EXPECT_EQ(to, v()) << "cell " << c.x << "," << c.y;
    }
    // Along an axis its pane scrolls.
    if (fits && c.x > d().CapColCount && pane.width() > 0) {
      EXPECT_GE(box.left, pane.left);
      EXPECT_LE(box.right, pane.right);
    }
    if (fits && c.y > d().CapRowCount && pane.height() > 0) {
      EXPECT_GE(box.top, pane.top);
      EXPECT_LE(box.bottom, pane.bottom);
    }
  }
}

struct ViewPoint {
  int x;
  int y;
};

FieldView view(Dimensions d, int cellSize, int width, int height, int scrollX, int scrollY) {
  return {d, cellSize, width, height, scrollX, scrollY};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Views,
    testing::Values(
        ViewCase{"Unscrolled", view({12, 12, 3, 3}, 10, 120, 110, 0, 0)},
        ViewCase{"ScrolledToTheMiddle", view({12, 12, 3, 3}, 10, 120, 110, 23, 17)},
        ViewCase{"ScrolledToTheEnd", view({12, 12, 3, 3}, 10, 120, 110, 999, 999)},
        ViewCase{"LargerThanTheField", view({6, 5, 2, 2}, 9, 200, 150, 40, 40)},
        ViewCase{"TinyCells", view({23, 17, 4, 2}, 4, 60, 50, 31, 9)},
        ViewCase{"LargeCells", view({8, 7, 2, 3}, 48, 300, 260, 130, 77)},
        ViewCase{"NarrowerThanTheHeaderArea", view({10, 10, 9, 1}, 6, 40, 70, 12, 5)},
        ViewCase{"DeepHeadersZoomedIn", view({12, 10, 14, 12}, 11, 200, 180, 40, 1000)}),
    [](const auto& info) { return info.param.name; });

TEST(ZoomSteps, AreAtMostFifteenPercentAtLeastOnePixelAndHeldInRange) {
  for (int s = kSmallestZoomCell; s <= kLargestZoomCell; ++s) {
    const int in = zoomedIn(s);
    const int out = zoomedOut(s);
    if (s < kLargestZoomCell) {
      EXPECT_GT(in, s);
      EXPECT_LE(in - s, std::max(1, s * 15 / 100)) << "in from " << s;
    } else {
      EXPECT_EQ(in, s);
    }
    if (s > kSmallestZoomCell) {
      EXPECT_LT(out, s);
      EXPECT_LE(s - out, std::max(1, s * 15 / 100)) << "out from " << s;
    } else {
      EXPECT_EQ(out, s);
    }
  }
  EXPECT_EQ(zoomedIn(2), kSmallestZoomCell);  // the whole crossword may be smaller still
  EXPECT_GE(kLargestZoomCell, 96);
}

TEST(ZoomedCellSize, HoldsTheReadableMinimumUnlessAskedOtherwise) {
  const struct {
    Zoom zoom;
    int fitting;
    int expected;
  } cases[] = {
      {{}, 20, 20},                         // fits at a readable size: the fit
      {{}, 7, 12},                          // below the minimum: the minimum
      {{Zoom::Mode::Whole}, 7, 7},          // the whole crossword, however small
      {{Zoom::Mode::Fixed, 30}, 7, 30},     // as zoomed
      {{Zoom::Mode::Fixed, 5}, 40, 5},
  };
  for (const auto& c : cases) EXPECT_EQ(zoomedCellSize(c.zoom, c.fitting, 12), c.expected);
}

// Zooming about a point of the picture keeps the same cell under it, within a pixel, wherever
// the scroll range allows; over a clue pane the picture's first shown line stays.
TEST(ZoomAnchor, KeepsTheCellUnderThePointWithinAPixel) {
  const Dimensions d{100, 100, 30, 30};
  for (int from : {7, 12, 24, 48}) {
    for (int to : {zoomedIn(from), zoomedOut(from), 64}) {
      for (ViewPoint p : {ViewPoint{600, 500}, ViewPoint{1000, 900}, ViewPoint{420, 380}}) {
        const FieldView before = clampedScroll(view(d, from, 1200, 1000, 1500, 1300));
        const ZoomAnchor anchor = anchorAt(before, p.x, p.y);
        const CellPos under = cellAtViewPoint(before, p.x, p.y);
        FieldView after = before;
        after.cellSize = to;
        after = anchoredView(after, anchor, p.x, p.y);
        const int wantX =
            viewX(after, anchor.column,
                  cellBox(d, to, anchor.column, anchor.row).left +
                      static_cast<int>(anchor.acrossCell * to + 0.5));
        // Over the picture pane before and after, and not held by the end of the scroll range.
        const bool freeX = after.scrollX > 0 && after.scrollX < maxScrollX(after) &&
                           p.x >= frozenWidth(before) && p.x >= frozenWidth(after);
        const bool freeY = after.scrollY > 0 && after.scrollY < maxScrollY(after) &&
                           p.y >= frozenHeight(before) && p.y >= frozenHeight(after);
        if (freeX) {
          EXPECT_NEAR(wantX, p.x, 1) << from << " -> " << to;
        }
        if (freeX && freeY && under != CellPos{}) {
          EXPECT_EQ(cellAtViewPoint(after, p.x, p.y), under) << from << " -> " << to;
        }
      }
    }
  }
}

TEST(ZoomAnchor, OverACluePaneHoldsTheFirstPictureLineShown) {
  const Dimensions d{40, 40, 10, 10};
  const FieldView before = clampedScroll(view(d, 12, 400, 400, 120, 96));
  const ZoomAnchor anchor = anchorAt(before, 20, 300);  // over the row clues
  EXPECT_EQ(anchor.column, columnAt(d, 12, frozenWidth(before) + before.scrollX));
  FieldView after = before;
  after.cellSize = 14;
  after = anchoredView(after, anchor, 20, 300);
  EXPECT_EQ(columnAt(d, 14, fieldXAt(after, frozenWidth(after))), anchor.column);
}

}  // namespace
}  // namespace jcw
