#pragma once
// The program's platform: Qt message boxes with Russian buttons, QFileDialog, QCursor, QScreen,
// QDesktopServices, QPrintPreviewDialog.

#include "platform/qt/Platform.h"

namespace jcw {

class QtPlatform : public Platform {
 public:
  Answer messageBox(const MessageRequest& request) override;
  void errorBox(const QString& text) override;
  void beep() override;
  QPoint pointerPos() override;
  void setPointerPos(QPoint screenPos) override;
  QRect workArea() override;
  bool openUrl(const QString& url) override;
  QString openFileName(const FileDialogRequest& request) override;
  QString saveFileName(const FileDialogRequest& request) override;
  void printPreview(const PrintRequest& request) override;
};

}  // namespace jcw
