#pragma once

#include <functional>

#include "app/text.h"

namespace om {

using ExitRoutine = void (*)();

// Appends a routine to the exit-routine list unless it is already there.
void RegisterExitRoutine(ExitRoutine routine);

// The program's own start-up routine, run once by ProgramEntry before the start-up window
// opens. It turns on the fatal reaction to a failed allocation and lets the task threads share
// a few allocator arenas (LimitAllocatorArenas).
void StartupRoutine();

// Called by the UI library on the window thread as each top-level window of the program is
// created and destroyed. When the last window is gone after the message loop was entered, the
// loop is told to quit with code 0.
void NotifyWindowCreated();
void NotifyWindowDestroyed();
int OpenWindowCount();

// The identifier of the start-up window among the window descriptions; the first position
// value of the fault "载入启动窗口失败".
constexpr int kStartupWindowId = 1;

// The program's life up to the end of its message loop. A QGuiApplication (or QApplication)
// must exist already. Makes the program's own folder the current directory, creates the
// globals, registers ReleaseGlobals as exit routine, runs StartupRoutine, opens the start-up
// window (false is the fatal fault "载入启动窗口失败") and runs the message loop as long as a
// window of the program exists. Returns 0.
int ProgramEntry(const std::function<bool()>& openStartupWindow);

// Runs the exit routines once each in order of registration, empties the list, flushes the
// standard streams and ends the process at once with status 0. Background tasks are neither
// waited for nor told to stop; they end with the process.
[[noreturn]] void ShutdownAndExit();

// Hands a web address (http or https only) to the user's browser. Failures are ignored.
void OpenInBrowser(const Text& address);

}  // namespace om
