#pragma once
// MSG_MOVE_CURSOR: the field's own message that moves the editor cursor, either to a clue cell
// (wParam = x, lParam = y) or one step in a direction (wParam = a direction code). Sent with
// QCoreApplication::sendEvent, so it is handled at once.

#include <QEvent>

namespace jcw {

inline constexpr QEvent::Type MSG_MOVE_CURSOR = static_cast<QEvent::Type>(33467);

enum MoveDirection : int { kMoveRight = -1, kMoveLeft = -2, kMoveUp = -3, kMoveDown = -4 };

class MoveCursorEvent : public QEvent {
 public:
  MoveCursorEvent(int wParam, int lParam) : QEvent(MSG_MOVE_CURSOR), wParam(wParam), lParam(lParam) {}

  // True iff wParam is a direction code (-1..-5; -5 acts as right) rather than an index.
  bool isDirection() const { return wParam <= -1 && wParam >= -5; }

  const int wParam;
  const int lParam;
};

}  // namespace jcw
