// Clue lists read from clipboard text in both forms, refused with the line and the reason, and
// the plain form written back reading to the same lists; then a paste into a crossword with
// marks, undone in one step.

#include "files/ClueListText.h"

#include <gtest/gtest.h>

#include "files/ClueLists.h"
#include "support/Fixtures.h"

namespace jcw {
namespace {

struct ReadCase {
  const char* name;
  const char* text;
  ClueLists lists;
  const char* refusal;  // nullptr: read
};

const ReadCase kCases[] = {
    {"plain", "3 1\n2\n\n1,1\n4\n", {{{3, 1}, {2}}, {{1, 1}, {4}}}, nullptr},
    {"plain with zero, CR LF and extra blank lines",
     "\r\n3\r\n0\r\n\r\n\r\n2\r\n1\r\n\r\n", {{{3}, {}}, {{2}, {1}}}, nullptr},
    {"non sections without sizes, an empty line a line without blocks",
     "title \"x\"\nrows\n3\n\n2\ncolumns\n1\n1, 1\n\n", {{{3}, {}, {2}}, {{1}, {1, 1}}}, nullptr},
    {"a whole non file", "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\n", {{{2}}, {{1}, {1}}},
     nullptr},
    {"a word among numbers", "3 x\n\n1\n", {}, "строка 1: «x» не число"},
    {"a number above 199", "1\n\n200\n", {}, "строка 3: число «200» больше 199"},
    {"one block", "1\n2\n", {}, "ожидаются два блока чисел: строки, пустая строка, столбцы; блоков 1"},
    {"three blocks", "1\n\n2\n\n3\n", {},
     "ожидаются два блока чисел: строки, пустая строка, столбцы; блоков 3"},
    {"nothing", "", {}, "ожидаются два блока чисел: строки, пустая строка, столбцы; блоков 0"},
    {"rows without columns", "rows\n1\n", {}, "нет раздела columns"},
    {"sections without lines", "rows\n\ncolumns\n\n", {}, "в разделе rows нет строк"},
};

TEST(ClueListText, ReadsBothFormsAndRefusesDamageWithTheReason) {
  for (const ReadCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const Result<ClueLists> read = readClueListText(c.text);
    if (c.refusal) {
      ASSERT_FALSE(read);
      EXPECT_EQ(read.error(), c.refusal);
      continue;
    }
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, c.lists);
    const Result<ClueLists> again = readClueListText(clueListText(*read));
    ASSERT_TRUE(again) << again.error();
    EXPECT_EQ(*again, *read);
  }
  EXPECT_EQ(clueListText({{{3, 1}, {}}, {{2}}}), "3 1\n0\n\n2\n");
}

TEST(ClueListText, APasteGrowsTheHeadersKeepsTheMarksAndUndoesInOneStep) {
  Crossword cw = test::makeCrossword({{{1}, {1}}, {{1}, {1}, {}}, {"#??", "???"}});
  const ClueLists old = cluesOf(cw);
  EXPECT_FALSE(pasteClues(cw, {{{1}}, {{1}, {1}, {}}}));  // another picture size
  ASSERT_TRUE(pasteClues(cw, {{{1, 0, 1}, {3}}, {{2}, {1}, {2}}}));  // a zero is no block
  const ClueLists pasted{{{1, 1}, {3}}, {{2}, {1}, {2}}};
  EXPECT_EQ(cw.dims().CapColCount, 2);
  EXPECT_EQ(cluesOf(cw), pasted);
  EXPECT_EQ(pictureRows(cw), (std::vector<std::string>{"#??", "???"}));
  cw.undo();
  EXPECT_EQ(cluesOf(cw), old);
  cw.redo();
  EXPECT_EQ(cluesOf(cw), pasted);
}

}  // namespace
}  // namespace jcw
