#pragma once
// The save-changes question that every command asks before it discards the crossword: Load, New,
// a drop, Exit, closing the main window and a solver run. UI thread only.

#include <functional>

namespace jcw {

class TGrid;

// The question's caption: "Японский кроссворд" alone, or followed by CurShortName.
enum class SaveCaption { Plain, WithFileName };

// When `field` has unsaved changes, asks "Сохранить текущие изменения?" (Yes, No, Cancel; a
// question icon); Yes runs `save`, the Save command, which shows its own errors. True iff the
// command may go on: nothing to save, No, or Yes and the crossword saved. False on Cancel and
// when the save was cancelled or failed: the crossword, its name and its marks must stay.
bool maybeSave(const TGrid& field, SaveCaption caption, const std::function<void()>& save);

}  // namespace jcw
