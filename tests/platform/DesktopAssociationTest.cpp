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

TEST(DesktopAssociation, TheEntryOpensFilesOfTheCrosswordType) {
  const std::string entry = desktopEntry("/opt/jcw/jcw");
  EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n"));
  EXPECT_NE(entry.find("\nExec=\"/opt/jcw/jcw\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/x-jcw-crossword;\n"), std::string::npos) << entry;
}

TEST(DesktopAssociation, TheMimeTypeMatchesTheExtension) {
  const std::string xml = mimePackageXml();
  EXPECT_NE(xml.find("<mime-type type=\"application/x-jcw-crossword\">"), std::string::npos);
  EXPECT_NE(xml.find("<glob pattern=\"*.jcw\"/>"), std::string::npos);
}

class InstallTest : public test::TempDirTest {};

TEST_F(InstallTest, WritesBothFilesBelowTheDataDirectory) {
  ASSERT_TRUE(installDesktopAssociation(dir_, "/opt/jcw/jcw"));
  EXPECT_EQ(readFile(dir_ / "mime" / "packages" / "jcw.xml"), mimePackageXml());
  EXPECT_EQ(readFile(dir_ / "applications" / "jcw.desktop"), desktopEntry("/opt/jcw/jcw"));
}

TEST_F(InstallTest, ReportsADataDirectoryThatCannotBeWritten) {
  writeFile(dir_ / "mime", "a file where the directory should be");
  EXPECT_FALSE(installDesktopAssociation(dir_, "/opt/jcw/jcw"));
}

}  // namespace
}  // namespace jcw
