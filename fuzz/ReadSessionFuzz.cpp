// Fuzzes the session reader: any bytes either fail to decode or decode to a session that encodes
// to bytes which decode to the same session.
#include <cstdint>
#include <cstdlib>

#include "files/SessionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::Result<jcw::Session> first = jcw::decodeSession({data, size});
  if (!first) return 0;
  const auto bytes = jcw::encodeSession(*first);
  const jcw::Result<jcw::Session> second = jcw::decodeSession(bytes);
  if (!second || jcw::encodeSession(*second) != bytes ||
      second->crossword.MarkedCount != second->crossword.countMarked())
    std::abort();
  return 0;
}
