#pragma once
// The start-up window's hot keys, seen before the focused control. Pure.

#include "field/KeyInput.h"

namespace jcw {

enum class HotKey { None, Exit, Load, Ok };

// В/в exit, З/з load, О/о (Cyrillic) OK, as typed. A key that types a Latin letter counts by its
// virtual key instead: D, P and J are the keys of В, З and О on the Russian layout, so the hot
// keys stay on the same keys under a Latin layout. Keys held with Ctrl or Alt do nothing.
HotKey hotKeyFor(char32_t character, const KeyInput& key);

}  // namespace jcw
