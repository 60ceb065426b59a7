#include "ui/events.h"

namespace om {

int EventIndex(ControlKind kind, Event event) {
  switch (event) {
    case Event::LeftButtonDown:
      return -1;
    case Event::LeftButtonUp:
      return -2;
    case Event::DoubleClicked:
      return -3;
    case Event::RightButtonDown:
      return -4;
    case Event::RightButtonUp:
      return -5;
    case Event::MouseMoved:
      return -6;
    case Event::FocusGained:
      return -7;
    case Event::FocusLost:
      return -8;
    case Event::KeyDown:
      return -9;
    case Event::KeyUp:
      return -10;
    case Event::CharInput:
      return -11;
    case Event::WheelScrolled:
      return -12;
    case Event::Created:
      return 0;
    case Event::CloseQuery:
      return 1;
    case Event::Clicked:
      return kind == ControlKind::ListView ? 4 : 0;
    case Event::ItemSelected:
      return 0;
    case Event::Tick:
      return 0;
    case Event::CurrentItemChanged:
      return 0;
    case Event::ItemActivated:
      return 1;
    case Event::ColumnClicked:
      return 2;
    case Event::RightClicked:
      return 5;
    case Event::PageChanged:
      return 0;
    case Event::PositionChanged:
      return 0;
  }
  return 0;
}

}  // namespace om
