#include "platform/qt/Platform.h"

#include <QRegularExpression>
#include <QStringList>

#include "platform/qt/QtPlatform.h"

namespace jcw {

namespace {
std::unique_ptr<Platform>& installed() {
  static std::unique_ptr<Platform> current = std::make_unique<QtPlatform>();
  return current;
}
}  // namespace

Platform& platform() { return *installed(); }

std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p) {
  std::swap(installed(), p);
  return p;
}

QString qtFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
  return filters.join(QStringLiteral(";;"));
}

QString filterSuffix(const QString& qtFilterEntry) {
  static const QRegularExpression kFirstPattern(QStringLiteral(R"(\(\*\.([^ *?.()]+)[ )])"));
  const QRegularExpressionMatch match = kFirstPattern.match(qtFilterEntry);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace jcw
