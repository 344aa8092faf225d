#include "files/PuzzleFile.h"

#include <filesystem>

#include "files/CrosswordFile.h"
#include "files/NonFormat.h"
#include "files/SvgPicture.h"
#include "files/TextParsing.h"
#include "files/WebpbnFormat.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {

struct Extension {
  std::string_view name;
  PuzzleFormat format;
};
constexpr Extension kExtensions[] = {{".jcw", PuzzleFormat::Jcw},
                                     {".non", PuzzleFormat::Non},
                                     {".xml", PuzzleFormat::Webpbn},
                                     {".svg", PuzzleFormat::Svg}};

// A 100 x 100 crossword with every clue and its goal picture takes some 250 KB as XML; a larger
// file is not a crossword, and reading it could take much memory.
constexpr std::size_t kTextLimit = 1024 * 1024;

// The whole file, refused when it is longer than any crossword of a text format can be.
Result<std::string> readText(const std::string& path) {
  Result<std::string> text = readRegularFile(path, kTextLimit + 1);
  if (text && text->size() > kTextLimit) return readError(path, "файл слишком велик");
  return text;
}

Result<Crossword> decodeText(PuzzleFormat format, std::string_view text) {
  if (format == PuzzleFormat::Non) return decodeNon(text);
  return decodeWebpbn(text);
}

Result<std::string> encodeFor(const std::string& path, const Crossword& crossword) {
  const std::optional<PuzzleFormat> format = puzzleFormatOf(path);
  if (!format) return saveError(path, "неизвестное расширение (можно .jcw, .non, .xml, .svg)");
  PuzzleInfo info = crossword.info;
  info.title = crosswordTitle(crossword, path);
  switch (*format) {
    case PuzzleFormat::Non: return encodeNon(crossword, info);
    case PuzzleFormat::Webpbn: return encodeWebpbn(crossword, info);
    case PuzzleFormat::Svg: return encodeSvg(crossword, info.title);
    case PuzzleFormat::Jcw: break;
  }
  const std::vector<std::uint8_t> bytes = encodeCrossword(crossword);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

std::optional<PuzzleFormat> puzzleFormatOf(std::string_view path) {
  const std::string extension = asciiLower(fs::path(path).extension().string());
  for (const Extension& known : kExtensions)
    if (extension == known.name) return known.format;
  return std::nullopt;
}

Result<Crossword> readPuzzleFile(const std::string& path) {
  const PuzzleFormat format = puzzleFormatOf(path).value_or(PuzzleFormat::Jcw);
  if (format == PuzzleFormat::Svg)
    return readError(path, "рисунок SVG нельзя открыть как кроссворд");
  if (format == PuzzleFormat::Jcw) return readCrosswordFile(path);
  const Result<std::string> text = readText(path);
  if (!text) return Error{text.error()};
  Result<Crossword> crossword = decodeText(format, *text);
  if (!crossword) return readError(path, crossword.error());
  return crossword;
}

Result<void> writePuzzleFile(const std::string& path, const Crossword& crossword) {
  const Result<std::string> contents = encodeFor(path, crossword);
  if (!contents) return Error{contents.error()};
  return writeFileAtomically(path, *contents);
}

std::string titleFromFileName(std::string_view path) { return fs::path(path).stem().string(); }

std::string crosswordTitle(const Crossword& crossword, std::string_view path) {
  return crossword.info.title.empty() ? titleFromFileName(path) : crossword.info.title;
}

}  // namespace jcw
