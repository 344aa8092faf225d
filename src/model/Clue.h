#pragma once
// Clue texts: a clue cell holds empty text (no clue) or decimal digits.

#include <string>
#include <string_view>

namespace jcw {

// The leading decimal number of a clue text; 0 for empty text or text without leading digits.
// Saturates instead of overflowing on absurdly long digit strings.
int clueValue(std::string_view text);

// The text a cell keeps when the editor cursor leaves it: plain decimal without leading zeros,
// empty for 0 ("05" -> "5", "0" and "00" -> "").
std::string normalizedClueText(std::string_view text);

}  // namespace jcw
