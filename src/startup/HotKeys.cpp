#include "startup/HotKeys.h"

namespace jcw {

HotKey hotKeyFor(char32_t character) {
  switch (character) {
    case U'В':
    case U'в': return HotKey::Exit;
    case U'З':
    case U'з': return HotKey::Load;
    case U'О':
    case U'о': return HotKey::Ok;
    default: return HotKey::None;
  }
}

}  // namespace jcw
