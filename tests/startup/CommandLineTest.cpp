#include <gtest/gtest.h>

#include "startup/CommandLine.h"

namespace jcw {
namespace {

TEST(CommandLine, OnlyTheFirstArgumentAsksForHelpOrVersion) {
  const struct {
    std::vector<std::string_view> arguments;
    StartRequest expected;
  } cases[] = {
      {{}, StartRequest::Run},
      {{"heart.jcw"}, StartRequest::Run},
      {{"--help"}, StartRequest::Help},
      {{"-h"}, StartRequest::Help},
      {{"--version"}, StartRequest::Version},
      {{"--version", "--help"}, StartRequest::Version},
      {{"heart.jcw", "--help"}, StartRequest::Run},
      {{"--helpful.jcw"}, StartRequest::Run},
  };
  for (const auto& c : cases)
    EXPECT_EQ(startRequestOf(c.arguments), c.expected) << testing::PrintToString(c.arguments);
}

TEST(CommandLine, TheHelpListsTheFormsAndTheKeysInEitherLanguage) {
  const struct {
    UiLanguage language;
    const char* firstLine;
    const char* spaceLine;
  } cases[] = {
      {UiLanguage::Russian, "Использование: jcw [ФАЙЛ]\n", "\n  Пробел         цифровой крест\n"},
      {UiLanguage::English, "Usage: jcw [FILE]\n", "\n  Space          digital cross\n"},
  };
  for (const auto& c : cases) {
    const std::string help = helpText(c.language);
    EXPECT_TRUE(help.starts_with(c.firstLine)) << help;
    EXPECT_NE(help.find(c.spaceLine), std::string::npos) << help;
    for (const char* key : {"F2", "F3", "Ctrl+N", "Ctrl+P", "Ctrl+Del", "F4", "F7", "F8", "F9", "M",
                            "Alt+Backspace", "Escape"})
      EXPECT_NE(help.find(std::string("\n  ") + key + " "), std::string::npos) << key;
  }
  EXPECT_EQ(versionText("jcw"), "jcw 1.0\n");
}

}  // namespace
}  // namespace jcw
