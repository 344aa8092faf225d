#pragma once
// Process-wide state of the main window that the field reads: the mode, the header colour and
// the layout flags.

#include <QColor>
#include <cstdint>

namespace jcw {

enum Mode : std::uint8_t { kEditorMode = 0, kSolvingMode = 1, kViewMode = 2 };

inline std::uint8_t CurrentMode = kEditorMode;  // set only by SetMode
inline std::uint8_t OpenMode = kEditorMode;     // the mode FormShow enters
inline QColor HeaderColor{255, 255, 0};         // fill of clue cells in state 0

inline int CellSize = 0;          // side of a cell in pixels
inline int FieldLeft = 0;         // width of a left-docked tool panel, else 0
inline int FieldTop = 0;          // height of a top-docked tool panel, else 0
inline bool LayoutReady = false;  // size changes re-lay out the field only while set
inline bool WindowActive = true;  // main window active and not inside a move or size loop

// Resets the core's and the main window's process-wide state (tests call it between cases).
void resetProcessState();

}  // namespace jcw
