// When the start command takes the clues: no line overflows, and equal sums; the first
// overflowing line (columns first) and the two totals say why not.

#include <gtest/gtest.h>

#include "model/StartRule.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

struct Case {
  const char* name;
  test::CrosswordSpec spec;
  StartCheck expected;
};

StartCheck overflow(bool column, int line, int needed, int length) {
  StartCheck check;
  check.block = StartBlock::LineOverflows;
  check.column = column;
  check.line = line;
  check.needed = needed;
  check.length = length;
  return check;
}

StartCheck sums(int rowSum, int columnSum, bool equal) {
  StartCheck check;
  check.block = equal ? StartBlock::None : StartBlock::UnequalSums;
  check.rowSum = rowSum;
  check.columnSum = columnSum;
  return check;
}

const Case kCases[] = {
    {"EqualSumsStart", {{{2}, {1}}, {{2}, {1}}, {}}, sums(3, 3, true)},
    {"NoCluesStart", {{{}, {}}, {{}, {}}, {}}, sums(0, 0, true)},
    {"UnequalSumsNameBothTotals", {{{2}, {2}}, {{2}, {1}}, {}}, sums(4, 3, false)},
    {"AnOverflowingRowIsNamedWithItsCells", {{{1}, {1, 2}, {}}, {{1}, {1}, {1}}, {}},
     overflow(false, 2, 4, 3)},
    {"AnOverflowingColumnComesBeforeARow", {{{4}, {}}, {{1, 1}, {}}, {}},
     overflow(true, 1, 3, 2)},
    {"AnOverflowWinsOverUnequalSums", {{{9}}, {{1}}, {}}, overflow(false, 1, 9, 1)},
    {"ALineFilledExactlyFits", {{{1, 1}, {}, {1, 1}}, {{2}, {}, {2}}, {}}, sums(4, 4, true)},
};

class StartRule : public testing::TestWithParam<Case> {};

TEST_P(StartRule, SaysWhetherAndWhyNot) {
  const Crossword crossword = test::makeCrossword(GetParam().spec);
  const StartCheck check = checkStart(crossword);
  EXPECT_EQ(check, GetParam().expected);
  EXPECT_EQ(noLineOverflows(crossword), check.block != StartBlock::LineOverflows);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartRule, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace jcw
