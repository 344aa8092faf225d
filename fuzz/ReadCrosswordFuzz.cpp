// Fuzzes the crossword reader: any bytes either fail to decode or decode to a crossword that
// encodes to a file which decodes to the same crossword.
#include <cstdint>
#include <cstdlib>

#include "files/CrosswordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::Result<jcw::Crossword> first = jcw::decodeCrossword({data, size});
  if (!first) return 0;
  const auto bytes = jcw::encodeCrossword(*first);
  const jcw::Result<jcw::Crossword> second = jcw::decodeCrossword(bytes);
  if (!second || jcw::encodeCrossword(*second) != bytes ||
      second->MarkedCount != second->countMarked())
    std::abort();
  return 0;
}
