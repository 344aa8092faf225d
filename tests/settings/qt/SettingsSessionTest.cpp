// The registry calls of the windows, on the real user directories redirected to a temporary one.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>
#include <sstream>

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
    // A link into a directory that does not exist: no file to read, and none can be written.
    QVERIFY(QDir().mkpath(home_->filePath(QStringLiteral("config/jcw"))));
    QVERIFY(QFile::link(home_->filePath(QStringLiteral("absent/classes.reg")),
                        registryFile(Hive::ClassesRoot)));

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

    StoreOptions("");

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

    StoreOptions("");

    QCOMPARE(scripted->errors.size(), 1);
  }

  void unreadableSettingsAreToldOnceAndNeverWrittenOver() {
    test::ScopedScriptedPlatform scripted;
    scripted->answers = {Answer::Ok};
    QVERIFY(QDir().mkpath(registryFile(Hive::CurrentUser)));  // a directory where the file should be
    std::ostringstream told;
    std::streambuf* const stderrBuffer = std::cerr.rdbuf(told.rdbuf());

    RegisterFile(QStringLiteral("/opt/jcw/jcw"));
    IndErr = false;
    StoreOptions("/home/ann/cat.jcw");
    StoreOptions("/home/ann/cat.jcw");
    std::cerr.rdbuf(stderrBuffer);

    QVERIFY(scripted->errors.isEmpty());
    const QStringList lines = QString::fromStdString(told.str()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith(QStringLiteral("jcw: Не удалось открыть файл ")), qPrintable(lines[0]));
    QCOMPARE(scripted->messages.size(), 1u);
    QCOMPARE(scripted->messages[0].text,
             QStringLiteral("Настройки прочитать не удалось:\n") + lines[0].mid(5));
    QCOMPARE(scripted->messages[0].icon, Icon::Exclamation);
    QVERIFY(QFileInfo(registryFile(Hive::CurrentUser)).isDir());
    QVERIFY(QDir(registryFile(Hive::CurrentUser)).isEmpty());
    QVERIFY(!QFile::exists(registryFile(Hive::ClassesRoot)));
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
