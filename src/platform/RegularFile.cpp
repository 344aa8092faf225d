#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/SystemError.h"

namespace jcw {

std::string notRegularReason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "это каталог, а не файл";
  if (S_ISFIFO(mode)) return "это именованный канал, а не обычный файл";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "это устройство, а не обычный файл";
  return "это не обычный файл";
}

Result<FileDescriptor> openRegularFile(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return openError(file, systemReason(errno));
  if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
    return openError(file, reason);
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) return openError(file, systemReason(errno));
  if (::fstat(fd.get(), &status) != 0) return openError(file, systemReason(errno));
  if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
    return openError(file, reason);
  return fd;
}

Result<std::string> readRegularFile(const std::filesystem::path& file, std::size_t limit) {
  Result<FileDescriptor> fd = openRegularFile(file);
  if (!fd) return Error{fd.error()};
  std::string bytes(limit, '\0');
  std::size_t filled = 0;
  while (filled < limit) {
    const ssize_t n = ::read(fd->get(), bytes.data() + filled, limit - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return readError(file, systemReason(errno));
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace jcw
