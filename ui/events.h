#pragma once

#include <functional>
#include <type_traits>
#include <utility>

#include "app/text.h"
#include "ui/window_ref.h"

namespace om {

// The thirteen kinds: the window and the twelve control kinds.
enum class ControlKind {
  Window,
  EditBox,
  Label,
  TransLabel,
  Button,
  ComboBox,
  PicBox,
  ShapeBox,
  GroupBox,
  Timer,
  ListView,
  PageControl,
  SplitterBar,
};

// The events a handler can be bound to. The common events (indexes -1 to -12) are raised for
// mouse and keyboard input that reaches any visible control or window; the others belong to
// one kind each (see EventIndex for their per-kind indexes).
enum class Event {
  LeftButtonDown,
  LeftButtonUp,
  DoubleClicked,
  RightButtonDown,
  RightButtonUp,
  MouseMoved,
  FocusGained,
  FocusLost,
  KeyDown,
  KeyUp,
  CharInput,
  WheelScrolled,
  // window
  Created,
  CloseQuery,
  // Button (index 0) and ListView (index 4: clicked with the left button)
  Clicked,
  // ComboBox
  ItemSelected,
  // Timer
  Tick,
  // ListView
  CurrentItemChanged,
  ItemActivated,
  ColumnClicked,
  RightClicked,
  // PageControl
  PageChanged,
  // SplitterBar
  PositionChanged,
};

// Key state bits.
inline constexpr int kKeyCtrl = 1;
inline constexpr int kKeyShift = 2;
inline constexpr int kKeyAlt = 4;

// The arguments of one event. Only the members an event defines are set:
// mouse events x, y (client coordinates of the control) and keyState; KeyDown/KeyUp keyCode
// (virtual key code: letters and digits as their upper-case ASCII, Enter 13, Esc 27, ...) and
// keyState; CharInput charCode (the character's UTF-16 code); WheelScrolled notches and keyState;
// ColumnClicked column (0-based); PositionChanged oldPosition and newPosition.
struct EventArgs {
  WindowRef window{};
  Text control{};  // the control's name, empty for the window itself
  Event event = Event::Created;
  int x = 0;
  int y = 0;
  int keyState = 0;
  int keyCode = 0;
  int charCode = 0;
  int notches = 0;
  int column = -1;
  int oldPosition = 0;
  int newPosition = 0;
};

// A handler. Its result matters for CloseQuery only (false keeps the window open); a handler
// written to return nothing counts as returning true.
using Handler = std::function<bool(const EventArgs&)>;

// One (event, handler) pair of a control or window record.
struct Binding {
  Event event;
  Handler handler;

  template <class F>
  Binding(Event e, F f) : event(e), handler(Wrap(std::move(f))) {}

 private:
  // Accepts callables taking the arguments or nothing, returning bool or nothing.
  template <class F>
  static Handler Wrap(F f) {
    if constexpr (std::is_invocable_v<F&, const EventArgs&>) {
      if constexpr (std::is_void_v<std::invoke_result_t<F&, const EventArgs&>>) {
        return [f = std::move(f)](const EventArgs& args) mutable {
          f(args);
          return true;
        };
      } else {
        return [f = std::move(f)](const EventArgs& args) mutable {
          return static_cast<bool>(f(args));
        };
      }
    } else if constexpr (std::is_void_v<std::invoke_result_t<F&>>) {
      return [f = std::move(f)](const EventArgs&) mutable {
        f();
        return true;
      };
    } else {
      return [f = std::move(f)](const EventArgs&) mutable { return static_cast<bool>(f()); };
    }
  }
};

// The index of an event in the given kind's table: -1 to -12 for the common events, the kind's
// own index otherwise (a ListView's Clicked is 4, a Button's 0).
int EventIndex(ControlKind kind, Event event);

}  // namespace om
