#include "platform/ProcessAlive.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace jcw {

// Signal 0 only asks; EPERM means the process exists but belongs to another user.
bool processAlive(int pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

int currentProcessId() { return static_cast<int>(::getpid()); }

}  // namespace jcw
