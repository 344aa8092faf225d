#include <gtest/gtest.h>

#include "field/KeyInput.h"
#include "field/ViewState.h"
#include "field/VirtualKeys.h"

namespace jcw {
namespace {

constexpr KeyContext kEditor{kEditorMode, true, false, false};
constexpr KeyContext kSolving{kSolvingMode, true, false, false};
constexpr KeyContext kView{kViewMode, true, false, false};
constexpr KeyContext kModified{kSolvingMode, true, true, false};
constexpr KeyContext kNoTable{kEditorMode, false, false, false};
constexpr KeyContext kBusy{kEditorMode, true, true, true};

constexpr KeyInput ctrl(int virtualKey) { return {virtualKey, true}; }
constexpr KeyInput ctrlShift(int virtualKey) { return {virtualKey, true, true}; }
constexpr KeyInput shift(int virtualKey) { return {virtualKey, false, true}; }
constexpr KeyInput alt(int virtualKey) { return {virtualKey, false, false, true}; }
constexpr KeyInput altShift(int virtualKey) { return {virtualKey, false, true, true}; }
constexpr int kM = vk::letter('M'), kN = vk::letter('N'), kP = vk::letter('P');
constexpr int kF9 = vk::functionKey(9);
constexpr int kY = vk::letter('Y'), kZ = vk::letter('Z');

using enum KeyCommand;

template <class Decision>
struct KeyCase {
  const char* name;
  KeyInput key;
  KeyContext context;
  Decision decision;
};

const KeyCase<KeyDecision> kKeysOfEveryMode[] = {
    {"Space while solving shows the cross", {vk::kSpace}, kSolving, {ShowCross}},
    {"Space in the editor does nothing", {vk::kSpace}, kEditor, {}},
    {"Ctrl+Delete clears the field", ctrl(vk::kDelete), kSolving, {ClearField, true}},
    {"Delete in the editor empties the clue", {vk::kDelete}, kEditor, {ClearClue, true}},
    {"Delete while solving only marks modified", {vk::kDelete}, kSolving, {None, true}},
    {"M opens the menu", {kM}, kView, {OpenMenu}},
    {"Alt+M is not the field's", alt(kM), kSolving, {}},
    {"Ctrl+N makes a new crossword and ends", ctrl(kN), kEditor, {NewCrossword, false, true}},
    {"N alone does nothing", {kN}, kEditor, {}},
    {"Ctrl+P prints in any mode", ctrl(kP), kView, {Print}},
    {"P alone does nothing", {kP}, kSolving, {}},
    {"F2 with changes saves", {vk::functionKey(2)}, kModified, {Save}},
    {"F2 without changes does nothing", {vk::functionKey(2)}, kSolving, {}},
    {"F3 loads", {vk::functionKey(3)}, kView, {Load}},
    {"F4 toggles the advance", {vk::functionKey(4)}, kSolving, {ToggleAdvance}},
    {"Ctrl+Z undoes and ends", ctrl(kZ), kSolving, {Undo, false, true}},
    {"Ctrl+Y redoes", ctrl(kY), kSolving, {Redo, false, true}},
    {"Ctrl+Shift+Z redoes", ctrlShift(kZ), kSolving, {Redo, false, true}},
    {"Z alone does nothing", {kZ}, kSolving, {}},
    {"F5 sets a checkpoint", {vk::functionKey(5)}, kSolving, {SetCheckpoint}},
    {"F6 returns to it", {vk::functionKey(6)}, kSolving, {ReturnToCheckpoint}},
    {"Shift+F5 accepts it", shift(vk::functionKey(5)), kSolving, {AcceptCheckpoint}},
    {"F7 checks the marks", {vk::functionKey(7)}, kSolving, {Check}},
    {"F8 hints one line", {vk::functionKey(8)}, kSolving, {HintLine}},
    {"F9 in the editor starts", {kF9}, kEditor, {Start}},
    {"F9 in view mode edits", {kF9}, kView, {Edit}},
    {"no key acts while a run is busy", {kF9}, kBusy, {None, false, true}},
};

TEST(KeyDecisions, KeysOfEveryModeRunTheirCommand) {
  for (const auto& c : kKeysOfEveryMode)
    EXPECT_TRUE(interpretKeyPress(c.key, c.context) == c.decision) << c.name;
}

using C = EditorCommand;

const KeyCase<EditorKeyDecision> kKeysOfTheEditor[] = {
    {"the digit row types its digit", ctrl(vk::k0 + 7), kEditor, {true, C::Digit, '7'}},
    {"the keypad types its digit", {vk::kNumpad0 + 9}, kEditor, {true, C::Digit, '9'}},
    {"Backspace cuts the clue", {vk::kBack}, kEditor, {true, C::Backspace}},
    {"Enter advances", {vk::kReturn}, kEditor, {true, C::Enter}},
    {"any other key only repaints the cursor cell", {kF9}, kEditor, {true}},
    {"Alt with a digit only repaints", alt(vk::k0 + 1), kEditor, {true}},
    {"nothing while solving", {vk::k0 + 1}, kSolving, {}},
    {"nothing without a table", {vk::kBack}, kNoTable, {}},
};

TEST(KeyDecisions, KeysOfTheEditorWorkOnTheCursorCell) {
  for (const auto& c : kKeysOfTheEditor)
    EXPECT_TRUE(interpretEditorKey(c.key, c.context) == c.decision) << c.name;
}

TEST(KeyDecisions, ReleasingAltBackspaceUndoesAndWithShiftRedoesOnlyWhileSolving) {
  const KeyInput repeated{vk::kBack, false, false, true, true};
  EXPECT_EQ(interpretKeyRelease(alt(vk::kBack), kSolvingMode), Undo);
  EXPECT_EQ(interpretKeyRelease(altShift(vk::kBack), kSolvingMode), Redo);
  EXPECT_EQ(interpretKeyRelease(alt(vk::kBack), kEditorMode), None);
  EXPECT_EQ(interpretKeyRelease(altShift(vk::kBack), kEditorMode), None);
  EXPECT_EQ(interpretKeyRelease(repeated, kSolvingMode), std::nullopt);
  EXPECT_EQ(interpretKeyRelease({vk::kBack}, kSolvingMode), std::nullopt);
  EXPECT_EQ(interpretKeyRelease(alt(vk::kDelete), kSolvingMode), std::nullopt);
}

}  // namespace
}  // namespace jcw
