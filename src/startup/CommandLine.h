#pragma once
// What the program's command line asks for before any window: its help, its version, or a run
// (with a crossword to open when one is named). Pure.

#include <string>
#include <string_view>
#include <vector>

#include "platform/UiLanguage.h"

namespace jcw {

enum class StartRequest { Run, Help, Version };

// The first argument after the program's name decides: "--help" or "-h", "--version"; anything
// else (a file name or nothing) runs the program.
StartRequest startRequestOf(const std::vector<std::string_view>& arguments);

// The command-line forms and the keys, in `language`, ending in a line break.
std::string helpText(UiLanguage language);
// The program's name and the version both programs share, ending in a line break.
std::string versionText(std::string_view program);

}  // namespace jcw
