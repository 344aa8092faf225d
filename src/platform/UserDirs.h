#pragma once
// Where the program keeps per-user files, after the XDG base directory rules: a variable that is
// unset, empty or not an absolute path falls back to its default below the home directory.

#include <filesystem>

namespace jcw {

// $XDG_CONFIG_HOME, default ~/.config.
std::filesystem::path configHome();
// $XDG_DATA_HOME, default ~/.local/share.
std::filesystem::path dataHome();
// The directory of the registry files: configHome()/jcw.
std::filesystem::path settingsDirectory();
// Where unsaved work is kept for a restart: $XDG_STATE_HOME/jcw, default ~/.local/state/jcw.
std::filesystem::path sessionDirectory();

}  // namespace jcw
