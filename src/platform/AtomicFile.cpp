#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <random>
#include <string>

#include "platform/FileDescriptor.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"
#include "platform/Utf8.h"

namespace jcw {

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinks = 40;  // as the kernel's own limit before ELOOP
constexpr int kNameAttempts = 100;
constexpr std::size_t kRandomLength = 6;
constexpr long kDefaultNameMax = 255;

// The file a chain of symbolic links ends at (itself when it is none); it need not exist.
Result<fs::path> followLinks(const fs::path& target) {
  fs::path path = target;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return saveError(target, systemReason(ec.value()));
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return saveError(target, systemReason(ELOOP));
}

fs::path directoryOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The start of a hidden name beside `file`, leaving room within the directory's limit on name
// length for the random letters.
std::string temporaryPrefix(const fs::path& file) {
  long nameMax = ::pathconf(directoryOf(file).c_str(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = kDefaultNameMax;
  const std::size_t room = static_cast<std::size_t>(nameMax) - kRandomLength - 2;
  return "." + std::string(prefixWithin(file.filename().string(), room)) + ".";
}

std::string randomLetters(std::minstd_rand& random) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string letters;
  for (std::size_t i = 0; i < kRandomLength; ++i) letters += kLetters[pick(random)];
  return letters;
}

// A new temporary file beside the target; removed again unless kept().
class TemporaryFile {
 public:
  // Creates it with `mode` (before the umask); errno tells why when !valid().
  TemporaryFile(const fs::path& file, mode_t mode) {
    const fs::path directory = directoryOf(file);
    const std::string prefix = temporaryPrefix(file);
    std::minstd_rand random(std::random_device{}());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      path_ = directory / (prefix + randomLetters(random));
      fd_ = FileDescriptor(
          ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode));
      if (fd_.valid() || errno != EEXIST) break;
    }
    if (!fd_.valid()) path_.clear();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  bool valid() const { return fd_.valid(); }
  FileDescriptor& fd() { return fd_; }
  const fs::path& path() const { return path_; }
  void kept() { path_.clear(); }

 private:
  fs::path path_;
  FileDescriptor fd_;
};

// Writes everything; false with errno set on failure.
bool writeAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes from the start of the file, cuts it where the contents end, flushes it to the disk and
// closes it; false with errno set on failure.
bool writeAndClose(FileDescriptor& fd, std::string_view contents) {
  return ::lseek(fd.get(), 0, SEEK_SET) == 0 && writeAll(fd.get(), contents) &&
         ::ftruncate(fd.get(), static_cast<off_t>(contents.size())) == 0 &&
         ::fsync(fd.get()) == 0 && fd.close();
}

// The owner, group and permission bits of the replaced file. The owner and group only where the
// process may set them; the mode after them, since a change of owner clears set-id bits.
void copyOwnership(int fd, const struct stat& old) {
  [[maybe_unused]] const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
  [[maybe_unused]] const bool moded = ::fchmod(fd, old.st_mode & 07777) == 0;
}

void syncDirectory(const fs::path& directory) {
  const FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  [[maybe_unused]] const bool synced = fd.valid() && ::fsync(fd.get()) == 0;
}

// The whole file from its start; false with errno set on failure.
bool readAll(int fd, std::string& bytes) {
  bytes.clear();
  char buffer[1 << 14];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
    at += n;
  }
}

// 0, or why the file cannot grow to `size` bytes: the file-size limit, or no room on the disk.
// The room is taken now, so the writes that follow do not run out of it.
int reserveSpace(int fd, std::size_t size) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      size > limit.rlim_cur)
    return EFBIG;
  if (size == 0) return 0;
  const int reason = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
  // A file system that cannot reserve ahead still gets the write, as before.
  return reason == EOPNOTSUPP || reason == EINVAL ? 0 : reason;
}

// The file written where it stands: for a directory that lets no new file be made. Nothing is
// changed before the room for the new bytes is reserved, and a write that fails all the same
// puts the old bytes back.
Result<void> rewriteInPlace(const fs::path& target, const fs::path& file, std::string_view contents) {
  FileDescriptor fd(::open(file.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) return saveError(target, systemReason(errno));
  std::string old;
  if (!readAll(fd.get(), old)) return saveError(target, systemReason(errno));
  if (const int reason = reserveSpace(fd.get(), contents.size()); reason != 0) {
    [[maybe_unused]] const bool cut = ::ftruncate(fd.get(), static_cast<off_t>(old.size())) == 0;
    return saveError(target, systemReason(reason));
  }
  if (writeAndClose(fd, contents)) return {};
  const int reason = errno;
  if (fd.valid()) {
    [[maybe_unused]] const bool restored = writeAndClose(fd, old);
  }
  return saveError(target, systemReason(reason));
}

// Through a temporary file renamed over `file`; `old` is the file replaced, if any.
Result<void> replaceThroughTemporary(const fs::path& target, const fs::path& file,
                                     std::string_view contents, const struct stat* old) {
  TemporaryFile temp(file, old != nullptr ? S_IRUSR | S_IWUSR : 0666);
  if (!temp.valid()) {
    const int reason = errno;
    if (old != nullptr && (reason == EACCES || reason == EPERM))
      return rewriteInPlace(target, file, contents);
    return saveError(target, systemReason(reason));
  }
  if (old != nullptr) copyOwnership(temp.fd().get(), *old);
  if (!writeAndClose(temp.fd(), contents)) return saveError(target, systemReason(errno));
  if (::rename(temp.path().c_str(), file.c_str()) != 0) return saveError(target, systemReason(errno));
  temp.kept();
  syncDirectory(directoryOf(file));
  return {};
}

}  // namespace

Result<void> writeFileAtomically(const fs::path& target, std::string_view contents,
                                 MissingDirectories directories) {
  std::error_code ec;
  if (directories == MissingDirectories::Create && target.has_parent_path())
    fs::create_directories(target.parent_path(), ec);
  if (ec) return saveError(target, systemReason(ec.value()));

  const Result<fs::path> file = followLinks(target);
  if (!file) return Error{file.error()};
  struct stat old {};
  if (::stat(file->c_str(), &old) != 0) {
    if (errno != ENOENT) return saveError(target, systemReason(errno));
    return replaceThroughTemporary(target, *file, contents, nullptr);
  }
  if (const std::string reason = notRegularReason(old.st_mode); !reason.empty())
    return saveError(target, reason);
  if (::faccessat(AT_FDCWD, file->c_str(), W_OK, AT_EACCESS) != 0)
    return saveError(target, systemReason(errno));
  return replaceThroughTemporary(target, *file, contents, &old);
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace jcw
