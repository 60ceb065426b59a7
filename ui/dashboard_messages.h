#pragma once

#include <vector>

#include "app/text.h"
#include "ui/window_ref.h"

namespace om {

// Messages for the user that must not stop the window: each is a message box of its own,
// created on the window thread, not modal, deleted when it is closed. No nested event loop
// runs, so timers keep ticking and background results keep arriving while a box is open.
// Any thread may ask for one; the box is made on the window thread.
void ShowDashboardMessage(const WindowRef& owner, const Text& message);

struct OpenMessage {
  Text title;
  Text text;
};

// The message boxes open right now, oldest first. Window thread only.
std::vector<OpenMessage> OpenDashboardMessages();

}  // namespace om
