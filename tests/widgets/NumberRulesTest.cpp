#include <gtest/gtest.h>

#include <cmath>

#include "widgets/NumberRules.h"

namespace jcw {
namespace {

// The characters of one filter among the codes 0..255.
std::string charactersOf(TFilter filter) {
  const CharSet set = filterCharSet(filter);
  std::string chars;
  for (std::size_t c = 0; c < set.size(); ++c)
    if (set.test(c)) chars += static_cast<char>(c);
  return chars;
}

TEST(NumberRules, EachFilterLetsThroughExactlyItsCharacters) {
  EXPECT_EQ(charactersOf(TFilter::fltNatural), "\b+0123456789");
  EXPECT_EQ(charactersOf(TFilter::fltInteger), "\b+-0123456789");
  EXPECT_EQ(charactersOf(TFilter::fltPositivReal), "\b+,.0123456789");
  EXPECT_EQ(charactersOf(TFilter::fltReal), "\b+,-.0123456789");
}

struct TypedCase {
  const char* title;
  TFilter filter;
  char32_t typed;
  std::string text;
  bool caretAtStart;
  std::optional<char> result;
};

class Typing : public testing::TestWithParam<TypedCase> {};

TEST_P(Typing, TakesReplacesOrDiscardsTheCharacter) {
  const TypedCase& c = GetParam();
  EXPECT_EQ(acceptTyped(filterCharSet(c.filter), c.typed, c.text, c.caretAtStart, ','), c.result);
}

constexpr auto kNatural = TFilter::fltNatural;
constexpr auto kInteger = TFilter::fltInteger;
constexpr auto kReal = TFilter::fltReal;

INSTANTIATE_TEST_SUITE_P(
    NumberRules, Typing,
    testing::Values(
        TypedCase{"DigitIsTaken", kNatural, '7', "12", false, '7'},
        TypedCase{"LetterIsDiscarded", kReal, 'e', "12", false, std::nullopt},
        TypedCase{"MinusIsNotNatural", kNatural, '-', "12", true, std::nullopt},
        TypedCase{"CommaIsNotNatural", kNatural, ',', "12", false, std::nullopt},
        TypedCase{"PointIsNotInteger", kInteger, '.', "12", false, std::nullopt},
        TypedCase{"PlusAtTheStartIsTaken", kNatural, '+', "12", true, '+'},
        TypedCase{"PlusElsewhereIsDiscarded", kNatural, '+', "12", false, std::nullopt},
        TypedCase{"MinusAtTheStartIsTaken", kInteger, '-', "12", true, '-'},
        TypedCase{"MinusElsewhereIsDiscarded", kInteger, '-', "12", false, std::nullopt},
        TypedCase{"SignIntoAnEmptyTextIsTaken", kNatural, '+', "", false, '+'},
        TypedCase{"PointBecomesTheSeparator", kReal, '.', "12", false, ','},
        TypedCase{"CommaStaysTheSeparator", TFilter::fltPositivReal, ',', "12", false, ','},
        TypedCase{"SecondSeparatorIsDiscarded", kReal, '.', "1,2", false, std::nullopt},
        TypedCase{"BackspaceAlways", kNatural, '\b', "12", false, '\b'},
        TypedCase{"PasteControlCharacterIsDiscarded", kReal, 0x16, "12", false, std::nullopt},
        TypedCase{"DeleteCharacterIsDiscarded", kReal, 0x7F, "12", false, std::nullopt},
        TypedCase{"CyrillicIsDiscarded", kReal, U'ж', "12", false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(NumberRules, APointIsTakenOnceWhereThePointIsTheSeparator) {
  const CharSet real = filterCharSet(TFilter::fltReal);
  EXPECT_EQ(acceptTyped(real, ',', "12", false, '.'), '.');
  EXPECT_EQ(acceptTyped(real, ',', "1.2", false, '.'), std::nullopt);
}

struct BoundCase {
  double value, min, max, expected;
};

class Bounds : public testing::TestWithParam<BoundCase> {};

TEST_P(Bounds, ApplyOnlyWhileTheMaximumExceedsTheMinimum) {
  EXPECT_EQ(boundedValue(GetParam().value, GetParam().min, GetParam().max), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(NumberRules, Bounds,
                         testing::Values(BoundCase{150, 1, 100, 100}, BoundCase{0, 1, 100, 1},
                                         BoundCase{50, 1, 100, 50}, BoundCase{-5, 0, 0, -5},
                                         BoundCase{150, 100, 1, 150}, BoundCase{7, 5, 5, 7}));

struct ParseCase {
  std::string text;
  std::optional<double> number;
};

class Parsing : public testing::TestWithParam<ParseCase> {};

TEST_P(Parsing, ReadsNumbersAndRefusesTheRest) {
  EXPECT_EQ(parseNumber(GetParam().text, ','), GetParam().number) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, Parsing,
    testing::Values(ParseCase{"24", 24}, ParseCase{"+5", 5}, ParseCase{"-3", -3},
                    ParseCase{"1,5", 1.5}, ParseCase{",5", 0.5}, ParseCase{"2,", 2},
                    ParseCase{"  7 ", 7}, ParseCase{"1E3", 1000}, ParseCase{"2,5e-1", 0.25},
                    ParseCase{"+", std::nullopt}, ParseCase{"-", std::nullopt},
                    ParseCase{"", std::nullopt}, ParseCase{",", std::nullopt},
                    ParseCase{"1.5", std::nullopt}, ParseCase{"1,2,3", std::nullopt},
                    ParseCase{"+-1", std::nullopt}, ParseCase{"1e", std::nullopt},
                    ParseCase{"12a", std::nullopt}, ParseCase{"1e999", std::nullopt},
                    ParseCase{"inf", std::nullopt}, ParseCase{"0x10", std::nullopt}));

TEST(NumberRules, TheConversionErrorQuotesTheText) {
  EXPECT_EQ(conversionError("+"), "'+' is not a valid floating point value");
}

struct FormatCase {
  double value;
  int precision;
  std::string text;
};

class Formatting : public testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, ShowsFixedDecimalsWithTheSeparator) {
  EXPECT_EQ(formatNumber(GetParam().value, GetParam().precision, ','), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, Formatting,
    testing::Values(FormatCase{24, 0, "24"}, FormatCase{24, 2, "24,00"}, FormatCase{0, 0, "0"},
                    FormatCase{0, 3, "0,000"}, FormatCase{-1, 0, "-1"}, FormatCase{1.5, 0, "2"},
                    FormatCase{2.5, 0, "3"}, FormatCase{-2.5, 0, "-3"}, FormatCase{2.675, 2, "2,68"},
                    FormatCase{0.05, 1, "0,1"}, FormatCase{0.1 + 0.2, 20, "0,30000000000000000000"},
                    FormatCase{9.99, 1, "10,0"}, FormatCase{-0.001, 0, "0"}, FormatCase{0.001, 2, "0,00"},
                    FormatCase{123456789012345.0, 1, "123456789012345,0"},
                    FormatCase{1e20, 0, "1e+20"}, FormatCase{1.0 / 3.0, 17, "0,33333333333333300"}));

TEST(NumberRules, FormattedNumbersReadBack) {
  for (const double value : {0.0, 1.0, -7.25, 99.5, 1234.5678, 1e20, -3e-5})
    EXPECT_NEAR(*parseNumber(formatNumber(value, 6, ','), ','), value, 1e-6 * std::max(1.0, std::fabs(value)))
        << value;
}

TEST(NumberRules, AStepBelowZeroNeedsTheMinusSign) {
  EXPECT_EQ(steppedValue(0, 1, false, filterCharSet(TFilter::fltNatural)), std::nullopt);
  EXPECT_EQ(steppedValue(0, 1, false, filterCharSet(TFilter::fltInteger)), -1);
  EXPECT_EQ(steppedValue(0.5, 0.5, false, filterCharSet(TFilter::fltPositivReal)), 0);
  EXPECT_EQ(steppedValue(99, 1, true, filterCharSet(TFilter::fltNatural)), 100);
  EXPECT_EQ(steppedValue(-3, 2, true, filterCharSet(TFilter::fltNatural)), std::nullopt);
}

}  // namespace
}  // namespace jcw
