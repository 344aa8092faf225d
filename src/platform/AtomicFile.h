#pragma once
// Replacing a whole file so that a reader sees either the old or the new contents, never a mix:
// the bytes go to a temporary file beside the target, which is then renamed over it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace jcw {

// Writes `contents` to `target`, creating missing parent directories. Returns the error text on
// failure, when the old file (if any) is left whole and no temporary file is left behind.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target,
                                               std::string_view contents);

}  // namespace jcw
