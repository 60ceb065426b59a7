#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "app/program.h"
#include "tests/ui/ui_support.h"
#include "ui/info_window.h"
#include "ui/main_window.h"

namespace om {
namespace {

// Counts what the window's handlers hand on, so tests see which actions ran.
struct Calls {
  int created = 0;
  int ticks = 0;
  int sameTrip = 0;
  int rumour = 0;
  int province = 0;
  int lastProvinceRow = -2;
  Text lastNumber;
  Text lastDestination;
  int lastTransport = -1;
};

MainWindowActions Counting(Calls* calls) {
  MainWindowActions actions;
  actions.windowCreated = [calls](const WindowRef&) { ++calls->created; };
  actions.refreshTick = [calls] { ++calls->ticks; };
  actions.sameTripQuery = [calls](const WindowRef&, int transport, const Text& number,
                                  const Text& destination) {
    ++calls->sameTrip;
    calls->lastTransport = transport;
    calls->lastNumber = number;
    calls->lastDestination = destination;
  };
  actions.rumourQuery = [calls](const WindowRef&, const Text&) { ++calls->rumour; };
  actions.provinceClicked = [calls](const WindowRef&, int row) {
    ++calls->province;
    calls->lastProvinceRow = row;
  };
  return actions;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    window_ = test::OpenShown(MainWindowDescription(Counting(&calls_)));
    ASSERT_TRUE(window_.isOpen());
  }
  void TearDown() override {
    if (window_.isOpen()) test::Destroy(window_);
  }
  ControlRef control(const char* name) const { return window_.control(T(name)); }

  Calls calls_;
  WindowRef window_;
};

TEST_F(MainWindowTest, OpensFixedAndCentredWithMinimiseButNoMaximiseBox) {
  QWidget* top = window_.widget();
  EXPECT_EQ(top->frameGeometry().size(), QSize(1102, 706));
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  const Qt::WindowFlags flags = top->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(std::abs(top->frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(top->frameGeometry().center().y() - screen.center().y()), 1);
}

TEST_F(MainWindowTest, CreatedStartsClockShowsVersionTitleAndAsksForFirstRefresh) {
  EXPECT_EQ(calls_.created, 1);
  EXPECT_EQ(window_.self().caption(), MainWindowVersionTitle());
  EXPECT_EQ(control("时钟1").interval(), 1000);
  EXPECT_EQ(control("透明标签6").caption(), WelcomeText());
  EXPECT_TRUE(control("透明标签7").caption().isEmpty());
  ASSERT_TRUE(
      test::WaitFor([&] { return control("标签5").caption().startsWith(CurrentTimeLabel()); }));
  // "|  当前时间：" + "yyyy/MM/dd hh:mm:ss"
  EXPECT_EQ(control("标签5").caption().length(), CurrentTimeLabel().length() + 19);
}

TEST_F(MainWindowTest, RefreshTimerTicksEveryThirtySecondsNotBefore) {
  EXPECT_EQ(control("时钟2").interval(), 30000);
  QTest::qWait(200);
  EXPECT_EQ(calls_.ticks, 0);
  // A shortened interval, in this test only, shows the tick reaches the refresh action.
  control("时钟2").setInterval(20);
  EXPECT_TRUE(test::WaitFor([&] { return calls_.ticks >= 2; }));
}

TEST_F(MainWindowTest, EscapeAsksTheWindowToCloseAndItCloses) {
  QTest::keyClick(window_.widget(), Qt::Key_Escape);
  EXPECT_TRUE(test::WaitFor([&] { return !window_.isOpen(); }));
}

TEST_F(MainWindowTest, TransportComboOffersExactlyEightItemsAndCannotBeTypedInto) {
  auto* combo = qobject_cast<QComboBox*>(control("组合框1").widget());
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  const char* expected[] = {"飞机",   "火车",   "地铁", "长途客车/大巴",
                            "公交车", "出租车", "轮船", "其他公共场所"};
  ASSERT_EQ(combo->count(), 8);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(Text::fromUtf16(combo->itemText(i).toStdU16String()), T(expected[i])) << i;
  EXPECT_EQ(control("组合框1").currentIndex(), 0);
}

TEST_F(MainWindowTest, SwitchingPagesKeepsInputsAndComboChoice) {
  control("高级选择夹1").setCurrentPage(2);
  control("编辑框_车次").setCaption(T("G1234"));
  control("编辑框_目的").setCaption(T("武汉"));
  control("组合框1").setCurrentIndex(3);
  control("高级选择夹1").setCurrentPage(4);
  EXPECT_FALSE(control("编辑框_车次").widget()->isVisible());
  control("高级选择夹1").setCurrentPage(2);
  EXPECT_EQ(control("编辑框_车次").caption(), T("G1234"));
  EXPECT_EQ(control("编辑框_目的").caption(), T("武汉"));
  EXPECT_EQ(control("组合框1").currentIndex(), 3);
}

TEST_F(MainWindowTest, EnterInTheEditBoxesStartsNoQueryButTheButtonsDo) {
  control("高级选择夹1").setCurrentPage(2);
  for (const char* name : {"编辑框_车次", "编辑框_目的"}) {
    QWidget* edit = control(name).widget();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
  }
  control("高级选择夹1").setCurrentPage(4);
  QWidget* words = control("编辑框_谣言查询").widget();
  words->setFocus();
  QTest::keyClick(words, Qt::Key_Return);
  QTest::qWait(50);
  EXPECT_EQ(calls_.sameTrip, 0);
  EXPECT_EQ(calls_.rumour, 0);

  control("高级选择夹1").setCurrentPage(2);
  control("编辑框_车次").setCaption(T("K81"));
  control("编辑框_目的").setCaption(T("北京"));
  control("组合框1").setCurrentIndex(1);
  QTest::mouseClick(control("按钮2").widget(), Qt::LeftButton);
  EXPECT_EQ(calls_.sameTrip, 1);
  EXPECT_EQ(calls_.lastTransport, 1);
  EXPECT_EQ(calls_.lastNumber, T("K81"));
  EXPECT_EQ(calls_.lastDestination, T("北京"));
  control("高级选择夹1").setCurrentPage(4);
  QTest::mouseClick(control("按钮_谣言查询").widget(), Qt::LeftButton);
  EXPECT_EQ(calls_.rumour, 1);
}

TEST_F(MainWindowTest, ListsStartEmptyAndOnlyTheFirstPageIsShownAtStart) {
  for (const char* name :
       {"超级列表框1", "超级列表框2", "超级列表框3", "超级列表框_同城", "超级列表框_谣言"})
    EXPECT_EQ(control(name).rowCount(), 0) << name;
  control("超级列表框1").addRow({T("1"), T("湖北"), T("100"), T("1"), T("0")});
  control("超级列表框1").addRow({T("2"), T("广东"), T("50"), T("2"), T("0")});
  QWidget* list = control("超级列表框1").widget();
  ASSERT_TRUE(test::WaitFor([&] { return control("超级列表框1").rowCount() == 2; }));
  EXPECT_EQ(control("高级选择夹1").currentPage(), 0);
  EXPECT_TRUE(list->isVisible());
  EXPECT_TRUE(control("透明标签1").widget()->isVisible());
  EXPECT_FALSE(control("超级列表框3").widget()->isVisible());
}

TEST(InfoWindowTest, ClosingMainWindowKeepsProgramWindowsWhileInfoWindowIsOpen) {
  test::App();
  const int before = OpenWindowCount();
  WindowRef main = test::OpenShown(MainWindowDescription(MainWindowActions{}));
  WindowRef info = ShowInfoWindow();
  ASSERT_TRUE(test::WaitFor([&] { return info.widget() && info.widget()->isVisible(); }));
  EXPECT_EQ(OpenWindowCount(), before + 2);
  EXPECT_TRUE(
      test::WaitFor([&] { return info.widget()->frameGeometry().size() == QSize(476, 242); }));
  main.requestClose();
  ASSERT_TRUE(test::WaitFor([&] { return !main.isOpen(); }));
  EXPECT_TRUE(info.isOpen());
  EXPECT_EQ(OpenWindowCount(), before + 1);
  QTest::keyClick(info.widget(), Qt::Key_Escape);
  EXPECT_TRUE(test::WaitFor([&] { return !info.isOpen(); }));
  EXPECT_EQ(OpenWindowCount(), before);
}

}  // namespace
}  // namespace om
