#include "support/FileSession.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <fstream>
#include <iterator>

#include "files/CrosswordFile.h"
#include "platform/Registry.h"
#include "platform/UserDirs.h"
#include "settings/RegistrySettings.h"
#include "support/Fixtures.h"
#include "support/ProcessReset.h"

namespace jcw::test {

FileSession::FileSession() {
  qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toUtf8());
  qputenv("XDG_STATE_HOME", dir_.filePath(QStringLiteral("state")).toUtf8());
  // Not a first start: that would install the desktop association and start its tools.
  if (!Registry(settingsDirectory()).createKey(Hive::CurrentUser, kSettingsKey))
    qFatal("cannot create the settings key in the test's home");
  resetProcessState();
}

FileSession::~FileSession() { resetProcessState(); }

std::string FileSession::path(const std::string& name) const {
  return dir_.filePath(QString::fromStdString(name)).toStdString();
}

std::string FileSession::write(const std::string& name, const Crossword& crossword) const {
  return writeBytes(name, encodeCrossword(crossword));
}

std::string FileSession::writeBytes(const std::string& name,
                                    const std::vector<std::uint8_t>& bytes) const {
  std::ofstream(path(name), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path(name);
}

std::vector<std::uint8_t> FileSession::read(const std::string& name) const {
  std::ifstream in(path(name), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

Crossword smallCrossword() { return makeCrossword({{{2}}, {{1}, {1}}, {}, 1, 1}); }

Crossword otherCrossword() {
  return makeCrossword({{{2}, {1}, {2}}, {{3}, {1, 1}}, {"##", "#.", "##"}, 1, 2});
}

void verifyLoadErrorBox(const MessageRequest& box, const std::string& path, const QString& reason,
                        const QString& verb) {
  const QString prefix = QStringLiteral("Не удалось %1 файл %2: ")
                             .arg(verb, QString::fromStdString(path));
  if (reason == QStringLiteral("*"))
    QVERIFY2(box.text.startsWith(prefix) && box.text.size() > prefix.size(), qPrintable(box.text));
  else
    QCOMPARE(box.text, prefix + reason);
  QCOMPARE(box.caption, QStringLiteral("Японский кроссворд"));
  QCOMPARE(box.buttons, Buttons::Ok);
  QCOMPARE(box.icon, Icon::Error);
}

QMimeData* fileDrag(const std::vector<std::string>& paths) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
  data->setUrls(urls);
  return data;
}

void dragAndDrop(QWidget* target, const QMimeData* data) {
  const QPoint point(5, 5);
  QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

}  // namespace jcw::test
