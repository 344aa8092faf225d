#include "platform/Utf8.h"

namespace jcw {

namespace {

bool continuesCharacter(std::string_view text, std::size_t at) {
  return at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

}  // namespace

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++at) count += !continuesCharacter(text, at);
  return count;
}

std::string_view dropLastCharacters(std::string_view text, std::size_t count) {
  std::size_t end = text.size();
  for (; count > 0 && end > 0; --count)
    do --end;
    while (continuesCharacter(text, end));
  return count > 0 ? std::string_view() : text.substr(0, end);
}

std::string_view prefixWithin(std::string_view text, std::size_t bytes) {
  if (bytes >= text.size()) return text;
  std::size_t end = bytes;
  while (continuesCharacter(text, end)) --end;
  return text.substr(0, end);
}

}  // namespace jcw
