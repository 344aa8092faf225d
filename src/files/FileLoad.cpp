#include "files/FileLoad.h"

#include <filesystem>

#include "files/CrosswordFile.h"
#include "files/TextParsing.h"
#include "model/Dimensions.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kExtensionLength = 4;

// The extension of a file's own name from its last dot; empty when it has no dot.
std::string ownExtension(const fs::path& path) {
  const std::string name = path.filename().string();
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}
}  // namespace

std::string loadExtension(const std::string& name) {
  // ".jcw" and ".txt" are ASCII, so counting bytes finds them wherever counting characters does.
  if (name.size() <= kExtensionLength) return {};
  return name.substr(name.size() - kExtensionLength);
}

Result<void> LoadTxtFormat(const std::string& name) {
  if (Result<FileDescriptor> file = openRegularFile(name); !file) return Error{file.error()};
  resetFileNames();
  return {};
}

std::optional<PuzzleFormat> openedFormatOf(std::string_view extension) {
  if (extension == ".jcw") return PuzzleFormat::Jcw;
  const std::string lower = asciiLower(extension);
  if (lower == ".non") return PuzzleFormat::Non;
  if (lower == ".xml") return PuzzleFormat::Webpbn;
  return std::nullopt;
}

Result<void> loadByExtension(const std::string& name, Crossword& field) {
  const std::string extension = loadExtension(name);
  if (extension == ".txt") {
    // A text file keeps the field's size; before the first crossword there is none to keep.
    if (!currentDimensions().valid())
      return openError(name, "в текстовом файле нет кроссворда, а размеров поля ещё нет");
    return LoadTxtFormat(name);
  }
  const std::optional<PuzzleFormat> format = openedFormatOf(extension);
  if (!format)
    return openError(name, "кроссворды читаются только из файлов .jcw, .non, .xml и .txt");
  Result<Crossword> read = readPuzzleFile(name);
  if (!read) return Error{read.error()};
  adoptCrossword(std::move(*read), name, field);
  return {};
}

std::optional<std::string> droppedCrossword(const std::vector<std::string>& names) {
  if (names.empty()) return std::nullopt;
  const fs::path path(names.front());
  std::error_code ec;
  if (!fs::exists(path, ec) || fs::is_directory(path, ec)) return std::nullopt;
  if (!openedFormatOf(ownExtension(path))) return std::nullopt;
  return names.front();
}

}  // namespace jcw
