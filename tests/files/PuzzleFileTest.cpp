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
  const std::string xml = encodeWebpbn(*readPuzzleFile(put("fixture.jcw", kJcw)), "");
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

TEST(PuzzleFileNames, TheTitleIsTheOwnNameWithoutItsExtension) {
  EXPECT_EQ(titleFromFileName("/dir.d/cat.non"), "cat");
  EXPECT_EQ(titleFromFileName("a.b.xml"), "a.b");
  EXPECT_EQ(titleFromFileName("кот"), "кот");
  EXPECT_EQ(puzzleFormatOf("/dir.non/cat"), std::nullopt);
  EXPECT_EQ(puzzleFormatOf("/dir/.non"), std::nullopt);
}

}  // namespace
}  // namespace jcw
