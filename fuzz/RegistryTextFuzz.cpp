// Fuzzes the registry text reader: any text is either refused whole or read into keys that the
// writer formats to a text reading back to the same keys, with nothing refused the second time.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const jcw::Hive hive : {jcw::Hive::CurrentUser, jcw::Hive::ClassesRoot}) {
    const jcw::Result<jcw::ParsedHive> first = jcw::parseRegistryText(text, hive);
    if (!first) continue;
    const std::string written = jcw::formatRegistryText(first->keys, hive);
    const jcw::Result<jcw::ParsedHive> second = jcw::parseRegistryText(written, hive);
    if (!second || second->keys != first->keys || !second->refused.empty() ||
        jcw::formatRegistryText(second->keys, hive) != written)
      std::abort();
  }
  return 0;
}
