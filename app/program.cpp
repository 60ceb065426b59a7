#include "app/program.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "app/allocation.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/program_internal.h"

namespace om {
namespace {

std::mutex exitRoutinesMutex;
std::vector<ExitRoutine> exitRoutines;

std::atomic<int> openWindows{0};
std::atomic<bool> messageLoopEntered{false};

std::vector<ExitRoutine> takeExitRoutines() {
  std::lock_guard<std::mutex> lock(exitRoutinesMutex);
  std::vector<ExitRoutine> taken;
  taken.swap(exitRoutines);
  return taken;
}

void makeProgramFolderCurrent() {
  const QString folder = QCoreApplication::applicationDirPath();
  if (!folder.isEmpty()) QDir::setCurrent(folder);
}

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  std::lock_guard<std::mutex> lock(exitRoutinesMutex);
  if (std::find(exitRoutines.begin(), exitRoutines.end(), routine) == exitRoutines.end())
    exitRoutines.push_back(routine);
}

void DropExitRoutines() {
  // try_lock: a fault raised while the list is held must still end the process.
  std::unique_lock<std::mutex> lock(exitRoutinesMutex, std::try_to_lock);
  if (lock.owns_lock()) exitRoutines.clear();
}

void StartupRoutine() {
  InstallAllocationFailureReaction();
  LimitAllocatorArenas();
}

void NotifyWindowCreated() {
  ++openWindows;
}

void NotifyWindowDestroyed() {
  if (--openWindows <= 0 && messageLoopEntered) QCoreApplication::exit(0);
}

int OpenWindowCount() {
  return openWindows;
}

int ProgramEntry(const std::function<bool()>& openStartupWindow) {
  makeProgramFolderCurrent();
  // The program lives as long as one of its windows exists, hidden ones included; Qt's own
  // rule (the last visible window closed) must not end it earlier.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QGuiApplication::setQuitOnLastWindowClosed(false);
  InitGlobals();
  RegisterExitRoutine(ReleaseGlobals);
  StartupRoutine();
  if (!openStartupWindow()) FatalError(0, T("载入启动窗口失败"), kStartupWindowId, 0);
  messageLoopEntered = true;
  if (openWindows > 0) QCoreApplication::exec();
  return 0;
}

void ShutdownAndExit() {
  for (ExitRoutine routine : takeExitRoutines()) routine();
  std::fflush(nullptr);
  std::_Exit(0);
}

void OpenInBrowser(const Text& address) {
  const QUrl url(QString::fromStdU16String(address.toUtf16()));
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")))
    return;
  QDesktopServices::openUrl(url);
}

}  // namespace om
