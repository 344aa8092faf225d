#include "platform/AbsolutePath.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;

class AbsolutePathTest : public test::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    TempDirTest::TearDown();
  }
  fs::path previous_;
};

TEST_F(AbsolutePathTest, ARelativeNameIsTakenFromTheWorkingDirectory) {
  const std::string here = dir_.string();
  const struct {
    std::string name, expected;
  } cases[] = {
      {"cat.jcw", here + "/cat.jcw"},
      {"./puzzles//cat.jcw", here + "/puzzles/cat.jcw"},
      {"../up/cat.jcw", here + "/../up/cat.jcw"},
      {"puzzles/", here + "/puzzles/"},
      {"/srv/games/cat.jcw", "/srv/games/cat.jcw"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(absoluteFileName(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace jcw
