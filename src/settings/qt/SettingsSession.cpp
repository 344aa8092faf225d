#include "settings/qt/SettingsSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <iostream>
#include <optional>
#include <vector>

#include "platform/qt/Platform.h"
#include "platform/Registry.h"
#include "platform/UserDirs.h"
#include "settings/Options.h"
#include "settings/RecentFiles.h"
#include "settings/RegistrySettings.h"

namespace jcw {

namespace {

void reportError(const Result<void>& result) {
  if (!result) platform().errorBox(QString::fromStdString(result.error()));
}

void tell(const std::string& notice) { std::cerr << "jcw: " << notice << '\n'; }

// What the start could not read, on screen: option changes would otherwise silently not last.
void showNotices(const std::vector<std::string>& notices) {
  if (notices.empty()) return;
  QStringList lines;
  for (const std::string& notice : notices) lines << QString::fromStdString(notice);
  platform().messageBox(
      {QCoreApplication::translate("jcw", "Настройки прочитать не удалось:") + '\n' +
           lines.join('\n'),
       QCoreApplication::translate("jcw", "Японский кроссворд"), Buttons::Ok, Icon::Exclamation,
       Answer::Ok});
}

// Starts `program` detached and silenced when it is installed; a missing tool is no error.
void startIfInstalled(const QString& program, const std::filesystem::path& argument) {
  const QString found = QStandardPaths::findExecutable(program);
  if (found.isEmpty()) return;
  QProcess process;
  process.setProgram(found);
  process.setArguments({QString::fromStdString(argument.string())});
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.startDetached();
}

}  // namespace

void RegisterFile(const QString& exePath) {
  Registry registry(settingsDirectory());
  const std::filesystem::path data = dataHome();
  const StartOutcome outcome = readOrRegister(registry, exePath.toStdString(), data);
  for (const std::string& notice : outcome.notices) tell(notice);
  showNotices(outcome.notices);
  OptionsLocked = !outcome.optionsWritable;
  reportError(outcome.registered);
  if (!outcome.firstStart || !outcome.registered) return;
  startIfInstalled(QStringLiteral("update-mime-database"), data / "mime");
  startIfInstalled(QStringLiteral("update-desktop-database"), data / "applications");
}

namespace {

// The options' registry when it may be written: read now, the options not locked. A settings
// file that has become unreadable locks them and is told on stderr.
std::optional<Registry> writableRegistry() {
  if (OptionsLocked) return std::nullopt;
  Registry registry(settingsDirectory());
  if (const Result<void>& read = registry.hiveRead(Hive::CurrentUser); !read) {
    OptionsLocked = true;
    tell(unreadableSettingsNotice(read.error()));
    return std::nullopt;
  }
  return registry;
}

void storeRecentFiles(std::vector<std::string> (*change)(std::vector<std::string>,
                                                         const std::string&),
                      const std::string& path) {
  std::optional<Registry> registry = writableRegistry();
  if (registry) reportError(writeRecentFiles(*registry, change(readRecentFiles(*registry), path)));
}

}  // namespace

void StoreOptions(const std::string& currentFileName) {
  if (std::optional<Registry> registry = writableRegistry())
    reportError(writeOptions(*registry, currentFileName));
}

EditorOptions storedEditorOptions() { return readEditorOptions(Registry(settingsDirectory())); }

void storeEditorOptions(const EditorOptions& options) {
  if (std::optional<Registry> registry = writableRegistry())
    reportError(writeEditorOptions(*registry, options));
}

AidOptions storedAidOptions() { return readAidOptions(Registry(settingsDirectory())); }

void StoreAidOptions(const AidOptions& aids) {
  if (std::optional<Registry> registry = writableRegistry())
    reportError(writeAidOptions(*registry, aids));
}

std::vector<std::string> recentFiles() { return readRecentFiles(Registry(settingsDirectory())); }

void noteRecentFile(const std::string& path) { storeRecentFiles(withRecentFile, path); }

void forgetRecentFile(const std::string& path) { storeRecentFiles(withoutRecentFile, path); }

}  // namespace jcw
