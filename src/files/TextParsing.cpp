#include "files/TextParsing.h"

#include <algorithm>

namespace jcw {

namespace {
// Line ends count as blanks too: a text element may put its number on a line of its own.
constexpr std::string_view kBlanks = " \t\n\v\f\r";
constexpr std::string_view kClueSeparators = ", \t\v\f";
constexpr int kNumberCeiling = 9999;
constexpr std::size_t kShownLength = 16;

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0               ? 3
                             : lead >= 0xF0 && lead < 0xF5               ? 4
                                                                         : 0;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  return length;
}
}  // namespace

std::vector<TextLine> textLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<TextLine> lines;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back({number, trimmed(text.substr(0, end))});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
  }
  return lines;
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string asciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::pair<std::string_view, std::string_view> splitFirstWord(std::string_view text) {
  text = trimmed(text);
  const std::size_t end = text.find_first_of(kBlanks);
  if (end == std::string_view::npos) return {text, {}};
  return {text.substr(0, end), trimmed(text.substr(end))};
}

std::string_view unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

std::optional<int> decimalNumber(std::string_view text) {
  if (text.empty() || !std::ranges::all_of(text, isAsciiDigit)) return std::nullopt;
  int value = 0;
  for (char c : text) value = std::min(value * 10 + (c - '0'), kNumberCeiling);
  return value;
}

std::vector<std::string_view> clueTokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  while (true) {
    const std::size_t first = line.find_first_not_of(kClueSeparators);
    if (first == std::string_view::npos) return tokens;
    line.remove_prefix(first);
    const std::size_t end = std::min(line.find_first_of(kClueSeparators), line.size());
    tokens.push_back(line.substr(0, end));
    line.remove_prefix(end);
  }
}

std::string shown(std::string_view piece) {
  const bool printable = std::ranges::all_of(
      piece, [](char c) { return c >= 0x20 && c < 0x7F; });
  if (!printable || piece.size() > kShownLength) return "«…»";
  return "«" + std::string(piece) + "»";
}

std::string printableTitle(std::string_view title) {
  std::string clean;
  while (!title.empty()) {
    const std::size_t length = utf8SequenceLength(title);
    const auto first = static_cast<unsigned char>(title.front());
    if (length > 1 || (length == 1 && !isControl(first) && first != '"'))
      clean += title.substr(0, length);
    title.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return clean;
}

}  // namespace jcw
