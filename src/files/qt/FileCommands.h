#pragma once
// The file commands of the main window (Load, Save, Save As, New, a dropped file) and the load
// procedure every way of loading goes through. They work on the main window's field and show
// their dialogs and boxes through the platform layer. UI thread only.
//
// A load that fails keeps the crossword that was there: the field is replaced only once the file
// has been read.

#include <string>

#include "platform/qt/Platform.h"

class QWidget;

namespace jcw {

class TForm1;

// The start-up window, which New shows again; set by the program's start.
inline QWidget* ParametersForm = nullptr;

// OpenDialog: crossword, text or any file; starts in the last directory of the settings.
FileDialogRequest openDialogRequest();
// SaveDialog: crossword or any file; a name typed without an extension gets ".jcw".
FileDialogRequest saveDialogRequest();

// Loads `name` into the main window's field by its extension. On success: Start enabled, the
// crossword unmodified, and OpenMode 1 when the clue sums agree, else 0 after the clue-sum
// warning. Shows no window. True iff the file was loaded; on failure nothing changes.
bool LoadProcess(const std::string& name, TForm1& window);

void loadCommand(TForm1& window);    // NLoadClick
void saveCommand(TForm1& window);    // NSave0Click
void saveAsCommand(TForm1& window);  // NSaveAsClick
void newCommand(TForm1& window);     // NNewClick

// Makes the main window a target for crossword files dropped from the desktop.
void acceptCrosswordDrops(TForm1& window);

}  // namespace jcw
