#pragma once
// The options in the registry, and the .jcw association made on the first start for a user.
//
// A start reads the options from the settings key; when that key is absent (the first start) it
// creates the key, writes the association keys of HKEY_CLASSES_ROOT and installs the desktop's
// own association instead, leaving the options at their defaults. Closing writes the options
// back. The program reaches these through SettingsSession.h; UI thread only.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Registry.h"

namespace jcw {

inline constexpr char kSettingsKey[] = "SOFTWARE\\Velmora\\DuvEviredave";  // in HKEY_CURRENT_USER
inline constexpr char kFileClass[] = "VovivIdiriVezu";                    // in HKEY_CLASSES_ROOT

struct StartOutcome {
  bool firstStart = false;
  // A failed first-start write; what came after it was skipped.
  std::optional<std::string> error;
};

// The start: reads the options, or on the first start creates the settings key, writes the
// registry association for `exePath` and installs the desktop association below `dataHome`.
StartOutcome readOrRegister(Registry& registry, const std::string& exePath,
                            const std::filesystem::path& dataHome);

// Reads every option present with its right type into its variable, and LastCatalog; the others
// keep their values. Directions and advances outside their ranges keep the default.
void readOptions(const Registry& registry);

// The four association keys of HKEY_CLASSES_ROOT; stops at the first failing write.
std::optional<std::string> writeRegistryAssociation(Registry& registry, const std::string& exePath);
// The association's command: quote, path, quote, blank, quote, %1, quote.
std::string openCommand(const std::string& exePath);

// Writes the seven options, and "LastCatalog" when a crossword file is current. A settings key
// removed meanwhile is created again. The error text of the first failing write.
std::optional<std::string> writeOptions(Registry& registry);

// The directory part of a file name without its trailing separator; the root stays "/".
std::string catalogOf(const std::string& fileName);

}  // namespace jcw
