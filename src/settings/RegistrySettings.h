#pragma once
// The options in the registry, and the .jcw association made on the first start for a user.
//
// A start reads the options from the settings key; when that key is absent (the first start) it
// creates the key, writes the association keys of HKEY_CLASSES_ROOT and installs the desktop's
// own association instead, leaving the options at their defaults. Closing writes the options
// back. A registry file that exists but cannot be read is no first start: the options keep their
// defaults for the run and that file is never written. The program reaches these through
// SettingsSession.h; UI thread only.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/Result.h"
#include "settings/AidOptions.h"

namespace jcw {

inline constexpr char kSettingsKey[] = "SOFTWARE\\Velmora\\DuvEviredave";  // in HKEY_CURRENT_USER
inline constexpr char kFileClass[] = "VovivIdiriVezu";                    // in HKEY_CLASSES_ROOT

struct StartOutcome {
  bool firstStart = false;
  // False when the settings file could not be read: the options must not be written back.
  bool optionsWritable = true;
  // The first-start writes: ok, or the first that failed (what came after it was skipped).
  Result<void> registered;
  // What the user is told once, on stderr: files that could not be read, lines refused.
  std::vector<std::string> notices;
};

// The start: reads the options, or on the first start creates the settings key, writes the
// registry association for `exePath` (unless the class registry's file could not be read) and
// installs the desktop association below `dataHome`.
StartOutcome readOrRegister(Registry& registry, const std::string& exePath,
                            const std::filesystem::path& dataHome);
// The notice for a settings file that could not be read, for `reason`.
std::string unreadableSettingsNotice(const std::string& reason);

// Reads every option present with its right type into its variable, and LastCatalog; the others
// keep their values. Directions and advances outside their ranges keep the default.
void readOptions(const Registry& registry);

// The four association keys of HKEY_CLASSES_ROOT; stops at the first failing write.
Result<void> writeRegistryAssociation(Registry& registry, const std::string& exePath);
// The association's command: quote, path, quote, blank, quote, %1, quote.
std::string openCommand(const std::string& exePath);

// Writes the seven options, and "LastCatalog" when `currentFileName` (the current crossword
// file, "" for none) is not empty. A settings key removed meanwhile is created again. Fails at
// the first failing write.
Result<void> writeOptions(Registry& registry, const std::string& currentFileName);

// The solving aids as stored; an aid that is absent, of the wrong type or out of range is off.
AidOptions readAidOptions(const Registry& registry);
// Writes the five aids; a settings key removed meanwhile is created again.
Result<void> writeAidOptions(Registry& registry, const AidOptions& aids);

// The directory part of a file name without its trailing separator; the root stays "/".
std::string catalogOf(const std::string& fileName);

}  // namespace jcw
