#include "app/tasks.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace om {
namespace {

// What a handle refers to. Shared by the thread and the registry of handles.
struct TaskState {
  std::mutex mutex;
  std::condition_variable ended;
  bool running = true;
  int32_t exitCode = kTaskActiveExitCode;
  std::atomic<bool> stopRequested{false};

  // Records the end once: whichever comes first of the thread's return and EndTask wins.
  bool finish(int32_t code) {
    std::lock_guard<std::mutex> lock(mutex);
    if (!running) return false;
    running = false;
    exitCode = code;
    ended.notify_all();
    return true;
  }
};

std::mutex registryMutex;
std::map<int32_t, std::shared_ptr<TaskState>> registry;
int32_t lastHandle = 0;

std::atomic<int> runningThreads{0};
thread_local TaskState* currentTask = nullptr;

int32_t registerState(std::shared_ptr<TaskState> state) {
  std::lock_guard<std::mutex> lock(registryMutex);
  // Handles are positive and never 0; a wrapped counter skips handles still held.
  do {
    lastHandle = lastHandle == INT32_MAX ? 1 : lastHandle + 1;
  } while (registry.count(lastHandle));
  registry.emplace(lastHandle, std::move(state));
  return lastHandle;
}

std::shared_ptr<TaskState> lookup(int32_t handle) {
  std::lock_guard<std::mutex> lock(registryMutex);
  auto it = registry.find(handle);
  return it == registry.end() ? nullptr : it->second;
}

void runTask(TaskEntry entry, int32_t parameter, std::shared_ptr<TaskState> state) {
  currentTask = state.get();
  int32_t code = entry(parameter);
  currentTask = nullptr;
  state->finish(code);
  --runningThreads;
}

}  // namespace

bool StartTask(TaskEntry entry, int32_t parameter, int32_t* handleSlot) {
  auto state = std::make_shared<TaskState>();
  int32_t handle = handleSlot ? registerState(state) : 0;
  ++runningThreads;
  try {
    std::thread(runTask, entry, parameter, state).detach();
  } catch (const std::system_error&) {
    --runningThreads;
    if (handleSlot) {
      CloseTaskHandle(handle);
      *handleSlot = 0;
    }
    return false;
  }
  if (handleSlot) *handleSlot = handle;
  return true;
}

int32_t WaitForTask(int32_t handle, int timeoutMs) {
  std::shared_ptr<TaskState> state = lookup(handle);
  if (!state) return kTaskWaitFailed;
  std::unique_lock<std::mutex> lock(state->mutex);
  bool ended = state->ended.wait_for(lock, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                                     [&] { return !state->running; });
  return ended ? kTaskEnded : kTaskStillRunning;
}

std::optional<int32_t> TaskExitCode(int32_t handle) {
  std::shared_ptr<TaskState> state = lookup(handle);
  if (!state) return std::nullopt;
  std::lock_guard<std::mutex> lock(state->mutex);
  return state->exitCode;
}

bool EndTask(int32_t handle, int32_t exitCode) {
  std::shared_ptr<TaskState> state = lookup(handle);
  if (!state) return false;
  state->stopRequested = true;
  return state->finish(exitCode);
}

void CloseTaskHandle(int32_t handle) {
  std::lock_guard<std::mutex> lock(registryMutex);
  registry.erase(handle);
}

bool CurrentTaskStopRequested() {
  return currentTask && currentTask->stopRequested;
}

int RunningTaskThreads() {
  return runningThreads;
}

}  // namespace om
