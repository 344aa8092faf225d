#pragma once
// jcwtool's texts in the user's language (platform/UiLanguage.h): its usage, its help, and the
// test's verdicts, which the solver gives in Russian. Errors from the readers stay Russian.

#include <string>
#include <string_view>

#include "platform/UiLanguage.h"

namespace jcw {

// The command forms, for a wrong command line (on stderr) and to open the help.
std::string toolUsage(UiLanguage language);
// The usage, then what each command does.
std::string toolHelp(UiLanguage language);
// A verdict of the solver's testMessage, its line feed and carriage return as one line break,
// in `language`; any other text unchanged.
std::string verdictIn(UiLanguage language, std::string russian);
// A line "label" or "label: value" of the difficulty's reasons (solver/Difficulty.h), its label
// in `language`.
std::string reasonIn(UiLanguage language, const std::string& russian);

}  // namespace jcw
