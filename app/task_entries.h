#pragma once

#include <cstdint>
#include <functional>

namespace om {

// The nine task entries. Each runs the worker installed for it and returns the worker's
// result; with no worker installed it returns 0 at once. None of them uses its parameter.
int32_t PeriodicTaskA(int32_t parameter);
int32_t PeriodicTaskB(int32_t parameter);
int32_t CuredLabelTask(int32_t parameter);
int32_t TaskC(int32_t parameter);
int32_t TaskD(int32_t parameter);
int32_t TaskE(int32_t parameter);
int32_t TaskF(int32_t parameter);
int32_t TaskG(int32_t parameter);
int32_t TaskH(int32_t parameter);

enum class TaskId {
  PeriodicTaskA,
  PeriodicTaskB,
  CuredLabelTask,
  TaskC,
  TaskD,
  TaskE,
  TaskF,
  TaskG,
  TaskH,
};

// Installs (or, with an empty function, removes) the worker a task entry runs. Safe from any
// thread; a task that has already started keeps the worker it started with.
using TaskWorker = std::function<int32_t()>;
void SetTaskWorker(TaskId task, TaskWorker worker);

// The Tick handler of the 30-second refresh timer: starts PeriodicTaskA without keeping its
// handle, then PeriodicTaskB with its handle kept in TaskHandles element 1 (fatal code 1
// when that element does not exist). Whether the previous tick's tasks still run is not
// looked at.
void OnRefreshTimerTick();

// The LeftButtonDown handler of the cured-count label: starts CuredLabelTask, nothing kept.
void OnCuredLabelPressed();

}  // namespace om
