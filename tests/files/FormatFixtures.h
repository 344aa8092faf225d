#pragma once
// Fixtures shared by the puzzle format tests.

#include <cstdint>
#include <string>
#include <vector>

#include "files/CrosswordFile.h"
#include "platform/Result.h"

namespace jcw::test {

// A 3 x 3 picture with rows 1 1 / none / 3 and columns 1 1 / 1 / 1 1, as .jcw bytes with the
// smallest headers: row clues right-aligned, column clues bottom-aligned, no marks.
inline const std::vector<std::uint8_t> kThreeByThreeJcw{
    3,    3,    2,    2,                     // columns, rows, header columns, header rows
    0xC8, 0xC8, 1,    0,    0,               // x = 1: corner, corner, row clues
    0xC8, 0xC8, 1,    0,    3,               // x = 2
    1,    1,    0xC8, 0xC8, 0xC8,            // first picture column
    0,    1,    0xC8, 0xC8, 0xC8,            // second
    1,    1,    0xC8, 0xC8, 0xC8};           // third

// The .jcw bytes of a read crossword, or its error text, so one comparison checks either.
inline std::string jcwBytesOr(const Result<Crossword>& read) {
  if (!read) return "error: " + read.error();
  const std::vector<std::uint8_t> bytes = encodeCrossword(*read);
  return std::string(bytes.begin(), bytes.end());
}

inline std::string asText(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace jcw::test
