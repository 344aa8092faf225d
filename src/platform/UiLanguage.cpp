#include "platform/UiLanguage.h"

#include <cstdlib>
#include <string>

namespace jcw {

namespace {

std::string_view valueOf(const EnvironmentLookup& lookup, const char* name) {
  const char* value = lookup(name);
  return value ? std::string_view(value) : std::string_view();
}

// The messages locale: the first of the variables that is set and not empty.
std::string_view messagesLocale(const EnvironmentLookup& lookup) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const std::string_view value = valueOf(lookup, name); !value.empty()) return value;
  return {};
}

bool isPlainLocale(std::string_view locale) {
  return locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX";
}

}  // namespace

UiLanguage uiLanguageOf(const EnvironmentLookup& lookup) {
  const std::string_view locale = messagesLocale(lookup);
  if (isPlainLocale(locale)) return UiLanguage::Russian;
  const std::string_view languages = valueOf(lookup, "LANGUAGE");
  const std::string_view chosen =
      languages.empty() ? locale : languages.substr(0, languages.find(':'));
  return chosen.starts_with("en") ? UiLanguage::English : UiLanguage::Russian;
}

UiLanguage uiLanguage() {
  return uiLanguageOf([](const char* name) { return std::getenv(name); });
}

}  // namespace jcw
