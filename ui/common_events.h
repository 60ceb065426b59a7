#pragma once

#include <QEvent>
#include <QWidget>
#include <optional>

#include "ui/events.h"

class QKeyEvent;

namespace om {

class Control;

// Key state bits (1 Ctrl, 2 Shift, 4 Alt) of keyboard modifiers.
int KeyState(Qt::KeyboardModifiers modifiers);
// A virtual key code for a key: letters and digits as their upper-case ASCII, Enter 13,
// Esc 27, arrows 37 to 40 and so on; other keys give their native code or Qt's.
int VirtualKeyCode(const QKeyEvent& event);

// Raises the common event (LeftButtonDown to WheelScrolled) that an input event on `receiver`
// stands for, as an event of `control`. Mouse coordinates become the control's client
// coordinates. Events that stand for none are left alone.
void RaiseCommonEvent(Control& control, QWidget* receiver, QEvent* event);

}  // namespace om
