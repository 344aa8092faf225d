#pragma once
// The crosswords last opened or saved, newest first, kept with the options in the registry as
// the string values "Recent1" .. "Recent10" of the settings key (an empty one is a free place).

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/Result.h"

namespace jcw {

inline constexpr std::size_t kMostRecentFiles = 10;

// `path` in front of `list`, which then holds it once and at most kMostRecentFiles names.
std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path);
// `list` without `path`.
std::vector<std::string> withoutRecentFile(std::vector<std::string> list, const std::string& path);

// The stored list, in its order, free places skipped; empty when nothing is stored.
std::vector<std::string> readRecentFiles(const Registry& registry);
// Stores `list` (at most kMostRecentFiles names) in every place, the rest emptied. Fails at the
// first failing write.
Result<void> writeRecentFiles(Registry& registry, const std::vector<std::string>& list);

}  // namespace jcw
