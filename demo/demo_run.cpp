#include "demo/demo_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/program.h"
#include "data/qt_text.h"
#include "demo/demo_options.h"
#include "demo/heartbeat.h"
#include "demo/link_recorder.h"
#include "demo/paint_probe.h"
#include "demo/replay_server.h"
#include "demo/state_dump.h"
#include "ui/dashboard.h"
#include "ui/dashboard_messages.h"
#include "ui/dashboard_state.h"
#include "ui/fatal_box.h"
#include "ui/main_window.h"
#include "ui/window_snapshot.h"

namespace om {
namespace {

constexpr int kPollMs = 50;
// Time for the changes that the last worker queued to reach the controls.
constexpr int kSettleMs = 100;
constexpr int kClockShownMs = 1500;

DemoRunFacts CurrentFacts(bool complete) {
  DemoRunFacts facts;
  facts.complete = complete;
  facts.statisticsRuns = FinishedRuns(DashboardWork::Statistics);
  facts.newsAndMapRuns = FinishedRuns(DashboardWork::NewsAndMap);
  facts.summaryRuns = FinishedRuns(DashboardWork::Summary);
  facts.citiesRuns = FinishedRuns(DashboardWork::Cities);
  facts.sameTripRuns = FinishedRuns(DashboardWork::SameTrip);
  facts.rumourRuns = FinishedRuns(DashboardWork::Rumour);
  facts.skippedRuns = SkippedRuns();
  return facts;
}

void ClickButton(const WindowRef& window, const char* name) {
  if (auto* button = qobject_cast<QAbstractButton*>(window.control(T(name)).widget()))
    button->click();
}

// The left-button event `type` over a row of a list, after the row became the current one,
// as the user's click makes it; the list raises Clicked or DoubleClicked. False while the list
// has no such row.
bool MouseOnRow(const WindowRef& window, const char* name, int row, QEvent::Type type) {
  auto* table = qobject_cast<QTableWidget*>(window.control(T(name)).widget());
  if (!table || row >= table->rowCount() || !table->item(row, 0)) return false;
  table->scrollToItem(table->item(row, 0));
  table->setCurrentCell(row, 0);
  const QPointF at = QPointF(table->visualItemRect(table->item(row, 0)).center());
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, table->viewport()->mapToGlobal(at), Qt::LeftButton, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(table->viewport(), &event);
  return true;
}

// A left-button press on a control, as the user's press starts.
void PressOn(const WindowRef& window, const char* name) {
  QWidget* widget = window.control(T(name)).widget();
  if (!widget) return;
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

// One row action the options ask for: made once its list is filled and has the row.
struct RowAction {
  const char* list;
  int row;
  QEvent::Type type;
  DashboardWork after;
  bool done = false;
};

// Drives the open window as the options ask, on the window thread.
class DemoScript {
 public:
  DemoScript(DemoOptions options, WindowRef window)
      : options_(std::move(options)), window_(std::move(window)) {
    if (options_.recordLinks) links_ = std::make_unique<LinkRecorder>();
    if (options_.provinceRow >= 0)
      rowActions_.push_back({"超级列表框1", options_.provinceRow, QEvent::MouseButtonRelease,
                             DashboardWork::Statistics});
    if (options_.newsRowToOpen >= 0)
      rowActions_.push_back({"超级列表框3", options_.newsRowToOpen, QEvent::MouseButtonDblClick,
                             DashboardWork::NewsAndMap});
    if (options_.sameTripRowToOpen >= 0)
      rowActions_.push_back({"超级列表框_同城", options_.sameTripRowToOpen,
                             QEvent::MouseButtonDblClick, DashboardWork::SameTrip});
  }

  void start() {
    clock_.start();
    if (options_.page >= 0) window_.control(T("高级选择夹1")).setCurrentPage(options_.page);
    if (options_.sameTrip) {
      window_.control(T("组合框1")).setCurrentIndex(options_.sameTrip->transportIndex);
      window_.control(T("编辑框_车次")).setCaption(fromQString(options_.sameTrip->number));
      window_.control(T("编辑框_目的")).setCaption(fromQString(options_.sameTrip->destination));
      ClickButton(window_, "按钮2");
    }
    if (options_.rumourWord) {
      window_.control(T("编辑框_谣言查询")).setCaption(fromQString(*options_.rumourWord));
      ClickButton(window_, "按钮_谣言查询");
    }
    if (options_.pressCuredLabel) PressOn(window_, "标签_治愈");
    poll_.callOnTimeout([this] { poll(); });
    poll_.start(kPollMs);
    if (options_.heartbeatMs > 0) {
      heartbeat_.callOnTimeout([this] { beat(); });
      heartbeat_.start(options_.heartbeatMs);
    }
  }

 private:
  bool filled() const {
    const int wanted = options_.refreshes;
    // A screenshot waits for the status strip's clock to show the time once.
    if (!options_.screenshotFile.isEmpty() && clock_.elapsed() < kClockShownMs) return false;
    return FinishedRuns(DashboardWork::Statistics) >= wanted &&
           FinishedRuns(DashboardWork::NewsAndMap) >= wanted &&
           (!options_.sameTrip || FinishedRuns(DashboardWork::SameTrip) >= 1) &&
           (!options_.rumourWord || FinishedRuns(DashboardWork::Rumour) >= 1) &&
           (options_.provinceRow < 0 || FinishedRuns(DashboardWork::Cities) >= 1) &&
           (!options_.pressCuredLabel || FinishedRuns(DashboardWork::Summary) >= 1) &&
           std::all_of(rowActions_.begin(), rowActions_.end(),
                       [](const RowAction& action) { return action.done; });
  }

  void reportProgress() {
    const DemoRunFacts f = CurrentFacts(false);
    const QString line =
        QStringLiteral("progress statistics=%1 newsAndMap=%2 sameTrip=%3 rumour=%4 cities=%5")
            .arg(f.statisticsRuns)
            .arg(f.newsAndMapRuns)
            .arg(f.sameTripRuns)
            .arg(f.rumourRuns)
            .arg(f.citiesRuns);
    if (line == lastProgress_) return;
    lastProgress_ = line;
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
  }

  void beat() {
    const QString clock = toQString(window_.control(T("标签5")).caption());
    std::printf("%s\n", HeartbeatLine(clock_.elapsed(), clock).toUtf8().constData());
    std::fflush(stdout);
  }

  void poll() {
    reportProgress();
    for (RowAction& action : rowActions_)
      if (!action.done && FinishedRuns(action.after) >= 1)
        action.done = MouseOnRow(window_, action.list, action.row, action.type);
    if (filled()) {
      finish(true);
    } else if (options_.quitAfterRefresh && clock_.elapsed() > options_.timeoutMs) {
      std::fprintf(stderr, "orvanta-demo: the window was not filled in time\n");
      finish(false);
    }
  }

  void finish(bool complete) {
    poll_.stop();
    QTimer::singleShot(kSettleMs, [this, complete] {
      reportProgress();
      if (options_.heartbeatMs > 0) beat();
      writeOutputs(complete);
      if (options_.quitAfterRefresh) ShutdownAndExit();
    });
  }

  void writeOutputs(bool complete) {
    if (!options_.stateFile.isEmpty()) {
      const WindowSnapshot snapshot =
          SnapshotWindow(window_, MainWindowDescription(MainWindowActions{}));
      DemoRunFacts facts = CurrentFacts(complete);
      if (links_) {
        facts.linksRecorded = true;
        facts.openedLinks = links_->links();
      }
      const QByteArray json = StateJson(snapshot, OpenDashboardMessages(), facts);
      if (!WriteStateFile(options_.stateFile, json))
        std::fprintf(stderr, "orvanta-demo: cannot write %s\n",
                     options_.stateFile.toLocal8Bit().constData());
    }
    if (!options_.screenshotFile.isEmpty()) {
      QWidget* widget = window_.widget();
      if (!widget || !widget->grab().save(options_.screenshotFile, "PNG"))
        std::fprintf(stderr, "orvanta-demo: cannot write %s\n",
                     options_.screenshotFile.toLocal8Bit().constData());
    }
  }

  DemoOptions options_;
  WindowRef window_;
  QTimer poll_;
  QTimer heartbeat_;
  QElapsedTimer clock_;
  QString lastProgress_;
  std::vector<RowAction> rowActions_;
  std::unique_ptr<LinkRecorder> links_;
};

TransferSettings DemoTransfer(int fetchTimeoutMs) {
  TransferSettings settings;
  if (fetchTimeoutMs <= 0) return settings;
  settings.totalTimeout = std::chrono::milliseconds(fetchTimeoutMs);
  settings.connectTimeout = std::chrono::milliseconds(fetchTimeoutMs);
  settings.stallTimeout = std::chrono::seconds(std::max(1, fetchTimeoutMs / 1000));
  return settings;
}

}  // namespace

void RunDemo(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFatalMessageBox();
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  const ParsedDemoOptions parsed = ParseDemoOptions(arguments);
  if (parsed.help || !parsed.error.isEmpty()) {
    if (!parsed.error.isEmpty()) std::fprintf(stderr, "%s\n", parsed.error.toUtf8().constData());
    std::fprintf(parsed.help ? stdout : stderr, "%s", DemoUsage().toUtf8().constData());
    std::fflush(nullptr);
    std::_Exit(parsed.help ? 0 : 2);
  }
  DemoOptions options = parsed.options;
  if (options.samplesDir.isEmpty())
    options.samplesDir = DefaultSamplesDir(QCoreApplication::applicationDirPath());

  // Lives until the process ends: the process ends without unwinding.
  ReplayServer::Options serverOptions;
  serverOptions.samplesDir = options.samplesDir.toStdString();
  serverOptions.endlessFile = options.endlessFile.toStdString();
  serverOptions.hostile = options.hostile;
  auto* server = new ReplayServer(std::move(serverOptions));
  if (!server->running()) {
    std::fprintf(stderr, "orvanta-demo: the replay server could not start\n");
    std::_Exit(2);
  }
  std::printf("orvanta-demo: serving %s at %s\n", options.samplesDir.toUtf8().constData(),
              server->base().c_str());
  std::fflush(stdout);

  DashboardSetup setup;
  setup.endpoints = EndpointsAt(server->base());
  setup.transfer = DemoTransfer(options.fetchTimeoutMs);
  setup.statusPrefix = T("样例数据·");
  setup.refreshIntervalMs = options.refreshIntervalMs;

  std::unique_ptr<DemoScript> script;
  ProgramEntry([&] {
    WindowRef window = OpenDashboardWith(setup);
    if (!window.isOpen()) return false;
    script = std::make_unique<DemoScript>(options, window);
    script->start();
    if (options.quitOnFirstPaint) {
      AfterFirstPaint(window.widget(), [] {
        std::printf("first-paint\n");
        ShutdownAndExit();
      });
    }
    return true;
  });
  ShutdownAndExit();
}

}  // namespace om
