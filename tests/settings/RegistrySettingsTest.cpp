#include <gtest/gtest.h>

#include <fstream>

#include "platform/DesktopAssociation.h"
#include "settings/Options.h"
#include "settings/RegistrySettings.h"
#include "support/ProcessReset.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

namespace jcw {
namespace {

namespace fs = std::filesystem;
constexpr Hive kUser = Hive::CurrentUser;
constexpr Hive kClasses = Hive::ClassesRoot;
constexpr char kExe[] = "/opt/jcw/jcw";

class SettingsTest : public test::FreshStateTempDirTest {
 protected:
  fs::path registryDir() const { return dir_ / "config"; }
  fs::path dataDir() const { return dir_ / "data"; }
  StartOutcome start() {
    Registry registry(registryDir());
    return readOrRegister(registry, kExe, dataDir());
  }
  // A later start: the settings key holds `values` (lines of the registry file).
  void storeSettingsLines(const std::string& values) {
    writeFile(Registry::hiveFile(registryDir(), kUser),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\DuvEviredave]\n" + values);
  }
  std::string userText() const { return readFile(Registry::hiveFile(registryDir(), kUser)); }
};

struct Options {
  bool indErr, digCr;
  int nextDirect, go2Dig;
  bool maximize, showTools, paintOn;
  int minCellSize;
  std::string lastCatalog;
  bool operator==(const Options&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Options& o) {
  return out << "IndErr " << o.indErr << " DigCr " << o.digCr << " NextDirect " << o.nextDirect
             << " Go2Dig " << o.go2Dig << " Maximize " << o.maximize << " ShowTools " << o.showTools
             << " PaintOn " << o.paintOn << " MinCellSize " << o.minCellSize << " LastCatalog '"
             << o.lastCatalog << "'";
}

Options currentOptions() {
  return {IndErr,  DigCr,   NextDirect,  Go2Dig,     Maximize,
          ShowToolPanel, PaintOn, MinCellSize, LastCatalog};
}

const Options kDefaults{true, true, 0, 2, true, true, true, 12, ""};

TEST_F(SettingsTest, TheFirstStartCreatesTheEmptySettingsKeyAndKeepsTheDefaults) {
  const StartOutcome outcome = start();
  EXPECT_TRUE(outcome.firstStart);
  EXPECT_TRUE(outcome.registered) << outcome.registered.error();
  EXPECT_EQ(currentOptions(), kDefaults);
  EXPECT_EQ(userText(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\DuvEviredave]\n");
}

TEST_F(SettingsTest, TheFirstStartWritesExactlyTheFourAssociationKeys) {
  start();
  EXPECT_EQ(readFile(Registry::hiveFile(registryDir(), kClasses)),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CLASSES_ROOT\\.jcw]\n@=\"VovivIdiriVezu\"\n\n"
            "[HKEY_CLASSES_ROOT\\VovivIdiriVezu]\n@=\"Японский кроссворд\"\n\n"
            "[HKEY_CLASSES_ROOT\\VovivIdiriVezu\\DefaultIcon]\n@=\"/opt/jcw/jcw,0\"\n\n"
            "[HKEY_CLASSES_ROOT\\VovivIdiriVezu\\Shell]\n\n"
            "[HKEY_CLASSES_ROOT\\VovivIdiriVezu\\Shell\\Open]\n\n"
            "[HKEY_CLASSES_ROOT\\VovivIdiriVezu\\Shell\\Open\\Command]\n@=\"\\\"/opt/jcw/jcw\\\" \\\"%1\\\"\"\n");
}

TEST_F(SettingsTest, TheAssociationCommandQuotesThePathAndTheArgument) {
  start();
  const Registry registry(registryDir());
  const std::optional<std::string> command =
      registry.readString(kClasses, "VovivIdiriVezu\\Shell\\Open\\Command", "");
  ASSERT_TRUE(command);
  const std::vector<char> expected{'"', '/', 'o', 'p', 't', '/', 'j', 'c', 'w', '/', 'j', 'c', 'w',
                                   '"', ' ', '"', '%', '1', '"'};
  EXPECT_EQ(std::vector<char>(command->begin(), command->end()), expected);
}

TEST_F(SettingsTest, TheFirstStartInstallsTheDesktopAssociation) {
  start();
  EXPECT_EQ(readFile(mimePackageFile(dataDir())), mimePackageXml());
  EXPECT_EQ(readFile(desktopEntryFile(dataDir())), desktopEntry(kExe));
}

TEST_F(SettingsTest, AnInstalledPackageGetsNoPerUserCopyOfItsAssociation) {
  writeFile(dir_ / "usr" / "share" / "applications" / kPackagedDesktopEntry, "[Desktop Entry]\n");
  Registry registry(registryDir());
  const StartOutcome outcome = readOrRegister(registry, (dir_ / "usr" / "bin" / "jcw").string(),
                                              dataDir());
  EXPECT_TRUE(outcome.firstStart);
  EXPECT_TRUE(outcome.registered);
  EXPECT_FALSE(fs::exists(mimePackageFile(dataDir())));
  EXPECT_FALSE(fs::exists(desktopEntryFile(dataDir())));
}

TEST_F(SettingsTest, AFailingClassWriteIsReportedSkipsTheRestAndIsNotRetried) {
  // A link into a directory that does not exist: nothing to read, and nothing can be written.
  fs::create_directories(registryDir());
  fs::create_symlink(dir_ / "absent" / "classes.reg", Registry::hiveFile(registryDir(), kClasses));
  const StartOutcome outcome = start();
  EXPECT_TRUE(outcome.firstStart);
  ASSERT_FALSE(outcome.registered);
  EXPECT_NE(outcome.registered.error().find("HKEY_CLASSES_ROOT"), std::string::npos)
      << outcome.registered.error();
  EXPECT_FALSE(fs::exists(desktopEntryFile(dataDir())));
  EXPECT_EQ(currentOptions(), kDefaults);

  const StartOutcome later = start();
  EXPECT_FALSE(later.firstStart);
  EXPECT_TRUE(later.registered);
}

TEST_F(SettingsTest, ALaterStartLeavesTheAssociationAlone) {
  storeSettingsLines("");
  EXPECT_FALSE(start().firstStart);
  EXPECT_FALSE(fs::exists(Registry::hiveFile(registryDir(), kClasses)));
  EXPECT_FALSE(fs::exists(desktopEntryFile(dataDir())));
}

// A settings file that exists but cannot be read: made, and the check that it is as it was.
struct UnreadableCase {
  const char* title;
  void (*make)(const fs::path& file);
  bool (*unchanged)(const fs::path& file);
};

const std::string kForeignText = "[settings]\nIndErr=0\n";

class UnreadableSettings : public SettingsTest, public testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableSettings, AreNoFirstStartKeepTheDefaultsSaySoAndAreNeverWrittenOver) {
  const fs::path file = Registry::hiveFile(registryDir(), kUser);
  fs::create_directories(registryDir());
  GetParam().make(file);
  IndErr = false;  // as a menu would have left it by the close

  const StartOutcome outcome = start();
  EXPECT_FALSE(outcome.firstStart);
  EXPECT_FALSE(outcome.optionsWritable);
  ASSERT_EQ(outcome.notices.size(), 1u);
  EXPECT_TRUE(outcome.notices[0].starts_with("Не удалось "));
  EXPECT_NE(outcome.notices[0].find(file.string() + ": "), std::string::npos) << outcome.notices[0];
  EXPECT_NE(outcome.notices[0].find("настройки по умолчанию"), std::string::npos);
  EXPECT_FALSE(fs::exists(Registry::hiveFile(registryDir(), kClasses))) << "no association";
  EXPECT_FALSE(fs::exists(desktopEntryFile(dataDir())));

  Registry registry(registryDir());
  EXPECT_FALSE(writeOptions(registry, "/home/ann/cat.jcw"));
  EXPECT_TRUE(GetParam().unchanged(file));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UnreadableSettings,
    testing::Values(
        UnreadableCase{"Directory", [](const fs::path& f) { fs::create_directory(f); },
                       [](const fs::path& f) { return fs::is_directory(f) && fs::is_empty(f); }},
        UnreadableCase{"ForeignText", [](const fs::path& f) { std::ofstream(f) << kForeignText; },
                       [](const fs::path& f) {
                         std::ifstream in(f);
                         return std::string(std::istreambuf_iterator<char>(in), {}) == kForeignText;
                       }}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(SettingsTest, SettingsTheUserMayNotReadAreNeverWrittenOver) {
  const auto user = test::unprivilegedAccount();
  if (!user) GTEST_SKIP() << "running as root with no user nobody to drop to";
  storeSettingsLines("\"IndErr\"=dword:00000000\n");
  const std::string before = userText();
  ASSERT_TRUE(test::handOver(registryDir(), *user));
  fs::permissions(Registry::hiveFile(registryDir(), kUser), fs::perms::none);

  const int verdict = test::runAs(*user, [&] {
    const StartOutcome outcome = start();
    if (outcome.firstStart || outcome.optionsWritable || !IndErr) return 1;
    Registry registry(registryDir());
    return writeOptions(registry, "") ? 2 : 0;
  });
  EXPECT_EQ(verdict, 0);
  EXPECT_EQ(userText(), before);
}

TEST_F(SettingsTest, AClassRegistryThatCannotBeReadIsLeftAloneAtTheFirstStart) {
  fs::create_directories(Registry::hiveFile(registryDir(), kClasses));
  const StartOutcome outcome = start();
  EXPECT_TRUE(outcome.firstStart);
  EXPECT_TRUE(outcome.registered) << outcome.registered.error();
  ASSERT_EQ(outcome.notices.size(), 1u);
  EXPECT_NE(outcome.notices[0].find("HKEY_CLASSES_ROOT.reg: это каталог"), std::string::npos)
      << outcome.notices[0];
  EXPECT_TRUE(fs::is_directory(Registry::hiveFile(registryDir(), kClasses)));
  EXPECT_EQ(readFile(desktopEntryFile(dataDir())), desktopEntry(kExe));
  Registry registry(registryDir());
  EXPECT_TRUE(writeOptions(registry, "")) << "the options have a file of their own";
}

TEST_F(SettingsTest, LinesBeyondTheLimitsAreToldAndTheValidOptionsRead) {
  storeSettingsLines("\"" + std::string(20000, 'n') + "\"=dword:00000000\n\"DigCr\"=dword:00000000\n");
  const StartOutcome outcome = start();
  EXPECT_TRUE(outcome.optionsWritable);
  EXPECT_EQ(outcome.notices,
            std::vector<std::string>{"Файл реестра " + Registry::hiveFile(registryDir(), kUser).string() +
                                     ", строка 4: имя параметра длиннее 16383 байт, строка пропущена"});
  EXPECT_FALSE(DigCr);
}

struct ReadCase {
  const char* title;
  std::string lines;
  Options expected;
};

class ReadingOptions : public SettingsTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadingOptions, TakesEachValuePresentWithItsTypeAndKeepsTheDefaultOtherwise) {
  storeSettingsLines(GetParam().lines);
  EXPECT_FALSE(start().firstStart);
  EXPECT_EQ(currentOptions(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ReadingOptions,
    testing::Values(
        ReadCase{"EmptyKeyKeepsTheDefaults", "", kDefaults},
        ReadCase{"AllValuesStored",
                 "\"IndErr\"=dword:00000000\n\"DigCr\"=dword:00000000\n\"NextDirect\"=dword:00000003\n"
                 "\"Go2Dig\"=dword:00000000\n\"Maximize\"=dword:00000000\n\"ShowTools\"=dword:00000000\n"
                 "\"PaintOn\"=dword:00000000\n\"MinCellSize\"=dword:00000010\n"
                 "\"LastCatalog\"=\"/home/ann/puzzles\"\n",
                 {false, false, 3, 0, false, false, false, 16, "/home/ann/puzzles"}},
        ReadCase{"AnyNonZeroIsTrue", "\"IndErr\"=dword:00000002\n\"PaintOn\"=dword:80000000\n", kDefaults},
        ReadCase{"MaximizeStoredAsAStringIsIgnored", "\"Maximize\"=\"0\"\n", kDefaults},
        ReadCase{"ExpandStringIsIgnored", "\"IndErr\"=hex(2):30,00,00,00\n", kDefaults},
        ReadCase{"LastCatalogStoredAsANumberIsIgnored", "\"LastCatalog\"=dword:00000001\n", kDefaults},
        ReadCase{"DirectionTakesTheLowByte", "\"NextDirect\"=dword:00000102\n",
                 {true, true, 2, 2, true, true, true, 12, ""}},
        ReadCase{"DirectionAboveThreeFallsBack", "\"NextDirect\"=dword:00000004\n", kDefaults},
        ReadCase{"AdvanceAboveTwoFallsBack", "\"Go2Dig\"=dword:00000003\n", kDefaults},
        ReadCase{"AdvanceOfOneIsTaken", "\"Go2Dig\"=dword:00000001\n", {true, true, 0, 1, true, true, true, 12, ""}},
        ReadCase{"MinCellSizeBelowFourFallsBack", "\"MinCellSize\"=dword:00000003\n", kDefaults},
        ReadCase{"MinCellSizeAbove48FallsBack", "\"MinCellSize\"=dword:00000031\n", kDefaults},
        ReadCase{"MinCellSizeOf48IsTaken", "\"MinCellSize\"=dword:00000030\n",
                 {true, true, 0, 2, true, true, true, 48, ""}},
        ReadCase{"NamesIgnoreCase", "\"digcr\"=dword:00000000\n", {true, false, 0, 2, true, true, true, 12, ""}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(SettingsTest, StoringWritesTheEightOptionsInOrderAndNoCatalogWithoutAFile) {
  storeSettingsLines("");
  NextDirect = 3;
  Go2Dig = 1;
  ShowToolPanel = false;
  Registry registry(registryDir());
  ASSERT_TRUE(writeOptions(registry, ""));
  EXPECT_EQ(userText(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\DuvEviredave]\n"
            "\"IndErr\"=dword:00000001\n\"DigCr\"=dword:00000001\n\"NextDirect\"=dword:00000003\n"
            "\"Go2Dig\"=dword:00000001\n\"Maximize\"=dword:00000001\n\"ShowTools\"=dword:00000000\n"
            "\"PaintOn\"=dword:00000001\n\"MinCellSize\"=dword:0000000c\n");
}

TEST_F(SettingsTest, StoringWithoutACurrentFileKeepsTheEarlierCatalog) {
  storeSettingsLines("\"LastCatalog\"=\"/home/ann/old\"\n");
  Registry registry(registryDir());
  ASSERT_TRUE(writeOptions(registry, ""));
  EXPECT_EQ(Registry(registryDir()).readString(kUser, kSettingsKey, "LastCatalog"), "/home/ann/old");
}

TEST_F(SettingsTest, StoringWithACurrentFileWritesItsDirectoryLast) {
  storeSettingsLines("");
  Registry registry(registryDir());
  ASSERT_TRUE(writeOptions(registry, "/home/ann/Puzzles/cat.jcw"));
  EXPECT_TRUE(userText().ends_with("\"MinCellSize\"=dword:0000000c\n"
                                   "\"LastCatalog\"=\"/home/ann/Puzzles\"\n"))
      << userText();
}

TEST_F(SettingsTest, StoringRecreatesASettingsKeyRemovedMeanwhile) {
  Registry registry(registryDir());
  fs::remove_all(registryDir());
  IndErr = false;
  ASSERT_TRUE(writeOptions(registry, ""));
  EXPECT_EQ(Registry(registryDir()).readDword(kUser, kSettingsKey, "IndErr"), 0u);
}

TEST_F(SettingsTest, StoringReportsAnUnwritableRegistry) {
  writeFile(dir_ / "config", "a file where the directory should be");
  Registry registry(registryDir());
  EXPECT_FALSE(writeOptions(registry, ""));
}

TEST_F(SettingsTest, OptionsSurviveARestart) {
  start();
  const Options chosen{false, true, 2, 1, false, true, false, 16, "/srv/games"};
  IndErr = chosen.indErr;
  NextDirect = 2;
  Go2Dig = 1;
  Maximize = false;
  PaintOn = false;
  MinCellSize = 16;
  {
    Registry registry(registryDir());
    ASSERT_TRUE(writeOptions(registry, "/srv/games/dog.jcw"));
  }
  resetProcessState();
  EXPECT_FALSE(start().firstStart);
  EXPECT_EQ(currentOptions(), chosen);
}

TEST_F(SettingsTest, AidsAreOffUntilStoredAndSurviveARestart) {
  start();
  EXPECT_EQ(readAidOptions(Registry(registryDir())), AidOptions{});
  const AidOptions chosen{true, CrossOffMode::EachNumber, true, false, true};
  {
    Registry registry(registryDir());
    ASSERT_TRUE(writeAidOptions(registry, chosen));
    ASSERT_TRUE(writeOptions(registry, "")) << "the seven options leave the aids alone";
  }
  EXPECT_EQ(readAidOptions(Registry(registryDir())), chosen);
}

TEST_F(SettingsTest, AnAidStoredOutOfRangeOrWithTheWrongTypeIsOff) {
  storeSettingsLines("\"CrossOff\"=dword:00000003\n\"EmptyDots\"=\"1\"\n"
                     "\"DragLineLock\"=dword:00000001\n");
  const AidOptions aids = readAidOptions(Registry(registryDir()));
  EXPECT_EQ(aids.crossOff, CrossOffMode::Off);
  EXPECT_FALSE(aids.emptyDots);
  EXPECT_TRUE(aids.dragLineLock);
}

struct CatalogCase {
  std::string fileName, catalog;
};

class Catalog : public testing::TestWithParam<CatalogCase> {};

TEST_P(Catalog, IsTheDirectoryWithoutItsTrailingSeparator) {
  EXPECT_EQ(catalogOf(GetParam().fileName), GetParam().catalog);
}

INSTANTIATE_TEST_SUITE_P(Settings, Catalog,
                         testing::Values(CatalogCase{"/home/ann/Puzzles/cat.jcw", "/home/ann/Puzzles"},
                                         CatalogCase{"/cat.jcw", "/"},
                                         CatalogCase{"/home//cat.jcw", "/home"},
                                         CatalogCase{"cat.jcw", ""}));

}  // namespace
}  // namespace jcw
