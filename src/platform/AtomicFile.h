#pragma once
// Replacing a whole file so that a reader sees either the old or the new contents, never a mix,
// by the rules of a careful desktop program (those of Qt's QSaveFile):
// - an existing file that the process may not write is refused, and stays as it was;
// - a symbolic link is followed: the link stays, and its target gets the bytes;
// - the file keeps its permission bits, and its owner and group where the process may set them;
// - the bytes go to a temporary file beside the file, renamed over it once they are all on the
//   disk; when the directory lets no temporary file be made but the file itself may be written,
//   the file is rewritten in place instead: the room for the new bytes is reserved first (the
//   file-size limit checked, the disk space allocated), and a write that still fails puts the
//   old bytes back;
// - whatever fails (a full disk, the file-size limit, ...), no temporary file is left behind.
// One thread at a time per target.

#include <filesystem>
#include <string_view>

#include "platform/Result.h"

namespace jcw {

enum class MissingDirectories { Fail, Create };

// Writes `contents` to `target`. Error: "Не удалось сохранить файл …: …".
Result<void> writeFileAtomically(const std::filesystem::path& target, std::string_view contents,
                                 MissingDirectories directories = MissingDirectories::Fail);

// Makes a write past the file-size limit fail (EFBIG) instead of ending the process with SIGXFSZ.
// Programs call it once at start.
void ignoreFileSizeSignal();

}  // namespace jcw
