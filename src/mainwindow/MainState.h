#pragma once
// Process-wide layout flags that only the main window uses. UI thread only.

namespace jcw {

inline int FieldLeft = 0;         // width of a left-docked tool panel, else 0
inline int FieldTop = 0;          // height of a top-docked tool panel, else 0
inline bool LayoutReady = false;  // size changes re-lay out the field only while set

// Back to the start values above.
void resetMainState();

}  // namespace jcw
