#include <gtest/gtest.h>

#include "field/VirtualKeys.h"
#include "field/XkbKeys.h"

namespace jcw {
namespace {

// Keycodes and keysyms as Xvfb and Qt reported them for these presses (us and ru layouts).
struct Case {
  const char* name;
  unsigned keycode;
  unsigned keysym;
  int virtualKey;
};

const Case kCases[] = {
    {"M with the Latin layout", 58, 0x6d, vk::letter('M')},
    {"Shift+M", 58, 0x4d, vk::letter('M')},
    {"M's key with the Russian layout types ь", 58, 0x6d8, vk::letter('M')},
    {"and Ь with Shift", 58, 0x6f8, vk::letter('M')},
    {"Ctrl on N's key with the Russian layout (Т)", 57, 0x6d4, vk::letter('N')},
    {"В is D's key", 40, 0x6d7, vk::letter('D')},
    {"З is P's key", 33, 0x6da, vk::letter('P')},
    {"О is J's key", 44, 0x6cf, vk::letter('J')},
    {"Shift+1 types ! and is the digit 1", 10, 0x21, vk::k0 + 1},
    {"Russian Shift+3 types №", 12, 0x6b0, vk::k0 + 3},
    {"Shift+0 types )", 19, 0x29, vk::k0},
    {"a Latin layout's own letter wins over the US place (AZERTY a on Q's key)", 24, 0x61,
     vk::letter('A')},
    {"AZERTY & on the 1 key", 10, 0x26, vk::k0 + 1},
    {"keypad 1 with Num Lock", 87, 0xffb1, vk::kNumpad0 + 1},
    {"keypad 1 without Num Lock is End", 87, 0xff57, vk::kNone},
    {"keypad 4 without Num Lock is Left", 83, 0xff96, vk::kLeft},
    {"F9", 75, 0xffc6, vk::functionKey(9)},
    {"F25 has no code", 0, 0xffd6, vk::kNone},
    {"Backspace", 22, 0xff08, vk::kBack},
    {"keypad Enter", 104, 0xff8d, vk::kReturn},
    {"Escape", 9, 0xff1b, vk::kEscape},
    {"Delete", 119, 0xffff, vk::kDelete},
    {"ж on the semicolon's key", 47, 0x6d6, vk::kNone},
    {"ё left of the digits", 49, 0x6a3, vk::kNone},
    {"right Shift, past the rows", 62, 0xffe2, vk::kNone},
    {"nothing reported", 0, 0, vk::kNone},
};

TEST(XkbKeys, KeysGetTheVirtualKeyOfTheirPlaceWhateverTheLayoutTypes) {
  for (const Case& c : kCases)
    EXPECT_EQ(virtualKeyOf(XkbKey{c.keycode, c.keysym}), c.virtualKey) << c.name;
}

}  // namespace
}  // namespace jcw
