#include "ui/dashboard_workers.h"

#include <atomic>
#include <functional>
#include <utility>

#include "app/task_entries.h"
#include "app/tasks.h"
#include "net/sources/baidu_source.h"
#include "net/sources/dxy_source.h"
#include "net/sources/map_source.h"
#include "net/sources/news_source.h"
#include "net/sources/sogou_source.h"
#include "ui/dashboard_fill.h"
#include "ui/dashboard_messages.h"
#include "ui/dashboard_state.h"

namespace om {
namespace {

// Short source names for the status strip.
Text DxyName() {
  return T("丁香园");
}
Text BaiduName() {
  return T("百度");
}
Text SogouName() {
  return T("搜狗");
}
Text NewsName() {
  return T("新闻");
}
Text MapName() {
  return T("地图");
}
Text TianApiName() {
  return T("天行");
}

constexpr int32_t kAllArrived = 0;
constexpr int32_t kSomeFailed = 1;
constexpr int32_t kStillRunning = 2;

// Lets one run of a worker through at a time; a run that finds the previous one still going
// returns at once, so a hanging server never piles up threads.
class OneAtATime {
 public:
  explicit OneAtATime(std::atomic<bool>& busy) : busy_(busy), owner_(!busy.exchange(true)) {}
  ~OneAtATime() {
    if (owner_) busy_ = false;
  }
  OneAtATime(const OneAtATime&) = delete;
  OneAtATime& operator=(const OneAtATime&) = delete;
  bool owner() const { return owner_; }

 private:
  std::atomic<bool>& busy_;
  bool owner_;
};

std::atomic<bool> gStatisticsBusy{false};
std::atomic<bool> gNewsBusy{false};
std::atomic<bool> gSummaryBusy{false};
std::atomic<bool> gSameTripBusy{false};
std::atomic<bool> gRumourBusy{false};

// Runs the queries posted for a query task, newest last, until none waits. A query posted
// while the previous one runs is picked up by that run, so the list always ends with the
// answer to the last query the user sent.
void Drain(std::atomic<bool>& busy, const std::function<bool()>& runOne,
           const std::function<bool()>& pending) {
  do {
    OneAtATime turn(busy);
    if (!turn.owner()) return;
    while (runOne()) {
    }
  } while (pending());
}

// The summary labels from Baidu, with Sogou standing in for what Baidu lacks; the rises from
// Sogou. A Baidu page whose summary yields no figure counts as failing.
bool RefreshSummary(const DashboardContext& context) {
  const Fetched<SummaryFigures> baidu = FetchBaidu(context.endpoints, context.transfer);
  const Fetched<SogouFigures> sogou = FetchSogou(context.endpoints, context.transfer);
  const SummaryFigures& b = baidu.value;
  const bool baiduOk = baidu.ok() && !(b.confirmed.isEmpty() && b.suspected.isEmpty() &&
                                       b.dead.isEmpty() && b.cured.isEmpty());
  ReportSource(BaiduName(), baiduOk);
  ReportSource(SogouName(), sogou.ok());
  FillSummary(context.window, MergeSummary(b, sogou.value));
  FillRises(context.window, sogou.value);
  return baiduOk && sogou.ok();
}

void RefillShownProvince(const WindowRef& window, const std::vector<ProvinceFigures>& provinces) {
  const Text shown = ShownProvince();
  if (shown.isEmpty()) return;
  for (const ProvinceFigures& province : provinces) {
    if (province.shortName == shown) {
      FillCities(window, province);
      return;
    }
  }
}

int32_t Finish(const DashboardContext& context, DashboardWork work, bool ok) {
  FillStatus(context.window, DashboardStatusText());
  CountFinishedRun(work);
  return ok ? kAllArrived : kSomeFailed;
}

}  // namespace

int32_t StatisticsWorker() {
  OneAtATime turn(gStatisticsBusy);
  if (!turn.owner()) {
    CountSkippedRun();
    return kStillRunning;
  }
  const DashboardContext context = CurrentDashboardContext();
  Fetched<std::vector<ProvinceFigures>> dxy = FetchDxy(context.endpoints, context.transfer);
  ReportSource(DxyName(), dxy.ok());
  if (dxy.ok()) {
    FillProvinces(context.window, dxy.value);
    RefillShownProvince(context.window, dxy.value);
    StoreProvinces(std::move(dxy.value));
  }
  const bool summaryOk = RefreshSummary(context);
  return Finish(context, DashboardWork::Statistics, dxy.ok() && summaryOk);
}

int32_t NewsAndMapWorker() {
  OneAtATime turn(gNewsBusy);
  if (!turn.owner()) {
    CountSkippedRun();
    return kStillRunning;
  }
  const DashboardContext context = CurrentDashboardContext();
  Fetched<std::vector<NewsItem>> news = FetchNews(context.endpoints, context.transfer);
  ReportSource(NewsName(), news.ok());
  if (news.ok()) FillNews(context.window, news.value);
  Fetched<std::string> map = FetchMapPicture(context.endpoints, context.transfer);
  ReportSource(MapName(), map.ok());
  if (map.ok()) FillMap(context.window, map.value);
  return Finish(context, DashboardWork::NewsAndMap, news.ok() && map.ok());
}

int32_t SummaryWorker() {
  OneAtATime turn(gSummaryBusy);
  if (!turn.owner()) return kStillRunning;
  const DashboardContext context = CurrentDashboardContext();
  return Finish(context, DashboardWork::Summary, RefreshSummary(context));
}

int32_t CitiesWorker() {
  const DashboardContext context = CurrentDashboardContext();
  const std::vector<ProvinceFigures> provinces = StoredProvinces();
  const int row = ChosenProvince();
  const bool known = row >= 0 && row < static_cast<int>(provinces.size());
  if (known) {
    const ProvinceFigures& province = provinces[static_cast<size_t>(row)];
    SetShownProvince(province.shortName);
    FillCities(context.window, province);
  }
  CountFinishedRun(DashboardWork::Cities);
  return known ? kAllArrived : kSomeFailed;
}

int32_t SameTripWorker() {
  bool ok = true;
  Drain(
      gSameTripBusy,
      [&ok] {
        std::optional<SameTripQuery> query = TakeSameTripQuery();
        if (!query) return false;
        const DashboardContext context = CurrentDashboardContext();
        Fetched<std::vector<SameTripEntry>> trips =
            FetchSameTrip(context.endpoints, *query, context.transfer);
        ReportSource(TianApiName(), trips.ok());
        if (trips.ok()) FillSameTrip(context.window, trips.value);
        ok = trips.ok();
        Finish(context, DashboardWork::SameTrip, ok);
        return true;
      },
      SameTripQueryPending);
  return ok ? kAllArrived : kSomeFailed;
}

int32_t RumourWorker() {
  bool ok = true;
  Drain(
      gRumourBusy,
      [&ok] {
        std::optional<Text> word = TakeRumourQuery();
        if (!word) return false;
        const DashboardContext context = CurrentDashboardContext();
        Fetched<RumourResult> result = FetchRumours(context.endpoints, *word, context.transfer);
        ReportSource(TianApiName(), result.ok());
        // A failed fetch keeps the rows of the last answer; an answer replaces them.
        if (result.ok()) FillRumours(context.window, result.value.entries);
        if (!result.value.message.isEmpty())
          ShowDashboardMessage(context.window, result.value.message);
        ok = result.ok();
        Finish(context, DashboardWork::Rumour, ok);
        return true;
      },
      RumourQueryPending);
  return ok ? kAllArrived : kSomeFailed;
}

void InstallDashboardWorkers() {
  SetTaskWorker(TaskId::PeriodicTaskA, StatisticsWorker);
  SetTaskWorker(TaskId::PeriodicTaskB, NewsAndMapWorker);
  SetTaskWorker(TaskId::CuredLabelTask, SummaryWorker);
  SetTaskWorker(TaskId::TaskC, CitiesWorker);
  SetTaskWorker(TaskId::TaskD, SameTripWorker);
  SetTaskWorker(TaskId::TaskE, RumourWorker);
  for (TaskId unused : {TaskId::TaskF, TaskId::TaskG, TaskId::TaskH})
    SetTaskWorker(unused, TaskWorker());
}

void RequestCities(int provinceRow) {
  if (provinceRow < 0) return;
  SetChosenProvince(provinceRow);
  StartTask(TaskC);
}

void RequestSameTrip(SameTripQuery query) {
  PostSameTripQuery(std::move(query));
  StartTask(TaskD);
}

void RequestRumourCheck(const WindowRef& window, const Text& word) {
  if (word.trimmed().isEmpty()) {
    ShowDashboardMessage(window, RumourEmptyQueryMessage());
    CountFinishedRun(DashboardWork::Rumour);
    return;
  }
  PostRumourQuery(word);
  StartTask(TaskE);
}

}  // namespace om
