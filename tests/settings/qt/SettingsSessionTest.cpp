// The registry calls of the windows, on the real user directories redirected to a temporary one.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Registry.h"
#include "settings/Options.h"
#include "settings/qt/SettingsSession.h"
#include "support/ProcessReset.h"
#include "support/ScriptedPlatform.h"

namespace jcw {

class SettingsSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    resetProcessState();
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home_->filePath(QStringLiteral("data")).toUtf8());
  }
  void cleanup() { resetProcessState(); }

  void aFailingFirstStartIsReportedOnceAndTheStartGoesOn() {
    test::ScopedScriptedPlatform scripted;
    scripted->expectedErrors = 1;
    QVERIFY(QDir().mkpath(registryFile(Hive::ClassesRoot)));  // a directory: cannot be replaced

    RegisterFile(QStringLiteral("/opt/jcw/jcw"));

    QCOMPARE(scripted->errors.size(), 1);
    QVERIFY2(scripted->errors[0].contains(QStringLiteral("HKEY_CLASSES_ROOT")), qPrintable(scripted->errors[0]));
    QVERIFY(QFile::exists(registryFile(Hive::CurrentUser)));
    QVERIFY(!QFile::exists(home_->filePath(QStringLiteral("data/applications/jcw.desktop"))));
  }

  void aLaterStartReadsTheOptionsSilently() {
    test::ScopedScriptedPlatform scripted;
    writeUserHive("\"IndErr\"=dword:00000000\n\"LastCatalog\"=\"/srv/puzzles\"\n");

    RegisterFile(QStringLiteral("/opt/jcw/jcw"));

    QVERIFY(scripted->errors.isEmpty());
    QCOMPARE(IndErr, false);
    QCOMPARE(QString::fromStdString(LastCatalog), QStringLiteral("/srv/puzzles"));
  }

  void storingWritesIntoTheUsersConfigDirectory() {
    test::ScopedScriptedPlatform scripted;
    DigCr = false;

    StoreOptions();

    QVERIFY(scripted->errors.isEmpty());
    QCOMPARE(Registry(home_->filePath(QStringLiteral("config/jcw")).toStdString())
                 .readDword(Hive::CurrentUser, "SOFTWARE\\Velmora\\DuvEviredave", "DigCr"),
             std::optional<std::uint32_t>(0));
  }

  void storingIntoAnUnwritableRegistryIsReportedAndReturns() {
    test::ScopedScriptedPlatform scripted;
    scripted->expectedErrors = 1;
    QFile blocker(home_->filePath(QStringLiteral("config")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the directory should be

    StoreOptions();

    QCOMPARE(scripted->errors.size(), 1);
  }

 private:
  QString registryFile(Hive hive) const {
    return QString::fromStdString(
        Registry::hiveFile(home_->filePath(QStringLiteral("config/jcw")).toStdString(), hive).string());
  }
  void writeUserHive(const QByteArray& values) const {
    QVERIFY(QDir().mkpath(home_->filePath(QStringLiteral("config/jcw"))));
    QFile file(registryFile(Hive::CurrentUser));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\DuvEviredave]\n" +
               values);
  }

  std::unique_ptr<QTemporaryDir> home_;
};

}  // namespace jcw

QTEST_MAIN(jcw::SettingsSessionTest)
#include "SettingsSessionTest.moc"
