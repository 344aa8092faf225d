#include "field/XkbKeys.h"

#include <array>
#include <optional>
#include <string_view>

#include "field/VirtualKeys.h"

namespace jcw {

namespace {

// Keysyms (X11/keysymdef.h) that are the same on every layout.
constexpr unsigned kSymSpace = 0x20;
constexpr unsigned kSymPlus = 0x2b;
constexpr unsigned kSymMinus = 0x2d;
constexpr unsigned kSymDigit0 = 0x30;
constexpr unsigned kSymEqual = 0x3d;
constexpr unsigned kSymUpperA = 0x41;
constexpr unsigned kSymLowerA = 0x61;
constexpr unsigned kSymBackSpace = 0xff08;
constexpr unsigned kSymReturn = 0xff0d;
constexpr unsigned kSymEscape = 0xff1b;
constexpr unsigned kSymLeft = 0xff51;  // Left, Up, Right, Down in a row
constexpr unsigned kSymKeypadEnter = 0xff8d;
constexpr unsigned kSymKeypadLeft = 0xff96;  // the keypad's arrows without Num Lock, same order
constexpr unsigned kSymKeypadDelete = 0xff9f;
constexpr unsigned kSymKeypadAdd = 0xffab;
constexpr unsigned kSymKeypadSubtract = 0xffad;
constexpr unsigned kSymKeypad0 = 0xffb0;
constexpr unsigned kSymF1 = 0xffbe;  // F1 .. F35 in a row; virtual keys go to F24
constexpr unsigned kSymDelete = 0xffff;
constexpr unsigned kSymInsert = 0xff63;
constexpr unsigned kSymKeypadInsert = 0xff9e;

bool inRun(unsigned sym, unsigned first, unsigned count) {
  return sym >= first && sym < first + count;
}

int offset(unsigned sym, unsigned first) { return static_cast<int>(sym - first); }

std::optional<int> keyNamedBy(unsigned sym) {
  if (inRun(sym, kSymDigit0, 10)) return vk::k0 + offset(sym, kSymDigit0);
  if (inRun(sym, kSymUpperA, 26)) return vk::kA + offset(sym, kSymUpperA);
  if (inRun(sym, kSymLowerA, 26)) return vk::kA + offset(sym, kSymLowerA);
  if (inRun(sym, kSymKeypad0, 10)) return vk::kNumpad0 + offset(sym, kSymKeypad0);
  if (inRun(sym, kSymF1, 24)) return vk::kF1 + offset(sym, kSymF1);
  if (inRun(sym, kSymLeft, 4)) return vk::kLeft + offset(sym, kSymLeft);
  if (inRun(sym, kSymKeypadLeft, 4)) return vk::kLeft + offset(sym, kSymKeypadLeft);
  switch (sym) {
    case kSymSpace: return vk::kSpace;
    case kSymPlus:
    case kSymEqual: return vk::kOemPlus;
    case kSymMinus: return vk::kOemMinus;
    case kSymKeypadAdd: return vk::kAdd;
    case kSymKeypadSubtract: return vk::kSubtract;
    case kSymBackSpace: return vk::kBack;
    case kSymReturn:
    case kSymKeypadEnter: return vk::kReturn;
    case kSymEscape: return vk::kEscape;
    case kSymInsert:
    case kSymKeypadInsert: return vk::kInsert;
    case kSymDelete:
    case kSymKeypadDelete: return vk::kDelete;
    default: return std::nullopt;
  }
}

// The US keyboard's digit row and letter rows by XKB keycode: each row's first keycode and its
// keys, whose virtual-key codes are their ASCII codes.
struct KeyRow {
  unsigned firstKeycode;
  std::string_view keys;
};
constexpr std::array kUsRows{KeyRow{10, "1234567890"}, KeyRow{24, "QWERTYUIOP"},
                             KeyRow{38, "ASDFGHJKL"}, KeyRow{52, "ZXCVBNM"}};

// The two keys right of the digit row, whatever a layout puts on them.
constexpr unsigned kMinusKeycode = 20;
constexpr unsigned kEqualKeycode = 21;

int keyInUsPlace(unsigned keycode) {
  if (keycode == kMinusKeycode) return vk::kOemMinus;
  if (keycode == kEqualKeycode) return vk::kOemPlus;
  for (const KeyRow& row : kUsRows)
    if (keycode >= row.firstKeycode && keycode - row.firstKeycode < row.keys.size())
      return row.keys[keycode - row.firstKeycode];
  return vk::kNone;
}

}  // namespace

int virtualKeyOf(const XkbKey& key) {
  if (const std::optional<int> named = keyNamedBy(key.keysym)) return *named;
  return keyInUsPlace(key.keycode);
}

}  // namespace jcw
