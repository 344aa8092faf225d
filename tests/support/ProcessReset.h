#pragma once
// Puts every area's process-wide state back to its start value; tests call it between cases.

namespace jcw {

void resetProcessState();

}  // namespace jcw
