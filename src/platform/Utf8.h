#pragma once
// Counting and cutting UTF-8 text by characters (code points) rather than bytes, so that a cut
// never leaves half a character. Bytes that are not valid UTF-8 count as characters of their own
// unless they are continuation bytes, which belong to the character before them.

#include <cstddef>
#include <string_view>

namespace jcw {

std::size_t characterCount(std::string_view text);
// `text` without its last `count` characters; empty when it has no more than that.
std::string_view dropLastCharacters(std::string_view text, std::size_t count);
// The longest start of `text` of at most `bytes` bytes that ends on a character boundary.
std::string_view prefixWithin(std::string_view text, std::size_t bytes);

}  // namespace jcw
