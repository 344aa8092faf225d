#include "solver/LineAutomaton.h"

namespace jcw {

LineAutomaton automatonOf(std::span<const std::uint8_t> sizes) {
  LineAutomaton a;
  for (std::uint8_t size : sizes) {
    if (size > 0) {
      a.loop.resize(a.filled.size() + 1, false);
      a.loop.back() = true;
      a.filled.insert(a.filled.end(), size, true);
    }
    a.filled.push_back(false);
  }
  a.loop.resize(a.filled.size() + 1, false);
  a.loop.back() = true;
  return a;
}

}  // namespace jcw
