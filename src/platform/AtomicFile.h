#pragma once
// Replacing a whole file so that a reader sees either the old or the new contents, never a mix:
// the bytes go to a temporary file beside the target, which is then renamed over it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace jcw {

enum class MissingDirectories { Fail, Create };

// Writes `contents` to `target`, keeping the permissions of a file it replaces. Returns the error
// text on failure, when the old file (if any) is left whole and no temporary file is left behind.
std::optional<std::string> writeFileAtomically(
    const std::filesystem::path& target, std::string_view contents,
    MissingDirectories directories = MissingDirectories::Fail);

}  // namespace jcw
