#include "support/ScriptedPlatform.h"

#include <QBuffer>
#include <QCursor>
#include <QPdfWriter>
#include <QTest>

namespace jcw::test {

namespace {
void fail(const QString& what) { QTest::qFail(qPrintable(what), __FILE__, __LINE__); }

void unscripted(const QString& what) { fail(QStringLiteral("unscripted ") + what); }

void verifyUsed(std::size_t left, const char* what) {
  if (left != 0) fail(QStringLiteral("%1 scripted %2 left unused").arg(left).arg(what));
}
}  // namespace

Answer ScriptedPlatform::messageBox(const MessageRequest& request) {
  messages.push_back(request);
  if (onMessage) onMessage(request);
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

void ScriptedPlatform::errorBox(const QString& text) {
  errors << text;
  if (errors.size() > expectedErrors) fail(QStringLiteral("unexpected error box: ") + text);
}

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
  if (printChoices.empty()) {
    unscripted(QStringLiteral("print dialog"));
    return;
  }
  const std::vector<bool> checked = printChoices.front();
  printChoices.pop_front();
  printed.clear();
  QBuffer file(&printed);
  file.open(QIODevice::WriteOnly);
  QPdfWriter writer(&file);
  request.paint(writer, checked);
}

void ScriptedPlatform::verifyScriptUsed() const {
  if (QTest::currentTestFailed()) return;
  verifyUsed(answers.size(), "message box answers");
  verifyUsed(openNames.size(), "open dialog names");
  verifyUsed(saveNames.size(), "save dialog names");
  verifyUsed(printChoices.size(), "print dialog choices");
  if (errors.size() < expectedErrors)
    fail(QStringLiteral("%1 error boxes expected, %2 shown").arg(expectedErrors).arg(errors.size()));
}

ScopedScriptedPlatform::ScopedScriptedPlatform() {
  auto scripted = std::make_unique<ScriptedPlatform>();
  platform_ = scripted.get();
  previous_ = installPlatform(std::move(scripted));
}

ScopedScriptedPlatform::~ScopedScriptedPlatform() {
  platform_->verifyScriptUsed();
  installPlatform(std::move(previous_));
}

}  // namespace jcw::test
