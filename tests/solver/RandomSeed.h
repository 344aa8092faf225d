#pragma once
// The seed of a randomized solver test: JCW_SOLVER_SEED when set, else a fresh one. It is printed
// so that a failure can be repeated.

#include <cstdlib>
#include <iostream>
#include <random>

namespace jcw::test {

inline unsigned solverSeed() {
  const char* fixed = std::getenv("JCW_SOLVER_SEED");
  const unsigned seed = fixed ? static_cast<unsigned>(std::strtoul(fixed, nullptr, 10))
                              : std::random_device{}();
  std::cout << "random seed " << seed << " (set JCW_SOLVER_SEED to repeat)\n";
  return seed;
}

}  // namespace jcw::test
