#pragma once

#include <QTime>
#include <optional>
#include <vector>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/dxy_source.h"
#include "net/sources/endpoints.h"
#include "net/sources/tianapi_source.h"
#include "ui/window_ref.h"

namespace om {

// What the dashboard's workers need and share, each piece behind its own lock: the window
// they fill, where the sources live, the area statistics the city list is filled from, the
// parameters of the query tasks (task entries take no arguments) and the health of each
// source for the status strip.

struct DashboardContext {
  WindowRef window;
  Endpoints endpoints;
  TransferSettings transfer;
  // Put in front of the status strip's text (the demo says there that it shows sample data).
  Text statusPrefix;
};

void SetDashboardContext(DashboardContext context);
DashboardContext CurrentDashboardContext();

// The provinces of the last good DXY page, with their cities.
void StoreProvinces(std::vector<ProvinceFigures> provinces);
std::vector<ProvinceFigures> StoredProvinces();

// The province row the user clicked last (-1 none), for the city-list task; and the name of
// the province whose cities the list shows, so that a refresh refills them.
void SetChosenProvince(int row);
int ChosenProvince();
void SetShownProvince(Text shortName);
Text ShownProvince();

// Whether a query waits for its task.
bool SameTripQueryPending();
bool RumourQueryPending();

// Query parameters waiting for their task; taking one empties the slot, so a newer query
// replaces one that has not started yet.
void PostSameTripQuery(SameTripQuery query);
std::optional<SameTripQuery> TakeSameTripQuery();
void PostRumourQuery(Text word);
std::optional<Text> TakeRumourQuery();

// Completed runs of each worker, for the demo's "filled" test and for soak runs.
enum class DashboardWork { Statistics, NewsAndMap, Summary, Cities, SameTrip, Rumour, Count };
void CountFinishedRun(DashboardWork work);
int FinishedRuns(DashboardWork work);
// Ticks on which a periodic worker found its previous run still going and returned at once.
void CountSkippedRun();
int SkippedRuns();

// Source health: each fetch reports whether it brought data. The status text names the time
// data last arrived and the sources failing now.
void ReportSource(const Text& source, bool ok);
Text DashboardStatusText();

// The status text itself, short enough for the 248-pixel label at the strip's right end:
// "<prefix>12:00:05 到达", then "，百度失败" or "，百度、搜狗失败" or "，百度等3源失败".
// Without any arrival yet the time part reads "等待数据".
Text ComposeStatusText(const Text& prefix, std::optional<QTime> lastArrival,
                       const std::vector<Text>& failing);

// Forgets stored data, parameters, counters and health (a new dashboard starts clean).
void ResetDashboardState();

}  // namespace om
