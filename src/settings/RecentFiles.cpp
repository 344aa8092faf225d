#include "settings/RecentFiles.h"

#include <algorithm>

#include "settings/RegistrySettings.h"

namespace jcw {

namespace {

std::string placeName(std::size_t index) { return "Recent" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path) {
  list = withoutRecentFile(std::move(list), path);
  list.insert(list.begin(), path);
  if (list.size() > kMostRecentFiles) list.resize(kMostRecentFiles);
  return list;
}

std::vector<std::string> withoutRecentFile(std::vector<std::string> list, const std::string& path) {
  std::erase(list, path);
  return list;
}

std::vector<std::string> readRecentFiles(const Registry& registry) {
  std::vector<std::string> list;
  for (std::size_t i = 0; i < kMostRecentFiles; ++i) {
    const std::optional<std::string> path = registry.readString(Hive::CurrentUser, kSettingsKey,
                                                                placeName(i));
    if (path && !path->empty() && std::find(list.begin(), list.end(), *path) == list.end())
      list.push_back(*path);
  }
  return list;
}

Result<void> writeRecentFiles(Registry& registry, const std::vector<std::string>& list) {
  if (Result<void> created = registry.createKey(Hive::CurrentUser, kSettingsKey); !created)
    return created;
  for (std::size_t i = 0; i < kMostRecentFiles; ++i) {
    const std::string path = i < list.size() ? list[i] : std::string();
    if (Result<void> written = registry.writeString(Hive::CurrentUser, kSettingsKey, placeName(i),
                                                    path);
        !written)
      return written;
  }
  return {};
}

}  // namespace jcw
