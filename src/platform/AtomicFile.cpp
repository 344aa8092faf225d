#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace jcw {

namespace fs = std::filesystem;

namespace {

std::string failure(const fs::path& target, const std::string& reason) {
  return "cannot write " + target.string() + ": " + reason;
}

// Writes everything and flushes it to the disk; false with errno set on failure.
bool writeAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return ::fsync(fd) == 0;
}

}  // namespace

std::optional<std::string> writeFileAtomically(const fs::path& target, std::string_view contents,
                                               MissingDirectories directories) {
  std::error_code ec;
  if (directories == MissingDirectories::Create && target.has_parent_path())
    fs::create_directories(target.parent_path(), ec);
  if (ec) return failure(target, ec.message());
  if (fs::is_directory(target, ec)) return failure(target, "is a directory");

  fs::path temp = target;
  temp += ".tmp-" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failure(target, std::strerror(errno));
  const bool written = writeAll(fd, contents);
  const int writeErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    fs::remove(temp, ec);
    return failure(target, std::strerror(written ? errno : writeErrno));
  }
  const fs::file_status old = fs::status(target, ec);
  if (fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return failure(target, ec.message());
  }
  return std::nullopt;
}

}  // namespace jcw
