#include <gtest/gtest.h>

#include <QTest>
#include <atomic>
#include <thread>

#include "tests/ui/ui_support.h"

namespace om {
namespace {

using test::Record;

WindowDescription ListWindow(const char* name) {
  ListViewProps props{.view = 3, .columns = {{T("thread"), 60, 0}, {T("seq"), 60, 0}}};
  return {
      test::Window(name, 300, 200),
      {Record("list", props, {0, 0, 300, 150}), Record("label", LabelProps{}, {0, 160, 200, 20})}};
}

TEST(ThreadsTest, RowsFromTenThreadsArriveWholeAndInOrderPerThread) {
  test::Shown window = test::OpenShown(ListWindow("Threads"));
  ControlRef list = window.control(T("list"));
  constexpr int kThreads = 10;
  constexpr int kRows = 60;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([list, t] {
      for (int i = 0; i < kRows; ++i) {
        list.addRow({Text(std::to_string(t)), Text(std::to_string(i))});
      }
    });
  }
  ASSERT_TRUE(test::WaitFor([&] { return list.rowCount() == kThreads * kRows; }, 10000));
  for (auto& thread : threads) thread.join();
  QCoreApplication::processEvents();
  EXPECT_EQ(list.rowCount(), kThreads * kRows);
  std::vector<int> next(kThreads, 0);
  for (int row = 0; row < list.rowCount(); ++row) {
    const int t = list.cellText(row, 0).toInteger();
    const Text seq = list.cellText(row, 1);
    ASSERT_FALSE(seq.isEmpty()) << "row " << row << " arrived whole";
    ASSERT_GE(t, 0);
    ASSERT_LT(t, kThreads);
    EXPECT_EQ(seq.toInteger(), next[static_cast<size_t>(t)]++) << "thread " << t;
  }
  test::Destroy(window);
}

TEST(ThreadsTest, ReadsFromAnotherThreadSeeTheWindowThreadsValues) {
  test::Shown window = test::OpenShown(ListWindow("Reads"));
  window.control(T("label")).setCaption(T("第一"));
  std::atomic<bool> done = false;
  Text read;
  std::thread reader([&] {
    ControlRef label = window.control(T("label"));
    label.setCaption(T("第二"));
    read = label.caption();  // waits for the window thread; sees its own earlier change
    done = true;
  });
  ASSERT_TRUE(test::WaitFor([&] { return done.load(); }));
  reader.join();
  EXPECT_EQ(read, T("第二"));
  test::Destroy(window);
}

TEST(ThreadsTest, ChangesAimedAtAClosedWindowAreDropped) {
  test::Shown window = test::OpenShown(ListWindow("Closed"));
  ControlRef list = window.control(T("list"));
  // Queued while the window is open, arriving after it is gone.
  std::thread early([list] {
    for (int i = 0; i < 20; ++i) list.addRow({T("late")});
  });
  early.join();
  test::Destroy(window);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isOpen());
  // Made after it is gone, from another thread and from this one.
  std::thread late([list] {
    list.addRow({T("x")});
    list.setCaption(T("y"));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.caption(), Text());
  });
  late.join();
  list.clearRows();
  window.control(T("label")).setCaption(T("z"));
  QCoreApplication::processEvents();
  EXPECT_FALSE(list.exists());
}

TEST(ThreadsTest, PictureDataFromAnotherThreadReachesThePictureBox) {
  WindowDescription d{test::Window("Picture", 200, 200),
                      {Record("pic", PicBoxProps{.displayMode = 1}, {0, 0, 50, 50})}};
  test::Shown window = test::OpenShown(std::move(d));
  std::thread worker([ref = WindowRef(window)] {
    ref.control(T("pic")).setPicture(test::SolidPng({5, 5}, QColor(255, 0, 0)));
  });
  worker.join();
  QCoreApplication::processEvents();
  ASSERT_TRUE(test::WaitFor(
      [&] { return test::ScreenImage(window).pixelColor(25, 25) == QColor(255, 0, 0); }));
  test::Destroy(window);
}

}  // namespace
}  // namespace om
