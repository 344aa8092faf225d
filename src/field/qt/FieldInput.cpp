#include "field/qt/FieldInput.h"

#include "field/VirtualKeys.h"

namespace jcw {

MouseButton mouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Other;
  }
}

unsigned keyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= kLeftButtonHeld;
  if (buttons & Qt::RightButton) flags |= kRightButtonHeld;
  if (buttons & Qt::MiddleButton) flags |= kMiddleButtonHeld;
  if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) flags |= kExtraButtonHeld;
  if (modifiers & Qt::ShiftModifier) flags |= kShiftHeld;
  if (modifiers & Qt::ControlModifier) flags |= kCtrlHeld;
  return flags;
}

int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return (modifiers & Qt::KeypadModifier ? vk::kNumpad0 : vk::k0) + qtKey - Qt::Key_0;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::kA + qtKey - Qt::Key_A;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::kF1 + qtKey - Qt::Key_F1;
  switch (qtKey) {
    case Qt::Key_Backspace: return vk::kBack;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kReturn;
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_Delete: return vk::kDelete;
    default: return vk::kNone;
  }
}

KeyInput keyInputOf(const QKeyEvent& event) {
  return {virtualKeyOf(event.key(), event.modifiers()),
          event.modifiers().testFlag(Qt::ControlModifier),
          event.modifiers().testFlag(Qt::AltModifier), event.isAutoRepeat()};
}

}  // namespace jcw
