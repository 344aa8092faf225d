#include <gtest/gtest.h>

#include "startup/HotKeys.h"

namespace jcw {
namespace {

TEST(HotKeys, CyrillicLettersOfBothCasesChooseTheirCommand) {
  const struct {
    char32_t character;
    HotKey key;
  } cases[] = {
      {U'В', HotKey::Exit}, {U'в', HotKey::Exit}, {U'З', HotKey::Load}, {U'з', HotKey::Load},
      {U'О', HotKey::Ok},   {U'о', HotKey::Ok},   {U'O', HotKey::None}, {U'o', HotKey::None},
      {U'B', HotKey::None}, {U'3', HotKey::None}, {U'Ж', HotKey::None}, {U'\r', HotKey::None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hotKeyFor(c.character), c.key) << static_cast<unsigned>(c.character);
}

}  // namespace
}  // namespace jcw
