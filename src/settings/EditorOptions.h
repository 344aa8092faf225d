#pragma once
// The clue editor's own options: a value the main window keeps and hands to what asks, read from
// and written to the settings key beside the other options. Defaults are the editor as it always
// was.

#include "platform/Registry.h"
#include "platform/Result.h"

namespace jcw {

struct EditorOptions {
  // "Ввод заменяет число": the first digit typed into a cell the cursor has just reached
  // replaces its number instead of being appended to it.
  bool typingReplaces = false;
  bool operator==(const EditorOptions&) const = default;
};

// The stored options; a value missing or of another type keeps its default.
EditorOptions readEditorOptions(const Registry& registry);
// Writes them into the settings key (created when missing).
Result<void> writeEditorOptions(Registry& registry, const EditorOptions& options);

}  // namespace jcw
