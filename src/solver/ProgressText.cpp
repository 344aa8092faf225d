#include "solver/ProgressText.h"

#include <algorithm>

namespace jcw {

std::string progressText(int cellsDecided, int cellCount, long long elapsedMs) {
  const long long percent =
      cellCount > 0 ? std::clamp(100LL * cellsDecided / cellCount, 0LL, 100LL) : 0;
  const long long tenths = std::max(elapsedMs, 0LL) / 100;
  return "Решено клеток: " + std::to_string(percent) + "%\nПрошло: " +
         std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " с";
}

}  // namespace jcw
