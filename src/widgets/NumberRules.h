#pragma once
// The pure rules of the numeric edit box TEditNumKt: which typed characters it takes, how its
// text converts to a number and back, the bounds and one step. The widget supplies the locale's
// decimal separator.

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace jcw {

enum class TFilter { fltNatural, fltInteger, fltPositivReal, fltReal };

// One bit per character code 0..255.
using CharSet = std::bitset<256>;

// Backspace and "+" always; then digits, "-" for the integer filters' negative one, "," and "."
// for the real ones.
CharSet filterCharSet(TFilter filter);

// What a character typed into `text` becomes: the character to insert, or nothing when it is
// discarded. Characters outside `allowed` go; into a non-empty text "+" and "-" go in only at the
// very start (`caretAtStart`: the caret, or the selection's start, is at 0); "," and "." become
// `separator`, once.
std::optional<char> acceptTyped(const CharSet& allowed, char32_t typed, std::string_view text,
                                bool caretAtStart, char separator);

// `value` within [min, max] when max > min; unbounded otherwise.
double boundedValue(double value, double min, double max);

// The number of `text` as the locale converts it: blanks around it, a sign, digits with at most
// one `separator`, an exponent. Nothing for text that is no number (a lone "+") or too large.
std::optional<double> parseNumber(std::string_view text, char separator);
// The conversion error for such a text: '<text>' is not a valid floating point value.
std::string conversionError(std::string_view text);

// Fixed-point text with `precision` decimals, rounded half away from zero on the value's first 15
// significant digits (the digits past them show as 0). Values of 1E15 and more are written with
// an exponent. `value` must be finite.
std::string formatNumber(double value, int precision, char separator);

// `current` one `step` up or down; nothing when the result is negative and `allowed` has no "-".
std::optional<double> steppedValue(double current, double step, bool up, const CharSet& allowed);

}  // namespace jcw
