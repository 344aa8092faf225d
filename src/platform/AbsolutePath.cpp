#include "platform/AbsolutePath.h"

#include <filesystem>

namespace jcw {

namespace fs = std::filesystem;

std::string absoluteFileName(const std::string& name) {
  if (name.empty()) return name;
  std::error_code ec;
  const fs::path absolute = fs::absolute(name, ec);
  if (ec) return name;
  fs::path cleaned;
  for (const fs::path& part : absolute)
    if (part != "." && !part.empty()) cleaned /= part;
  // A trailing separator names a directory; keep it so the name still means what it meant.
  std::string result = cleaned.string();
  if (name.back() == fs::path::preferred_separator && result.back() != fs::path::preferred_separator)
    result += fs::path::preferred_separator;
  return result;
}

}  // namespace jcw
