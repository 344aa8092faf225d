#include "support/ScriptedPlatform.h"

#include <QBuffer>
#include <QCursor>
#include <QPdfWriter>
#include <QTest>

namespace jcw::test {

namespace {
void unscripted(const QString& what) {
  QTest::qFail(qPrintable(QStringLiteral("unscripted ") + what), __FILE__, __LINE__);
}
}  // namespace

Answer ScriptedPlatform::messageBox(const MessageRequest& request) {
  messages.push_back(request);
  if (answers.empty()) {
    unscripted(QStringLiteral("message box: ") + request.text);
    return request.buttons == Buttons::Ok ? Answer::Ok
           : request.buttons == Buttons::YesNo ? Answer::No
                                               : Answer::Cancel;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedPlatform::errorBox(const QString& text) { errors << text; }

QPoint ScriptedPlatform::pointerPos() { return QCursor::pos(); }

void ScriptedPlatform::setPointerPos(QPoint screenPos) {
  pointerMoves.push_back(screenPos);
  QCursor::setPos(screenPos);
}

bool ScriptedPlatform::openUrl(const QString& url) {
  urls << url;
  return true;
}

QString ScriptedPlatform::openFileName(const FileDialogRequest& request) {
  dialogs.push_back(request);
  if (openNames.empty()) {
    unscripted(QStringLiteral("open dialog"));
    return {};
  }
  QString name = openNames.front();
  openNames.pop_front();
  return name;
}

QString ScriptedPlatform::saveFileName(const FileDialogRequest& request) {
  dialogs.push_back(request);
  if (saveNames.empty()) {
    unscripted(QStringLiteral("save dialog"));
    return {};
  }
  QString name = saveNames.front();
  saveNames.pop_front();
  return name;
}

void ScriptedPlatform::printPreview(const PrintRequest& request) {
  prints.push_back(request);
  if (printOptions.empty()) {
    unscripted(QStringLiteral("print dialog"));
    return;
  }
  const bool option = printOptions.front();
  printOptions.pop_front();
  printed.clear();
  QBuffer file(&printed);
  file.open(QIODevice::WriteOnly);
  QPdfWriter writer(&file);
  request.paint(writer, option);
}

ScopedScriptedPlatform::ScopedScriptedPlatform() {
  auto scripted = std::make_unique<ScriptedPlatform>();
  platform_ = scripted.get();
  previous_ = installPlatform(std::move(scripted));
}

ScopedScriptedPlatform::~ScopedScriptedPlatform() { installPlatform(std::move(previous_)); }

}  // namespace jcw::test
