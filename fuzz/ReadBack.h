#pragma once
// The property the text format fuzz targets check: text either is refused or reads to a crossword
// without marks that the format's writer puts back into text reading to the same crossword, with
// its title, author and notes written the same way again.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "files/CrosswordFile.h"
#include "platform/Result.h"

using Decode = jcw::Result<jcw::Crossword> (*)(std::string_view);
using Encode = std::string (*)(const jcw::Crossword&, const jcw::PuzzleInfo&);

// The crossword the input reads to, if any; aborts when the property fails.
inline std::optional<jcw::Crossword> checkReadBack(const std::uint8_t* data, std::size_t size,
                                                   Decode decode, Encode encode) {
  jcw::Result<jcw::Crossword> first = decode({reinterpret_cast<const char*>(data), size});
  if (!first) return std::nullopt;
  const std::string written = encode(*first, first->info);
  const jcw::Result<jcw::Crossword> second = decode(written);
  if (!second || first->MarkedCount != 0 || encode(*second, second->info) != written ||
      jcw::encodeCrossword(*second) != jcw::encodeCrossword(*first))
    std::abort();
  return std::move(*first);
}
