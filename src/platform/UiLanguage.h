#pragma once
// The language the program speaks: Russian, its own, unless the user's messages locale asks for
// English. Read as gettext reads it: LC_ALL, else LC_MESSAGES, else LANG names the locale; under
// the C or POSIX locale (or none) the program stays Russian; otherwise the first entry of
// LANGUAGE, when set, else the locale decides, and English is any name starting with "en".

#include <functional>
#include <string_view>

namespace jcw {

enum class UiLanguage { Russian, English };

// A variable's value, or null when it is unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

UiLanguage uiLanguageOf(const EnvironmentLookup& lookup);
// From the process environment.
UiLanguage uiLanguage();

// One text in both languages, for the few places that show text without Qt's translations.
struct Phrase {
  std::string_view russian;
  std::string_view english;
  std::string_view in(UiLanguage language) const {
    return language == UiLanguage::English ? english : russian;
  }
};

}  // namespace jcw
