// Fuzzes the webpbn XML reader: any text either is refused or reads to a crossword that the
// writer puts back into XML reading to the same crossword; its SVG drawing is well-formed.
#include <pugixml.hpp>

#include <cstdint>
#include <cstdlib>

#include "files/CrosswordFile.h"
#include "files/SvgPicture.h"
#include "files/WebpbnFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::Result<jcw::Crossword> first =
      jcw::decodeWebpbn({reinterpret_cast<const char*>(data), size});
  if (!first) return 0;
  const jcw::Result<jcw::Crossword> second = jcw::decodeWebpbn(jcw::encodeWebpbn(*first, "t"));
  if (!second || first->MarkedCount != 0 ||
      jcw::encodeCrossword(*second) != jcw::encodeCrossword(*first))
    std::abort();
  pugi::xml_document svg;
  if (!svg.load_string(jcw::encodeSvg(*first, "t").c_str())) std::abort();
  return 0;
}
