#pragma once

#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "ui/main_window.h"

namespace om {

// Where the dashboard's data come from and how it runs.
struct DashboardSetup {
  Endpoints endpoints = DefaultEndpoints();
  TransferSettings transfer{};
  // Put in front of the status strip's text.
  Text statusPrefix{};
  // The refresh timer's interval; 0 keeps the window's own 30 seconds.
  int refreshIntervalMs = 0;
};

// The handlers of the dashboard's main window bound to the program's tasks and windows.
MainWindowActions DashboardActions();

// Opens the dashboard's main window on the public services; false when it could not be
// created.
bool OpenDashboard();

// Opens the dashboard's main window with the given setup. Window thread only.
WindowRef OpenDashboardWith(DashboardSetup setup);

}  // namespace om
