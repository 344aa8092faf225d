#include "files/SessionPlaces.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

namespace jcw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "session-";
constexpr std::string_view kExtension = ".jcws";

// The process id in a session file's name, or 0 when the name is no session file's.
int pidOf(const fs::path& file) {
  const std::string filename = file.filename().string();
  std::string_view name = filename;
  if (!name.starts_with(kPrefix) || !name.ends_with(kExtension)) return 0;
  name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
  int pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  return error == std::errc() && end == name.data() + name.size() && pid > 0 ? pid : 0;
}

}  // namespace

fs::path sessionPathFor(const fs::path& directory, int pid) {
  return directory / (std::string(kPrefix) + std::to_string(pid) + std::string(kExtension));
}

std::vector<fs::path> orphanSessions(const fs::path& directory,
                                     const std::function<bool(int pid)>& alive) {
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory, ec)) {
    const int pid = pidOf(entry.path());
    if (pid == 0 || !entry.is_regular_file(ec) || alive(pid)) continue;
    found.emplace_back(entry.last_write_time(ec), entry.path());
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
  std::vector<fs::path> paths;
  for (auto& [time, path] : found) paths.push_back(std::move(path));
  return paths;
}

}  // namespace jcw
