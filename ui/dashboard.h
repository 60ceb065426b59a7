#pragma once

#include "ui/main_window.h"

namespace om {

// The handlers of the dashboard's main window bound to the program's tasks and windows.
MainWindowActions DashboardActions();

// Opens the dashboard's main window; false when it could not be created.
bool OpenDashboard();

}  // namespace om
