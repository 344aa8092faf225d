#pragma once
// Byte values of the .jcw crossword file: four dimension bytes (columns, rows, header columns,
// header rows), then one byte per table cell, column by column, indicators not stored.

#include <cstddef>
#include <cstdint>

namespace jcw::fileformat {

inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::uint8_t kClueMax = 199;     // 0 empty clue, 1..199 a clue number
inline constexpr std::uint8_t kStateBase = 200;   // 200 + picture state
inline constexpr std::uint8_t kStateMax = 202;    // 203..255 leave the cell unchanged

// Offsets of the dimension bytes.
inline constexpr std::size_t kColCountAt = 0;
inline constexpr std::size_t kRowCountAt = 1;
inline constexpr std::size_t kCapColCountAt = 2;
inline constexpr std::size_t kCapRowCountAt = 3;

}  // namespace jcw::fileformat
