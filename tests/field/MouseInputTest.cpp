#include <gtest/gtest.h>

#include <string>

#include "field/MarkDrag.h"
#include "field/MouseInput.h"
#include "field/ViewState.h"

namespace jcw {
namespace {

// The decision's steps as words, in the order the field takes them.
std::string stepsOf(const MouseDecision& d) {
  const std::pair<bool, const char*> steps[] = {
      {d.wipeCross, "wipe"},
      {d.unhighlight, "unhighlight"},
      {d.hoverHit, "hover"},
      {d.beginGesture, "begin"},
      {d.onHit == CellAction::MarkFilled, "fill"},
      {d.onHit == CellAction::MarkEmpty, "empty"},
      {d.onHit == CellAction::Erase, "erase"},
      {d.onHit == CellAction::MoveCursor, "cursor"},
      {d.endGesture, "end"},
      {d.showCross, "cross"},
      {d.takeFocus, "focus"}};
  std::string words;
  for (const auto& [on, word] : steps)
    if (on) words += (words.empty() ? "" : " ") + std::string(word);
  return words;
}

constexpr MouseButton L = MouseButton::Left, R = MouseButton::Right, M = MouseButton::Other;
constexpr std::uint8_t S = kSolvingMode, E = kEditorMode, V = kViewMode;
constexpr unsigned kLeft = kLeftButtonHeld, kRight = kRightButtonHeld;

MouseInput press(MouseButton b, CellKind hit) { return {MouseEvent::Press, b, 0, hit}; }
MouseInput dblClick(MouseButton b, CellKind hit) { return {MouseEvent::DoubleClick, b, 0, hit}; }
MouseInput move(CellKind hit, unsigned keys = 0, bool onHover = false) {
  return {MouseEvent::Move, M, keys, hit, onHover};
}

// Leaving the old hover cell's lines and highlighting the new one's.
const std::string kHover = "wipe unhighlight hover";

struct MouseCase {
  const char* name;
  MouseInput input;
  std::uint8_t mode;
  std::string steps;
  bool digitalCross = true;
};

const MouseCase kCases[] = {
    {"left press begins a gesture and fills while solving", press(L, ckPicture), S,
     "begin fill focus"},
    {"right press marks empty", press(R, ckPicture), S, "begin empty"},
    {"a press on a clue in the editor moves the cursor", press(R, ckClue), E, "cursor"},
    {"a press on the picture in the editor marks nothing", press(L, ckPicture), E, "focus"},
    {"a press on a clue while solving only begins a gesture", press(R, ckClue), S, "begin"},
    {"a press in view mode does nothing", press(R, ckPicture), V, ""},
    {"a middle press does nothing", press(M, ckPicture), S, ""},
    {"a press off the picture begins the gesture a drag onto it continues", press(L, ckNone), S,
     "begin focus"},
    {"a left double click erases while solving", dblClick(L, ckPicture), S, "erase"},
    {"a double click on a clue erases nothing", dblClick(L, ckClue), S, ""},
    {"a right double click erases nothing", dblClick(R, ckPicture), S, ""},
    {"a double click in the editor erases nothing", dblClick(L, ckPicture), E, ""},
    {"a move lets the cross follow", move(ckPicture), S, kHover + " cross"},
    {"a move with DigCr off only hovers", move(ckPicture), S, kHover, false},
    {"a left drag fills and shows the cross", move(ckPicture, kLeft), S, kHover + " fill cross",
     false},
    {"a right drag marks empty", move(ckPicture, kRight), S, kHover + " empty cross", false},
    {"a drag with Shift only hovers", move(ckPicture, kLeft | kShiftHeld), S, kHover},
    {"a drag with Ctrl only hovers", move(ckPicture, kRight | kCtrlHeld), S, kHover},
    {"both buttons only hover", move(ckPicture, kLeft | kRight), S, kHover},
    {"the middle button only hovers", move(ckPicture, kMiddleButtonHeld), S, kHover},
    {"a move onto a clue leaves the old lines", move(ckClue, kLeft), S, "wipe unhighlight"},
    {"a move within the hover cell does nothing", move(ckPicture, kLeft, true), S, ""},
    {"a move off every cell does nothing", move(ckNone), S, ""},
    {"a move in the editor does nothing", move(ckPicture, kLeft), E, ""},
    {"a release wipes the cross and ends the gesture", {MouseEvent::Release, R}, E, "wipe end"},
    {"a middle release wipes nothing", {MouseEvent::Release, M}, S, ""},
    {"leaving while solving removes the highlight", {MouseEvent::Leave}, S, "unhighlight"},
    {"leaving in the editor does nothing", {MouseEvent::Leave}, E, ""},
};

TEST(MouseDecisions, FollowTheModeTheButtonsAndTheCellHit) {
  for (const MouseCase& c : kCases)
    EXPECT_EQ(stepsOf(interpretMouse(c.input, c.mode, c.digitalCross)), c.steps) << c.name;
}

// A mark drag's moves: the pressed cell, then each pointer cell in turn, and the cells the drag
// enters, written "x,y" in order, one move's cells after another's with " | " between. The
// picture is columns 3..12, rows 2..9.
struct DragCase {
  const char* name;
  CellPos pressed;
  std::vector<CellPos> pointer;
  bool lineLock;
  std::string entered;
};

const PictureArea kArea{{3, 2}, {12, 9}};

const DragCase kDragCases[] = {
    {"a jump along a row enters every cell between", {3, 4}, {{12, 4}}, false,
     "4,4 5,4 6,4 7,4 8,4 9,4 10,4 11,4 12,4"},
    {"a jump back up a column too, in order", {5, 9}, {{5, 5}}, false, "5,8 5,7 5,6 5,5"},
    {"a diagonal jump steps one cell each way", {3, 2}, {{6, 5}}, false, "4,3 5,4 6,5"},
    {"a slanted jump follows the straight line", {3, 2}, {{7, 4}}, false, "4,3 5,3 6,4 7,4"},
    {"a move within the cell enters nothing", {4, 4}, {{4, 4}}, false, ""},
    {"the pointer over the clues is held at the picture's edge", {5, 4}, {{5, 1}}, false,
     "5,3 5,2"},
    {"without the lock a wobble enters the next row", {3, 4}, {{5, 4}, {6, 5}}, false,
     "4,4 5,4 | 6,5"},
    {"with the lock the drag stays on its row", {3, 4}, {{5, 4}, {6, 5}, {8, 3}}, true,
     "4,4 5,4 | 6,4 | 7,4 8,4"},
    {"with the lock a first step down keeps to the column", {7, 3}, {{7, 4}, {9, 6}}, true,
     "7,4 | 7,5 7,6"},
    {"the lock takes the longer way of a slanted first step", {3, 3}, {{6, 4}}, true,
     "4,3 5,3 6,3"},
    {"a locked drag coming back passes the pressed cell", {6, 6}, {{8, 6}, {4, 7}}, true,
     "7,6 8,6 | 7,6 6,6 5,6 4,6"},
};

std::string enteredText(const DragCase& c) {
  MarkDrag drag{true, c.pressed, c.pressed, DragAxis::Free};
  std::string text;
  for (std::size_t i = 0; i < c.pointer.size(); ++i) {
    if (i > 0) text += " |";
    for (const CellPos& cell : dragSteps(drag, c.pointer[i], kArea, c.lineLock))
      text += (text.empty() ? "" : " ") + std::to_string(cell.x) + "," + std::to_string(cell.y);
  }
  return text;
}

TEST(MouseDecisions, AMarkDragEntersEveryCellOnItsWayAndTheLockHoldsItsLine) {
  for (const DragCase& c : kDragCases) EXPECT_EQ(enteredText(c), c.entered) << c.name;
  MarkDrag idle;
  EXPECT_TRUE(dragSteps(idle, {8, 8}, kArea, false).empty()) << "no drag, no cells";
}

}  // namespace
}  // namespace jcw
