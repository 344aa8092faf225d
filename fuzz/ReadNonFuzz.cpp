// Fuzzes the .non reader and writer.
#include "ReadBack.h"
#include "files/NonFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkReadBack(data, size, jcw::decodeNon, jcw::encodeNon);
  return 0;
}
