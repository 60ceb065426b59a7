#pragma once

#include <QPointer>
#include <atomic>

#include "app/text.h"

namespace om {
class Form;
}

namespace om::detail {

// What a window handle points at. The handle outlives the window; `form` is read and written on
// the window thread only, `open` from any thread.
struct WindowState {
  Text name;
  QPointer<Form> form;
  std::atomic<bool> open{false};
};

}  // namespace om::detail
