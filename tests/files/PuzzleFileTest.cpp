#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "files/PuzzleFile.h"
#include "files/WebpbnFormat.h"
#include "support/TempDir.h"
#include "FormatFixtures.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;
using test::jcwBytesOr;

const std::string kNonText = "width 3\nheight 3\nrows\n1,1\n0\n3\ncolumns\n1,1\n1\n1,1\n";
const std::string kJcw = test::asText(test::kThreeByThreeJcw);

class PuzzleFileTest : public test::TempDirTest {
 protected:
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::string put(const std::string& name, const std::string& contents) const {
    writeFile(dir_ / name, contents);
    return path(name);
  }
};

TEST_F(PuzzleFileTest, TheExtensionChoosesTheReaderWhateverItsCase) {
  const std::string xml = encodeWebpbn(*readPuzzleFile(put("fixture.jcw", kJcw)), {});
  const struct {
    const char* name;
    std::string contents;
  } cases[] = {
      {"cat.non", kNonText}, {"CAT.NON", kNonText}, {"cat.Xml", xml},       {"cat.XML", xml},
      {"cat.JCW", kJcw},     {"cat.dat", kJcw},     {"no extension", kJcw}, {"cat.non.jcw", kJcw},
  };
  for (const auto& c : cases)
    EXPECT_EQ(jcwBytesOr(readPuzzleFile(put(c.name, c.contents))), kJcw) << c.name;
}

TEST_F(PuzzleFileTest, WhatIsNotACrosswordIsRefusedNamingTheFile) {
  fs::create_directory(dir_ / "folder.non");
  ASSERT_EQ(::mkfifo(path("pipe.xml").c_str(), 0600), 0);
  const struct {
    std::string path;
    const char* failed;
    const char* reason;
  } cases[] = {
      {put("bad.non", "width 3\n"), "прочитать", "нет ключа height"},
      {put("picture.svg", "<svg/>"), "прочитать", "SVG"},
      {put("huge.non", kNonText + std::string(1 << 20, '\n')), "прочитать", "слишком велик"},
      {path("folder.non"), "открыть", "каталог"},
      {path("pipe.xml"), "открыть", "канал"},
      {path("missing.non"), "открыть", ""},
  };
  for (const auto& c : cases) {
    const Result<Crossword> read = readPuzzleFile(c.path);
    ASSERT_FALSE(read) << c.path;
    EXPECT_TRUE(read.error().starts_with(std::string("Не удалось ") + c.failed + " файл " + c.path +
                                         ": "))
        << read.error();
    EXPECT_NE(read.error().find(c.reason), std::string::npos) << read.error();
  }
}

TEST_F(PuzzleFileTest, WritingFollowsTheExtensionAndReadsBack) {
  const Result<Crossword> crossword = readPuzzleFile(put("fixture.jcw", kJcw));
  ASSERT_TRUE(crossword);
  for (const char* name : {"out.jcw", "out.NON", "out.xml"}) {
    ASSERT_TRUE(writePuzzleFile(path(name), *crossword)) << name;
    EXPECT_EQ(jcwBytesOr(readPuzzleFile(path(name))), kJcw) << name;
  }
  EXPECT_NE(readFile(dir_ / "out.NON").find("title \"out\"\n"), std::string::npos);
  ASSERT_TRUE(writePuzzleFile(path("out.Svg"), *crossword));
  EXPECT_NE(readFile(dir_ / "out.Svg").find("<svg"), std::string::npos);
  for (const char* name : {"out.png", "out"}) {
    const Result<void> unknown = writePuzzleFile(path(name), *crossword);
    ASSERT_FALSE(unknown) << name;
    EXPECT_NE(unknown.error().find("неизвестное расширение"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / name));
  }
}

TEST_F(PuzzleFileTest, TitleAuthorAndNotesSurviveXmlToNonToXml) {
  std::string xml = encodeWebpbn(*readPuzzleFile(put("fixture.jcw", kJcw)), {});
  const std::string opening = "defaultcolor=\"black\">";
  xml.insert(xml.find(opening) + opening.size(),
             "<title>Чайник</title><author>Автор</author><copyright>&#169; 2026</copyright>"
             "<description>\nПервая строка\r\nвторая\n</description>");
  const Result<Crossword> original = readPuzzleFile(put("teapot.xml", xml));
  ASSERT_TRUE(original) << original.error();
  const PuzzleInfo expected{"Чайник", "Автор", "© 2026", "Первая строка\nвторая"};
  EXPECT_EQ(original->info, expected);
  ASSERT_TRUE(writePuzzleFile(path("teapot-mine.non"), *original));
  const Result<Crossword> viaNon = readPuzzleFile(path("teapot-mine.non"));
  ASSERT_TRUE(viaNon);
  // A .non value is one line: the notes' line break becomes a blank there.
  EXPECT_EQ(viaNon->info, (PuzzleInfo{"Чайник", "Автор", "© 2026", "Первая строка вторая"}));
  ASSERT_TRUE(writePuzzleFile(path("back.xml"), *viaNon));
  const Result<Crossword> back = readPuzzleFile(path("back.xml"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->info, viaNon->info);
  EXPECT_EQ(jcwBytesOr(back), kJcw);
  // Written from the first read, the XML keeps the notes' lines.
  ASSERT_TRUE(writePuzzleFile(path("same.xml"), *original));
  EXPECT_EQ(readPuzzleFile(path("same.xml"))->info, expected);
}

TEST(PuzzleFileNames, TheTitleIsTheOwnNameWithoutItsExtension) {
  EXPECT_EQ(titleFromFileName("/dir.d/cat.non"), "cat");
  EXPECT_EQ(titleFromFileName("a.b.xml"), "a.b");
  EXPECT_EQ(titleFromFileName("кот"), "кот");
  Crossword crossword;
  EXPECT_EQ(crosswordTitle(crossword, "/dir/cat.jcw"), "cat");
  crossword.info.title = "Кот";
  EXPECT_EQ(crosswordTitle(crossword, "/dir/cat.jcw"), "Кот");
  EXPECT_EQ(puzzleFormatOf("/dir.non/cat"), std::nullopt);
  EXPECT_EQ(puzzleFormatOf("/dir/.non"), std::nullopt);
}

}  // namespace
}  // namespace jcw
