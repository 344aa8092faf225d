// Fuzzes the webpbn XML reader and writer; what reads is also drawn as well-formed SVG.
#include <pugixml.hpp>

#include "ReadBack.h"
#include "files/SvgPicture.h"
#include "files/WebpbnFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<jcw::Crossword> crossword =
      checkReadBack(data, size, jcw::decodeWebpbn, jcw::encodeWebpbn);
  pugi::xml_document svg;
  if (crossword && !svg.load_string(jcw::encodeSvg(*crossword, "t").c_str())) std::abort();
  return 0;
}
