// The dashboard's pure pieces: the status strip's text, the summary merge and the row links.
#include <gtest/gtest.h>

#include "ui/dashboard_fill.h"
#include "ui/dashboard_state.h"

namespace om {
namespace {

TEST(DashboardStatus, NamesArrivalAndFailingSourcesBriefly) {
  const QTime noon(12, 0, 5);
  const struct {
    std::optional<QTime> arrival;
    std::vector<const char*> failing;
    const char* expected;
  } cases[] = {
      {std::nullopt, {}, "样例·等待数据"},
      {noon, {}, "样例·12:00:05 到达"},
      {noon, {"百度"}, "样例·12:00:05 到达，百度失败"},
      {noon, {"百度", "搜狗"}, "样例·12:00:05 到达，百度、搜狗失败"},
      {noon, {"丁香园", "百度", "搜狗"}, "样例·12:00:05 到达，丁香园等3源失败"},
      {std::nullopt, {"丁香园"}, "样例·等待数据，丁香园失败"},
  };
  for (const auto& c : cases) {
    std::vector<Text> failing;
    for (const char* source : c.failing) failing.push_back(T(source));
    EXPECT_EQ(ComposeStatusText(T("样例·"), c.arrival, failing).toUtf8(), std::string(c.expected));
  }
}

TEST(DashboardStatus, ReportedHealthFollowsTheLatestReportOfEachSource) {
  ResetDashboardState();
  EXPECT_EQ(DashboardStatusText().toUtf8(), std::string("等待数据"));
  ReportSource(T("百度"), false);
  ReportSource(T("搜狗"), true);
  EXPECT_TRUE(DashboardStatusText().toUtf8().ends_with("到达，百度失败"));
  ReportSource(T("百度"), true);
  EXPECT_TRUE(DashboardStatusText().toUtf8().ends_with(" 到达"));
  ResetDashboardState();
}

TEST(DashboardSummary, SogouStandsInForEachMissingBaiduFigure) {
  SummaryFigures baidu;
  baidu.confirmed = T("100");
  baidu.dead = T("3");
  baidu.lastUpdate = T("2020.02.10 10:30");
  SogouFigures sogou;
  sogou.confirmed = T("99");
  sogou.suspected = T("20");
  sogou.cured = T("7");
  const SummaryFigures merged = MergeSummary(baidu, sogou);
  EXPECT_EQ(merged.confirmed, T("100"));
  EXPECT_EQ(merged.suspected, T("20"));
  EXPECT_EQ(merged.dead, T("3"));
  EXPECT_EQ(merged.cured, T("7"));
  EXPECT_EQ(merged.lastUpdate, T("2020.02.10 10:30"));
  EXPECT_TRUE(MergeSummary(SummaryFigures{}, SogouFigures{}).isEmpty());
}

TEST(DashboardLinks, EachRowKeepsTheLinkOfItsItem) {
  std::vector<NewsItem> news(2);
  news[0].address = T("https://example.org/a");
  news[1].address = T("https://example.org/b");
  FillNews(WindowRef(), news);
  EXPECT_EQ(NewsLink(0), T("https://example.org/a"));
  EXPECT_EQ(NewsLink(1), T("https://example.org/b"));
  for (int outside : {-1, 2, 100}) EXPECT_TRUE(NewsLink(outside).isEmpty()) << outside;

  std::vector<SameTripEntry> trips(1);
  trips[0].source = T("https://example.org/trip");
  FillSameTrip(WindowRef(), trips);
  EXPECT_EQ(SameTripLink(0), T("https://example.org/trip"));
  EXPECT_TRUE(SameTripLink(1).isEmpty());
  // A new answer replaces the links of the old rows.
  FillNews(WindowRef(), {});
  EXPECT_TRUE(NewsLink(0).isEmpty());
}

}  // namespace
}  // namespace om
