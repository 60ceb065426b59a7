#include "app/tasks.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "app/globals.h"
#include "app/task_entries.h"

namespace om {
namespace {

// A gate that holds tasks until the test opens it.
struct Gate {
  std::mutex mutex;
  std::condition_variable cv;
  bool open = false;
  std::atomic<int> waiting{0};

  void pass() {
    std::unique_lock<std::mutex> lock(mutex);
    ++waiting;
    cv.wait(lock, [&] { return open; });
    --waiting;
  }
  void release() {
    std::lock_guard<std::mutex> lock(mutex);
    open = true;
    cv.notify_all();
  }
  bool waitForWaiting(int n) {
    for (int i = 0; i < 500 && waiting < n; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return waiting >= n;
  }
};

Gate* gate = nullptr;
std::atomic<int> finished{0};

int32_t GatedEntry(int32_t parameter) {
  gate->pass();
  ++finished;
  return parameter;
}

class Tasks : public ::testing::Test {
 protected:
  void SetUp() override {
    gate = &gate_;
    finished = 0;
  }
  void TearDown() override {
    gate_.release();
    for (int i = 0; i < 500 && RunningTaskThreads() > 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    gate = nullptr;
  }
  Gate gate_;
};

TEST_F(Tasks, KeptHandleReportsRunningThenEndedWithTheEntryResult) {
  int32_t handle = 0;
  ASSERT_TRUE(StartTask(GatedEntry, 77, &handle));
  ASSERT_NE(handle, 0);
  ASSERT_TRUE(gate_.waitForWaiting(1));
  EXPECT_EQ(WaitForTask(handle), kTaskStillRunning);
  EXPECT_EQ(TaskExitCode(handle), kTaskActiveExitCode);
  gate_.release();
  EXPECT_EQ(WaitForTask(handle, 5000), kTaskEnded);
  EXPECT_EQ(TaskExitCode(handle), 77);
  // The handle stays valid after the end until it is closed.
  EXPECT_EQ(WaitForTask(handle), kTaskEnded);
  CloseTaskHandle(handle);
  EXPECT_EQ(WaitForTask(handle), kTaskWaitFailed);
  EXPECT_FALSE(TaskExitCode(handle));
}

TEST_F(Tasks, TaskWithoutSlotStillRunsToItsEnd) {
  ASSERT_TRUE(StartTask(GatedEntry));
  ASSERT_TRUE(gate_.waitForWaiting(1));
  EXPECT_EQ(finished, 0);
  gate_.release();
  for (int i = 0; i < 500 && finished < 1; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(finished, 1);
}

TEST_F(Tasks, SeveralInstancesOfOneEntryRunAtOnce) {
  int32_t handles[4] = {};
  for (int32_t& h : handles) ASSERT_TRUE(StartTask(GatedEntry, 1, &h));
  ASSERT_TRUE(gate_.waitForWaiting(4));
  for (int32_t h : handles) EXPECT_EQ(WaitForTask(h), kTaskStillRunning);
  EXPECT_NE(handles[0], handles[1]);
  gate_.release();
  for (int32_t h : handles) {
    EXPECT_EQ(WaitForTask(h, 5000), kTaskEnded);
    CloseTaskHandle(h);
  }
}

TEST_F(Tasks, ForcedEndReportsTheGivenCodeAtOnceAndDiscardsTheResult) {
  int32_t handle = 0;
  ASSERT_TRUE(StartTask(GatedEntry, 5, &handle));
  ASSERT_TRUE(gate_.waitForWaiting(1));
  EXPECT_TRUE(EndTask(handle, 9));
  EXPECT_EQ(WaitForTask(handle), kTaskEnded);
  EXPECT_EQ(TaskExitCode(handle), 9);
  EXPECT_FALSE(EndTask(handle, 10));
  gate_.release();
  for (int i = 0; i < 500 && finished < 1; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(TaskExitCode(handle), 9);
  CloseTaskHandle(handle);
}

std::atomic<bool> sawStop{false};

int32_t PollingEntry(int32_t) {
  while (!CurrentTaskStopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  sawStop = true;
  return 1;
}

TEST_F(Tasks, ForcedEndLetsAPollingWorkerStop) {
  int32_t handle = 0;
  ASSERT_TRUE(StartTask(PollingEntry, 0, &handle));
  EXPECT_FALSE(CurrentTaskStopRequested());
  EXPECT_TRUE(EndTask(handle, 3));
  for (int i = 0; i < 500 && !sawStop; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(sawStop);
  EXPECT_EQ(TaskExitCode(handle), 3);
  CloseTaskHandle(handle);
}

// Thread stacks need address space: with none to spare, creation fails.
TEST(TasksDeathTest, FailedThreadCreationReturnsFalseAndStoresZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto attempt = [] {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    statm >> pages;
    const rlim_t used = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    rlimit limit{used + (1 << 20), used + (1 << 20)};
    setrlimit(RLIMIT_AS, &limit);
    int32_t slot = 12345;
    bool started = StartTask(GatedEntry, 0, &slot);
    std::_Exit(!started && slot == 0 ? 42 : 1);
  };
  EXPECT_EXIT(attempt(), ::testing::ExitedWithCode(42), "");
}

TEST(TaskEntries, RunTheInstalledWorkerOrReturnZero) {
  EXPECT_EQ(TaskC(0), 0);
  SetTaskWorker(TaskId::TaskC, [] { return 17; });
  EXPECT_EQ(TaskC(99), 17);
  EXPECT_EQ(TaskD(0), 0);
  SetTaskWorker(TaskId::TaskC, nullptr);
  EXPECT_EQ(TaskC(0), 0);
}

TEST(TaskEntries, TwoTicksLeaveFourTasksAndTheSecondBHandleKept) {
  InitGlobals();
  Gate tickGate;
  SetTaskWorker(TaskId::PeriodicTaskA, [&] {
    tickGate.pass();
    return 1;
  });
  SetTaskWorker(TaskId::PeriodicTaskB, [&] {
    tickGate.pass();
    return 2;
  });
  OnRefreshTimerTick();
  const int32_t first = TaskHandleAt(1);
  OnRefreshTimerTick();
  const int32_t second = TaskHandleAt(1);
  ASSERT_TRUE(tickGate.waitForWaiting(4));
  EXPECT_NE(second, 0);
  EXPECT_NE(second, first);
  // The overwritten handle was closed.
  EXPECT_EQ(WaitForTask(first), kTaskWaitFailed);
  EXPECT_EQ(WaitForTask(second), kTaskStillRunning);
  EXPECT_EQ(TaskHandleAt(2), 0);
  tickGate.release();
  EXPECT_EQ(WaitForTask(second, 5000), kTaskEnded);
  EXPECT_EQ(TaskExitCode(second), 2);
  for (int i = 0; i < 500 && tickGate.waiting > 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  SetTaskWorker(TaskId::PeriodicTaskA, nullptr);
  SetTaskWorker(TaskId::PeriodicTaskB, nullptr);
  // Wait for the threads to leave the gate before it goes out of scope.
  for (int i = 0; i < 500 && RunningTaskThreads() > 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ReleaseGlobals();
}

TEST(TaskEntriesDeathTest, TickWithoutTaskHandlesIsFatalCodeOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ReleaseGlobals();
  EXPECT_EXIT(OnRefreshTimerTick(), ::testing::ExitedWithCode(255),
              "错误信息：数组成员引用下标超出定义范围");
}

}  // namespace
}  // namespace om
