#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "support/TempDir.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;
constexpr Hive kUser = Hive::CurrentUser;
constexpr Hive kClasses = Hive::ClassesRoot;
constexpr char kKey[] = "SOFTWARE\\Test";

class RegistryTest : public test::TempDirTest {
 protected:
  fs::path userFile() const { return Registry::hiveFile(dir_, kUser); }
  fs::path classesFile() const { return Registry::hiveFile(dir_, kClasses); }
};

TEST_F(RegistryTest, AMissingDirectoryIsAnEmptyRegistry) {
  const Registry registry(dir_ / "absent");
  EXPECT_FALSE(registry.keyExists(kUser, kKey));
  EXPECT_TRUE(registry.keyExists(kUser, "")) << "the hive itself always exists";
}

TEST_F(RegistryTest, CreatingAKeyCreatesItsParentsAndPersistsAtOnce) {
  Registry registry(dir_);
  ASSERT_TRUE(registry.createKey(kUser, kKey));
  const Registry reopened(dir_);
  EXPECT_TRUE(reopened.keyExists(kUser, "SOFTWARE"));
  EXPECT_TRUE(reopened.keyExists(kUser, "software\\test"));
  EXPECT_FALSE(reopened.keyExists(kClasses, kKey));
}

TEST_F(RegistryTest, ValuesReadBackWithTheirTypesAfterReopening) {
  Registry registry(dir_);
  ASSERT_TRUE(registry.createKey(kUser, kKey));
  ASSERT_TRUE(registry.writeDword(kUser, kKey, "Number", 0x80000001u));
  ASSERT_TRUE(registry.writeString(kUser, kKey, "Text", "a \"b\" \\c\\"));
  const Registry reopened(dir_);
  EXPECT_EQ(reopened.readDword(kUser, kKey, "Number"), 0x80000001u);
  EXPECT_EQ(reopened.readString(kUser, kKey, "Text"), "a \"b\" \\c\\");
}

TEST_F(RegistryTest, ReadingAValueOfAnotherTypeIsAMiss) {
  writeFile(userFile(),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Test]\n"
            "\"Number\"=dword:00000001\n\"Text\"=\"1\"\n\"Expand\"=hex(2):31,00,00,00\n");
  const Registry registry(dir_);
  EXPECT_EQ(registry.readString(kUser, kKey, "Number"), std::nullopt);
  EXPECT_EQ(registry.readDword(kUser, kKey, "Text"), std::nullopt);
  EXPECT_EQ(registry.readDword(kUser, kKey, "Expand"), std::nullopt);
  EXPECT_EQ(registry.readString(kUser, kKey, "Expand"), std::nullopt);
  EXPECT_EQ(registry.readDword(kUser, kKey, "Absent"), std::nullopt);
  EXPECT_EQ(registry.readDword(kUser, "SOFTWARE\\Absent", "Number"), std::nullopt);
}

TEST_F(RegistryTest, WritingIntoAMissingKeyFailsAndWritesNothing) {
  Registry registry(dir_);
  EXPECT_FALSE(registry.writeDword(kUser, kKey, "Number", 1));
  EXPECT_FALSE(fs::exists(userFile()));
}

TEST_F(RegistryTest, AWriteLeavesOnlyTheChangedHivesFileAndNoTemporary) {
  Registry registry(dir_);
  ASSERT_TRUE(registry.createKey(kUser, kKey));
  ASSERT_TRUE(registry.writeDword(kUser, kKey, "Number", 7));
  EXPECT_EQ(listing(dir_), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
}

TEST_F(RegistryTest, ValuesOfUnknownTypesSurviveARewrite) {
  const std::string expand = "\"Expand\"=hex(2):25,00,50,00,\\\n  00,00\n";
  writeFile(userFile(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Test]\n" + expand);
  Registry registry(dir_);
  ASSERT_TRUE(registry.writeDword(kUser, kKey, "Number", 1));
  EXPECT_NE(readFile(userFile()).find(expand), std::string::npos) << readFile(userFile());
}

TEST_F(RegistryTest, ADamagedFileIsReadAsFarAsValidAndRewrittenWithoutTheDamage) {
  writeFile(userFile(),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Test]\n"
            "\"Kept\"=dword:00000002\n\"Broken\"=\"no end\n[HKEY_CURRENT_USER\\SOFTWARE\\Te");
  Registry registry(dir_);
  EXPECT_EQ(registry.readDword(kUser, kKey, "Kept"), 2u);
  EXPECT_EQ(registry.readString(kUser, kKey, "Broken"), std::nullopt);
  ASSERT_TRUE(registry.writeDword(kUser, kKey, "New", 3));
  EXPECT_EQ(readFile(userFile()),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n"
            "\n[HKEY_CURRENT_USER\\SOFTWARE\\Test]\n\"Kept\"=dword:00000002\n\"New\"=dword:00000003\n");
}

TEST_F(RegistryTest, AFailedWriteIsReportedAndUndoneInMemory) {
  Registry registry(dir_);
  ASSERT_TRUE(registry.createKey(kClasses, ".jcw"));
  fs::remove(classesFile());
  fs::create_directories(classesFile());  // the rename cannot replace a directory

  const Result<void> written = registry.writeString(kClasses, ".jcw", "", "VovivIdiriVezu");
  ASSERT_FALSE(written);
  EXPECT_NE(written.error().find("HKEY_CLASSES_ROOT"), std::string::npos) << written.error();
  EXPECT_EQ(registry.readString(kClasses, ".jcw", ""), std::nullopt);
  EXPECT_FALSE(registry.createKey(kClasses, "VovivIdiriVezu"));
  EXPECT_FALSE(registry.keyExists(kClasses, "VovivIdiriVezu"));
  EXPECT_EQ(listing(dir_), std::vector<std::string>{"HKEY_CLASSES_ROOT.reg"}) << "no temporary left";
}

TEST_F(RegistryTest, AFileThatCannotBeReadIsAnEmptyHiveThatIsNeverWrittenOver) {
  const std::string notText = "\x7f" "ELF\x02\x01 not registry text\n";
  const std::string huge = "Windows Registry Editor Version 5.00\n;" + std::string(kLargestHiveFile, 'x');
  const struct {
    const char* title;
    std::function<void(const fs::path&)> make;
    std::string reason;
  } cases[] = {
      {"directory", [](const fs::path& f) { fs::create_directories(f); }, "это каталог"},
      {"fifo", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, "это именованный канал"},
      {"not text", [&](const fs::path& f) { writeFile(f, notText); }, "это не файл реестра"},
      {"huge", [&](const fs::path& f) { writeFile(f, huge); }, "файл больше"},
  };
  for (const auto& c : cases) {
    fs::remove_all(userFile());
    fs::create_directories(dir_);
    c.make(userFile());
    Registry registry(dir_);
    ASSERT_FALSE(registry.hiveRead(kUser)) << c.title;
    EXPECT_NE(registry.hiveRead(kUser).error().find(userFile().string() + ": " + c.reason),
              std::string::npos)
        << registry.hiveRead(kUser).error();
    EXPECT_FALSE(registry.createKey(kUser, kKey)) << c.title;
    EXPECT_FALSE(registry.keyExists(kUser, kKey)) << c.title;
    EXPECT_TRUE(registry.hiveRead(kClasses)) << c.title;
    EXPECT_TRUE(registry.createKey(kClasses, ".jcw")) << "the other hive is not affected";
    fs::remove(classesFile());
  }
  EXPECT_EQ(readFile(userFile()), huge);
}

TEST_F(RegistryTest, AVeryDeepKeyIsRefusedWithAMessageAndTheFileShrinksToWhatIsValid) {
  std::string deep = "[HKEY_CURRENT_USER";
  while (deep.size() < 40000) deep += "\\a";
  writeFile(userFile(), "Windows Registry Editor Version 5.00\n\n" + deep + "]\n\"Lost\"=dword:1\n\n"
                        "[HKEY_CURRENT_USER\\SOFTWARE\\Test]\n\"Kept\"=dword:00000002\n");
  Registry registry(dir_);
  EXPECT_EQ(registry.readDword(kUser, kKey, "Kept"), 2u);
  const std::vector<std::string> refused = registry.refusedLines();
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0], "Файл реестра " + userFile().string() +
                            ", строка 3: путь ключа длиннее 512 байт, строка пропущена");
  ASSERT_TRUE(registry.writeDword(kUser, kKey, "New", 3));
  EXPECT_LT(fs::file_size(userFile()), 200u);
}

TEST_F(RegistryTest, AKeyNameWithAnEmptyComponentIsRefused) {
  Registry registry(dir_);
  EXPECT_FALSE(registry.createKey(kUser, "A\\\\B"));
  EXPECT_FALSE(registry.createKey(kUser, "A\\"));
  EXPECT_FALSE(fs::exists(userFile()));
}

}  // namespace
}  // namespace jcw
