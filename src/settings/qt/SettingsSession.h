#pragma once
// The options' registry at the program's start and close: the two calls the windows make.
// Both open the registry in settingsDirectory() afresh and report a failed write through the
// platform's error box; neither ever stops the start or the close. A settings file that could not
// be read is said once at the start, on stderr and in a message box, and the options are then
// never written over it. UI thread only.

#include <QString>

#include "settings/EditorOptions.h"
#include <string>
#include <vector>

#include "settings/AidOptions.h"

namespace jcw {

// Called once by the start-up window's creation with QCoreApplication::applicationFilePath().
// Reads the options (and LastCatalog), or on the first start for the user makes the .jcw
// association, then asks the desktop to refresh its MIME and application databases without
// waiting for it.
void RegisterFile(const QString& exePath);

// Called by the main window's close query every time it runs (a cancelled close too) and by the
// start-up window when it closes. Writes the options back, and the directory of
// `currentFileName` (CurFileName) as LastCatalog when it is not empty.
void StoreOptions(const std::string& currentFileName);

// The clue editor's options as stored (defaults when they cannot be read), and written back at
// once when changed (nothing while the options are locked; a failed write goes to the error box).
EditorOptions storedEditorOptions();
void storeEditorOptions(const EditorOptions& options);
// The solving aids as stored (all off when the settings cannot be read), and stored anew; a
// failed write goes to the error box, nothing is written while the options are locked.
AidOptions storedAidOptions();
void StoreAidOptions(const AidOptions& aids);

// The crosswords last opened or saved, newest first, as the registry holds them now (several
// windows share one list). Empty when the settings cannot be read.
std::vector<std::string> recentFiles();
// `path` put in front of the stored list, or taken out of it; nothing while the options are
// locked (the settings could not be read). A failed write goes to the error box.
void noteRecentFile(const std::string& path);
void forgetRecentFile(const std::string& path);

}  // namespace jcw
