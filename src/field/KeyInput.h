#pragma once
// What a key means to the field. The Qt handlers reduce a key event to a KeyInput, whose key is
// a virtual-key code (field/VirtualKeys.h) so that the decision does not depend on the text the
// keyboard layout produces, and carry out what these functions return.

#include <cstdint>
#include <optional>

namespace jcw {

struct KeyInput {
  int virtualKey = 0;  // vk:: code of the physical key
  bool ctrl = false;
  bool shift = false;
  bool alt = false;  // keys held with Alt are system keys, which the field's tables do not take
  bool autoRepeat = false;
};

// The field's state as far as keys care.
struct KeyContext {
  std::uint8_t mode = 0;  // CurrentMode
  bool hasTable = false;  // the field's table is allocated
  bool modified = false;  // IsModified
  bool busy = false;      // SolverBusy: a run must not see the crossword change under it
};

enum class KeyCommand : std::uint8_t {
  None,
  ShowCross,      // PaintDigitalCross
  ClearField,     // the host's NClearClick (it asks first)
  ClearClue,      // empty the text of the editor cursor's cell
  OpenMenu,       // the host's MainBtnMouseDown
  NewCrossword,   // the host's NNewClick
  Save,           // the host's NSave0Click
  Load,           // the host's NLoadClick
  Print,          // the host's NPrintClick
  ToggleAdvance,  // Go2Dig between one and two digits
  Start,          // the host's NStartClick
  Edit,           // the host's NEditClick
  Undo,           // the field's Undo
  Redo,           // the field's Redo
  SetCheckpoint,        // the field's SetCheckpoint
  ReturnToCheckpoint,   // the field's ReturnToCheckpoint
  AcceptCheckpoint,     // the field's AcceptCheckpoint
  Check,          // the host's NCheckClick
  HintLine,       // the host's NHintLineClick
  ZoomIn,         // larger cells, about the editor cursor or the view's middle
  ZoomOut,        // smaller cells
  ZoomWhole,      // the whole crossword in view
  PasteClues,     // the host's pasteClues (editor mode)
  CopyClues,      // the host's copyClues (editor mode)
};

// The keys of every mode, taken first.
struct KeyDecision {
  KeyCommand command = KeyCommand::None;
  bool setModified = false;  // then SetModified(true)
  bool ends = false;         // nothing more of this key is handled
  bool operator==(const KeyDecision&) const = default;
};
KeyDecision interpretKeyPress(const KeyInput& key, const KeyContext& context);

// The keys of editor mode, judged after the keys of every mode have run (a Start or Edit they
// ran has changed the mode by then) and only when their decision did not end the key.
// LineEntry: the whole line of the cursor's cell typed at once (Insert).
enum class EditorCommand : std::uint8_t { None, Backspace, Enter, Digit, LineEntry };
struct EditorKeyDecision {
  bool applies = false;  // editor mode with a table: run the command, then repaint the cursor cell
  EditorCommand command = EditorCommand::None;
  char digit = 0;  // '0' .. '9' for Digit, from the digit row or the keypad
  bool operator==(const EditorKeyDecision&) const = default;
};
EditorKeyDecision interpretEditorKey(const KeyInput& key, const KeyContext& context);

// A key release: Alt+Backspace is Undo and Alt+Shift+Backspace Redo in solving mode, nothing in
// the other modes; none for a release that is not the field's (an auto-repeated one included),
// which goes on to the parent.
std::optional<KeyCommand> interpretKeyRelease(const KeyInput& key, std::uint8_t mode);

}  // namespace jcw
