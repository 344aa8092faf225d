#pragma once
// Whether a process still runs: what tells a crashed program's leftovers from a running one's.

namespace jcw {

// True iff a process with id `pid` (> 0) exists, whoever owns it.
bool processAlive(int pid);
// This process's id.
int currentProcessId();

}  // namespace jcw
