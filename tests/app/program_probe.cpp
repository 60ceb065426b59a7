// A small program built on ProgramEntry, driven by program_test.cpp. Its first argument picks
// a scenario; every step it takes is appended as a line to the marker file (second argument).
#include <malloc.h>
#include <QDir>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

// The allocator's arenas in use, counted in its own report.
int allocatorArenas() {
  char* report = nullptr;
  size_t size = 0;
  FILE* stream = open_memstream(&report, &size);
  if (!stream) return -1;
  malloc_info(0, stream);
  std::fclose(stream);
  int arenas = 0;
  for (std::string_view rest(report, size); rest.find("<heap nr=") != std::string_view::npos;) {
    rest.remove_prefix(rest.find("<heap nr=") + 1);
    ++arenas;
  }
  std::free(report);
  return arenas;
}

// Eight threads that allocate while all of them are alive, as tasks running at once do.
void allocateOnEightThreads() {
  constexpr int kThreads = 8;
  std::latch allAllocated(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&allAllocated] {
      std::vector<char> block(64 * 1024, 1);
      allAllocated.arrive_and_wait();
    });
  }
  for (std::thread& thread : threads) thread.join();
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
  } else if (scenario == "arenas") {
    const int before = allocatorArenas();
    allocateOnEightThreads();
    mark("arenas " + std::to_string(before) + " " + std::to_string(allocatorArenas()));
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
