#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/UiLanguage.h"

namespace jcw {
namespace {

using Environment = std::map<std::string, std::string>;

UiLanguage languageIn(const Environment& environment) {
  return uiLanguageOf([&environment](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  });
}

TEST(UiLanguage, EnglishOnlyWhenTheMessagesLocaleOrLanguageAsksForIt) {
  constexpr UiLanguage ru = UiLanguage::Russian, en = UiLanguage::English;
  const struct {
    Environment environment;
    UiLanguage expected;
  } cases[] = {
      {{}, ru},
      {{{"LANG", "C.UTF-8"}}, ru},
      {{{"LANG", "C"}}, ru},
      {{{"LANG", "POSIX"}}, ru},
      {{{"LANG", "ru_RU.UTF-8"}}, ru},
      {{{"LANG", "en_US.UTF-8"}}, en},
      {{{"LANG", "en"}}, en},
      {{{"LANG", "de_DE.UTF-8"}}, ru},
      {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, en},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, ru},
      {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "C.UTF-8"}}, ru},
      {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", ""}}, en},
      {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en_US:ru"}}, en},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}, ru},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", ""}}, en},
      // Under the C locale gettext reads no LANGUAGE, and neither does the program.
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, ru},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& [name, value] : c.environment) shown += name + "=" + value + " ";
    EXPECT_EQ(languageIn(c.environment), c.expected) << shown;
  }
}

}  // namespace
}  // namespace jcw
