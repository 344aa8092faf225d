#include <gtest/gtest.h>

#include <random>

#include "files/PrintLayout.h"

namespace jcw {
namespace {

constexpr PaperSize kA4{190, 277};  // A4 inside margins of 10 mm

struct Cut {
  int first;
  int last;
  bool operator==(const Cut&) const = default;
};

std::vector<Cut> cutsOf(const std::vector<PrintSpan>& spans) {
  std::vector<Cut> runs;
  for (const PrintSpan& span : spans) runs.push_back({span.first, span.last});
  return runs;
}

double widthMm(const PrintSpan& span, const PrintLayout& layout) {
  return (span.to - span.from) * layout.mmPerUnit;
}

TEST(PrintLayout, CellsGrowToFitOnePageUpToTheLargestAndShrinkToTheSmallestThenPagesSplit) {
  const struct {
    const char* name;
    Dimensions d;  // columns, rows, header columns, header rows
    double cellMm;
    std::vector<Cut> columns;
    std::vector<Cut> rows;
  } cases[] = {
      // 7 x 7 cells of 10 mm: a small crossword is not blown up to the page.
      {"a small crossword", {5, 5, 2, 2}, 10, {{1, 7}}, {{1, 7}}},
      // 38 rows fill the height: 277 mm for 1147 units of 30 to the cell.
      {"a middling one", {20, 30, 5, 8}, 277.0 / 1147 * 30, {{1, 25}}, {{1, 38}}},
      // At 4 mm some 47 columns and 69 rows fit a page; the cuts go back to a doubled line.
      {"the largest", {100, 100, 20, 20}, 4, {{1, 45}, {46, 90}, {91, 120}}, {{1, 65}, {66, 120}}},
      // The headers alone fill most of the first page: the cut comes right after them.
      {"wide headers", {100, 1, 44, 1}, 4, {{1, 44}, {45, 89}, {90, 134}, {135, 144}}, {{1, 2}}},
  };
  for (const auto& c : cases) {
    const PrintLayout layout = layOutPrint(c.d, kA4);
    EXPECT_NEAR(layout.cellMm(), c.cellMm, 1e-9) << c.name;
    EXPECT_EQ(cutsOf(layout.columns), c.columns) << c.name;
    EXPECT_EQ(cutsOf(layout.rows), c.rows) << c.name;
    EXPECT_EQ(layout.pages().size(), c.columns.size() * c.rows.size()) << c.name;
  }
}

TEST(PrintLayout, OnePageIsCentredAcrossAndSplitPagesStartAtTheCorner) {
  const PrintLayout small = layOutPrint({5, 5, 2, 2}, kA4);
  ASSERT_EQ(small.pages().size(), 1u);
  const PrintPage page = small.pages().front();
  EXPECT_NEAR(2 * page.left + widthMm(page.columns, small), kA4.width, 1e-9);
  EXPECT_EQ(page.top, 0);
  for (const PrintPage& split : layOutPrint({100, 100, 20, 20}, kA4).pages()) {
    EXPECT_EQ(split.left, 0);
    EXPECT_EQ(split.top, 0);
  }
}

TEST(PrintLayout, PagesComeRowByRowLeftToRight) {
  const PrintLayout layout = layOutPrint({100, 100, 20, 20}, kA4);
  const std::vector<PrintPage> pages = layout.pages();
  ASSERT_EQ(pages.size(), 6u);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].columns, layout.columns[i % 3]) << i;
    EXPECT_EQ(pages[i].rows, layout.rows[i / 3]) << i;
  }
}

TEST(PrintLayout, PaperWithoutAreaGetsNoPages) {
  for (const PaperSize paper : {PaperSize{0, 277}, PaperSize{190, 0}, PaperSize{-5, -5}})
    EXPECT_TRUE(layOutPrint({10, 10, 3, 3}, paper).pages().empty());
}

// Whatever the crossword and the paper: cells of 4 to 10 mm, every table column and row on
// exactly one run of pages, every page within the paper, and pages only when one is too small.
TEST(PrintLayout, AnyCrosswordOnAnyPaperKeepsTheRules) {
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> size(1, 100), header(1, 30);
  std::uniform_real_distribution<double> paperSide(40, 400);
  for (int i = 0; i < 2000; ++i) {
    const Dimensions d{std::uint8_t(size(random)), std::uint8_t(size(random)),
                       std::uint8_t(header(random)), std::uint8_t(header(random))};
    const PaperSize paper{paperSide(random), paperSide(random)};
    const PrintLayout layout = layOutPrint(d, paper);
    const std::string where = "seed " + std::to_string(seed) + ", case " + std::to_string(i);
    ASSERT_GE(layout.cellMm(), kMinPrintCellMm - 1e-9) << where;
    ASSERT_LE(layout.cellMm(), kMaxPrintCellMm + 1e-9) << where;
    const auto checkRuns = [&](const std::vector<PrintSpan>& runs, int count, double side) {
      ASSERT_FALSE(runs.empty()) << where;
      EXPECT_EQ(runs.front().first, 1) << where;
      EXPECT_EQ(runs.back().last, count) << where;
      for (std::size_t r = 0; r < runs.size(); ++r) {
        EXPECT_LE(runs[r].first, runs[r].last) << where;
        if (r > 0) {
          EXPECT_EQ(runs[r].first, runs[r - 1].last + 1) << where;
        }
        EXPECT_LE(widthMm(runs[r], layout), side + 1e-6) << where;
      }
    };
    checkRuns(layout.columns, d.W1() - 1, paper.width);
    checkRuns(layout.rows, d.H1() - 1, paper.height);
    if (layout.pages().size() > 1) {
      EXPECT_NEAR(layout.cellMm(), kMinPrintCellMm, 1e-9) << where;
    } else {
      // One page: the cells are as large as the paper or the largest size allows.
      const double fill = std::max(widthMm(layout.columns[0], layout) / paper.width,
                                   widthMm(layout.rows[0], layout) / paper.height);
      EXPECT_TRUE(std::abs(fill - 1) < 1e-9 || std::abs(layout.cellMm() - kMaxPrintCellMm) < 1e-9)
          << where;
    }
  }
}

}  // namespace
}  // namespace jcw
