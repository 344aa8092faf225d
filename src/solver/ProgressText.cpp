#include "solver/ProgressText.h"

#include <algorithm>

namespace jcw {

std::string progressText(long long nodes, long long conflicts, long long elapsedMs) {
  std::string text = "Узлов поиска: " + std::to_string(nodes);
  if (conflicts > 0) text += ", конфликтов: " + std::to_string(conflicts);
  const long long tenths = std::max(elapsedMs, 0LL) / 100;
  return text + "\nПрошло: " + std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) +
         " с";
}

}  // namespace jcw
