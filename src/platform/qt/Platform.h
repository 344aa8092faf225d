#pragma once
// The desktop services the program needs, behind one small interface: message boxes, the error
// box, the beep, the pointer and the work area, the shell, the open and save dialogs, and the
// print dialog.
// The program installs QtPlatform; tests install a scripted one (tests/support). UI thread only.

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;

namespace jcw {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Exclamation, Error };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest {
  QString text;
  QString caption;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  Answer defaultButton = Answer::Ok;  // the first button when it is not one of the box's
};

struct FileDialogRequest {
  QString filter;            // Windows form: "Description|*.ext|Description|*.a;*.b"
  QString initialDirectory;  // empty: the dialog's own choice
  // Save: added to a name typed without one while the chosen filter names no extension of its
  // own ("*.*"); a filter such as "*.non" adds its extension instead.
  QString defaultSuffix;
  QString proposedName;  // save: the file the dialog starts on, with its directory; empty: none
};

// A check box shown with the print preview.
struct PrintOption {
  QString text;
  bool checked = false;
};

struct PrintRequest {
  QString documentName;  // the print job's name, and the proposed PDF file's
  std::vector<PrintOption> options;
  // Paints every page on the device (the preview's or the printer's); `checked` holds the check
  // boxes' states in the order of `options`. Called again whenever the preview must be redrawn.
  std::function<void(QPagedPaintDevice& device, const std::vector<bool>& checked)> paint;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box; returns the button pressed (Cancel or No when closed otherwise).
  virtual Answer messageBox(const MessageRequest& request) = 0;
  // The general error report for a command that failed (a write error, a bad number).
  virtual void errorBox(const QString& text) = 0;
  virtual void beep() = 0;
  virtual QPoint pointerPos() = 0;
  virtual void setPointerPos(QPoint screenPos) = 0;
  // The part of the desktop not covered by panels, in screen pixels.
  virtual QRect workArea() = 0;
  // Opens a mailto: link or a web address with the desktop's handler; false if none took it.
  virtual bool openUrl(const QString& url) = 0;
  // One existing file chosen, or empty when cancelled.
  virtual QString openFileName(const FileDialogRequest& request) = 0;
  // One file name chosen (replacing asked for), or empty when cancelled.
  virtual QString saveFileName(const FileDialogRequest& request) = 0;
  // The print preview with the printer dialog behind its print button (a PDF file is one of the
  // printers); returns when the user closes it.
  virtual void printPreview(const PrintRequest& request) = 0;
};

// The installed platform; QtPlatform until another is installed.
Platform& platform();
// Installs `p` for the rest of the process (or until the next install) and returns the previous.
std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p);

// "Description|*.jcw|All|*.*" -> "Description (*.jcw);;All (*.*)".
QString qtFilter(const QString& windowsFilter);
// The extension one entry of a Qt filter names by its first pattern: "Description (*.non)" ->
// "non"; empty when that pattern names no single extension ("*.*").
QString filterSuffix(const QString& qtFilterEntry);

}  // namespace jcw
