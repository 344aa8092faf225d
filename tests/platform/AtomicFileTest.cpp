#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempDir.h"
#include "support/Unprivileged.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public test::TempDirTest {
 protected:
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    TempDirTest::TearDown();
  }
  static mode_t modeOf(const fs::path& file) {
    struct stat status {};
    ::lstat(file.c_str(), &status);
    return status.st_mode & 07777;
  }
  // The account that permissions bind, or a skip with the reason.
  static std::optional<test::Account> account() {
    std::optional<test::Account> found = test::unprivilegedAccount();
    if (!found) std::cout << "[ SKIPPED  ] running as root with no user nobody to drop to\n";
    return found;
  }
};

TEST_F(AtomicFileTest, AFileTheUserMayNotWriteIsRefusedAndStaysAsItWas) {
  const auto user = account();
  if (!user) GTEST_SKIP() << "no unprivileged user";
  ASSERT_TRUE(test::handOver(dir_, *user));  // the directory would let a rename through
  const fs::path file = dir_ / "kept.jcw";
  writeFile(file, "old");
  ASSERT_TRUE(test::handOver(file, *user));
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  const int verdict = test::runAs(*user, [&] {
    const Result<void> written = writeFileAtomically(file, "new");
    if (written) return 1;
    return written.error().starts_with("Не удалось сохранить файл " + file.string() + ": ") ? 0 : 2;
  });
  EXPECT_EQ(verdict, 0);
  EXPECT_EQ(readFile(file), "old");
  EXPECT_EQ(modeOf(file), 0444u);
  EXPECT_EQ(listing(dir_), std::vector<std::string>{"kept.jcw"});
}

TEST_F(AtomicFileTest, AWritableFileInALockedDirectoryIsRewrittenInPlaceKeepingItsMode) {
  const auto user = account();
  if (!user) GTEST_SKIP() << "no unprivileged user";
  const fs::path file = dir_ / "in-place.jcw";
  writeFile(file, "a longer old text");
  ASSERT_TRUE(test::handOver(file, *user));
  fs::permissions(file, static_cast<fs::perms>(0640));
  // Root owns the directory, so nobody may not add to it; the current user locks it himself.
  fs::permissions(dir_, static_cast<fs::perms>(0555));

  const int verdict = test::runAs(*user, [&] { return writeFileAtomically(file, "new") ? 0 : 1; });
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(verdict, 0);
  EXPECT_EQ(readFile(file), "new");
  EXPECT_EQ(modeOf(file), 0640u);
  EXPECT_EQ(listing(dir_), std::vector<std::string>{"in-place.jcw"});
}

// The file-size limit stands in for a full disk: the new bytes would not fit, so the file must
// come out of the failed save exactly as it was.
TEST_F(AtomicFileTest, AnInPlaceRewriteThatCannotFitLeavesTheOldBytes) {
  const auto user = account();
  if (!user) GTEST_SKIP() << "no unprivileged user";
  const fs::path file = dir_ / "in-place.jcw";
  const std::string old(3000, 'o');
  writeFile(file, old);
  ASSERT_TRUE(test::handOver(file, *user));
  fs::permissions(dir_, static_cast<fs::perms>(0555));

  const int verdict = test::runAs(*user, [&] {
    ignoreFileSizeSignal();
    rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const Result<void> tooLong = writeFileAtomically(file, std::string(5000, 'n'));
    const bool kept = readFile(file) == old;
    const Result<void> fits = writeFileAtomically(file, std::string(4000, 'n'));
    return (tooLong ? 1 : 0) + (kept ? 0 : 2) + (fits ? 0 : 4);
  });
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(verdict, 0);
  EXPECT_EQ(readFile(file), std::string(4000, 'n'));
  EXPECT_EQ(listing(dir_), std::vector<std::string>{"in-place.jcw"});
}

TEST_F(AtomicFileTest, ASymbolicLinkStaysAndTheFileItEndsAtGetsTheBytes) {
  fs::create_directories(dir_ / "real");
  writeFile(dir_ / "real" / "target.jcw", "old");
  fs::create_symlink("real/target.jcw", dir_ / "relative.jcw");
  fs::create_symlink(dir_ / "relative.jcw", dir_ / "chained.jcw");
  fs::create_symlink("real/missing.jcw", dir_ / "dangling.jcw");

  ASSERT_TRUE(writeFileAtomically(dir_ / "chained.jcw", "new"));
  ASSERT_TRUE(writeFileAtomically(dir_ / "dangling.jcw", "made"));
  for (const char* link : {"relative.jcw", "chained.jcw", "dangling.jcw"})
    EXPECT_TRUE(fs::is_symlink(dir_ / link)) << link;
  EXPECT_EQ(readFile(dir_ / "real" / "target.jcw"), "new");
  EXPECT_EQ(readFile(dir_ / "real" / "missing.jcw"), "made");
  EXPECT_EQ(listing(dir_ / "real"), (std::vector<std::string>{"missing.jcw", "target.jcw"}));
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsPermissionBits) {
  for (const mode_t mode : {0600u, 0640u, 0604u, 0755u, 0664u}) {
    const fs::path file = dir_ / ("mode-" + std::to_string(mode));
    writeFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    ASSERT_TRUE(writeFileAtomically(file, "new"));
    EXPECT_EQ(modeOf(file), mode) << std::oct << mode;
  }
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsOwnerWhereTheProcessMaySetIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  const auto user = account();
  if (!user) GTEST_SKIP() << "no user nobody";
  const fs::path file = dir_ / "owned.jcw";
  writeFile(file, "old");
  ASSERT_TRUE(test::handOver(file, *user));
  ASSERT_TRUE(writeFileAtomically(file, "new"));
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, user->uid);
  EXPECT_EQ(status.st_gid, user->gid);
}

TEST_F(AtomicFileTest, ANameOfTheLongestLengthCanBeSaved) {
  // 255 bytes both: in Latin letters, and in two-byte Cyrillic letters after one Latin one.
  std::string cyrillic = "a";
  for (int i = 0; i < 127; ++i) cyrillic += "ж";
  for (const std::string& name : {std::string(255, 'n'), cyrillic}) {
    ASSERT_EQ(name.size(), 255u);
    writeFile(dir_ / name, "old");
    ASSERT_TRUE(writeFileAtomically(dir_ / name, "new"));
    EXPECT_EQ(readFile(dir_ / name), "new");
    ASSERT_TRUE(writeFileAtomically(dir_ / "new" / name, "made", MissingDirectories::Create));
    EXPECT_EQ(listing(dir_ / "new"), std::vector<std::string>{name});
    fs::remove_all(dir_ / "new");
    fs::remove(dir_ / name);
  }
}

TEST_F(AtomicFileTest, ANameThatIsNoRegularFileIsRefusedAndLeftAsItIs) {
  fs::create_directory(dir_ / "folder");
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  for (const char* name : {"folder", "pipe"}) {
    const Result<void> written = writeFileAtomically(dir_ / name, "new");
    ASSERT_FALSE(written) << name;
    EXPECT_TRUE(written.error().starts_with("Не удалось сохранить файл " + (dir_ / name).string()))
        << written.error();
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe"));
  EXPECT_EQ(listing(dir_), (std::vector<std::string>{"folder", "pipe"}));
}

}  // namespace
}  // namespace jcw
