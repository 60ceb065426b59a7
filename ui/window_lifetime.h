#pragma once

#include <memory>

#include "ui/window_state.h"

namespace om {

// Called on the window thread as a window is created and destroyed: keeps the list of open
// windows that FindWindow reads and tells the program how many windows it has, so that the
// process ends when the last one is gone.
void NoteWindowCreated(const std::shared_ptr<detail::WindowState>& state);
void NoteWindowDestroyed(const std::shared_ptr<detail::WindowState>& state);

}  // namespace om
