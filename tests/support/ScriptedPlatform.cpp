#include "support/ScriptedPlatform.h"

#include <QCursor>
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

ScopedScriptedPlatform::ScopedScriptedPlatform() {
  auto scripted = std::make_unique<ScriptedPlatform>();
  platform_ = scripted.get();
  previous_ = installPlatform(std::move(scripted));
}

ScopedScriptedPlatform::~ScopedScriptedPlatform() { installPlatform(std::move(previous_)); }

}  // namespace jcw::test
