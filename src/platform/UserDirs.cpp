#include "platform/UserDirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace jcw {

namespace fs = std::filesystem;

namespace {

fs::path absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return {};
  fs::path path(value);
  return path.is_absolute() ? path : fs::path();
}

fs::path homeDirectory() {
  fs::path home = absoluteFromEnvironment("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return fs::temp_directory_path();
}

fs::path xdgDirectory(const char* variable, const fs::path& belowHome) {
  fs::path path = absoluteFromEnvironment(variable);
  return path.empty() ? homeDirectory() / belowHome : path;
}

}  // namespace

fs::path configHome() { return xdgDirectory("XDG_CONFIG_HOME", ".config"); }

fs::path dataHome() { return xdgDirectory("XDG_DATA_HOME", fs::path(".local") / "share"); }

fs::path settingsDirectory() { return configHome() / "jcw"; }

fs::path sessionDirectory() {
  return xdgDirectory("XDG_STATE_HOME", fs::path(".local") / "state") / "jcw";
}

}  // namespace jcw
