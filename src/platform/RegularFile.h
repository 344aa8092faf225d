#pragma once
// Reading only regular files. A FIFO, a device, a socket or a directory is refused at once: the
// name is looked at before it is opened, and it is opened without blocking and looked at again
// through the descriptor, so that swapping the name in between cannot make a read wait forever.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/FileDescriptor.h"
#include "platform/Result.h"

namespace jcw {

// Why a file of `mode` (st_mode) is not read or written over, in Russian; "" for a regular file.
std::string notRegularReason(mode_t mode);

// The regular file, open for reading. Error: "Не удалось открыть файл …: …".
Result<FileDescriptor> openRegularFile(const std::filesystem::path& file);

// The first `limit` bytes of the regular file (all of it when it is shorter). Errors: "Не удалось
// открыть файл …: …" or "Не удалось прочитать файл …: …".
Result<std::string> readRegularFile(const std::filesystem::path& file, std::size_t limit);

}  // namespace jcw
