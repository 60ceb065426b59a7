// A small program built on ProgramEntry, driven by program_test.cpp. Its first argument picks
// a scenario; every step it takes is appended as a line to the marker file (second argument).
#include <QDir>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/fatal.h"
#include "app/globals.h"
#include "app/program.h"
#include "app/tasks.h"

namespace {

std::string markerPath;

void mark(const std::string& line) {
  if (FILE* f = std::fopen(markerPath.c_str(), "a")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

void probeExitRoutine() {
  mark("probe exit routine");
}

// A top-level window of the program, reported to the program while it exists.
class ProbeWindow : public QWindow {
 public:
  ProbeWindow() { om::NotifyWindowCreated(); }
  ~ProbeWindow() override { om::NotifyWindowDestroyed(); }
};

ProbeWindow* openWindow(bool shown) {
  auto* w = new ProbeWindow;
  w->resize(200, 100);
  if (shown) w->show();
  return w;
}

void closeLater(ProbeWindow* w, int ms, const char* note) {
  QTimer::singleShot(ms, [w, note] {
    w->close();
    delete w;
    mark(note);
  });
}

int32_t faultyTask(int32_t) {
  om::FatalError(4, om::T("任务出错"), 12, 34);
}

bool openScenario(const std::string& scenario) {
  mark("cwd " + QDir::currentPath().toStdString());
  om::RegisterExitRoutine(probeExitRoutine);
  om::RegisterExitRoutine(probeExitRoutine);
  if (scenario == "one-window") {
    closeLater(openWindow(true), 50, "closed only window");
  } else if (scenario == "two-windows") {
    // The second window exists but is hidden: the program must still wait for it.
    closeLater(openWindow(true), 50, "closed first window");
    closeLater(openWindow(false), 400, "closed second window");
  } else if (scenario == "fatal-task") {
    openWindow(true);
    om::StartTask(faultyTask);
  } else if (scenario == "fatal-presenter") {
    // The report is shown on the window thread while the faulty task waits for it.
    om::SetFatalPresenter([](const om::Text& caption, const om::Text& report) {
      const bool onWindowThread = QThread::currentThread() == qApp->thread();
      mark(std::string(onWindowThread ? "presented on window thread: " : "presented elsewhere: ") +
           caption.toUtf8() + " / " + report.toUtf8().substr(0, report.toUtf8().find('\n')));
    });
    openWindow(true);
    om::StartTask(faultyTask);
  } else if (scenario == "no-window") {
    return false;
  } else if (scenario == "allocation") {
    const char* size = std::getenv("PROBE_ALLOCATION_SIZE");
    char* volatile block = new char[std::strtoull(size ? size : "1", nullptr, 10)];
    block[0] = 1;
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  markerPath = argv[2];
  const std::string scenario = argv[1];
  QGuiApplication app(argc, argv);
  om::SetBlockReleaseHook([](std::string_view block) { mark("released " + std::string(block)); });
  int result = om::ProgramEntry([&] { return openScenario(scenario); });
  mark("entry returned " + std::to_string(result));
  om::ShutdownAndExit();
}
