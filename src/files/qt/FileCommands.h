#pragma once
// The file commands of the main window (Load, Save, Save As, New, a dropped file) and the load
// procedure every way of loading goes through. They work on their host's field and show their
// dialogs and boxes through the platform layer. UI thread only.
//
// A load that fails keeps the crossword that was there (the field is replaced only once the file
// has been read) and shows why in a box. A command that would discard unsaved changes asks first
// (maybeSave) and stops when the user cancels or the save does not happen. Every crossword file
// read or written goes in front of the recent crosswords.

#include <string>

#include "files/SessionFile.h"
#include "files/qt/FileHost.h"
#include "platform/Result.h"
#include "platform/qt/Platform.h"

class QWidget;

namespace jcw {

// The start-up window, which New shows again; set by the program's start.
inline QWidget* ParametersForm = nullptr;

// OpenDialog: all crossword formats at once, then each (.jcw, .non, webpbn XML), text files and
// any file; starts in the last directory of the settings.
FileDialogRequest openDialogRequest();
// SaveDialog: each crossword format, then any file; a name typed without an extension gets the
// chosen format's, ".jcw" under any file.
FileDialogRequest saveDialogRequest();

// Loads `name` into the host's field by its extension. On success: Start enabled, the
// crossword unmodified, and OpenMode 1 when the clue sums agree, else 0 after the clue-sum
// warning. Shows no window; on failure nothing changes, and the error, for the caller to show
// (files/qt/LoadError.h), says why.
Result<void> LoadProcess(const std::string& name, FileHost& host);

void loadCommand(FileHost& host);  // NLoadClick
// NSave0Click: nothing without unsaved changes; Save As without a file name, and Save As with the
// .jcw name beside it proposed for a file of .non or XML, which cannot hold the marks.
void saveCommand(FileHost& host);
// NSaveAsClick: the crossword written under a chosen name in the format its extension names
// (CrosswordSave.h), after a question when that format would leave marks out; the name becomes
// the current file's only when the write succeeds.
void saveAsCommand(FileHost& host);
void newCommand(FileHost& host);  // NNewClick
// An item of the recent crosswords: loads `name` as Load does after its dialog; a file that is
// gone is offered for removal from the list instead.
void openRecentCommand(const std::string& name, FileHost& host);

// Work left by a crash, taken into the host's field as it was: the crossword with its history,
// the current file, the dimensions; OpenMode solving. The caller shows the window.
void restoreSession(Session session, FileHost& host);

// Makes the host's window a target for crossword files dropped from the desktop (WMDropFiles).
void acceptCrosswordDrops(FileHost& host);

}  // namespace jcw
