#pragma once
// Where sessions are kept: one file per running program, named by its process id, so that two
// programs never write over each other's work; a file whose program no longer runs is work
// left by a crash.

#include <filesystem>
#include <functional>
#include <vector>

namespace jcw {

// "session-<pid>.jcws" in `directory`.
std::filesystem::path sessionPathFor(const std::filesystem::path& directory, int pid);

// The session files in `directory` whose process `alive` says has ended, newest first; none when
// the directory cannot be read. Other files are left out.
std::vector<std::filesystem::path> orphanSessions(const std::filesystem::path& directory,
                                                  const std::function<bool(int pid)>& alive);

}  // namespace jcw
