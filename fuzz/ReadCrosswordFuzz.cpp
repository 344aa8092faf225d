// Fuzzes the crossword reader: any bytes either fail to decode or decode to a crossword that
// encodes to a file which decodes to the same crossword.
#include <cstdint>
#include <cstdlib>

#include "files/CrosswordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::ReadResult first = jcw::decodeCrossword({data, size});
  if (!first.crossword) return 0;
  const auto bytes = jcw::encodeCrossword(*first.crossword);
  const jcw::ReadResult second = jcw::decodeCrossword(bytes);
  if (!second.crossword || jcw::encodeCrossword(*second.crossword) != bytes ||
      second.crossword->MarkedCount != second.crossword->countMarked())
    std::abort();
  return 0;
}
