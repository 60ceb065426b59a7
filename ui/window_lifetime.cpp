#include "ui/window_lifetime.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "app/program.h"
#include "ui/description.h"

namespace om {

namespace {

struct OpenWindows {
  std::mutex mutex;
  std::vector<std::shared_ptr<detail::WindowState>> windows;
};

OpenWindows& Registry() {
  static OpenWindows* registry = new OpenWindows;  // never destroyed: tasks may ask at exit
  return *registry;
}

}  // namespace

void NoteWindowCreated(const std::shared_ptr<detail::WindowState>& state) {
  {
    OpenWindows& registry = Registry();
    std::lock_guard lock(registry.mutex);
    registry.windows.push_back(state);
  }
  NotifyWindowCreated();
}

void NoteWindowDestroyed(const std::shared_ptr<detail::WindowState>& state) {
  {
    OpenWindows& registry = Registry();
    std::lock_guard lock(registry.mutex);
    std::erase(registry.windows, state);
  }
  NotifyWindowDestroyed();
}

WindowRef FindWindow(const Text& name) {
  OpenWindows& registry = Registry();
  std::lock_guard lock(registry.mutex);
  const auto it =
      std::find_if(registry.windows.rbegin(), registry.windows.rend(),
                   [&](const auto& state) { return state->open && state->name == name; });
  return it == registry.windows.rend() ? WindowRef() : WindowRef(*it);
}

}  // namespace om
