#pragma once
// Key events of X11 and Wayland as the virtual-key codes the field decides on
// (field/VirtualKeys.h). Such an event carries the key's XKB keycode, fixed by the physical key
// (the Linux input code + 8), and the keysym that the active layout and Shift give it.
//
// Virtual keys follow the physical key as Windows assigns them: a letter key has the code of the
// Latin letter its layout types there, and under a layout without Latin letters (Russian) the
// code of the US key in the same place; the digit row is 0 .. 9 whatever Shift or the layout
// make of it. So a keysym that names its key (a Latin letter, a digit, the keypad's digits, the
// editing, arrow and function keys) decides; any other keysym (Cyrillic, or what Shift puts on
// a digit) gives way to the keycode's place on the US keyboard. Pure.

namespace jcw {

struct XkbKey {
  unsigned keycode = 0;  // QKeyEvent::nativeScanCode on X11 and Wayland
  unsigned keysym = 0;   // QKeyEvent::nativeVirtualKey there
};

// vk::kNone for keys the program has no code for (punctuation, the keypad's keys without Num
// Lock but its arrows).
int virtualKeyOf(const XkbKey& key);

}  // namespace jcw
