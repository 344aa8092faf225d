#pragma once
// Reading and writing .jcw crossword files, and the names of the current crossword file.
//
// A read never changes anything until the whole file has been read: it fills a fresh model and
// the caller takes it only on success; only regular files are read. A write replaces the file
// atomically (platform/AtomicFile.h), so a failed save leaves the old file whole. Errors are one
// line in Russian with the file's name and the reason.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

// The full path of the current crossword file, empty for none; and its caption suffix.
inline std::string CurFileName;
inline std::string CurShortName;
// Back to no current file.
inline void resetFileNames() {
  CurFileName.clear();
  CurShortName.clear();
}

// Decodes a whole file's bytes. Refuses dimensions outside 1..100 and bodies that end early (the
// error names what is wrong, without a file name); bytes after the last cell are ignored.
Result<Crossword> decodeCrossword(std::span<const std::uint8_t> bytes);
// Reads the regular file for reading only and decodes it.
Result<Crossword> readCrosswordFile(const std::string& path);

std::vector<std::uint8_t> encodeCrossword(const Crossword& crossword);
// Writes atomically; on failure the old file, if any, is left whole.
Result<void> writeCrosswordFile(const std::string& path, const Crossword& crossword);

// Reads the file into `field` and makes it current: the process-wide dimensions, CurFileName and
// CurShortName follow. On failure nothing changes and the error says why.
Result<void> LoadSelfFormat(const std::string& path, Crossword& field);
// The load's last step for a crossword read from `path` in any format: it becomes the field, its
// dimensions the process-wide ones, and `path` the current file.
void adoptCrossword(Crossword crossword, const std::string& path, Crossword& field);

// Writes `field` to CurFileName; on success the field counts as saved at its present history
// position (markSaved). On failure nothing else changes.
Result<void> SaveProcess(Crossword& field);

// The caption suffix for a path: " (" + file name without directories and without its last four
// characters + ")", or the whole name when it has fewer than four. Counts UTF-8 characters.
std::string ShortName(const std::string& path);
// The caption suffix of the window holding `crossword`: " (" + its title + ")" when it has one,
// else CurShortName.
std::string captionName(const Crossword& crossword);

}  // namespace jcw
