#include "app/globals.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace om {
namespace {

std::vector<std::string> ReleasedBlocks() {
  std::vector<std::string> blocks;
  SetBlockReleaseHook([&](std::string_view block) { blocks.emplace_back(block); });
  ReleaseGlobals();
  SetBlockReleaseHook(nullptr);
  return blocks;
}

TEST(Globals, FreshStateHasTwoTaskHandlesAndEmptyLists) {
  InitGlobals();
  EXPECT_EQ(TaskHandles.get().count(), 2);
  EXPECT_EQ(TaskHandleAt(1), 0);
  EXPECT_EQ(TaskHandleAt(2), 0);
  for (auto* list : {&GlobalList1, &GlobalList2, &GlobalList3, &GlobalList4}) {
    EXPECT_FALSE(list->get().isNull());
    EXPECT_EQ(list->get().count(), 0);
  }
  EXPECT_TRUE(GlobalRecord.get().has_value());
  EXPECT_TRUE(GlobalValue1.get().isEmpty());
  EXPECT_EQ(GlobalNumber1.get(), 0);
  EXPECT_EQ(GlobalNumber2.get(), 0);
}

TEST(Globals, ReleasingTheFreshStateReleasesExactlySixBlocksInOrder) {
  InitGlobals();
  EXPECT_EQ(ReleasedBlocks(),
            (std::vector<std::string>{"GlobalList1", "GlobalRecord", "GlobalList2", "TaskHandles",
                                      "GlobalList3", "GlobalList4"}));
}

TEST(Globals, ReleaseTakesElementsAndFieldsBeforeTheirBlocks) {
  InitGlobals();
  GlobalValue2.set(T("值"));
  GlobalList1.update([](TextList& list) {
    list.append(T("a"));
    list.append(Text());
    list.append(T("c"));
  });
  GlobalRecord.update([](std::optional<GlobalRecordFields>& r) { r->field3 = T("x"); });
  GlobalValue5.set(T("z"));
  EXPECT_EQ(ReleasedBlocks(), (std::vector<std::string>{
                                  "GlobalValue2", "GlobalList1[1]", "GlobalList1[3]", "GlobalList1",
                                  "GlobalRecord.field3", "GlobalRecord", "GlobalList2",
                                  "TaskHandles", "GlobalList3", "GlobalList4", "GlobalValue5"}));
}

TEST(Globals, ReleasedGlobalsReadAsEmptyAndReleaseTwiceReleasesNothing) {
  InitGlobals();
  GlobalList3.update([](TextList& list) { list.append(T("a")); });
  ReleaseGlobals();
  EXPECT_TRUE(GlobalList3.get().isNull());
  EXPECT_EQ(TaskHandles.get().count(), 0);
  EXPECT_TRUE(ReleasedBlocks().empty());
}

TEST(Globals, ExchangeTaskHandleReturnsThePreviousHandle) {
  InitGlobals();
  EXPECT_EQ(ExchangeTaskHandle(1, 42), 0);
  EXPECT_EQ(ExchangeTaskHandle(1, 43), 42);
  EXPECT_EQ(TaskHandleAt(1), 43);
  EXPECT_EQ(TaskHandleAt(2), 0);
}

TEST(GlobalsDeathTest, TaskHandleBeyondTheArrayIsFatalCodeOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  InitGlobals();
  EXPECT_EXIT(ExchangeTaskHandle(3, 1), ::testing::ExitedWithCode(255), "错误代码：1");
  ReleaseGlobals();
  EXPECT_EXIT(TaskHandleAt(1), ::testing::ExitedWithCode(255), "1 0");
}

TEST(Globals, ConcurrentReplaceAndReadNeverSeeATornValue) {
  InitGlobals();
  const Text a = T("甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲甲");
  const Text b = T("乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙乙");
  std::thread writer([&] {
    for (int i = 0; i < 20000; ++i) GlobalValue4.set(i % 2 ? a : b);
  });
  int torn = 0;
  for (int i = 0; i < 20000; ++i) {
    Text seen = GlobalValue4.get();
    if (!(seen == a || seen == b || seen.isEmpty())) ++torn;
  }
  writer.join();
  EXPECT_EQ(torn, 0);
  ReleaseGlobals();
}

}  // namespace
}  // namespace om
