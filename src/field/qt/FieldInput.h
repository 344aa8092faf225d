#pragma once
// Qt's events as the field's plain input values (field/MouseInput.h, field/KeyInput.h): the one
// place that knows how Qt names buttons, modifiers and keys.

#include <QKeyEvent>

#include "field/KeyInput.h"
#include "field/MouseInput.h"

namespace jcw {

MouseButton mouseButtonOf(Qt::MouseButton button);
// Buttons and the Shift and Ctrl keys held, as KeyStateFlag values.
unsigned keyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The virtual-key code of Qt's key; the keypad's digits have codes of their own. vk::kNone for
// keys the program has no use for. Qt's key follows the layout: for events without a keycode.
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
// Every key decision of the program starts here. The key is the virtual-key code of the physical
// key (field/XkbKeys.h) where the platform reports it (X11, Wayland), so that M, Ctrl+N and a
// digit with Shift mean the same under every layout; elsewhere that of Qt's key.
KeyInput keyInputOf(const QKeyEvent& event);

}  // namespace jcw
