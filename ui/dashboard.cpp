#include "ui/dashboard.h"

#include "app/task_entries.h"
#include "ui/info_window.h"

namespace om {

MainWindowActions DashboardActions() {
  MainWindowActions actions;
  // The first refresh starts with the window, so figures never wait for the first tick.
  actions.windowCreated = [](const WindowRef&) { OnRefreshTimerTick(); };
  actions.refreshTick = [] { OnRefreshTimerTick(); };
  actions.curedLabelPressed = [] { OnCuredLabelPressed(); };
  actions.infoRequested = [] { ShowInfoWindow(); };
  return actions;
}

bool OpenDashboard() {
  return OpenWindow(MainWindowDescription(DashboardActions())).isOpen();
}

}  // namespace om
