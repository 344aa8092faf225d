#include <gtest/gtest.h>

#include <filesystem>

#include "files/CrosswordFile.h"
#include "files/CrosswordSave.h"
#include "support/Fixtures.h"
#include "support/TempDir.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;

TEST(SaveFormat, OnlyNonAndXmlNamesLeaveTheMarksOut) {
  const struct {
    const char* name;
    bool keeps;
    const char* jcwName;
  } cases[] = {
      {"/d/cat.jcw", true, "/d/cat.jcw"},       {"/d/cat.non", false, "/d/cat.jcw"},
      {"/d/Cat.NON", false, "/d/Cat.jcw"},      {"/d/cat.xml", false, "/d/cat.jcw"},
      {"/d/a.b/cat.XML", false, "/d/a.b/cat.jcw"}, {"/d/cat.txt", true, "/d/cat.jcw"},
      {"/d/cat.svg", true, "/d/cat.jcw"},       {"/d/cat", true, "/d/cat.jcw"},
      {"/d/cat.non.bak", true, "/d/cat.non.jcw"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keepsMarks(c.name), c.keeps) << c.name;
    EXPECT_EQ(jcwNameFor(c.name), c.jcwName) << c.name;
  }
}

class CrosswordSaveTest : public test::FreshStateTempDirTest {
 protected:
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  // A crossword with a typed change and, when asked, one mark made since its last save.
  static Crossword changed(bool marked) {
    Crossword crossword = test::makeCrossword({{{2}}, {{1}, {1}}, {}, 1, 1});
    crossword.Modified = true;
    if (marked) crossword.markCell(2, 2, true);
    return crossword;
  }
};

TEST_F(CrosswordSaveTest, TheNameChoosesTheFormatAndTheCrosswordIsSavedWhenTheFileHoldsItAll) {
  const struct {
    const char* name;
    bool marked;
    const char* starts;  // the file's first bytes
    bool saved;
  } cases[] = {
      {"a.jcw", true, "\x02\x01\x01\x01", true},   {"b.non", false, "title \"b\"", true},
      {"c.non", true, "title \"c\"", false},      {"d.XML", true, "<?xml", false},
      {"e.txt", true, "\x02\x01\x01\x01", true},   {"f.svg", true, "\x02\x01\x01\x01", true},
  };
  for (const auto& c : cases) {
    Crossword field = changed(c.marked);
    ASSERT_TRUE(saveCrosswordAs(path(c.name), field)) << c.name;
    EXPECT_TRUE(readFile(path(c.name)).starts_with(c.starts)) << c.name;
    EXPECT_EQ(CurFileName, path(c.name));
    EXPECT_EQ(CurShortName, std::string(" (") + c.name[0] + ")");
    EXPECT_EQ(!field.IsModified(), c.saved) << c.name;
    EXPECT_EQ(field.countMarked(), c.marked ? 1 : 0) << c.name;
  }
}

// Save passes the current name itself, which the save replaces on its way.
TEST_F(CrosswordSaveTest, SavingUnderTheCurrentNameWritesThereAndKeepsIt) {
  CurFileName = path("cat.jcw");
  Crossword field = changed(true);
  ASSERT_TRUE(saveCrosswordAs(CurFileName, field));
  EXPECT_EQ(CurFileName, path("cat.jcw"));
  EXPECT_EQ(CurShortName, " (cat)");
  EXPECT_TRUE(fs::exists(dir_ / "cat.jcw"));
}

TEST_F(CrosswordSaveTest, AFailedSaveChangesNothing) {
  for (const char* name : {"missing/cat.jcw", "missing/cat.non"}) {
    CurFileName = "/old/dog.jcw";
    CurShortName = " (dog)";
    Crossword field = changed(false);
    const Result<void> saved = saveCrosswordAs(path(name), field);
    ASSERT_FALSE(saved) << name;
    EXPECT_TRUE(saved.error().starts_with("Не удалось сохранить файл " + path(name)))
        << saved.error();
    EXPECT_EQ(CurFileName, "/old/dog.jcw");
    EXPECT_EQ(CurShortName, " (dog)");
    EXPECT_TRUE(field.Modified) << name;
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
  }
}

}  // namespace
}  // namespace jcw
