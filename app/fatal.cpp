#include "app/fatal.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include "app/program_internal.h"

namespace om {
namespace {

std::mutex presenterMutex;
FatalPresenter installedPresenter;

std::atomic<bool> fatalInProgress{false};

FatalPresenter currentPresenter() {
  std::lock_guard<std::mutex> lock(presenterMutex);
  return installedPresenter;
}

void writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

// A person can only answer a message box on a real display with a GUI application running.
bool someoneCanAnswer() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

void present(const FatalPresenter& presenter, const Text& report) {
  QCoreApplication* app = QCoreApplication::instance();
  const Text caption = FatalCaption();
  if (QThread::currentThread() == app->thread()) {
    presenter(caption, report);
    return;
  }
  // The box belongs to the window thread; this thread waits there until it is closed.
  QMetaObject::invokeMethod(
      app, [&] { presenter(caption, report); }, Qt::BlockingQueuedConnection);
}

[[noreturn]] void endProcess() {
  DropExitRoutines();
  std::_Exit(-1);
}

}  // namespace

Text FatalCaption() {
  return T("错误");
}

Text FatalReport(int code, const Text& message, int32_t position1, int32_t position2) {
  std::string report = "运行时出错!\n";
  if (code != 0) report += "错误代码：" + std::to_string(code) + "\n";
  if (!message.isEmpty()) report += "错误信息：" + message.toUtf8() + "\n";
  report += std::to_string(position1) + " " + std::to_string(position2);
  return Text::fromUtf8(report);
}

void SetFatalPresenter(FatalPresenter presenter) {
  std::lock_guard<std::mutex> lock(presenterMutex);
  installedPresenter = std::move(presenter);
}

void FatalError(int code, const Text& message, int32_t position1, int32_t position2) {
  const Text report = FatalReport(code, message, position1, position2);
  writeAll(STDERR_FILENO, report.toUtf8() + "\n");
  if (fatalInProgress.exchange(true)) {
    // Another fault is already ending the process. Its report may wait for the window thread,
    // so the window thread ends the process now; any other thread waits for the end.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) endProcess();
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
  }
  FatalPresenter presenter = currentPresenter();
  if (presenter && someoneCanAnswer()) present(presenter, report);
  endProcess();
}

void FatalIndexOutOfRange(int32_t position1, int32_t position2) {
  FatalError(kFaultIndexOutOfRange, T("数组成员引用下标超出定义范围"), position1, position2);
}

void FatalAllocationFailed(size_t size) {
  // Built without allocating where possible: the heap has just failed.
  char message[64];
  std::snprintf(message, sizeof message, "分配 %zu 字节内存失败!", size);
  FatalError(0, Text::fromUtf8(message), 0, 0);
}

}  // namespace om
