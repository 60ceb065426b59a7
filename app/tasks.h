#pragma once

#include <cstdint>
#include <optional>

namespace om {

// A background task runs one task entry on a thread of its own; the entry's result becomes
// the task's exit code.
using TaskEntry = int32_t (*)(int32_t parameter);

// Results of the is-running test and the exit code of a running task.
constexpr int32_t kTaskEnded = 0;
constexpr int32_t kTaskStillRunning = 258;
constexpr int32_t kTaskWaitFailed = -1;
constexpr int32_t kTaskActiveExitCode = 259;

// Starts `entry(parameter)` on a new thread. With a handle slot, a handle to the task is
// written there (0 when the thread could not be created) and stays valid until
// CloseTaskHandle, also after the task has ended. Without a slot no handle is kept; the task
// runs to its end regardless. False when the thread could not be created.
bool StartTask(TaskEntry entry, int32_t parameter = 0, int32_t* handleSlot = nullptr);

// kTaskStillRunning while the task runs, kTaskEnded once it has ended, kTaskWaitFailed for an
// unknown handle. Waits up to timeoutMs for the end first (0: just looks).
int32_t WaitForTask(int32_t handle, int timeoutMs = 0);

// The task's exit code: kTaskActiveExitCode while it runs. Nothing for an unknown handle.
std::optional<int32_t> TaskExitCode(int32_t handle);

// Forced end. A thread cannot be killed safely here, so this guarantees exactly this: from the
// call on, the handle reports the task as ended with `exitCode` (WaitForTask gives
// kTaskEnded, TaskExitCode gives exitCode), and the task's stop flag is set. The thread itself
// runs on until its current work returns, and what it returns is discarded; a worker that
// polls CurrentTaskStopRequested() can give up early. False for an unknown handle or a task
// that had already ended.
bool EndTask(int32_t handle, int32_t exitCode);

// Forgets a kept handle. The task itself is not affected.
void CloseTaskHandle(int32_t handle);

// True on a task thread whose task was ended by EndTask; false elsewhere.
bool CurrentTaskStopRequested();

// The number of task threads that are running right now (including ones already ended by
// force whose thread has not returned yet).
int RunningTaskThreads();

}  // namespace om
