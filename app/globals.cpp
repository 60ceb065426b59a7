#include "app/globals.h"

#include <mutex>
#include <string>

namespace om {

Guarded<Text> GlobalValue1;
Guarded<Text> GlobalValue2;
Guarded<Text> GlobalValue3;
Guarded<TextList> GlobalList1;
Guarded<std::optional<GlobalRecordFields>> GlobalRecord;
Guarded<TextList> GlobalList2;
Guarded<int32_t> GlobalNumber1;
Guarded<ValueArray<int32_t>> TaskHandles;
Guarded<int32_t> GlobalNumber2;
Guarded<Text> GlobalValue4;
Guarded<TextList> GlobalList3;
Guarded<TextList> GlobalList4;
Guarded<Text> GlobalValue5;

namespace {

std::mutex hookMutex;
BlockReleaseHook releaseHook;

void released(const std::string& block) {
  BlockReleaseHook hook;
  {
    std::lock_guard<std::mutex> lock(hookMutex);
    hook = releaseHook;
  }
  if (hook) hook(block);
}

void releaseValue(Guarded<Text>& global, const char* name) {
  if (!global.exchange(Text()).isEmpty()) released(name);
}

void releaseList(Guarded<TextList>& global, const char* name) {
  TextList list = global.exchange(TextList());
  if (list.isNull()) return;
  for (int32_t i = 1; i <= list.count(); ++i)
    if (!list.at(i).isEmpty()) released(std::string(name) + "[" + std::to_string(i) + "]");
  released(name);
}

void releaseRecord() {
  std::optional<GlobalRecordFields> record = GlobalRecord.exchange(std::nullopt);
  if (!record) return;
  const Text* fields[] = {&record->field1, &record->field2, &record->field3, &record->field4,
                          &record->field5, &record->field6, &record->field7};
  for (int i = 0; i < 7; ++i)
    if (!fields[i]->isEmpty()) released("GlobalRecord.field" + std::to_string(i + 1));
  released("GlobalRecord");
}

}  // namespace

void InitGlobals() {
  GlobalValue1.set(Text());
  GlobalValue2.set(Text());
  GlobalValue3.set(Text());
  GlobalList1.set(TextList::withCount(0));
  GlobalRecord.set(GlobalRecordFields{});
  GlobalList2.set(TextList::withCount(0));
  GlobalNumber1.set(0);
  TaskHandles.set(ValueArray<int32_t>::withCount(2));
  GlobalNumber2.set(0);
  GlobalValue4.set(Text());
  GlobalList3.set(TextList::withCount(0));
  GlobalList4.set(TextList::withCount(0));
  GlobalValue5.set(Text());
}

void ReleaseGlobals() {
  releaseValue(GlobalValue1, "GlobalValue1");
  releaseValue(GlobalValue2, "GlobalValue2");
  releaseValue(GlobalValue3, "GlobalValue3");
  releaseList(GlobalList1, "GlobalList1");
  releaseRecord();
  releaseList(GlobalList2, "GlobalList2");
  if (!TaskHandles.exchange(ValueArray<int32_t>()).isNull()) released("TaskHandles");
  releaseValue(GlobalValue4, "GlobalValue4");
  releaseList(GlobalList3, "GlobalList3");
  releaseList(GlobalList4, "GlobalList4");
  releaseValue(GlobalValue5, "GlobalValue5");
}

void SetBlockReleaseHook(BlockReleaseHook hook) {
  std::lock_guard<std::mutex> lock(hookMutex);
  releaseHook = std::move(hook);
}

int32_t TaskHandleAt(int32_t position) {
  return TaskHandles.get().at(position);
}

int32_t ExchangeTaskHandle(int32_t position, int32_t handle) {
  std::optional<int32_t> previous = TaskHandles.update([&](ValueArray<int32_t>& handles) {
    std::optional<int32_t> old;
    if (position >= 1 && position <= handles.count()) {
      old = handles.at(position);
      handles.at(position) = handle;
    }
    return old;
  });
  // Raised outside the lock, so that nothing waits on it while the process ends.
  if (!previous) FatalIndexOutOfRange(position, TaskHandles.get().count());
  return *previous;
}

}  // namespace om
