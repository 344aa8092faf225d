#include "platform/DesktopAssociation.h"

#include "platform/AtomicFile.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {

// Inside a quoted Exec argument these four stand for themselves only after a backslash.
std::string execQuoted(const std::string& argument) {
  std::string out = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  return out + '"';
}

// The escapes of a desktop entry's string values, applied to the whole value last.
std::string stringEscaped(const std::string& value) {
  std::string out;
  for (const char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string mimePackageXml() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         kCrosswordMimeType +
         "\">\n"
         "    <comment>Japanese crossword</comment>\n"
         "    <comment xml:lang=\"ru\">Японский кроссворд</comment>\n"
         "    <glob pattern=\"*.jcw\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string desktopExecArgument(const std::string& exePath) {
  return stringEscaped(execQuoted(exePath));
}

std::string desktopEntry(const std::string& exePath) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Японский кроссворд\n"
         "Comment=Japanese crosswords (nonograms)\n"
         "Exec=" + desktopExecArgument(exePath) + " %f\n" +
         "MimeType=" + kCrosswordMimeType + ";\n" +
         "Terminal=false\n"
         "Categories=Game;LogicGame;\n";
}

fs::path mimePackageFile(const fs::path& dataHome) { return dataHome / "mime" / "packages" / "jcw.xml"; }

fs::path desktopEntryFile(const fs::path& dataHome) { return dataHome / "applications" / "jcw.desktop"; }

bool packageProvidesAssociation(const fs::path& exePath) {
  const fs::path bin = exePath.parent_path();
  if (bin.filename() != "bin") return false;
  std::error_code ec;
  return fs::is_regular_file(bin.parent_path() / "share" / "applications" / kPackagedDesktopEntry, ec);
}

Result<void> installDesktopAssociation(const fs::path& dataHome, const std::string& exePath) {
  constexpr auto create = MissingDirectories::Create;
  if (Result<void> written = writeFileAtomically(mimePackageFile(dataHome), mimePackageXml(), create);
      !written)
    return written;
  return writeFileAtomically(desktopEntryFile(dataHome), desktopEntry(exePath), create);
}

}  // namespace jcw
