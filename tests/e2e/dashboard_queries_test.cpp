// The same-trip search and the rumour check, from the page's inputs to the lists and messages.
#include <gtest/gtest.h>

#include "tests/e2e/demo_harness.h"

namespace om::e2e {
namespace {

std::string S(const QString& text) {
  return text.toStdString();
}

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

struct TripCase {
  int transportIndex;
  const char* number;
  const char* shownTransport;
  const char* comboText;
};

TEST(DashboardQueries, SameTripSearchListsTripsOfEveryTransportCode) {
  const TripCase cases[] = {
      {0, "CZ3101", "飞机", "飞机"},       {1, "G1012", "火车", "火车"},
      {2, "2号线", "地铁", "地铁"},        {3, "鄂A-K3561", "长途客车/大巴", "长途客车/大巴"},
      {4, "15路公交", "公交车", "公交车"}, {5, "鄂A-T8826", "出租车", "出租车"},
      {6, "长江三峡9号", "轮船", "轮船"},  {7, "华南海鲜市场", "其他公共常场所", "其他公共场所"},
  };
  for (const TripCase& c : cases) {
    const DemoRun run = RunDemo(
        {Q("--query-same-trip"), QString::number(c.transportIndex), Q(c.number), QString()});
    ASSERT_TRUE(run.finished) << c.number;
    ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool()) << c.number;
    const QJsonArray rows = Rows(run.state, "超级列表框_同城");
    ASSERT_GT(rows.size(), 0) << c.number;
    for (const QJsonValue& value : rows) {
      const QJsonArray row = value.toArray();
      ASSERT_EQ(row.size(), 6);
      EXPECT_EQ(S(row[1].toString()), S(Q(c.shownTransport))) << c.number;
      EXPECT_TRUE(row[5].toString().startsWith(Q("http"))) << c.number;
    }
    const QJsonObject combo = run.state[Q("combos")][Q("组合框1")].toObject();
    EXPECT_EQ(combo[Q("index")].toInt(), c.transportIndex);
    EXPECT_EQ(S(combo[Q("text")].toString()), S(Q(c.comboText)));
    EXPECT_EQ(S(run.state[Q("edits")][Q("编辑框_车次")].toString()), S(Q(c.number)));
  }
}

TEST(DashboardQueries, SameTripSearchByDestinationAloneListsTripsThere) {
  const DemoRun run = RunDemo({Q("--query-same-trip"), Q("0"), QString(), Q("长沙")});
  ASSERT_TRUE(run.finished);
  const QJsonArray rows = Rows(run.state, "超级列表框_同城");
  ASSERT_GT(rows.size(), 0);
  for (const QJsonValue& value : rows)
    EXPECT_TRUE(value.toArray()[4].toString().contains(Q("长沙")));
}

TEST(DashboardQueries, SameTripSearchWithoutHitsLeavesTheListEmpty) {
  const DemoRun run = RunDemo({Q("--query-same-trip"), Q("5"), Q("无此车牌"), QString()});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(RunCount(run.state, "sameTripRuns"), 1);
  EXPECT_TRUE(Rows(run.state, "超级列表框_同城").isEmpty());
  EXPECT_TRUE(MessageBoxes(run.state).isEmpty());
}

TEST(DashboardQueries, RumourCheckListsTheJudgedRumours) {
  const DemoRun run = RunDemo({Q("--query-rumour"), Q("大蒜")});
  ASSERT_TRUE(run.finished);
  const QJsonArray rows = Rows(run.state, "超级列表框_谣言");
  ASSERT_EQ(rows.size(), 5);
  bool garlic = false;
  for (const QJsonValue& value : rows) {
    const QJsonArray row = value.toArray();
    ASSERT_EQ(row.size(), 5);
    for (int column = 0; column < 5; ++column) EXPECT_FALSE(row[column].toString().isEmpty());
    garlic = garlic || row[1].toString().contains(Q("大蒜"));
  }
  EXPECT_TRUE(garlic);
  EXPECT_TRUE(MessageBoxes(run.state).isEmpty());
}

TEST(DashboardQueries, RumourCheckAnswersEmptyAndFruitlessQueriesInAMessageBox) {
  const struct {
    const char* word;
    const char* message;
  } cases[] = {
      {"", "老铁，你还没有输入内容呢，让妹妹我查什么"},
      {"   ", "老铁，你还没有输入内容呢，让妹妹我查什么"},
      {"月球基地", "暂无可查询的内容，请重新查询"},
  };
  for (const auto& c : cases) {
    const DemoRun run = RunDemo({Q("--query-rumour"), Q(c.word)});
    ASSERT_TRUE(run.finished) << c.word;
    const QJsonArray boxes = MessageBoxes(run.state);
    ASSERT_EQ(boxes.size(), 1) << c.word;
    EXPECT_EQ(S(boxes[0].toObject()[Q("text")].toString()), S(Q(c.message))) << c.word;
    EXPECT_TRUE(Rows(run.state, "超级列表框_谣言").isEmpty());
    // The box does not stop the window: the refresh went on and filled the lists.
    EXPECT_EQ(Rows(run.state, "超级列表框1").size(), 34);
  }
}

}  // namespace
}  // namespace om::e2e
