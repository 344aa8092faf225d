#pragma once
// The real file association of the Linux desktop: a MIME type for *.jcw and a desktop entry that
// opens such files with the program, installed for the current user below $XDG_DATA_HOME.
// Running update-mime-database and update-desktop-database afterwards is the caller's (Qt) part.

#include <filesystem>
#include <string>

#include "platform/Result.h"

namespace jcw {

inline constexpr char kCrosswordMimeType[] = "application/x-jcw-crossword";

// The shared-mime-info package that declares the type.
std::string mimePackageXml();
// The desktop entry for the program at `exePath`.
std::string desktopEntry(const std::string& exePath);
// `exePath` as one argument of a desktop entry's Exec key: quoted, with the quoting escapes and
// then the string escapes applied, and '%' doubled.
std::string desktopExecArgument(const std::string& exePath);

// The desktop entry the program's package installs below <prefix>/share/applications.
inline constexpr char kPackagedDesktopEntry[] = "org.jcw.crossword.desktop";

// True iff the program at `exePath` runs from an installation that provides the association
// itself: it lies in a "bin" directory whose parent holds share/applications/kPackagedDesktopEntry.
// A program run from its build tree does not, and installs the association per user.
bool packageProvidesAssociation(const std::filesystem::path& exePath);

// The files that installDesktopAssociation writes below `dataHome`.
std::filesystem::path mimePackageFile(const std::filesystem::path& dataHome);
std::filesystem::path desktopEntryFile(const std::filesystem::path& dataHome);

// Writes both files (atomically); the error of the first that fails.
Result<void> installDesktopAssociation(const std::filesystem::path& dataHome,
                                                     const std::string& exePath);

}  // namespace jcw
