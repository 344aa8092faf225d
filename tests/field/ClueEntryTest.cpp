#include <gtest/gtest.h>

#include <vector>

#include "field/ClueEntry.h"
#include "model/Crossword.h"

namespace jcw {
namespace {

// One picture column of `rows` cells with three header rows; the cursor stands in its bottom
// clue cell, the top one holds `otherClue`.
struct Column {
  Crossword cw;
  std::vector<bool> checks;  // every line check the entry ran, in order

  Column(int rows, const std::string& otherClue, const std::string& cursorText) {
    cw.allocate({1, static_cast<std::uint8_t>(rows), 1, 3});
    cw.EditCursor = {2, 3};
    cw.cell(2, 1).Text = otherClue;
    cw.cell(2, 3).Text = cursorText;
  }

  LineCheck check() {
    return [this] {
      checks.push_back(cw.lineFits(cw.EditCursor.x, cw.EditCursor.y));
      return checks.back();
    };
  }
  DigitEntry type(char digit, int go2Dig, bool ctrl = false, bool replace = false) {
    return enterDigit(cw, digit, go2Dig, ctrl, check(), replace);
  }
  const std::string& text() const { return cw.cell(2, 3).Text; }
};

struct DigitCase {
  const char* name;
  int rows;
  std::string otherClue;
  std::string before;
  char digit;
  int go2Dig;
  bool ctrl;
  std::string after;
  bool advance;
  std::vector<bool> checks;
  bool replace = false;  // the digit replaces the number (the option, first digit in the cell)
};

class DigitEntryRules : public testing::TestWithParam<DigitCase> {};

TEST_P(DigitEntryRules, ChangeTheTextCheckTheLineAndDecideTheAdvance) {
  const DigitCase& c = GetParam();
  Column column(c.rows, c.otherClue, c.before);
  const DigitEntry entry = column.type(c.digit, c.go2Dig, c.ctrl, c.replace);
  EXPECT_EQ(column.text(), c.after);
  EXPECT_EQ(entry.advance, c.advance);
  EXPECT_EQ(column.checks, c.checks);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DigitEntryRules,
    testing::Values(
        DigitCase{"FirstDigitWaitsForTheSecond", 20, "", "", '1', 2, false, "1", false, {true}},
        DigitCase{"SecondDigitAdvances", 20, "", "1", '2', 2, false, "12", true, {true, true}},
        DigitCase{"ThirdDigitStartsOverWithoutACheck", 20, "", "12", '3', 2, false, "3", false, {}},
        DigitCase{"DigitIntoALoadedThreeDigitClueStartsOver", 20, "", "123", '4', 2, false, "4",
                  false, {}},
        DigitCase{"OneDigitModeAdvancesAtOnce", 20, "", "", '7', 1, false, "7", true,
                  {true, true}},
        DigitCase{"OneDigitModeWithCtrlWaits", 20, "", "", '1', 1, true, "1", false, {true}},
        DigitCase{"OneDigitModeWithCtrlAdvancesAfterTheSecond", 20, "", "1", '5', 1, true, "15",
                  true, {true, true}},
        DigitCase{"NoAdvanceModeNeverMoves", 20, "", "1", '2', 0, false, "12", false, {true}},
        DigitCase{"ADigitIntoAnOverflowedLineReplacesTheNumber", 5, "3", "2", '1', 2, false, "1",
                  false, {false}},
        DigitCase{"ANumberThatOverflowsStaysAndDoesNotAdvance", 5, "4", "", '9', 1, false, "9",
                  false, {true, false}},
        DigitCase{"ATwoDigitNumberThatOverflowsDoesNotAdvance", 20, "10", "1", '5', 2, false,
                  "15", false, {true, false}},
        DigitCase{"ZeroIsTypedLikeAnyDigit", 20, "", "", '0', 1, false, "0", true, {true, true}},
        DigitCase{"AReplacingDigitStartsANewNumber", 20, "", "1", '2', 2, false, "2", false,
                  {true}, true},
        DigitCase{"AReplacingDigitInOneDigitModeMovesOn", 20, "", "7", '1', 1, false, "1", true,
                  {true, true}, true}),
    [](const testing::TestParamInfo<DigitCase>& info) { return std::string(info.param.name); });

TEST(ClueEditing, F4SwitchesTheAdvanceBetweenOneAndTwoDigitsAndLeavesNeverAlone) {
  EXPECT_EQ(toggledAdvance(0), 0);
  EXPECT_EQ(toggledAdvance(1), 2);
  EXPECT_EQ(toggledAdvance(2), 1);
}

TEST(ClueEditing, BackspaceKeepsTheFirstCharacterOfLongerTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"12", "1"}, {"1", ""}, {"", ""}, {"123", "1"}};
  for (const auto& [before, after] : cases) {
    Column column(20, "", before);
    backspaceClue(column.cw);
    EXPECT_EQ(column.text(), after) << before;
  }
}

TEST(ClueEditing, DeleteEmptiesOnlyTheCursorCell) {
  Column column(20, "4", "12");
  clearClue(column.cw);
  EXPECT_EQ(column.text(), "");
  EXPECT_EQ(column.cw.cell(2, 1).Text, "4");
}

TEST(ClueEditing, LeavingACellNormalisesItsNumberAndDeselectsIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"05", "5"}, {"0", ""}, {"00", ""}, {"07", "7"}, {"12", "12"}, {"123", "123"}, {"", ""}};
  for (const auto& [before, after] : cases) {
    Column column(20, "", before);
    column.cw.cell(2, 3).State = csSelected;
    leaveClueCell(column.cw);
    EXPECT_EQ(column.text(), after) << before;
    EXPECT_EQ(column.cw.cell(2, 3).State, csBlank) << before;
  }
}

}  // namespace
}  // namespace jcw
