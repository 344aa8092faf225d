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

std::ostream& operator<<(std::ostream& out, const Cut& cut) {
  return out << cut.first << ".." << cut.last;
}

std::vector<Cut> cutsOf(const std::vector<PrintSpan>& spans) {
  std::vector<Cut> runs;
  for (const PrintSpan& span : spans) runs.push_back({span.first, span.last});
  return runs;
}

double sizeMm(const std::vector<PrintSpan>& spans, const PrintLayout& layout) {
  double units = 0;
  for (const PrintSpan& span : spans) units += span.units();
  return units * layout.mmPerUnit;
}

// The room the title and the page number leave.
constexpr double kCrosswordHeight = kA4.height - kTitleBandMm - kNumberBandMm;

TEST(PrintLayout, CellsGrowToFitOnePageUpToTheLargestAndShrinkToTheSmallestThenPagesSplit) {
  const struct {
    const char* name;
    Dimensions d;  // columns, rows, header columns, header rows
    double cellMm;
    std::vector<Cut> columns;  // the parts; the clue span comes before each when it is split
    std::vector<Cut> rows;
  } cases[] = {
      // 7 x 7 cells of 10 mm: a small crossword is not blown up to the page.
      {"a small crossword", {5, 5, 2, 2}, 10, {{1, 7}}, {{1, 7}}},
      // 38 rows fill the height below the title: 257 mm for 1147 units of 30 to the cell.
      {"a middling one", {20, 30, 5, 8}, kCrosswordHeight / 1147 * 30, {{1, 25}}, {{1, 38}}},
      // At 4 mm the clues take 20 cells of a page; the parts end on a doubled line.
      {"the largest", {100, 100, 20, 20}, 4, {{21, 45}, {46, 70}, {71, 95}, {96, 120}},
       {{21, 60}, {61, 100}, {101, 120}}},
      // One row fits across a page: only the columns are cut, each part with the row's clues.
      {"a single row", {100, 1, 20, 1}, 4, {{21, 45}, {46, 70}, {71, 95}, {96, 120}}, {{1, 2}}},
  };
  for (const auto& c : cases) {
    const PrintLayout layout = layOutPrint(c.d, kA4);
    EXPECT_NEAR(layout.cellMm(), c.cellMm, 1e-9) << c.name;
    EXPECT_EQ(cutsOf(layout.columns), c.columns) << c.name;
    EXPECT_EQ(cutsOf(layout.rows), c.rows) << c.name;
    EXPECT_EQ(layout.pages().size(), c.columns.size() * c.rows.size()) << c.name;
  }
}

TEST(PrintLayout, EverySplitPageCarriesTheCluesOfItsColumnsAndRows) {
  const Dimensions d{100, 100, 20, 20};
  const PrintLayout layout = layOutPrint(d, kA4);
  const std::vector<PrintPage> pages = layout.pages();
  ASSERT_EQ(pages.size(), 12u);
  std::vector<int> shownColumns(d.W1()), shownRows(d.H1());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const PrintPage& page = pages[i];
    EXPECT_EQ(page.number, int(i) + 1);
    ASSERT_EQ(page.columns.size(), 2u) << i;
    ASSERT_EQ(page.rows.size(), 2u) << i;
    EXPECT_EQ(cutsOf({page.columns[0]}), (std::vector<Cut>{{1, 20}})) << i;  // the row clues
    EXPECT_EQ(cutsOf({page.rows[0]}), (std::vector<Cut>{{1, 20}})) << i;     // the column clues
    // Reading order: a row of parts left to right, then the next row.
    EXPECT_EQ(page.columns[1], layout.columns[i % 4]) << i;
    EXPECT_EQ(page.rows[1], layout.rows[i / 4]) << i;
    if (i / 4 == 0)
      for (int x = page.columns[1].first; x <= page.columns[1].last; ++x) ++shownColumns[x];
    if (i % 4 == 0)
      for (int y = page.rows[1].first; y <= page.rows[1].last; ++y) ++shownRows[y];
    // The page fits its sheet, centred across and in the room between title and number.
    EXPECT_NEAR(2 * page.left + sizeMm(page.columns, layout), kA4.width, 1e-9) << i;
    EXPECT_NEAR(2 * (page.top - kTitleBandMm) + sizeMm(page.rows, layout), kCrosswordHeight, 1e-9)
        << i;
    EXPECT_GE(page.left, 0) << i;
    EXPECT_GE(page.top, kTitleBandMm) << i;
  }
  // Every picture column and row is on exactly one part.
  for (int x = 21; x <= 120; ++x) EXPECT_EQ(shownColumns[x], 1) << x;
  for (int y = 21; y <= 120; ++y) EXPECT_EQ(shownRows[y], 1) << y;
}

TEST(PrintLayout, WhereAPageShowsAFieldUnit) {
  const PrintLayout layout = layOutPrint({100, 100, 20, 20}, kA4);
  const PrintPage page = layout.pages()[1];  // the second part across
  const PrintSpan clues = page.columns[0], part = page.columns[1];
  EXPECT_NEAR(*page.xMm(clues.from, layout.mmPerUnit), page.left, 1e-9);
  // The part follows the clues on paper, though not in the field.
  EXPECT_NEAR(*page.xMm(part.from, layout.mmPerUnit), page.left + clues.units() * layout.mmPerUnit,
              1e-9);
  EXPECT_FALSE(page.xMm(part.to + 1, layout.mmPerUnit));
  EXPECT_NEAR(*page.yMm(page.rows[0].from, layout.mmPerUnit), page.top, 1e-9);
}

TEST(PrintLayout, OnePageIsCentredBetweenTheTitleAndTheNumber) {
  const PrintLayout small = layOutPrint({5, 5, 2, 2}, kA4);
  ASSERT_EQ(small.pages().size(), 1u);
  const PrintPage page = small.pages().front();
  EXPECT_NEAR(2 * page.left + sizeMm(page.columns, small), kA4.width, 1e-9);
  EXPECT_NEAR(2 * (page.top - kTitleBandMm) + sizeMm(page.rows, small), kCrosswordHeight, 1e-9);
  EXPECT_EQ(page.number, 1);
}

TEST(PrintLayout, TheSolutionFillsThePageBelowTheTitleCentredWithCellsUpToTheLargest) {
  const struct {
    int columns, rows;
    double cellMm;
  } cases[] = {
      {5, 5, kMaxPrintCellMm},
      {100, 10, kA4.width / 100},
      {10, 100, (kA4.height - kTitleBandMm) / 100},
  };
  for (const auto& c : cases) {
    const SolutionSheet sheet = layOutSolution(c.columns, c.rows, kA4);
    EXPECT_NEAR(sheet.cellMm, c.cellMm, 1e-9) << c.columns << " x " << c.rows;
    EXPECT_NEAR(2 * sheet.left + c.columns * sheet.cellMm, kA4.width, 1e-9);
    EXPECT_NEAR(2 * (sheet.top - kTitleBandMm) + c.rows * sheet.cellMm,
                kA4.height - kTitleBandMm, 1e-9);
  }
}

TEST(PrintLayout, PaperWithoutRoomGetsNoPages) {
  for (const PaperSize paper : {PaperSize{0, 277}, PaperSize{190, 0}, PaperSize{-5, -5},
                                PaperSize{190, kTitleBandMm + kNumberBandMm}})
    EXPECT_TRUE(layOutPrint({10, 10, 3, 3}, paper).pages().empty());
}

// Whatever the crossword and the paper: cells of at most 10 mm, as large as one page allows
// unless that is below 4 mm and parts make them larger; every picture column and row on exactly
// one part, and every page within the paper.
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
    ASSERT_LE(layout.cellMm(), kMaxPrintCellMm + 1e-9) << where;
    const double height = paper.height - kTitleBandMm - kNumberBandMm;
    const auto checkParts = [&](const std::vector<PrintSpan>& parts,
                                const std::optional<PrintSpan>& clues, int headerCount, int count) {
      ASSERT_FALSE(parts.empty()) << where;
      EXPECT_EQ(parts.front().first, clues ? headerCount + 1 : 1) << where;
      EXPECT_EQ(parts.back().last, count) << where;
      if (clues) {
        EXPECT_EQ(cutsOf({*clues}), (std::vector<Cut>{{1, headerCount}})) << where;
      }
      for (std::size_t r = 1; r < parts.size(); ++r)
        EXPECT_EQ(parts[r].first, parts[r - 1].last + 1) << where;
    };
    checkParts(layout.columns, layout.clueColumns, d.CapColCount, d.W1() - 1);
    checkParts(layout.rows, layout.clueRows, d.CapRowCount, d.H1() - 1);
    for (const PrintPage& page : layout.pages()) {
      EXPECT_LE(sizeMm(page.columns, layout), paper.width + 1e-6) << where;
      EXPECT_LE(sizeMm(page.rows, layout), height + 1e-6) << where;
    }
    if (layout.pages().size() == 1) {
      // One page: the cells are as large as the paper or the largest size allows.
      const PrintPage page = layout.pages().front();
      const double fill = std::max(sizeMm(page.columns, layout) / paper.width,
                                   sizeMm(page.rows, layout) / height);
      EXPECT_TRUE(std::abs(fill - 1) < 1e-9 || std::abs(layout.cellMm() - kMaxPrintCellMm) < 1e-9)
          << where;
    } else {
      EXPECT_LE(layout.cellMm(), kMinPrintCellMm + 1e-9) << where;
    }
  }
}

}  // namespace
}  // namespace jcw
