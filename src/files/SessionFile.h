#pragma once
// The session file: the work of one window kept for a restart after a crash, in our own
// versioned binary format. It holds the crossword (its .jcw bytes and whether clues were typed
// since the save), the current file's name and format, the whole history with its position,
// saved position and checkpoints, and the view's cell size. The reader is strict: any byte that
// does not fit (a wrong signature or version, a length past the end, a cell outside the
// picture, a history that does not lead to the stored marks, bytes after the end) refuses the
// whole file.
//
// Layout, integers little-endian:
//   "JCWSESSION" (10 bytes), version (1 byte, 1)
//   file name: length (u16) and UTF-8 bytes; format (u8: 0 none, 1 .jcw, 2 .non, 3 webpbn XML)
//   cell size (u16), clues typed since the save (u8: 0 or 1)
//   crossword: length (u32) and its .jcw bytes
//   steps: count (u32), each a count of changes (u32) and per change x, y, before, after (u8 each)
//   position (u32), saved position + 1 (u32, 0 for none), checkpoints: count (u32) and each (u32)

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/Crossword.h"
#include "platform/Result.h"

namespace jcw {

enum class SessionFormat : std::uint8_t { None = 0, Jcw = 1, Non = 2, Webpbn = 3 };

struct Session {
  Crossword crossword;  // with its history and Modified
  std::string fileName;  // CurFileName; empty for none
  SessionFormat format = SessionFormat::None;
  int cellSize = 0;
};

// The format of the current file by its name's extension; None for no name or another format.
SessionFormat sessionFormatOf(const std::string& fileName);

std::vector<std::uint8_t> encodeSession(const Session& session);
Result<Session> decodeSession(std::span<const std::uint8_t> bytes);

// Atomically, creating the directories. Errors name the file.
Result<void> writeSessionFile(const std::filesystem::path& path, const Session& session);
Result<Session> readSessionFile(const std::filesystem::path& path);

}  // namespace jcw
