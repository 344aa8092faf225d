// Fuzzes the .non reader: any text either is refused or reads to a crossword that the writer
// puts back into text reading to the same crossword.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/CrosswordFile.h"
#include "files/NonFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::Result<jcw::Crossword> first =
      jcw::decodeNon({reinterpret_cast<const char*>(data), size});
  if (!first) return 0;
  const jcw::Result<jcw::Crossword> second = jcw::decodeNon(jcw::encodeNon(*first, "t"));
  if (!second || first->MarkedCount != 0 ||
      jcw::encodeCrossword(*second) != jcw::encodeCrossword(*first))
    std::abort();
  return 0;
}
