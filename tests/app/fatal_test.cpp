#include "app/fatal.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <thread>

#include "app/allocation.h"

namespace om {
namespace {

TEST(FatalReport, LinesForCodeMessageAndPositions) {
  EXPECT_EQ(FatalReport(1, T("数组成员引用下标超出定义范围"), 3, 2).toUtf8(),
            "运行时出错!\n错误代码：1\n错误信息：数组成员引用下标超出定义范围\n3 2");
  EXPECT_EQ(FatalReport(0, T("载入启动窗口失败"), 1, 0).toUtf8(),
            "运行时出错!\n错误信息：载入启动窗口失败\n1 0");
  EXPECT_EQ(FatalReport(6, Text(), -1, 7).toUtf8(), "运行时出错!\n错误代码：6\n-1 7");
  EXPECT_EQ(FatalCaption().toUtf8(), "错误");
}

class FatalDeathTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FatalDeathTest, WritesTheReportToStderrAndEndsWithStatus255) {
  EXPECT_EXIT(FatalError(6, T("调用DLL命令后发现堆栈错误"), 11, 22), ::testing::ExitedWithCode(255),
              "^运行时出错!\n错误代码：6\n错误信息：调用DLL命令后发现堆栈错误\n11 22\n$");
}

TEST_F(FatalDeathTest, FromABackgroundThreadEndsTheWholeProcess) {
  auto raise = [] {
    std::thread([] { FatalError(2, Text(), 5, 6); }).detach();
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
  };
  EXPECT_EXIT(raise(), ::testing::ExitedWithCode(255), "错误代码：2\n5 6");
}

TEST_F(FatalDeathTest, NoPresenterIsAskedWhereNoOneCanSeeTheScreen) {
  // The offscreen platform: the presenter would end with status 7 if it were called.
  auto raise = [] {
    int argc = 1;
    char name[] = "fatal_test";
    char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    SetFatalPresenter([](const Text&, const Text&) { std::_Exit(7); });
    FatalError(3, T("x"), 0, 0);
  };
  EXPECT_EXIT(raise(), ::testing::ExitedWithCode(255), "错误信息：x");
}

TEST_F(FatalDeathTest, FailedAllocationNamesTheSizeOnceTheReactionIsInstalled) {
  auto allocate = [](size_t size) {
    InstallAllocationFailureReaction();
    char* volatile block = new char[size];
    block[0] = 1;
  };
  const size_t huge = static_cast<size_t>(1) << 62;
  EXPECT_EXIT(allocate(huge), ::testing::ExitedWithCode(255),
              "^运行时出错!\n错误信息：分配 4611686018427387904 字节内存失败!\n0 0\n$");
}

TEST(Allocation, WithoutTheReactionAFailedAllocationThrows) {
  const size_t huge = static_cast<size_t>(1) << 62;
  EXPECT_THROW(
      {
        char* volatile block = new char[huge];
        delete[] block;
      },
      std::bad_alloc);
  char* small = new (std::nothrow) char[16];
  EXPECT_NE(small, nullptr);
  delete[] small;
}

}  // namespace
}  // namespace om
