#include "field/MouseInput.h"

#include "field/ViewState.h"

namespace jcw {

namespace {

// Either button marks a picture cell while solving (left fills) and moves the editor cursor to a
// clue cell in the editor.
CellAction pressActionOf(MouseButton button, std::uint8_t mode, CellKind hit) {
  if (button == MouseButton::Other) return CellAction::None;
  if (hit == ckPicture && mode == kSolvingMode)
    return button == MouseButton::Left ? CellAction::MarkFilled : CellAction::MarkEmpty;
  if (hit == ckClue && mode == kEditorMode) return CellAction::MoveCursor;
  return CellAction::None;
}

// The key-state flags as one value: exactly one of the two buttons drags a mark (and shows the
// cross whatever DigCr says), no flag at all lets the cross follow when DigCr is on, and any
// other combination only moves the highlight.
void decideDrag(unsigned keyState, bool digitalCross, MouseDecision& decision) {
  switch (keyState) {
    case kLeftButtonHeld: decision.onHit = CellAction::MarkFilled; break;
    case kRightButtonHeld: decision.onHit = CellAction::MarkEmpty; break;
    case 0: break;
    default: return;
  }
  decision.showCross = keyState != 0 || digitalCross;
}

MouseDecision decideMove(const MouseInput& input, bool digitalCross) {
  MouseDecision decision;
  if (input.hit == ckNone || input.onHoverCell) return decision;
  decision.wipeCross = true;
  decision.unhighlight = true;
  if (input.hit != ckPicture) return decision;
  decision.hoverHit = true;
  decideDrag(input.keyState, digitalCross, decision);
  return decision;
}

}  // namespace

MouseDecision interpretMouse(const MouseInput& input, std::uint8_t mode, bool digitalCross) {
  MouseDecision decision;
  switch (input.event) {
    case MouseEvent::Press:
      decision.beginGesture = mode == kSolvingMode && input.button != MouseButton::Other;
      decision.onHit = pressActionOf(input.button, mode, input.hit);
      decision.takeFocus = input.button == MouseButton::Left;
      break;
    case MouseEvent::DoubleClick:
      if (input.button == MouseButton::Left && mode == kSolvingMode && input.hit == ckPicture)
        decision.onHit = CellAction::Erase;
      if (input.button == MouseButton::Left && mode == kEditorMode && input.hit == ckClue)
        decision.onHit = CellAction::OpenLineEntry;
      break;
    case MouseEvent::Move:
      if (mode == kSolvingMode) decision = decideMove(input, digitalCross);
      break;
    case MouseEvent::Release:
      decision.wipeCross = input.button != MouseButton::Other;
      decision.endGesture = input.button != MouseButton::Other;
      break;
    case MouseEvent::Leave:
      decision.unhighlight = mode == kSolvingMode;
      break;
  }
  return decision;
}

}  // namespace jcw
