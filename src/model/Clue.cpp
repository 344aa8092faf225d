#include "model/Clue.h"

namespace jcw {

int clueValue(std::string_view text) {
  constexpr int kCeiling = 1'000'000;
  int value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') break;
    value = value * 10 + (ch - '0');
    if (value > kCeiling) return kCeiling;
  }
  return value;
}

std::string normalizedClueText(std::string_view text) {
  const int value = clueValue(text);
  return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace jcw
