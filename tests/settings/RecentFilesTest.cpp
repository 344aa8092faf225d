#include "settings/RecentFiles.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace jcw {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, TheNewestComesFirstOnceAndTheOldestGoesAfterTen) {
  const struct {
    const char* name;
    List list;
    std::string path;
    List expected;
  } cases[] = {
      {"into an empty list", {}, "/a.jcw", {"/a.jcw"}},
      {"in front", {"/a.jcw", "/b.non"}, "/c.xml", {"/c.xml", "/a.jcw", "/b.non"}},
      {"a listed name moves to the front", {"/a.jcw", "/b.non"}, "/b.non", {"/b.non", "/a.jcw"}},
      {"the eleventh pushes out the oldest",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"},
       "/11",
       {"/11", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"}},
  };
  for (const auto& c : cases) EXPECT_EQ(withRecentFile(c.list, c.path), c.expected) << c.name;
  EXPECT_EQ(withoutRecentFile({"/a", "/b", "/c"}, "/b"), (List{"/a", "/c"}));
  EXPECT_EQ(withoutRecentFile({"/a"}, "/x"), (List{"/a"}));
}

class RecentFilesStore : public test::TempDirTest {};

TEST_F(RecentFilesStore, AListComesBackAsItWasStoredAndAShorterOneLeavesNoOldNames) {
  const List ten{"/home/ann/1.jcw", "/home/ann/два.jcw", "/tmp/\"quoted\".non", "/x\\y.xml",
                 "/5", "/6", "/7", "/8", "/9", "/10"};
  {
    Registry registry(dir_);
    ASSERT_TRUE(writeRecentFiles(registry, ten));
  }
  EXPECT_EQ(readRecentFiles(Registry(dir_)), ten);
  {
    Registry registry(dir_);
    ASSERT_TRUE(writeRecentFiles(registry, {"/only.jcw"}));
  }
  EXPECT_EQ(readRecentFiles(Registry(dir_)), (List{"/only.jcw"}));
  EXPECT_TRUE(readRecentFiles(Registry(dir_ / "none")).empty());
}

}  // namespace
}  // namespace jcw
