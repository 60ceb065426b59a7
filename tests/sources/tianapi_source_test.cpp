#include "net/sources/tianapi_source.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

using testing::FixtureText;
using testing::SampleText;

const std::string kKey = "a3f0c2d8e61b47c95e0d3a8f2b7c1e64";

Endpoints Local() {
  return EndpointsAt("http://127.0.0.1:9");
}

struct AddressCase {
  const char* number;
  const char* destination;
  int transport;
  const char* query;
};

TEST(SameTripAddress, BuildsTheQueryInOrderWithUtf8PercentEncoding) {
  const AddressCase cases[] = {
      {"CZ3717", "长沙", 0, "&no=CZ3717&arrive=%E9%95%BF%E6%B2%99&type=1"},
      {"G1012", "", 1, "&no=G1012&type=2"},
      {"", "武汉", 2, "&arrive=%E6%AD%A6%E6%B1%89&type=3"},
      {"15路", "", 4, "&no=15%E8%B7%AF"},  // bus: no type fragment exists
      {"a&b=c d", "", 7, "&no=a%26b%3Dc%20d"},
      {"", "", 3, ""},
  };
  for (const auto& c : cases) {
    SameTripQuery query{T(c.number), T(c.destination), c.transport};
    EXPECT_EQ(SameTripAddress(Local(), query),
              "http://127.0.0.1:9/txapi/ncovsame/index?key=" + kKey + c.query)
        << c.number;
  }
}

TEST(RumourAddress, SendsTheKeyThenTheWord) {
  EXPECT_EQ(RumourAddress(Local(), T("大蒜")),
            "http://127.0.0.1:9/txapi/rumour/index?key=" + kKey + "&word=%E5%A4%A7%E8%92%9C");
  EXPECT_EQ(DefaultEndpoints().tianApiKey, kKey);
}

TEST(TransportName, NamesEveryCodeAndKeepsUnknownOnes) {
  const char* names[] = {"飞机",   "火车",   "地铁", "长途客车/大巴",
                         "公交车", "出租车", "轮船", "其他公共常场所"};
  for (int code = 1; code <= 8; ++code)
    EXPECT_EQ(TransportName(Text(std::to_string(code))), T(names[code - 1]));
  EXPECT_EQ(TransportName(T("9")), T("9"));
  EXPECT_EQ(TransportName(Text()), Text());
}

TEST(SameTripAnswer, EverySampleFileHoldsTripsOfItsOwnTransportCode) {
  for (int code = 1; code <= 8; ++code) {
    std::string name = "tianapi_same_trip_type_" + std::to_string(code) + ".json";
    std::vector<SameTripEntry> entries = ParseSameTripAnswer(SampleText(name));
    ASSERT_GE(entries.size(), 2u) << name;
    for (const SameTripEntry& entry : entries) {
      EXPECT_EQ(entry.type, Text(std::to_string(code))) << name;
      EXPECT_FALSE(entry.no.isEmpty()) << name;
      EXPECT_TRUE(entry.source.startsWith(T("https://"))) << name;
    }
  }
  std::vector<SameTripEntry> places =
      ParseSameTripAnswer(SampleText("tianapi_same_trip_type_8.json"));
  EXPECT_EQ(TransportName(places[0].type), T("其他公共常场所"));
}

TEST(SameTripAnswer, ReadsStringsAndNumbersAndLeavesMissingFieldsEmpty) {
  std::vector<SameTripEntry> entries = ParseSameTripAnswer(FixtureText("tianapi_variations.json"));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].type, T("2"));
  EXPECT_EQ(entries[0].pos_start, T("武汉"));  // \u escapes
  EXPECT_EQ(entries[0].source, T("https://example.org/a"));
  EXPECT_EQ(TripNumberText(entries[0]), T("G1012"));
  EXPECT_EQ(entries[1].type, T("9"));
  EXPECT_EQ(entries[1].date, Text());
  EXPECT_EQ(TripNumberText(entries[1]), T("X1 3车"));
  // The third element, newslist[2]: its own fields, not a nested member's.
  EXPECT_EQ(entries[2].date, T("2020-01-23"));
  EXPECT_EQ(TransportName(entries[2].type), T("其他公共常场所"));
  EXPECT_EQ(entries[2].source, Text());  // null
  EXPECT_EQ(entries[2].pos_start, Text());
}

TEST(SameTripAnswer, AnswersWithoutElementsGiveNoRows) {
  const char* answers[] = {
      "",
      "not json at all",
      R"({"code":250,"msg":"key error"})",
      R"({"code":200,"newslist":[]})",
      R"({"code":200,"newslist":{"0":{"date":"x"}}})",
      R"({"code":200,"newslist":[{"date":"x"})",  // cut off
  };
  for (const char* answer : answers) EXPECT_TRUE(ParseSameTripAnswer(T(answer)).empty()) << answer;
  EXPECT_TRUE(ParseSameTripAnswer(SampleText("tianapi_empty.json")).empty());
}

TEST(RumourAnswer, SampleGivesEveryRumourInOrder) {
  std::vector<RumourEntry> entries = ParseRumourAnswer(SampleText("tianapi_rumour.json"));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].title, T("吃大蒜可以预防新型冠状病毒"));
  EXPECT_EQ(entries[0].explain, T("谣言"));
  EXPECT_EQ(entries[0].author, T("世界卫生组织"));
  EXPECT_EQ(entries[0].date, T("2020-02-01"));
  EXPECT_FALSE(entries[0].desc.isEmpty());
  EXPECT_EQ(entries[4].title, T("室内用醋熏蒸可以杀灭病毒"));
  EXPECT_TRUE(ParseRumourAnswer(SampleText("tianapi_empty.json")).empty());
}

TEST(RumourCheck, EmptyQuerySendsNothingAndAsksForInput) {
  for (const char* word : {"", "   "}) {
    Fetched<RumourResult> result = FetchRumours(Local(), T(word));
    EXPECT_TRUE(result.ok());  // nothing was sent, so nothing failed
    EXPECT_TRUE(result.value.entries.empty());
    EXPECT_EQ(result.value.message, T("老铁，你还没有输入内容呢，让妹妹我查什么"));
  }
}

}  // namespace
}  // namespace om
