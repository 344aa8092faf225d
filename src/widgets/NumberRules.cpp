#include "widgets/NumberRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace jcw {

namespace {

constexpr char kBackspace = '\b';
constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Moves past the digits at the start of `s`; how many there were.
std::size_t skipDigits(std::string_view& s) {
  std::size_t n = 0;
  while (n < s.size() && isDigit(s[n])) ++n;
  s.remove_prefix(n);
  return n;
}

// Adds one to the decimal digit string; false when it overflows (all nines).
bool incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

}  // namespace

CharSet filterCharSet(TFilter filter) {
  CharSet set;
  set.set(static_cast<unsigned char>(kBackspace));
  set.set('+');
  for (char c = '0'; c <= '9'; ++c) set.set(static_cast<unsigned char>(c));
  if (filter == TFilter::fltInteger || filter == TFilter::fltReal) set.set('-');
  if (filter == TFilter::fltPositivReal || filter == TFilter::fltReal) {
    set.set(',');
    set.set('.');
  }
  return set;
}

std::optional<char> acceptTyped(const CharSet& allowed, char32_t typed, std::string_view text,
                                bool caretAtStart, char separator) {
  if (typed >= allowed.size() || !allowed.test(typed)) return std::nullopt;
  const char c = static_cast<char>(typed);
  if (text.empty()) return c;
  if (c == '+' || c == '-') return caretAtStart ? std::optional(c) : std::nullopt;
  if (c == ',' || c == '.')
    return text.find(separator) == std::string_view::npos ? std::optional(separator) : std::nullopt;
  return c;
}

double boundedValue(double value, double min, double max) {
  if (max > min) {
    if (value > max) value = max;
    if (value < min) value = min;
  }
  return value;
}

std::optional<double> parseNumber(std::string_view text, char separator) {
  std::string_view rest = trimBlanks(text);
  std::string plain;  // the number as from_chars reads it
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    if (rest.front() == '-') plain += '-';
    rest.remove_prefix(1);
  }
  std::string_view digits = rest;
  std::size_t count = skipDigits(rest);
  plain += digits.substr(0, count);
  if (!rest.empty() && rest.front() == separator) {
    rest.remove_prefix(1);
    digits = rest;
    const std::size_t fraction = skipDigits(rest);
    plain += '.';
    plain += digits.substr(0, fraction);
    count += fraction;
  }
  if (count == 0) return std::nullopt;
  if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
    plain += 'e';
    rest.remove_prefix(1);
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
      plain += rest.front();
      rest.remove_prefix(1);
    }
    digits = rest;
    const std::size_t exponent = skipDigits(rest);
    if (exponent == 0) return std::nullopt;
    plain += digits.substr(0, exponent);
  }
  if (!rest.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::string conversionError(std::string_view text) {
  std::string message = "'";
  message.append(text).append("' is not a valid floating point value");
  return message;
}

std::string formatNumber(double value, int precision, char separator) {
  precision = std::max(precision, 0);
  char buffer[64];
  if (std::fabs(value) >= 1e15) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                   kSignificantDigits).ptr;
    std::string text(buffer, end);
    std::ranges::replace(text, '.', separator);
    return text;
  }
  // "-d.dddddddddddddde-xx": the first 15 significant digits and the exponent.
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                 kSignificantDigits - 1).ptr;
  const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
  const bool negative = scientific.front() == '-';
  const std::size_t mantissa = negative ? 1 : 0;
  const std::size_t e = scientific.find('e');
  std::string digits(1, scientific[mantissa]);
  digits.append(scientific.substr(mantissa + 2, e - mantissa - 2));
  int exponent = 0;
  std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), end, exponent);

  int integerDigits = exponent + 1;  // digits before the decimal point
  if (integerDigits < 1) {
    digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
    integerDigits = 1;
  }
  const auto kept = static_cast<std::size_t>(integerDigits + precision);
  if (kept < digits.size()) {
    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (roundUp && !incrementDigits(digits)) {
      digits.insert(0, 1, '1');
      ++integerDigits;
    }
  } else {
    digits.append(kept - digits.size(), '0');
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string text = (negative && !zero) ? "-" : "";
  text += digits.substr(0, static_cast<std::size_t>(integerDigits));
  if (precision > 0) text += separator + digits.substr(static_cast<std::size_t>(integerDigits));
  return text;
}

std::optional<double> steppedValue(double current, double step, bool up, const CharSet& allowed) {
  const double next = up ? current + step : current - step;
  if (next < 0 && !allowed.test('-')) return std::nullopt;
  return next;
}

}  // namespace jcw
