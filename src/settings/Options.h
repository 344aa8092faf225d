#pragma once
// The user's options: process-wide, with built-in defaults; changed by the menus and F4, read
// from and written to the settings registry.

#include <cstdint>
#include <string>

namespace jcw {

inline bool IndErr = true;            // error indicators beside the clue lines
inline bool DigCr = true;             // digital cross follows the mouse
inline std::uint8_t NextDirect = 0;   // editor cursor advance: 0 right, 1 down, 2 along, 3 centre
inline std::uint8_t Go2Dig = 2;       // advance after digits: 0 never, 1 one (Ctrl: two), 2 two
inline bool Maximize = true;          // maximum field size at every show and load
inline bool ShowToolPanel = true;     // tool panel shown (registry value "ShowTools")
inline bool PaintOn = true;           // full redraw also while inactive or moved
// The smallest cell the window lays a crossword out with unless the user zooms out, in pixels at
// 96 dots per inch: below it clue digits cannot be told apart. A stored value outside
// kMinMinCellSize .. kMaxMinCellSize is not taken.
inline std::uint8_t MinCellSize = 12;
inline constexpr std::uint8_t kMinMinCellSize = 4;
inline constexpr std::uint8_t kMaxMinCellSize = 48;
// The directory of the last crossword file, as read at start: the open dialog's first directory.
inline std::string LastCatalog;
// The user's settings file could not be read: the options of this run are not the user's, so
// they are never written over that file.
inline bool OptionsLocked = false;

// Back to the built-in defaults (tests).
void resetOptions();

}  // namespace jcw
