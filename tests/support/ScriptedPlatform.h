#pragma once
// A platform for widget tests: message boxes answer from a queue and record what they were
// asked; a prompt nobody scripted fails the running QtTest case (and answers Cancel/No) instead
// of hanging. Dialogs return scripted names, beeps are counted, the work area is set by the test.
// An error box fails the test unless the test declared it in expectedErrors, and a script the
// test leaves unused (answers, names, declared errors that never came) fails it at the end.
// A print dialog prints at once, with the check box as scripted, into a PDF held in memory.

#include <QByteArray>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/qt/Platform.h"

namespace jcw::test {

class ScriptedPlatform : public Platform {
 public:
  Answer messageBox(const MessageRequest& request) override;
  void errorBox(const QString& text) override;
  void beep() override { ++beeps; }
  QPoint pointerPos() override;
  void setPointerPos(QPoint screenPos) override;  // records, then moves the real pointer
  QRect workArea() override { return area; }
  bool openUrl(const QString& url) override;
  QString openFileName(const FileDialogRequest& request) override;
  QString saveFileName(const FileDialogRequest& request) override;
  void printPreview(const PrintRequest& request) override;

  std::deque<Answer> answers;              // next message box answers, in order
  std::vector<MessageRequest> messages;    // every box shown
  std::function<void(const MessageRequest&)> onMessage;  // called as each box opens
  QStringList errors;                      // every error box text
  int expectedErrors = 0;                  // error boxes the test means to meet
  int beeps = 0;
  std::vector<QPoint> pointerMoves;
  QRect area{0, 0, 1280, 1000};
  QStringList urls;
  std::deque<QString> openNames;           // next open dialog results ("" = cancelled)
  std::deque<QString> saveNames;           // next save dialog results
  std::vector<FileDialogRequest> dialogs;  // every dialog shown
  std::deque<std::vector<bool>> printChoices;  // next print dialogs: the check boxes, then Print
  std::vector<PrintRequest> prints;        // every print dialog shown
  QByteArray printed;                      // the PDF the last scripted print wrote

  // Fails the running test for every part of the script it did not use; quiet when the test
  // has failed already, since it may have stopped half-way.
  void verifyScriptUsed() const;
};

// Installs a fresh ScriptedPlatform for the lifetime of this object and restores the previous one.
// Its end checks that the script was used up, so it must end inside the test function or its
// cleanup().
class ScopedScriptedPlatform {
 public:
  ScopedScriptedPlatform();
  ~ScopedScriptedPlatform();
  ScriptedPlatform* operator->() const { return platform_; }
  ScriptedPlatform& operator*() const { return *platform_; }

 private:
  ScriptedPlatform* platform_;
  std::unique_ptr<Platform> previous_;
};

}  // namespace jcw::test
