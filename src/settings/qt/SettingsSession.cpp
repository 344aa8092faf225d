#include "settings/qt/SettingsSession.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/qt/Platform.h"
#include "platform/Registry.h"
#include "platform/UserDirs.h"
#include "settings/RegistrySettings.h"

namespace jcw {

namespace {

void reportError(const std::optional<std::string>& error) {
  if (error) platform().errorBox(QString::fromStdString(*error));
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
  reportError(outcome.error);
  if (!outcome.firstStart || outcome.error) return;
  startIfInstalled(QStringLiteral("update-mime-database"), data / "mime");
  startIfInstalled(QStringLiteral("update-desktop-database"), data / "applications");
}

void StoreOptions() {
  Registry registry(settingsDirectory());
  reportError(writeOptions(registry));
}

}  // namespace jcw
