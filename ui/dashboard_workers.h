#pragma once

#include <cstdint>

#include "app/text.h"
#include "net/sources/tianapi_source.h"
#include "ui/window_ref.h"

namespace om {

// Installs the dashboard's workers into the nine task entries (see the table in
// dashboard.cpp). The workers read the window and the endpoints from the dashboard context.
void InstallDashboardWorkers();

// What the window's handlers start. Each hands its parameters over through the dashboard
// state and starts the task that reads them.
void RequestCities(int provinceRow);
void RequestSameTrip(SameTripQuery query);
// An empty (or blank) word sends nothing and shows the empty-query message at once.
void RequestRumourCheck(const WindowRef& window, const Text& word);

// The workers themselves, for tests that run them without a task.
int32_t StatisticsWorker();
int32_t NewsAndMapWorker();
int32_t SummaryWorker();
int32_t CitiesWorker();
int32_t SameTripWorker();
int32_t RumourWorker();

}  // namespace om
