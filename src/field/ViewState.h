#pragma once
// Process-wide state that the field paints and decides with: the mode, the mode the main window
// enters when shown, the fill of plain clue cells and whether the main window is active. The
// cell size and the scroll offsets are the field's own view (field/FieldView.h). The main window writes most of it (SetMode, its layout and activation);
// the file commands and the start-up window set OpenMode. UI thread only.

#include <cstdint>

#include "field/Rgb.h"

namespace jcw {

enum Mode : std::uint8_t { kEditorMode = 0, kSolvingMode = 1, kViewMode = 2, kPictureMode = 3 };

inline constexpr Rgb kEditorHeaderColor{255, 255, 0};  // pure yellow

inline std::uint8_t CurrentMode = kEditorMode;     // set only by SetMode
inline std::uint8_t OpenMode = kEditorMode;        // the mode FormShow enters
inline Rgb HeaderColor = kEditorHeaderColor;       // fill of clue cells in state 0
inline bool WindowActive = true;  // main window active and not inside a move or size loop

// Back to the start values above.
void resetViewState();

}  // namespace jcw
