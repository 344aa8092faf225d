#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "files/ClueLists.h"
#include "files/WebpbnFormat.h"
#include "support/Fixtures.h"
#include "FormatFixtures.h"

namespace jcw {
namespace {

using test::jcwBytesOr;

// The 3 x 3 fixture's clues as <clues> elements.
const std::string kColumns =
    "<clues type=\"columns\"><line><count>1</count><count>1</count></line>"
    "<line><count>1</count></line><line><count>1</count><count>1</count></line></clues>";
const std::string kRows =
    "<clues type=\"rows\"><line><count>1</count><count>1</count></line><line/>"
    "<line><count>3</count></line></clues>";

std::string puzzleSet(const std::string& attributes, const std::string& inside) {
  return "<puzzleset><puzzle" + attributes + ">" + inside + "</puzzle></puzzleset>";
}

TEST(WebpbnReading, EverySpellingGivesTheSameMinimalCrossword) {
  const std::string exported =
      "<?xml version=\"1.0\"?>\r\n<!DOCTYPE pbn SYSTEM \"pbn-0.3.dtd\">\r\n<puzzleset>\r\n"
      "<source>webpbn</source>\r\n<puzzle type=\"grid\" defaultcolor=\"black\">\r\n"
      "<id>#1</id><title>Dancer &amp; co</title><copyright>&copy; 2004</copyright>\r\n"
      "<color name=\"white\" char=\".\">fff</color>\r\n"
      "<color name=\"black\" char=\"X\">000</color>\r\n" +
      kRows + "\r\n" + kColumns +
      "<solution type=\"goal\"><image>|X.X|...|XXX|</image></solution></puzzle></puzzleset>";
  const std::string spelled[] = {
      puzzleSet("", kColumns + kRows),
      exported,
      puzzleSet(" backgroundcolor=\"white\"",
                "<clues type=\"rows\">\n  <line> <count> 1 </count>\n"
                "<count color=\"black\">1</count>"
                "</line>\n  <line>\n  </line><line><count>3</count></line></clues>" + kColumns),
      puzzleSet(" defaultcolor=\"red\"", kColumns + kRows),
      puzzleSet("", "<clues type=\"rows\"><line><count>\n1\n</count><count>\r\n1\r\n</count>"
                    "</line><line/><line><count>\r3\r</count></line></clues>" + kColumns),
      "<puzzleset><puzzle>" + kColumns + kRows +
          "</puzzle><puzzle><clues type=\"rows\"><line/></clues></puzzle></puzzleset>",
  };
  for (const std::string& text : spelled)
    EXPECT_EQ(jcwBytesOr(decodeWebpbn(text)), test::asText(test::kThreeByThreeJcw)) << text;
}

TEST(WebpbnReading, MalformedAndColourPuzzlesAreRefusedWithTheirReason) {
  const std::string whole = puzzleSet("", kColumns + kRows);
  std::string hundredAndOne = "<clues type=\"rows\">";
  for (int i = 0; i < 101; ++i) hundredAndOne += "<line/>";
  hundredAndOne += "</clues>";
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {whole.substr(0, whole.size() / 2), "повреждённый XML"},
      {whole.substr(0, whole.size() - 1), "повреждённый XML"},
      {"", "повреждённый XML"},
      {"<puzzle>" + kColumns + kRows + "</puzzle>", "нет элемента puzzleset/puzzle"},
      {puzzleSet("", kColumns), "нет подсказок type=\"rows\""},
      {puzzleSet("", kColumns + kRows + kRows), "подсказки type=\"rows\" повторяются"},
      {puzzleSet("", kColumns + "<clues type=\"diagonals\"/>" + kRows), "неизвестный тип"},
      {puzzleSet("", kColumns + "<clues type=\"rows\"><line><count>x</count></line></clues>"),
       "в элементе count не число: «x»"},
      {puzzleSet("", kColumns + "<clues type=\"rows\"><line><count>200</count></line></clues>"),
       "число «200» больше 199"},
      {puzzleSet("", kColumns + hundredAndOne), "число строк должно быть от 1 до 100, а не 101"},
      {puzzleSet(" type=\"triddler\"", kColumns + kRows), "type=\"grid\""},
      {puzzleSet("", "<color name=\"white\">fff</color><color name=\"black\">000</color>"
                     "<color name=\"red\">f00</color>" + kColumns + kRows),
       std::string(kColourPuzzleRefusal)},
      {puzzleSet("", kColumns + "<clues type=\"rows\"><line><count color=\"red\">1</count>"
                                "<count>1</count></line><line/><line><count>3</count></line>"
                                "</clues>"),
       std::string(kColourPuzzleRefusal)},
  };
  for (const auto& c : cases) {
    const Result<Crossword> read = decodeWebpbn(c.text);
    ASSERT_FALSE(read) << c.text;
    EXPECT_NE(read.error().find(c.reason), std::string::npos) << read.error();
  }
}

TEST(WebpbnWriting, WritesOneBlackAndWhitePuzzleWithTitleAndClues) {
  const Crossword crossword =
      test::makeCrossword({{{1, 1}, {}, {3}}, {{1, 1}, {1}, {1, 1}}, {"#.#"}});
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(encodeWebpbn(crossword, {"<Cat & \"dog\">"}).c_str()));
  const pugi::xml_node puzzle = document.child("puzzleset").child("puzzle");
  EXPECT_STREQ(puzzle.child_value("title"), "<Cat & dog>");
  EXPECT_STREQ(puzzle.attribute("type").value(), "grid");
  EXPECT_EQ(std::distance(puzzle.children("color").begin(), puzzle.children("color").end()), 2);
  EXPECT_EQ(jcwBytesOr(decodeWebpbn(encodeWebpbn(crossword, {}))),
            test::asText(test::kThreeByThreeJcw));
}

TEST(WebpbnWriting, MinimalCrosswordsComeBackByteForByte) {
  const test::Clues wide(100, std::vector<int>(50, 1));
  const Crossword crosswords[] = {
      test::makeCrossword({{{}}, {{}}, {}}),
      test::makeCrossword({{{199}}, {{1}, {198, 1}}, {}}),
      test::makeCrossword({wide, wide, {}}),
  };
  for (const Crossword& crossword : crosswords)
    EXPECT_EQ(jcwBytesOr(decodeWebpbn(encodeWebpbn(crossword, {"t"}))),
              test::asText(encodeCrossword(crossword)));
}

}  // namespace
}  // namespace jcw
