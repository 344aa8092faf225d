#pragma once
// The wait panel's account of a running search, so that a long wait shows that work goes on.

#include <string>

namespace jcw {

// Two lines: the search nodes entered, with the SAT solver's conflicts once it has met some, and
// the time since the search began in seconds with one decimal (rounded down), with a decimal
// comma: "Узлов поиска: 65, конфликтов: 1200\nПрошло: 2,4 с". Both counts grow while the search
// works, where a share of decided cells may stand still for minutes.
std::string progressText(long long nodes, long long conflicts, long long elapsedMs);

}  // namespace jcw
