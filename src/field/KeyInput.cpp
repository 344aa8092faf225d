#include "field/KeyInput.h"

#include "field/ViewState.h"
#include "field/VirtualKeys.h"

namespace jcw {

namespace {

KeyDecision deleteKey(const KeyInput& key, const KeyContext& context) {
  if (key.ctrl) return {KeyCommand::ClearField, true, false};
  const bool editing = context.mode == kEditorMode && context.hasTable;
  return {editing ? KeyCommand::ClearClue : KeyCommand::None, true, false};
}

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo (the field itself acts only while solving).
KeyDecision historyLetter(const KeyInput& key) {
  if (!key.ctrl) return {};
  if (key.virtualKey == vk::letter('Y') || key.shift) return {KeyCommand::Redo, false, true};
  return {KeyCommand::Undo, false, true};
}

std::optional<char> digitOf(int virtualKey) {
  if (virtualKey >= vk::k0 && virtualKey <= vk::k0 + 9) return char('0' + virtualKey - vk::k0);
  if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9)
    return char('0' + virtualKey - vk::kNumpad0);
  return std::nullopt;
}

KeyDecision zoomKey(const KeyInput& key, KeyCommand zoom) {
  return key.ctrl ? KeyDecision{zoom, false, true} : KeyDecision{};
}

}  // namespace

KeyDecision interpretKeyPress(const KeyInput& key, const KeyContext& context) {
  if (context.busy) return {KeyCommand::None, false, true};
  if (key.alt) return {};
  switch (key.virtualKey) {
    case vk::kSpace:
      return {context.mode == kSolvingMode ? KeyCommand::ShowCross : KeyCommand::None};
    case vk::kDelete: return deleteKey(key, context);
    case vk::letter('M'): return {KeyCommand::OpenMenu};
    case vk::kOemPlus:
    case vk::kAdd: return zoomKey(key, KeyCommand::ZoomIn);
    case vk::kOemMinus:
    case vk::kSubtract: return zoomKey(key, KeyCommand::ZoomOut);
    case vk::k0:
    case vk::kNumpad0:
      // In the editor Ctrl with a digit enters a two-digit clue.
      return context.mode == kEditorMode ? KeyDecision{} : zoomKey(key, KeyCommand::ZoomWhole);
    case vk::letter('N'):
      return key.ctrl ? KeyDecision{KeyCommand::NewCrossword, false, true} : KeyDecision{};
    case vk::letter('P'): return {key.ctrl ? KeyCommand::Print : KeyCommand::None};
    case vk::letter('V'):
    case vk::letter('C'): {
      if (!key.ctrl || context.mode != kEditorMode || !context.hasTable) return {};
      const bool paste = key.virtualKey == vk::letter('V');
      return {paste ? KeyCommand::PasteClues : KeyCommand::CopyClues, false, true};
    }
    case vk::letter('Y'):
    case vk::letter('Z'): return historyLetter(key);
    case vk::functionKey(2): return {context.modified ? KeyCommand::Save : KeyCommand::None};
    case vk::functionKey(3): return {KeyCommand::Load};
    case vk::functionKey(4): return {KeyCommand::ToggleAdvance};
    case vk::functionKey(5):
      return {key.shift ? KeyCommand::AcceptCheckpoint : KeyCommand::SetCheckpoint};
    case vk::functionKey(6): return {KeyCommand::ReturnToCheckpoint};
    case vk::functionKey(7): return {KeyCommand::Check};
    case vk::functionKey(8): return {KeyCommand::HintLine};
    case vk::functionKey(9):
      return {context.mode == kEditorMode ? KeyCommand::Start : KeyCommand::Edit};
    default: return {};
  }
}

EditorKeyDecision interpretEditorKey(const KeyInput& key, const KeyContext& context) {
  if (context.mode != kEditorMode || !context.hasTable) return {};
  if (key.alt) return {true};
  if (key.virtualKey == vk::kBack) return {true, EditorCommand::Backspace};
  if (key.virtualKey == vk::kReturn) return {true, EditorCommand::Enter};
  if (key.virtualKey == vk::kInsert) return {true, EditorCommand::LineEntry};
  if (const std::optional<char> digit = digitOf(key.virtualKey))
    return {true, EditorCommand::Digit, *digit};
  return {true};
}

std::optional<KeyCommand> interpretKeyRelease(const KeyInput& key, std::uint8_t mode) {
  if (key.virtualKey != vk::kBack || !key.alt || key.autoRepeat) return std::nullopt;
  if (mode != kSolvingMode) return KeyCommand::None;
  return key.shift ? KeyCommand::Redo : KeyCommand::Undo;
}

}  // namespace jcw
