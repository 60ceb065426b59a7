#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "net/sources/baidu_source.h"
#include "net/sources/dxy_source.h"
#include "net/sources/map_source.h"
#include "net/sources/news_source.h"
#include "net/sources/sogou_source.h"
#include "net/sources/tianapi_source.h"
#include "tests/sources/sample_server.h"

namespace om {
namespace {

using testing::SampleServer;

TransferSettings Quick() {
  TransferSettings settings;
  settings.connectTimeout = std::chrono::milliseconds(2000);
  settings.stallTimeout = std::chrono::seconds(3);
  settings.totalTimeout = std::chrono::milliseconds(5000);
  return settings;
}

// The failure and whether the value is empty, for every source, so that one table of
// expectations covers them all.
struct Outcome {
  const char* source;
  Text failure;
  bool empty;
};

std::vector<Outcome> FetchAll(const Endpoints& endpoints) {
  const TransferSettings settings = Quick();
  auto dxy = FetchDxy(endpoints, settings);
  auto baidu = FetchBaidu(endpoints, settings);
  auto sogou = FetchSogou(endpoints, settings);
  auto news = FetchNews(endpoints, settings);
  auto trips = FetchSameTrip(endpoints, {T("G1012"), Text(), 1}, settings);
  auto rumours = FetchRumours(endpoints, T("大蒜"), settings);
  auto map = FetchMapPicture(endpoints, settings);
  return {{"dxy", dxy.failure, dxy.value.empty()},
          {"baidu", baidu.failure, baidu.value.isEmpty()},
          {"sogou", sogou.failure, sogou.value.isEmpty()},
          {"news", news.failure, news.value.empty()},
          {"same trip", trips.failure, trips.value.empty()},
          {"rumour", rumours.failure, rumours.value.entries.empty()},
          {"map", map.failure, map.value.empty()}};
}

TEST(SourceFetch, EverySourceReadsItsSampleFromALocalServer) {
  SampleServer server;
  for (const Outcome& outcome : FetchAll(EndpointsAt(server.base()))) {
    EXPECT_TRUE(outcome.failure.isEmpty()) << outcome.source << ": " << outcome.failure.toUtf8();
    EXPECT_FALSE(outcome.empty) << outcome.source;
  }
}

TEST(SourceFetch, PagesArriveAsGbkTextWithTheirFigures) {
  SampleServer server;
  Endpoints endpoints = EndpointsAt(server.base());
  auto dxy = FetchDxy(endpoints, Quick());
  ASSERT_EQ(dxy.value.size(), 34u);
  EXPECT_EQ(dxy.value[0].shortName, T("湖北"));
  EXPECT_EQ(dxy.value[0].cities[0].name, T("武汉"));
  EXPECT_EQ(FetchBaidu(endpoints, Quick()).value.confirmed, T("40255"));
  EXPECT_EQ(FetchSogou(endpoints, Quick()).value.confirmedRise, T("3062"));
  auto news = FetchNews(endpoints, Quick());
  ASSERT_EQ(news.value.size(), 24u);
  EXPECT_EQ(news.value[0].siteName, T("央视新闻"));
}

TEST(SourceFetch, SameTripSendsItsQueryAsUtf8AndReadsTheAnswer) {
  SampleServer server;
  Endpoints endpoints = EndpointsAt(server.base());
  struct Case {
    SameTripQuery query;
    std::map<std::string, std::string> sent;
    const char* firstType;
  };
  const Case cases[] = {
      {{T("G1012"), Text(), 1}, {{"no", "G1012"}, {"type", "2"}}, "2"},
      {{Text(), T("长沙"), 0}, {{"arrive", "长沙"}, {"type", "1"}}, "1"},
      {{T("华南海鲜市场"), Text(), 7}, {{"no", "华南海鲜市场"}}, "8"},
  };
  for (const Case& c : cases) {
    auto trips = FetchSameTrip(endpoints, c.query, Quick());
    std::map<std::string, std::string> sent = server.lastQuery();
    EXPECT_EQ(sent["key"], endpoints.tianApiKey);
    sent.erase("key");
    EXPECT_EQ(sent, c.sent);
    ASSERT_TRUE(trips.ok());
    ASSERT_FALSE(trips.value.empty());
    EXPECT_EQ(trips.value[0].type, T(c.firstType));
  }
  auto nothing = FetchSameTrip(endpoints, {T("Z0000"), Text(), 4}, Quick());
  EXPECT_TRUE(nothing.ok());
  EXPECT_TRUE(nothing.value.empty());
}

TEST(SourceFetch, RumourCheckShowsRowsOrOneOfItsTwoMessages) {
  SampleServer server;
  Endpoints endpoints = EndpointsAt(server.base());
  auto found = FetchRumours(endpoints, T("大蒜"), Quick());
  EXPECT_EQ(server.lastQuery()["word"], "大蒜");
  EXPECT_EQ(found.value.entries.size(), 5u);
  EXPECT_TRUE(found.value.message.isEmpty());

  auto missing = FetchRumours(endpoints, T("月亮"), Quick());
  EXPECT_TRUE(missing.ok());
  EXPECT_TRUE(missing.value.entries.empty());
  EXPECT_EQ(missing.value.message, T("暂无可查询的内容，请重新查询"));

  int before = server.requests();
  auto empty = FetchRumours(endpoints, Text(), Quick());
  EXPECT_EQ(server.requests(), before);  // no request sent
  EXPECT_EQ(empty.value.message, T("老铁，你还没有输入内容呢，让妹妹我查什么"));
}

TEST(SourceFetch, MapPictureComesBackAsAnOpaquePng) {
  SampleServer server;
  auto map = FetchMapPicture(EndpointsAt(server.base()), Quick());
  ASSERT_TRUE(map.ok());
  QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(map.value.data()),
                                    static_cast<int>(map.value.size()), "PNG");
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(688, 488));
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 255);  // transparent in the sample
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(SourceFetch, ServerDownGivesAFailureAndNoValueForEverySource) {
  std::string base;
  {
    SampleServer closed;
    base = closed.base();
  }
  for (const Outcome& outcome : FetchAll(EndpointsAt(base))) {
    EXPECT_FALSE(outcome.failure.isEmpty()) << outcome.source;
    EXPECT_TRUE(outcome.empty) << outcome.source;
  }
  auto rumours = FetchRumours(EndpointsAt(base), T("大蒜"), Quick());
  EXPECT_EQ(rumours.value.message, T("暂无可查询的内容，请重新查询"));
}

TEST(SourceFetch, GarbageAndErrorPagesGiveEmptyValues) {
  for (SampleServer::Mode mode : {SampleServer::Mode::Garbage, SampleServer::Mode::NotFound}) {
    SampleServer server(mode);
    for (const Outcome& outcome : FetchAll(EndpointsAt(server.base()))) {
      EXPECT_TRUE(outcome.empty) << outcome.source;
      // TianAPI answers that hold nothing are empty answers, not failures; the rest fail.
      std::string source = outcome.source;
      if (source != "same trip" && source != "rumour") {
        EXPECT_FALSE(outcome.failure.isEmpty()) << source;
      }
    }
  }
}

TEST(SourceFetch, ErrorStatusIsNamedInThePageFailure) {
  SampleServer server(SampleServer::Mode::NotFound);
  EXPECT_EQ(FetchDxy(EndpointsAt(server.base()), Quick()).failure, T("丁香园：HTTP 404"));
}

}  // namespace
}  // namespace om
