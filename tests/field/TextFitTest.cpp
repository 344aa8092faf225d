#include <gtest/gtest.h>

#include <set>
#include <string>

#include "field/PixelDigits.h"
#include "field/TextFit.h"

namespace jcw {
namespace {

using Face = TextRendering::Face;

TEST(PixelDigits, NumbersAreDrawnDigitByDigitWithTheGapAsked) {
  EXPECT_EQ(pixelText("10", 1), (PixelText{{".#.###",  //
                                            "##.#.#",  //
                                            ".#.#.#",  //
                                            ".#.#.#",  //
                                            ".#.###"}}));
  EXPECT_EQ(pixelText("47", 0), (PixelText{{"#.####",  //
                                            "#.#..#",  //
                                            "###..#",  //
                                            "..#..#",  //
                                            "..#..#"}}));
}

// Glued or apart, no two numbers a clue or a run can hold look alike, and every two-digit number
// fits between the frame lines of a 7-pixel cell.
TEST(PixelDigits, EveryNumberUpTo199HasAPictureOfItsOwn) {
  for (int gap : {1, 0}) {
    std::set<std::vector<std::string>> seen;
    for (int n = 1; n <= 199; ++n) {
      const PixelText text = pixelText(std::to_string(n), gap);
      EXPECT_EQ(text.rows.size(), std::size_t{kPixelDigitHeight});
      EXPECT_TRUE(seen.insert(text.rows).second) << n << " with gap " << gap;
    }
  }
  for (int n = 1; n <= 99; ++n)
    EXPECT_LE(pixelText(std::to_string(n), 0).width(), insideFrame(7)) << n;
}

// An outline face whose digits are 0.6 of the pixel size wide, rounded up.
int fakeOutlineWidth(std::string_view text, int pixelSize) {
  return static_cast<int>(text.size()) * ((pixelSize * 6 + 9) / 10);
}

struct FitCase {
  const char* name;
  const char* text;
  int cellSize;
  int fullSize;
  TextRendering expected;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class TextFit : public testing::TestWithParam<FitCase> {};

TEST_P(TextFit, TakesTheLargestLegibleRenderingThatFitsBetweenTheFrames) {
  const FitCase& c = GetParam();
  const TextRendering got = fitText(c.text, c.fullSize, c.cellSize, [&](int size) {
    return fakeOutlineWidth(c.text, size);
  });
  EXPECT_EQ(got.face, c.expected.face);
  EXPECT_EQ(got.size, c.expected.size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFit,
    testing::Values(
        FitCase{"OneDigitKeepsTheFullSize", "5", 20, 17, {Face::Outline, 17}},
        FitCase{"TwoDigitsShrinkUntilTheMarginIsLeftBesideTheFrames", "10", 20, 17,
                {Face::Outline, 11}},
        FitCase{"InALargeCellTheMarginIsAnEighthOfTheCell", "11", 57, 48, {Face::Outline, 35}},
        FitCase{"BelowTheLegibleSizeThePixelFontWithAGap", "47", 9, 8, {Face::Pixel, 1}},
        FitCase{"ANarrowOneKeepsTheGapInASevenPixelCell", "10", 7, 6, {Face::Pixel, 1}},
        FitCase{"OtherwiseTheDigitsAreGlued", "47", 7, 6, {Face::Pixel, 0}},
        FitCase{"OneDigitInASevenPixelCellIsInPixels", "8", 7, 6, {Face::Pixel, 1}},
        FitCase{"ThreeDigitsTooWideForPixelsTakeATinyOutline", "100", 7, 6, {Face::Outline, 3}},
        FitCase{"NoPixelFontWhereFiveRowsDoNotFit", "1", 5, 4, {Face::Outline, 4}},
        FitCase{"NothingFitsTheSmallestOutlineIsTaken", "100", 3, 2, {Face::Outline, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFitMeasuring, StopsAtTheFirstSizeThatFits) {
  std::vector<int> measured;
  fitText("12", 17, 20, [&](int size) {
    measured.push_back(size);
    return fakeOutlineWidth("12", size);
  });
  EXPECT_EQ(measured, (std::vector<int>{17, 16, 15, 14, 13, 12, 11}));
}

TEST(TextMargin, IsOnePixelAndAnEighthOfTheCellInLargeCells) {
  const std::pair<int, int> cellAndMargin[] = {{1, 1},  {7, 1},  {15, 1},  {16, 2},
                                               {20, 2}, {57, 7}, {96, 12}, {128, 16}};
  for (const auto& [cell, margin] : cellAndMargin) EXPECT_EQ(textMargin(cell), margin) << cell;
}

}  // namespace
}  // namespace jcw
