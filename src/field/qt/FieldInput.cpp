#include "field/qt/FieldInput.h"

#include <QGuiApplication>

#include "field/VirtualKeys.h"
#include "field/XkbKeys.h"

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
    case Qt::Key_Plus:
    case Qt::Key_Equal: return modifiers & Qt::KeypadModifier ? vk::kAdd : vk::kOemPlus;
    case Qt::Key_Minus: return modifiers & Qt::KeypadModifier ? vk::kSubtract : vk::kOemMinus;
    case Qt::Key_Backspace: return vk::kBack;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kReturn;
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_Delete: return vk::kDelete;
    case Qt::Key_Insert: return vk::kInsert;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    default: return vk::kNone;
  }
}

namespace {

int physicalKeyOf(const QKeyEvent& event) {
  // Qt's key is the character the layout types (Ь for M under the Russian layout, ! for Shift+1);
  // X11 and Wayland also report the key itself. Events made by a program carry no keycode.
  static const QString platform = QGuiApplication::platformName();
  static const bool xkbPlatform =
      platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
  if (xkbPlatform && event.nativeScanCode() != 0)
    return virtualKeyOf(XkbKey{event.nativeScanCode(), event.nativeVirtualKey()});
  return virtualKeyOf(event.key(), event.modifiers());
}

}  // namespace

KeyInput keyInputOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {physicalKeyOf(event), modifiers.testFlag(Qt::ControlModifier),
          modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
          event.isAutoRepeat()};
}

}  // namespace jcw
