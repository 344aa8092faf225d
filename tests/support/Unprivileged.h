#pragma once
// Running a piece of a test as a user whom file permissions bind. Root may write any file, so
// where the suite runs as root the piece runs in a forked child that has given root up for the
// user nobody; elsewhere it runs in a forked child as the current user. The child's verdict
// comes back as its exit status.

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace jcw::test {

struct Account {
  uid_t uid;
  gid_t gid;
};

// nobody when the process is root, the current user otherwise; nothing when root has no nobody.
inline std::optional<Account> unprivilegedAccount() {
  if (::geteuid() != 0) return Account{::geteuid(), ::getegid()};
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr || nobody->pw_uid == 0) return std::nullopt;
  return Account{nobody->pw_uid, nobody->pw_gid};
}

// Makes `path` the account's, so that it may write there (only root can; others own it already).
inline bool handOver(const std::filesystem::path& path, const Account& account) {
  return ::geteuid() != 0 || ::chown(path.c_str(), account.uid, account.gid) == 0;
}

// Runs `body` as `account` in a forked child; its return value (0..254) is the child's exit
// status and is returned here. 255: the child could not become the account or died.
inline int runAs(const Account& account, const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return 255;
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(account.gid) != 0 || ::setuid(account.uid) != 0))
      ::_exit(255);
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 255;
  return WEXITSTATUS(status);
}

}  // namespace jcw::test
