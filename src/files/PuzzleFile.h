#pragma once
// Reading and writing a crossword in whichever format its file name names: the program's own
// .jcw, Steve Simpson's .non, webpbn .xml, and .svg (written only). The extension decides,
// without regard to case; a name with any other extension, or none, is read as .jcw.
//
// A read builds a fresh crossword and changes nothing else: the caller takes it only on success.
// .non and .xml give the smallest headers their clues allow and no marks. A write replaces the
// file atomically; .non and .xml keep the crossword's PuzzleInfo, and a crossword without a
// title (one from .jcw) takes the file name's there and in .svg.

#include <optional>
#include <string>
#include <string_view>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

enum class PuzzleFormat { Jcw, Non, Webpbn, Svg };

// The format the extension of the file's own name names, if it names one.
std::optional<PuzzleFormat> puzzleFormatOf(std::string_view path);

// The crossword in `path`; refused with a Russian message naming the file and the reason.
Result<Crossword> readPuzzleFile(const std::string& path);

// Writes the crossword in the format of the extension; an unknown extension is refused and
// nothing is written.
Result<void> writePuzzleFile(const std::string& path, const Crossword& crossword);

// The file's own name without its extension: the title of a crossword that has none.
std::string titleFromFileName(std::string_view path);
// The crossword's own title, else the one of the file name `path`.
std::string crosswordTitle(const Crossword& crossword, std::string_view path);

}  // namespace jcw
