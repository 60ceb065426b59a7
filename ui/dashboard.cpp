// The dashboard: the main window's handlers bound to background workers that fetch the
// sources and fill the window.
//
// Which worker reads which source, and what starts it:
//
// | Task entry     | Worker           | Reads                       | Started by               |
// |----------------|------------------|-----------------------------|--------------------------|
// | PeriodicTaskA  | StatisticsWorker | DXY, Baidu and Sogou pages  | window created; 时钟2    |
// | PeriodicTaskB  | NewsAndMapWorker | news search; map picture    | window created; 时钟2    |
// | CuredLabelTask | SummaryWorker    | Baidu and Sogou pages       | press on 标签_治愈       |
// | TaskC          | CitiesWorker     | stored area statistics      | click on 超级列表框1     |
// | TaskD          | SameTripWorker   | TianAPI same-trip endpoint  | 按钮2                    |
// | TaskE          | RumourWorker     | TianAPI rumour endpoint     | 按钮_谣言查询            |
// | TaskF, G, H    | none (unused)    |                             | nothing                  |
//
// What they fill: provinces 超级列表框1 (and the shown province's cities in 超级列表框2 again);
// cities 超级列表框2; summary 标签_确诊/疑似/死亡/治愈, the update time "最新更新：" in
// 透明标签2, the rises "较昨日↑" in 透明标签7 (confirmed), 9 (suspected), 8 (cured) and
// 10 (dead); a Sogou figure stands in wherever Baidu gives none; news 超级列表框3
// with the links in GlobalList1; the map 图片框_疫情分布图; same-trip 超级列表框_同城 with the
// links in GlobalList2; rumours 超级列表框_谣言 and the two messages in non-blocking boxes (an
// empty query is answered at once, without a task).
//
// Every worker also writes the status strip's right label 透明标签5: when data last arrived
// and which sources fail. A periodic worker returns at once when its previous run still
// runs. Failed or empty fetches leave every control as it was.
#include "ui/dashboard.h"

#include <utility>

#include "app/program.h"
#include "app/task_entries.h"
#include "net/sources/tianapi_source.h"
#include "ui/dashboard_fill.h"
#include "ui/dashboard_state.h"
#include "ui/dashboard_workers.h"
#include "ui/info_window.h"

namespace om {

MainWindowActions DashboardActions() {
  MainWindowActions actions;
  actions.windowCreated = [](const WindowRef& window) {
    DashboardContext context = CurrentDashboardContext();
    context.window = window;
    SetDashboardContext(context);
    FillStatus(window, DashboardStatusText());
    // The first refresh starts with the window, so figures never wait for the first tick.
    OnRefreshTimerTick();
  };
  actions.refreshTick = [] { OnRefreshTimerTick(); };
  actions.curedLabelPressed = [] { OnCuredLabelPressed(); };
  actions.provinceClicked = [](const WindowRef&, int row) { RequestCities(row); };
  actions.newsRowOpened = [](const WindowRef&, int row) { OpenInBrowser(NewsLink(row)); };
  actions.sameTripRowOpened = [](const WindowRef&, int row) { OpenInBrowser(SameTripLink(row)); };
  actions.sameTripQuery = [](const WindowRef&, int transport, const Text& number,
                             const Text& destination) {
    RequestSameTrip(SameTripQuery{number, destination, transport});
  };
  actions.rumourQuery = [](const WindowRef& window, const Text& words) {
    RequestRumourCheck(window, words);
  };
  actions.infoRequested = [] { ShowInfoWindow(); };
  return actions;
}

WindowRef OpenDashboardWith(DashboardSetup setup) {
  ResetDashboardState();
  SetDashboardContext(
      DashboardContext{WindowRef(), setup.endpoints, setup.transfer, setup.statusPrefix});
  InstallDashboardWorkers();
  WindowRef window = OpenWindow(MainWindowDescription(DashboardActions()));
  if (setup.refreshIntervalMs > 0) window.control(T("时钟2")).setInterval(setup.refreshIntervalMs);
  return window;
}

bool OpenDashboard() {
  return OpenDashboardWith(DashboardSetup{}).isOpen();
}

}  // namespace om
