// Fuzzes the clipboard's clue-list reader: text either is refused or reads to lists whose plain
// form reads back to the same lists.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/ClueListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const jcw::Result<jcw::ClueLists> first =
      jcw::readClueListText({reinterpret_cast<const char*>(data), size});
  if (!first) return 0;
  const jcw::Result<jcw::ClueLists> second = jcw::readClueListText(jcw::clueListText(*first));
  if (!second || *second != *first) std::abort();
  return 0;
}
