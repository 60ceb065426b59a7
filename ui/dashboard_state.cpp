#include "ui/dashboard_state.h"

#include <QString>
#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <utility>

#include "app/guarded.h"
#include "data/qt_text.h"

namespace om {
namespace {

struct SourceHealth {
  std::optional<QTime> lastArrival;
  // Sources in the order they first reported, each with whether it fails now.
  std::vector<std::pair<Text, bool>> sources;
};

Guarded<DashboardContext> gContext;
Guarded<std::vector<ProvinceFigures>> gProvinces;
std::atomic<int> gChosenProvince{-1};
Guarded<Text> gShownProvince;
Guarded<std::optional<SameTripQuery>> gSameTripQuery;
Guarded<std::optional<Text>> gRumourQuery;
std::array<std::atomic<int>, static_cast<size_t>(DashboardWork::Count)> gFinished{};
std::atomic<int> gSkipped{0};
Guarded<SourceHealth> gHealth;

}  // namespace

void SetDashboardContext(DashboardContext context) {
  gContext.set(std::move(context));
}

DashboardContext CurrentDashboardContext() {
  return gContext.get();
}

void StoreProvinces(std::vector<ProvinceFigures> provinces) {
  gProvinces.set(std::move(provinces));
}

std::vector<ProvinceFigures> StoredProvinces() {
  return gProvinces.get();
}

void SetChosenProvince(int row) {
  gChosenProvince = row;
}

int ChosenProvince() {
  return gChosenProvince;
}

void SetShownProvince(Text shortName) {
  gShownProvince.set(std::move(shortName));
}

Text ShownProvince() {
  return gShownProvince.get();
}

bool SameTripQueryPending() {
  return gSameTripQuery.get().has_value();
}

bool RumourQueryPending() {
  return gRumourQuery.get().has_value();
}

void PostSameTripQuery(SameTripQuery query) {
  gSameTripQuery.set(std::move(query));
}

std::optional<SameTripQuery> TakeSameTripQuery() {
  return gSameTripQuery.exchange(std::nullopt);
}

void PostRumourQuery(Text word) {
  gRumourQuery.set(std::move(word));
}

std::optional<Text> TakeRumourQuery() {
  return gRumourQuery.exchange(std::nullopt);
}

void CountFinishedRun(DashboardWork work) {
  ++gFinished[static_cast<size_t>(work)];
}

int FinishedRuns(DashboardWork work) {
  return gFinished[static_cast<size_t>(work)];
}

void CountSkippedRun() {
  ++gSkipped;
}

int SkippedRuns() {
  return gSkipped;
}

void ReportSource(const Text& source, bool ok) {
  gHealth.update([&](SourceHealth& health) {
    if (ok) health.lastArrival = QTime::currentTime();
    auto known = std::find_if(health.sources.begin(), health.sources.end(),
                              [&](const auto& entry) { return entry.first == source; });
    if (known == health.sources.end())
      health.sources.emplace_back(source, !ok);
    else
      known->second = !ok;
  });
}

Text DashboardStatusText() {
  const SourceHealth health = gHealth.get();
  std::vector<Text> failing;
  for (const auto& [source, fails] : health.sources)
    if (fails) failing.push_back(source);
  return ComposeStatusText(CurrentDashboardContext().statusPrefix, health.lastArrival, failing);
}

Text ComposeStatusText(const Text& prefix, std::optional<QTime> lastArrival,
                       const std::vector<Text>& failing) {
  Text status = prefix;
  if (lastArrival)
    status += fromQString(lastArrival->toString(QStringLiteral("HH:mm:ss"))) + T(" 到达");
  else
    status += T("等待数据");
  if (failing.empty()) return status;
  status += T("，") + failing.front();
  if (failing.size() == 2) status += T("、") + failing.back();
  if (failing.size() > 2) status += T("等") + Text(std::to_string(failing.size())) + T("源");
  return status + T("失败");
}

void ResetDashboardState() {
  gProvinces.set({});
  gChosenProvince = -1;
  gShownProvince.set(Text());
  gSameTripQuery.set(std::nullopt);
  gRumourQuery.set(std::nullopt);
  for (auto& count : gFinished) count = 0;
  gSkipped = 0;
  gHealth.set({});
}

}  // namespace om
