#include "app/task_entries.h"

#include <array>
#include <mutex>

#include "app/globals.h"
#include "app/tasks.h"

namespace om {
namespace {

constexpr size_t kTaskCount = 9;

std::mutex workersMutex;
std::array<TaskWorker, kTaskCount> workers;

int32_t runWorker(TaskId task) {
  TaskWorker worker;
  {
    std::lock_guard<std::mutex> lock(workersMutex);
    worker = workers[static_cast<size_t>(task)];
  }
  return worker ? worker() : 0;
}

}  // namespace

int32_t PeriodicTaskA(int32_t) {
  return runWorker(TaskId::PeriodicTaskA);
}
int32_t PeriodicTaskB(int32_t) {
  return runWorker(TaskId::PeriodicTaskB);
}
int32_t CuredLabelTask(int32_t) {
  return runWorker(TaskId::CuredLabelTask);
}
int32_t TaskC(int32_t) {
  return runWorker(TaskId::TaskC);
}
int32_t TaskD(int32_t) {
  return runWorker(TaskId::TaskD);
}
int32_t TaskE(int32_t) {
  return runWorker(TaskId::TaskE);
}
int32_t TaskF(int32_t) {
  return runWorker(TaskId::TaskF);
}
int32_t TaskG(int32_t) {
  return runWorker(TaskId::TaskG);
}
int32_t TaskH(int32_t) {
  return runWorker(TaskId::TaskH);
}

void SetTaskWorker(TaskId task, TaskWorker worker) {
  std::lock_guard<std::mutex> lock(workersMutex);
  workers[static_cast<size_t>(task)] = std::move(worker);
}

void OnRefreshTimerTick() {
  StartTask(PeriodicTaskA);
  // The slot is element 1 of TaskHandles; a missing element is fatal before anything starts.
  TaskHandleAt(1);
  int32_t handle = 0;
  StartTask(PeriodicTaskB, 0, &handle);
  // The handle this replaces is closed rather than leaked (overwriting alone would leak it);
  // a copy read before now then reports an unknown handle.
  int32_t previous = ExchangeTaskHandle(1, handle);
  if (previous != 0) CloseTaskHandle(previous);
}

void OnCuredLabelPressed() {
  StartTask(CuredLabelTask);
}

}  // namespace om
