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
// keys the field has no use for.
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
KeyInput keyInputOf(const QKeyEvent& event);

}  // namespace jcw
