#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/CrosswordFile.h"
#include "files/FileLoad.h"
#include "support/Fixtures.h"
#include "support/ProcessReset.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;

TEST(LoadExtension, IsTheLastFourCharactersOfANameLongerThanFour) {
  const struct {
    const char* name;
    const char* extension;
  } cases[] = {
      {"/dir/cat.jcw", ".jcw"}, {"a.jcw", ".jcw"},      {".jcw", ""}, {"jcw", ""},
      {"cat.JCW", ".JCW"},      {"notes.text", "text"}, {"", ""},     {"/dir.jcw/cat", "/cat"},
  };
  for (const auto& c : cases) EXPECT_EQ(loadExtension(c.name), c.extension) << c.name;
}

class FileLoadTest : public testing::Test {
 protected:
  void SetUp() override {
    resetProcessState();
    dir_ =
        fs::temp_directory_path() / ("jcw-fileload-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    resetProcessState();
  }
  // A crossword file (1 x 2 picture, row clue 2, column clues 1 1) under `name`.
  std::string writeCrossword(const std::string& name) const {
    CurFileName = path(name);
    Crossword source = test::makeCrossword({{{2}}, {{1}, {1}}, {}, 1, 1});
    EXPECT_TRUE(SaveProcess(source));
    CurFileName.clear();
    return path(name);
  }
  std::string writeText(const std::string& name, const std::string& text) const {
    std::ofstream(path(name)) << text;
    return path(name);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  // A field that a load must either replace whole or leave alone.
  static Crossword previousField() { return test::makeCrossword({{{1}}, {{1}}, {"#"}, 1, 1}); }

  fs::path dir_;
};

TEST_F(FileLoadTest, ACrosswordFileReplacesTheFieldAndBecomesCurrent) {
  const std::string file = writeCrossword("cat.jcw");
  Crossword field = previousField();
  ASSERT_TRUE(loadByExtension(file, field));
  EXPECT_EQ(field.dims(), (Dimensions{2, 1, 1, 1}));
  EXPECT_EQ(currentDimensions(), field.dims());
  EXPECT_EQ(CurFileName, file);
  EXPECT_EQ(CurShortName, " (cat)");
}

TEST_F(FileLoadTest, NonAndXmlFilesOpenInAnyCaseWithTheirOwnNameCurrent) {
  const std::string non = "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\n";
  const std::string xml =
      "<puzzleset><puzzle><clues type=\"columns\"><line><count>1</count></line><line><count>1"
      "</count></line></clues><clues type=\"rows\"><line><count>2</count></line></clues>"
      "</puzzle></puzzleset>";
  const struct {
    const char* name;
    const std::string& text;
  } cases[] = {{"cat.non", non}, {"Cat.NON", non}, {"cat.xml", xml}, {"cat.XmL", xml}};
  for (const auto& c : cases) {
    const std::string file = writeText(c.name, c.text);
    Crossword field = previousField();
    ASSERT_TRUE(loadByExtension(file, field)) << c.name;
    EXPECT_EQ(field.dims(), (Dimensions{2, 1, 1, 1})) << c.name;
    EXPECT_EQ(field.rowClues(2), std::vector<int>{2}) << c.name;
    EXPECT_EQ(field.MarkedCount, 0) << c.name;
    EXPECT_EQ(currentDimensions(), field.dims()) << c.name;
    EXPECT_EQ(CurFileName, file) << c.name;
    EXPECT_EQ(CurShortName, std::string(" (") + std::string(c.name).substr(0, 3) + ")");
  }
}

TEST_F(FileLoadTest, ATextFileEmptiesTheFileNamesAndKeepsTheField) {
  const std::string file = writeText("notes.txt", "whatever is written here is not read");
  CurFileName = "/old/cat.jcw";
  CurShortName = " (cat)";
  Crossword field = previousField();
  setCurrentDimensions(field.dims());
  ASSERT_TRUE(loadByExtension(file, field));
  EXPECT_EQ(CurFileName, "");
  EXPECT_EQ(CurShortName, "");
  EXPECT_EQ(field.dims(), previousField().dims());
  EXPECT_EQ(field.MarkedCount, 1);
}

TEST_F(FileLoadTest, ATextFileIsRefusedBeforeTheFirstCrosswordHasASize) {
  const std::string file = writeText("notes.txt", "x");
  CurFileName = "/old/cat.jcw";
  Crossword field;
  EXPECT_FALSE(loadByExtension(file, field));
  EXPECT_EQ(CurFileName, "/old/cat.jcw");
}

TEST_F(FileLoadTest, RefusedNamesChangeNeitherTheFieldNorTheFileNames) {
  setCurrentDimensions(previousField().dims());
  const std::string crossword = writeCrossword("cat.jcw");
  fs::copy_file(crossword, path("CAPS.JCW"));
  fs::copy_file(crossword, path("cat.jcw.bak"));
  writeText("short.jcw", "ab");
  writeText("NOTES.TXT", "x");
  writeText("truncated.xml", "<puzzleset><puzzle><clues type=\"rows\"><line>");
  writeText("truncated.non", "width 2\nheight 1\nrows\n2\ncolumns\n1\n");
  writeText("picture.svg", "<svg/>");
  fs::create_directory(path("folder.jcw"));
  fs::create_directory(path("folder.txt"));
  fs::create_directory(path("folder.non"));
  ASSERT_EQ(::mkfifo(path("pipe.jcw").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(path("pipe.txt").c_str(), 0600), 0);
  const char* refused[] = {"CAPS.JCW",   "cat.jcw.bak",   "short.jcw",   "NOTES.TXT",
                           "folder.jcw", "folder.txt",    "folder.non",  "absent.jcw",
                           "absent.txt", "absent.xml",    "pipe.jcw",    "pipe.txt",
                           "truncated.xml", "truncated.non", "picture.svg"};
  for (const char* name : refused) {
    CurFileName = "/old/cat.jcw";
    CurShortName = " (cat)";
    Crossword field = previousField();
    const Result<void> loaded = loadByExtension(path(name), field);
    ASSERT_FALSE(loaded) << name;
    EXPECT_TRUE(loaded.error().starts_with("Не удалось ")) << loaded.error();
    EXPECT_NE(loaded.error().find(path(name) + ": "), std::string::npos) << loaded.error();
    EXPECT_EQ(field.dims(), previousField().dims()) << name;
    EXPECT_EQ(field.MarkedCount, 1) << name;
    EXPECT_EQ(CurFileName, "/old/cat.jcw") << name;
    EXPECT_EQ(CurShortName, " (cat)") << name;
  }
}

TEST_F(FileLoadTest, ADropOpensOnlyAnExistingFileOfACrosswordExtension) {
  const std::string crossword = writeCrossword("cat.jcw");
  writeText("dog.non", "not read by the choice");
  writeText("DOG.XML", "not read by the choice");
  writeText("dog.svg", "<svg/>");
  fs::copy_file(crossword, path("CAPS.JCW"));
  fs::copy_file(crossword, path("noext"));
  writeText("notes.txt", "x");
  fs::create_directory(path("folder.jcw"));
  fs::create_directory(path("dotted.dir"));
  fs::copy_file(crossword, path("dotted.dir/plain"));
  // A name far beyond 254 characters is taken whole.
  const std::string deep = path(std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
                                std::string(100, 'c'));
  fs::create_directories(deep);
  const std::string longName = deep + "/long.jcw";
  fs::copy_file(crossword, longName);
  const struct {
    std::vector<std::string> dropped;
    std::optional<std::string> opened;
  } cases[] = {
      {{crossword}, crossword},
      {{path("dog.non")}, path("dog.non")},
      {{path("DOG.XML"), crossword}, path("DOG.XML")},
      {{path("dog.svg")}, std::nullopt},
      {{crossword, path("notes.txt")}, crossword},
      {{longName}, longName},
      {{path("notes.txt"), crossword}, std::nullopt},
      {{path("CAPS.JCW")}, std::nullopt},
      {{path("noext")}, std::nullopt},
      {{path("dotted.dir/plain")}, std::nullopt},
      {{path("folder.jcw")}, std::nullopt},
      {{path("absent.jcw")}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(droppedCrossword(c.dropped), c.opened)
        << (c.dropped.empty() ? std::string("nothing") : c.dropped.front());
}

}  // namespace
}  // namespace jcw
