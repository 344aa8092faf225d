// The line entry as tables: what a typed line reads as, what cannot stand in a line and why, how
// the numbers stand in the clue cells, and the order Enter and Tab walk.

#include <gtest/gtest.h>

#include "field/LineEntry.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

struct ParseCase {
  const char* text;
  ClueLine clues;
  const char* refusal;  // nullptr: accepted
};

const ParseCase kParseCases[] = {
    {"3 1 2", {3, 1, 2}, nullptr},
    {"3,1,2", {3, 1, 2}, nullptr},
    {"3.1.2", {3, 1, 2}, nullptr},
    {"  12 ,, 7;\t05 ", {12, 7, 5}, nullptr},
    {"", {}, nullptr},
    {"0", {}, nullptr},
    {"99", {99}, nullptr},
    {"100", {}, "Число 100 больше 99"},
    {"3 x 2", {}, "Недопустимый знак «x»: числа разделяются пробелом, запятой или точкой"},
    {"3-2", {}, "Недопустимый знак «-»: числа разделяются пробелом, запятой или точкой"},
    {"3 0 2", {}, "Число 0 может стоять только одно: строка без закрашенных клеток"},
    {"99999999999999999999", {}, "Число 99999999999999999999 больше 99"},
};

TEST(LineEntry, ParsesNumbersBetweenSeparatorsAndRefusesWithAReason) {
  for (const ParseCase& c : kParseCases) {
    SCOPED_TRACE(c.text);
    const Result<ClueLine> parsed = parseLineEntry(c.text);
    if (c.refusal) {
      ASSERT_FALSE(parsed);
      EXPECT_EQ(parsed.error(), c.refusal);
    } else {
      ASSERT_TRUE(parsed) << parsed.error();
      EXPECT_EQ(*parsed, c.clues);
    }
  }
}

// 5 columns x 4 rows, two header columns and three header rows.
Crossword blank() { return test::makeCrossword({test::Clues(4), test::Clues(5), {}, 2, 3}); }

TEST(LineEntry, RefusesWhatTheHeaderOrTheLineCannotHold) {
  const Crossword cw = blank();
  const ClueLineRef row{false, cw.firstPictureY()};
  const ClueLineRef column{true, cw.firstPictureX()};
  EXPECT_TRUE(checkLineFits(cw, row, {2, 2}));
  EXPECT_EQ(checkLineFits(cw, row, {1, 1, 1}).error(), "Чисел 3, а клеток для них в заголовке 2");
  EXPECT_EQ(checkLineFits(cw, row, {3, 2}).error(), "Числам нужно клеток 6, а в строке 5");
  EXPECT_TRUE(checkLineFits(cw, column, {1, 1}));
  EXPECT_EQ(checkLineFits(cw, column, {5}).error(), "Числам нужно клеток 5, а в столбце 4");
  EXPECT_TRUE(checkLineFits(cw, column, {}));
}

TEST(LineEntry, WritesNumbersNextToThePictureAndReadsThemBack) {
  Crossword cw = blank();
  const ClueLineRef row{false, cw.firstPictureY() + 1};
  const ClueLineRef column{true, cw.firstPictureX() + 2};
  writeLineClues(cw, row, {3, 1});
  writeLineClues(cw, column, {2});
  EXPECT_EQ(cw.cell(1, row.index).Text, "3");
  EXPECT_EQ(cw.cell(2, row.index).Text, "1");
  EXPECT_EQ(cw.cell(column.index, 1).Text, "");
  EXPECT_EQ(cw.cell(column.index, 3).Text, "2");
  EXPECT_EQ(lineEntryText(cw, row), "3 1");
  // A shorter list empties the cells it no longer needs.
  writeLineClues(cw, row, {4});
  EXPECT_EQ(cw.cell(1, row.index).Text, "");
  EXPECT_EQ(lineEntryText(cw, row), "4");
  EXPECT_EQ(cw.rowClues(row.index), (std::vector<int>{4}));
  EXPECT_EQ(lineOfClueCell(cw, 1, row.index), row);
  EXPECT_EQ(lineOfClueCell(cw, column.index, 1), column);
}

TEST(LineEntry, EnterWalksTheColumnsThenTheRowsAndRoundAgain) {
  const Crossword cw = blank();
  const int x = cw.firstPictureX(), y = cw.firstPictureY();
  EXPECT_EQ(nextEntryLine(cw, {true, x}, true), (ClueLineRef{true, x + 1}));
  EXPECT_EQ(nextEntryLine(cw, {true, x + 4}, true), (ClueLineRef{false, y}));
  EXPECT_EQ(nextEntryLine(cw, {false, y + 3}, true), (ClueLineRef{true, x}));
  EXPECT_EQ(nextEntryLine(cw, {true, x}, false), (ClueLineRef{false, y + 3}));
  EXPECT_EQ(nextEntryLine(cw, {false, y}, false), (ClueLineRef{true, x + 4}));
}

}  // namespace
}  // namespace jcw
