#pragma once
// The wait panel's account of a running search, so that a long wait shows that work goes on.

#include <string>

namespace jcw {

// Two lines: the share of the picture's cells decided at the node being searched (whole percent,
// rounded down, at most 100) and the time since the search began in seconds with one decimal
// (rounded down), with a decimal comma: "Решено клеток: 37%\nПрошло: 2,4 с". A picture of no
// cells counts as 0%.
std::string progressText(int cellsDecided, int cellCount, long long elapsedMs);

}  // namespace jcw
