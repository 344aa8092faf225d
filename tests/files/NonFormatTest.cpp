#include <gtest/gtest.h>

#include <random>

#include "files/NonFormat.h"
#include "support/Fixtures.h"
#include "FormatFixtures.h"

namespace jcw {
namespace {

using test::jcwBytesOr;

struct Spelling {
  const char* name;
  std::string text;
};

// Every spelling of the 3 x 3 fixture that real files use.
const Spelling kSpellings[] = {
    {"plain", "width 3\nheight 3\nrows\n1,1\n0\n3\ncolumns\n1,1\n1\n1,1\n"},
    {"Windows line ends", "width 3\r\nheight 3\r\n\r\nrows\r\n1,1\r\n0\r\n3\r\n\r\ncolumns\r\n"
                          "1,1\r\n1\r\n1,1\r\n"},
    {"old Mac line ends", "width 3\rheight 3\rrows\r1,1\r0\r3\rcolumns\r1,1\r1\r1,1"},
    {"blanks and mixed separators",
     "width\t3\nheight  3\nrows\n1 1\n\n  3  \ncolumns\n1, 1\n1\n1 ,\t1\n"},
    {"an empty line as a blank line between sections",
     "width 3\nheight 3\n\nrows\n\n1,1\n\n3\n\n\ncolumns\n1,1\n1\n1,1\n\n"},
    {"keys in another order with metadata and a goal",
     "catalogue \"x #1\"\ntitle \"A, B\"\nby \"Someone\"\ncopyright \"\xC2\xA9 2004\"\n"
     "license CC-BY-3.0\ncolumns\n1,1\n1\n1,1\n\nrows\n1,1\n0\n3\nheight 3\nwidth 3\n\n"
     "goal \"101000111\"\n"},
    {"comments, a byte order mark, capitals and quoted sizes",
     "\xEF\xBB\xBF# made by hand\nWIDTH \"3\"\nHeight 3\n# the rows\nRows\n1,1\n0\n3\n"
     "columns\n# first\n1,1\n1\n01,1\n"},
};

TEST(NonReading, EverySpellingGivesTheSameMinimalCrossword) {
  for (const Spelling& spelling : kSpellings)
    EXPECT_EQ(jcwBytesOr(decodeNon(spelling.text)), test::asText(test::kThreeByThreeJcw))
        << spelling.name;
}

std::string hundredOnes(int count) {
  std::string line = "1";
  for (int i = 1; i < count; ++i) line += ",1";
  return line;
}

TEST(NonReading, MalformedFilesAreRefusedWithTheirReason) {
  const std::string rows = "rows\n1,1\n0\n3\n";
  const std::string columns = "columns\n1,1\n1\n1,1\n";
  const struct {
    std::string text;
    const char* reason;
  } cases[] = {
      {"", "нет ключа width"},
      {"height 3\n" + rows + columns, "нет ключа width"},
      {"width 3\nheight 3\n" + rows, "нет ключа columns"},
      {"width 3\nheight 4\n" + rows + columns, "в разделе rows не хватает строк: 3 из 4"},
      {"width 3\nheight 2\n" + rows + columns, "строка файла 6: лишняя строка в разделе rows"},
      {"width 3\nheight 3\nrows\n1,x\n0\n3\n" + columns, "строка файла 4: «x» не число"},
      {"width 3\nheight 3\nrows\n1,-1\n0\n3\n" + columns, "«-1» не число"},
      {"width 3\nheight 3\nrows\n1.5\n0\n3\n" + columns, "«1.5» не число"},
      {"width 3\nheight 3\nrows\n1,200\n0\n3\n" + columns, "число «200» больше 199"},
      {"width 0\nheight 3\n" + rows + columns, "width должно быть числом от 1 до 100"},
      {"width 101\nheight 3\n" + rows + columns, "width должно быть числом от 1 до 100"},
      {"width three\nheight 3\n" + rows + columns, "width должно быть числом от 1 до 100"},
      {"width 3\nwidth 3\nheight 3\n" + rows + columns, "строка файла 2: ключ width повторяется"},
      {"width 3\n3\nheight 3\n" + rows + columns, "строка файла 2: лишняя строка после width"},
      {"1,1\nwidth 3\nheight 3\n" + rows + columns, "строка файла 1: ожидалось ключевое слово"},
      {std::string("\x01\x02\xFF", 3), "ожидалось ключевое слово"},
      {"width 100\nheight 1\nrows\n" + hundredOnes(101) + "\ncolumns\n" + std::string(100, '\n'),
       "строка 1: больше 100 чисел"},
  };
  for (const auto& c : cases) {
    const Result<Crossword> read = decodeNon(c.text);
    ASSERT_FALSE(read) << c.text;
    EXPECT_NE(read.error().find(c.reason), std::string::npos) << read.error();
  }
}

TEST(NonWriting, WritesTheTitleSizesAndOneClueLinePerLine) {
  const Result<Crossword> read = decodeNon(kSpellings[0].text);
  ASSERT_TRUE(read);
  EXPECT_EQ(encodeNon(*read, {"cat \"big\"\x01"}),
            "title \"cat big\"\nwidth 3\nheight 3\n\nrows\n1,1\n0\n3\n\ncolumns\n1,1\n1\n1,1\n");
  EXPECT_EQ(encodeNon(*read, {}).find("title"), std::string::npos);
}

// Random crosswords with minimal headers, the extremes included: sizes 1 and 100, clues 1 and
// 199, lines without clues.
std::vector<Crossword> minimalCrosswords() {
  std::mt19937 random(20240611);
  std::vector<Crossword> crosswords;
  for (int size : {1, 2, 7, 33, 100}) {
    test::Clues rows(size), columns(size == 33 ? 5 : size);
    for (auto* lines : {&rows, &columns})
      for (auto& line : *lines)
        for (int n = random() % 4; n > 0; --n) line.push_back(1 + random() % 199);
    rows.front().push_back(199);
    crosswords.push_back(test::makeCrossword({rows, columns, {}}));
  }
  return crosswords;
}

TEST(NonWriting, MinimalCrosswordsComeBackByteForByte) {
  for (const Crossword& crossword : minimalCrosswords())
    EXPECT_EQ(jcwBytesOr(decodeNon(encodeNon(crossword, {"t"}))),
              test::asText(encodeCrossword(crossword)));
}

}  // namespace
}  // namespace jcw
