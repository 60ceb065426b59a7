#include "ui/common_events.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/control.h"

namespace om {

int KeyState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers & Qt::ControlModifier) state |= kKeyCtrl;
  if (modifiers & Qt::ShiftModifier) state |= kKeyShift;
  if (modifiers & Qt::AltModifier) state |= kKeyAlt;
  return state;
}

int VirtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return key;  // Qt's codes are the ASCII upper-case letters and digits
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 0x0D;
    case Qt::Key_Shift:
      return 0x10;
    case Qt::Key_Control:
      return 0x11;
    case Qt::Key_Alt:
      return 0x12;
    case Qt::Key_Pause:
      return 0x13;
    case Qt::Key_CapsLock:
      return 0x14;
    case Qt::Key_Escape:
      return 0x1B;
    case Qt::Key_Space:
      return 0x20;
    case Qt::Key_PageUp:
      return 0x21;
    case Qt::Key_PageDown:
      return 0x22;
    case Qt::Key_End:
      return 0x23;
    case Qt::Key_Home:
      return 0x24;
    case Qt::Key_Left:
      return 0x25;
    case Qt::Key_Up:
      return 0x26;
    case Qt::Key_Right:
      return 0x27;
    case Qt::Key_Down:
      return 0x28;
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return 0x2E;
    default:
      break;
  }
  if (event.nativeVirtualKey() != 0) return static_cast<int>(event.nativeVirtualKey());
  return key & 0xFFFF;
}

namespace {

std::optional<Event> MouseEventOf(QEvent::Type type, Qt::MouseButton button) {
  const bool left = button == Qt::LeftButton;
  const bool right = button == Qt::RightButton;
  switch (type) {
    case QEvent::MouseButtonPress:
      if (left) return Event::LeftButtonDown;
      if (right) return Event::RightButtonDown;
      return std::nullopt;
    case QEvent::MouseButtonRelease:
      if (left) return Event::LeftButtonUp;
      if (right) return Event::RightButtonUp;
      return std::nullopt;
    case QEvent::MouseButtonDblClick:
      if (left) return Event::DoubleClicked;
      return std::nullopt;
    case QEvent::MouseMove:
      return Event::MouseMoved;
    default:
      return std::nullopt;
  }
}

QPoint ToControlClient(const Control& control, QWidget* receiver, QPointF position) {
  const QPoint point = position.toPoint();
  QWidget* root = control.widget();
  if (!root || receiver == root || !root->isAncestorOf(receiver)) return point;
  return receiver->mapTo(root, point);
}

void RaiseMouse(Control& control, QWidget* receiver, QMouseEvent* mouse) {
  const std::optional<Event> event = MouseEventOf(mouse->type(), mouse->button());
  if (!event) return;
  const QPoint point = ToControlClient(control, receiver, mouse->position());
  EventArgs args;
  args.x = point.x();
  args.y = point.y();
  args.keyState = KeyState(mouse->modifiers());
  control.raise(*event, args);
}

void RaiseKey(Control& control, QKeyEvent* key) {
  EventArgs args;
  args.keyCode = VirtualKeyCode(*key);
  args.keyState = KeyState(key->modifiers());
  const bool down = key->type() == QEvent::KeyPress;
  control.raise(down ? Event::KeyDown : Event::KeyUp, args);
  if (down && !key->text().isEmpty()) {
    EventArgs character;
    character.charCode = key->text().at(0).unicode();
    control.raise(Event::CharInput, character);
  }
}

}  // namespace

void RaiseCommonEvent(Control& control, QWidget* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      RaiseMouse(control, receiver, static_cast<QMouseEvent*>(event));
      break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      RaiseKey(control, static_cast<QKeyEvent*>(event));
      break;
    case QEvent::FocusIn:
      control.raise(Event::FocusGained);
      break;
    case QEvent::FocusOut:
      control.raise(Event::FocusLost);
      break;
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      EventArgs args;
      args.notches = wheel->angleDelta().y() / 120;
      args.keyState = KeyState(wheel->modifiers());
      control.raise(Event::WheelScrolled, args);
      break;
    }
    default:
      break;
  }
}

}  // namespace om
