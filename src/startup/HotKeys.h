#pragma once
// The start-up window's Cyrillic hot keys, seen before the focused control. Pure.

namespace jcw {

enum class HotKey { None, Exit, Load, Ok };

// В/в exit, З/з load, О/о (Cyrillic) OK; every other character nothing.
HotKey hotKeyFor(char32_t character);

}  // namespace jcw
