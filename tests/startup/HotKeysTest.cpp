#include <gtest/gtest.h>

#include "field/VirtualKeys.h"
#include "startup/HotKeys.h"

namespace jcw {
namespace {

constexpr int kD = vk::letter('D'), kP = vk::letter('P'), kJ = vk::letter('J');

TEST(HotKeys, CyrillicLettersAndTheirKeysUnderALatinLayoutChooseTheirCommand) {
  const struct {
    const char* name;
    char32_t character;
    KeyInput key;
    HotKey hotKey;
  } cases[] = {
      {"В", U'В', {kD}, HotKey::Exit},
      {"в", U'в', {kD}, HotKey::Exit},
      {"З", U'З', {kP}, HotKey::Load},
      {"з", U'з', {kP}, HotKey::Load},
      {"О", U'О', {kJ}, HotKey::Ok},
      {"о", U'о', {kJ}, HotKey::Ok},
      {"в typed on another key (a phonetic layout)", U'в', {vk::letter('W')}, HotKey::Exit},
      {"д on D's key (a phonetic layout) is no В", U'д', {kD}, HotKey::None},
      {"d under a Latin layout", U'd', {kD}, HotKey::Exit},
      {"P under a Latin layout", U'P', {kP}, HotKey::Load},
      {"j under a Latin layout", U'j', {kJ}, HotKey::Ok},
      {"the Latin O is not the Cyrillic О", U'o', {vk::letter('O')}, HotKey::None},
      {"a Latin B", U'B', {vk::letter('B')}, HotKey::None},
      {"Ctrl+в", U'в', {kD, true}, HotKey::None},
      {"Ctrl+D types a control character", U'\x04', {kD, true}, HotKey::None},
      {"Alt+d", U'd', {kD, false, false, true}, HotKey::None},
      {"a digit", U'3', {vk::k0 + 3}, HotKey::None},
      {"Ж", U'Ж', {vk::kNone}, HotKey::None},
      {"Enter", U'\r', {vk::kReturn}, HotKey::None},
  };
  for (const auto& c : cases) EXPECT_EQ(hotKeyFor(c.character, c.key), c.hotKey) << c.name;
}

}  // namespace
}  // namespace jcw
