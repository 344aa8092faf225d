#pragma once
// What a mouse event on the field means. The Qt handlers reduce an event to a MouseInput (the
// button, the key-state flags, the kind of cell under the pointer) and carry out the
// MouseDecision that interpretMouse returns; the decision itself depends on nothing else.

#include <cstdint>

#include "model/Cell.h"

namespace jcw {

enum class MouseEvent : std::uint8_t { Press, DoubleClick, Move, Release, Leave };
enum class MouseButton : std::uint8_t { Left, Right, Other };

// Key-state flags of a move, with the values of the Windows MK_ flags: the buttons and the Shift
// and Ctrl keys held. Alt is no key-state flag.
enum KeyStateFlag : unsigned {
  kLeftButtonHeld = 0x01,
  kRightButtonHeld = 0x02,
  kShiftHeld = 0x04,
  kCtrlHeld = 0x08,
  kMiddleButtonHeld = 0x10,
  kExtraButtonHeld = 0x20,  // either side button
};

struct MouseInput {
  MouseEvent event = MouseEvent::Move;
  MouseButton button = MouseButton::Other;  // press, double click and release
  unsigned keyState = 0;                    // move: KeyStateFlag values, or-ed
  CellKind hit = ckNone;                    // the cell under the pointer; ckNone for none
  bool onHoverCell = false;                // that cell is the hover cell
};

// What the hit cell is to undergo.
// OpenLineEntry: the line entry at the line of the cell (a clue cell in the editor).
enum class CellAction : std::uint8_t { None, MarkFilled, MarkEmpty, Erase, MoveCursor, OpenLineEntry };

// Steps for the field to take, in the order of the members.
struct MouseDecision {
  bool wipeCross = false;    // repaint the picture cells of the hover cell's column and row
  bool unhighlight = false;  // repaint the clue cells of the hover cell's lines plainly
  bool hoverHit = false;     // the hit cell becomes the hover cell; its lines' clue cells highlighted
  bool beginGesture = false; // the marks until the button goes up are one undo step
  CellAction onHit = CellAction::None;
  bool endGesture = false;   // the button went up: the gesture's step is complete
  bool showCross = false;    // the digital cross at the hover cell
  bool takeFocus = false;    // the field takes the keyboard focus
  bool operator==(const MouseDecision&) const = default;
};

// `mode` is CurrentMode; `digitalCross` the option DigCr. Marking, erasing and hover tracking
// happen in solving mode only, and a press there begins a gesture that its release ends (a
// drag is one undo step); a press on a clue cell in editor mode moves the editor cursor there;
// in view mode the mouse does nothing to the field.
MouseDecision interpretMouse(const MouseInput& input, std::uint8_t mode, bool digitalCross);

}  // namespace jcw
