#pragma once
// Small pieces the puzzle text readers share: lines with their numbers, words, numbers, and
// how a piece of a file is quoted in a message.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace jcw {

struct TextLine {
  int number = 0;         // from 1
  std::string_view text;  // without its line end and surrounding blanks
};

// Lines ending in LF, CR LF or CR; a leading UTF-8 byte order mark is skipped. A final line end
// does not start another line.
std::vector<TextLine> textLines(std::string_view text);

// Without the blanks (line ends included) around it.
std::string_view trimmed(std::string_view text);
bool isAsciiLetter(char c);
std::string asciiLower(std::string_view text);
// The first word and the rest, trimmed.
std::pair<std::string_view, std::string_view> splitFirstWord(std::string_view text);
// The text inside one pair of surrounding double quotes, else the text itself.
std::string_view unquoted(std::string_view text);

// The value of one or more ASCII digits; none for anything else. Values above 9999 read as
// 9999, so no length of digits overflows.
std::optional<int> decimalNumber(std::string_view text);
// The words of a clue line: separated by commas, blanks or both.
std::vector<std::string_view> clueTokens(std::string_view line);

// A piece of a file for a message: in «» when it is short printable ASCII, else «…».
std::string shown(std::string_view piece);
// A title fit for any format: control characters, double quotes and bytes that are not UTF-8
// dropped.
std::string printableTitle(std::string_view title);

}  // namespace jcw
