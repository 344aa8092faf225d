#include <gtest/gtest.h>

#include "platform/DesktopAssociation.h"
#include "support/TempDir.h"

namespace jcw {
namespace {

struct ExecCase {
  std::string path, argument;
};

class ExecArgument : public testing::TestWithParam<ExecCase> {};

TEST_P(ExecArgument, QuotesAndEscapesThePath) {
  EXPECT_EQ(desktopExecArgument(GetParam().path), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopAssociation, ExecArgument,
    testing::Values(ExecCase{"/opt/jcw/jcw", R"("/opt/jcw/jcw")"},
                    ExecCase{"/opt/my games/jcw", R"("/opt/my games/jcw")"},
                    ExecCase{"/opt/$HOME/`x`/\"q\"", R"("/opt/\\$HOME/\\`x\\`/\\"q\\"")"},
                    ExecCase{"/opt/a\\b", R"("/opt/a\\\\b")"},
                    ExecCase{"/opt/100%/jcw", R"("/opt/100%%/jcw")"},
                    ExecCase{"/opt/new\nline", R"("/opt/new\nline")"}));

class InstallTest : public test::TempDirTest {};

TEST_F(InstallTest, WritesTheCrosswordTypeAndAnEntryThatOpensIt) {
  ASSERT_TRUE(installDesktopAssociation(dir_, "/opt/my games/jcw"));
  EXPECT_EQ(readFile(dir_ / "mime" / "packages" / "jcw.xml"),
            R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-jcw-crossword">
    <comment>Japanese crossword</comment>
    <comment xml:lang="ru">Японский кроссворд</comment>
    <glob pattern="*.jcw"/>
  </mime-type>
</mime-info>
)");
  EXPECT_EQ(readFile(dir_ / "applications" / "jcw.desktop"), R"([Desktop Entry]
Type=Application
Name=Японский кроссворд
Comment=Japanese crosswords (nonograms)
Exec="/opt/my games/jcw" %f
MimeType=application/x-jcw-crossword;
Terminal=false
Categories=Game;LogicGame;
)");
}

TEST_F(InstallTest, ReportsADataDirectoryThatCannotBeWritten) {
  writeFile(dir_ / "mime", "a file where the directory should be");
  EXPECT_FALSE(installDesktopAssociation(dir_, "/opt/jcw/jcw"));
}

TEST_F(InstallTest, OnlyAnInstalledPackageProvidesTheAssociation) {
  writeFile(dir_ / "usr" / "share" / "applications" / kPackagedDesktopEntry, "[Desktop Entry]\n");
  writeFile(dir_ / "usr" / "bin" / "jcw", "");
  writeFile(dir_ / "build" / "jcw", "");
  writeFile(dir_ / "other" / "bin" / "jcw", "");
  const struct {
    std::filesystem::path exe;
    bool provided;
  } cases[] = {
      {dir_ / "usr" / "bin" / "jcw", true},
      {dir_ / "build" / "jcw", false},       // a build tree
      {dir_ / "other" / "bin" / "jcw", false},  // a bin without the package's entry beside it
      {"jcw", false},
  };
  for (const auto& c : cases) EXPECT_EQ(packageProvidesAssociation(c.exe), c.provided) << c.exe;
}

}  // namespace
}  // namespace jcw
