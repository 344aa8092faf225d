#pragma once
// How long solver work learns that it should stop: a check the caller passes in, asked between
// steps. The program's checks read its Escape flag; a check may be called from whatever thread
// runs the work, so one that reads shared state must read it safely (an atomic).

#include <functional>

namespace jcw {

// True when the work should stop. An empty check never stops it.
using CancelCheck = std::function<bool()>;

inline bool cancelled(const CancelCheck& check) { return check && check(); }

}  // namespace jcw
