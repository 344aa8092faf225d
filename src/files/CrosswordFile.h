#pragma once
// Reading and writing .jcw crossword files, and the names of the current crossword file.
//
// A read never changes anything until the whole file has been read: it fills a fresh model and
// the caller takes it only on success. A write goes to a temporary file beside the target that
// is renamed over it, so a failed save leaves the old file whole.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Crossword.h"

namespace jcw {

// The full path of the current crossword file, empty for none; and its caption suffix.
inline std::string CurFileName;
inline std::string CurShortName;
// Back to no current file.
inline void resetFileNames() {
  CurFileName.clear();
  CurShortName.clear();
}

struct ReadResult {
  std::optional<Crossword> crossword;  // set on success
  std::string error;                   // one line, set on failure
};

// Decodes a whole file's bytes. Refuses dimensions outside 1..100 and bodies that end early;
// bytes after the last cell are ignored.
ReadResult decodeCrossword(std::span<const std::uint8_t> bytes);
// Opens the file for reading only and decodes it.
ReadResult readCrosswordFile(const std::string& path);

std::vector<std::uint8_t> encodeCrossword(const Crossword& crossword);
// Writes atomically; returns the error text on failure (the old file, if any, is left whole).
std::optional<std::string> writeCrosswordFile(const std::string& path, const Crossword& crossword);

// Reads the file into `field` and makes it current: the process-wide dimensions, CurFileName and
// CurShortName follow. On failure nothing changes. True on success.
bool LoadSelfFormat(const std::string& path, Crossword& field);

// Writes `field` to CurFileName; on success empties the undo history and clears Modified.
// Returns the error text on failure, with nothing else changed.
std::optional<std::string> SaveProcess(Crossword& field);

// The caption suffix for a path: " (" + file name without directories and without its last four
// characters + ")".
std::string ShortName(const std::string& path);

}  // namespace jcw
