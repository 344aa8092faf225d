#include "startup/HotKeys.h"

#include "field/VirtualKeys.h"

namespace jcw {

namespace {

HotKey cyrillicHotKey(char32_t character) {
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

bool isLatinLetter(char32_t character) {
  return (character >= U'a' && character <= U'z') || (character >= U'A' && character <= U'Z');
}

HotKey hotKeyInCyrillicPlace(int virtualKey) {
  switch (virtualKey) {
    case vk::letter('D'): return HotKey::Exit;
    case vk::letter('P'): return HotKey::Load;
    case vk::letter('J'): return HotKey::Ok;
    default: return HotKey::None;
  }
}

}  // namespace

HotKey hotKeyFor(char32_t character, const KeyInput& key) {
  if (key.ctrl || key.alt) return HotKey::None;
  if (isLatinLetter(character)) return hotKeyInCyrillicPlace(key.virtualKey);
  return cyrillicHotKey(character);
}

}  // namespace jcw
