#pragma once
// Keys as Windows virtual-key codes: the physical key, whatever the keyboard layout produces for
// it. The field decides on these codes; the Qt side translates its key events into them.

namespace jcw::vk {

inline constexpr int kNone = 0;  // a key the field has no code for
inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;  // Left, Up, Right, Down are 37 .. 40
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;       // '0' .. '9' are 48 .. 57
inline constexpr int kA = 65;       // 'A' .. 'Z' are 65 .. 90
inline constexpr int kNumpad0 = 96; // keypad 0 .. 9 are 96 .. 105
inline constexpr int kAdd = 107;       // keypad +
inline constexpr int kSubtract = 109;  // keypad -
inline constexpr int kF1 = 112;     // F1 .. F24 are 112 .. 135
inline constexpr int kOemPlus = 187;   // the = and + key right of the digit row
inline constexpr int kOemMinus = 189;  // the - key right of the digit row

inline constexpr int letter(char upper) { return kA + (upper - 'A'); }
inline constexpr int functionKey(int n) { return kF1 + n - 1; }

}  // namespace jcw::vk
