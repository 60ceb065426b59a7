#include "net/sources/news_source.h"

#include <gtest/gtest.h>

#include <chrono>

#include "tests/sources/sample_files.h"

namespace om {
namespace {

using testing::SampleText;

TEST(NewsSource, SampleAnswerGivesEveryItemDecodedInAnswerOrder) {
  std::vector<NewsItem> items = ParseNewsAnswer(SampleText("baidu_news.json"));
  ASSERT_EQ(items.size(), 24u);
  EXPECT_TRUE(items[0].description.startsWith(T("湖北最新通报：新增确诊病例")));
  EXPECT_EQ(items[0].siteName, T("央视新闻"));
  EXPECT_EQ(items[0].address, T("http://news.example.org/article/88000?from=feed"));
  EXPECT_EQ(items[0].time, T("1581301800"));
  EXPECT_EQ(items[0].shownTime, T("2020-02-10 10:30"));
  EXPECT_EQ(items[1].siteName, T("人民日报"));
  EXPECT_EQ(items[1].shownTime, T("2020-02-10 09:50"));
  EXPECT_EQ(items[23].address, T("http://news.example.org/article/88023?from=feed"));
}

struct AnswerCase {
  const char* answer;
  std::vector<const char*> siteNames;
};

TEST(NewsSource, MatchesOnlyItemsInThePatternsShape) {
  const AnswerCase cases[] = {
      // Two complete items: two rows, in order.
      {R"({"list":[{"eventDescription":"a","eventTime":"1","eventUrl":"u","siteName":"S1"},)"
       R"({"eventDescription":"b","eventTime":"2","eventUrl":"v","siteName":"S2"}]})",
       {"S1", "S2"}},
      // Other members between eventUrl and siteName.
      {R"({"eventDescription":"a","eventTime":"1","eventUrl":"u","x":"y","siteName":"S"})", {"S"}},
      // The first three members in another order do not match.
      {R"({"eventTime":"1","eventDescription":"a","eventUrl":"u","siteName":"S"})", {}},
      // Blanks after the separators do not match either.
      {R"({"eventDescription": "a","eventTime":"1","eventUrl":"u","siteName":"S"})", {}},
      // siteName not last: its group runs on to the first quote followed by a brace.
      {R"({"eventDescription":"a","eventTime":"1","eventUrl":"u","siteName":"S","k":"v"})",
       {R"(S","k":"v)"}},
      {"", {}},
      {"<html>not found</html>", {}},
  };
  for (const auto& c : cases) {
    std::vector<NewsItem> items = ParseNewsAnswer(T(c.answer));
    ASSERT_EQ(items.size(), c.siteNames.size()) << c.answer;
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].siteName, T(c.siteNames[i]));
  }
}

TEST(NewsSource, EscapedTextsAreDecodedWithoutTakingAnEscapedBackslashForAnEscape) {
  std::vector<NewsItem> items = ParseNewsAnswer(
      T(R"({"eventDescription":"\u80ba\u708e \"\u6d4b\u8bd5\" a\\u0041\ud55c","eventTime":"x",)"
        R"("eventUrl":"http:\/\/e.org\/1","siteName":"\u65b0\u534e\u793e"})"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].description, T(R"(肺炎 "测试" a\u0041?)"));  // U+D55C is not in GBK
  EXPECT_EQ(items[0].address, T("http://e.org/1"));
  EXPECT_EQ(items[0].siteName, T("新华社"));
}

TEST(NewsTimeText, ShowsEpochTimesInBeijingTimeAndOtherTextsAsTheyAre) {
  const std::pair<const char*, const char*> cases[] = {
      {"1581301800", "2020-02-10 10:30"},
      {"1581301800123", "2020-02-10 10:30"},  // milliseconds
      {"0000000000", "1970-01-01 08:00"},
      {"1582905600", "2020-02-29 00:00"},  // leap day, midnight in Beijing
      {"1609430400", "2021-01-01 00:00"},  // new year in Beijing
      {"2020-02-10 10:30", "2020-02-10 10:30"},
      {"12345", "12345"},
      {"", ""},
  };
  for (const auto& [given, shown] : cases) EXPECT_EQ(NewsTimeText(T(given)), T(shown)) << given;
}

TEST(NewsSource, AnswerWithAHundredThousandItemsGivesTheFirstThousandQuickly) {
  std::string answer = R"({"Result":[{"list":[)";
  for (int i = 0; i < 100000; ++i) {
    if (i > 0) answer += ',';
    answer += R"({"eventDescription":"n)" + std::to_string(i) +
              R"(","eventTime":"1581301800","eventUrl":"http:\/\/e.org\/)" + std::to_string(i) +
              R"(","siteName":"s"})";
  }
  answer += "]}]}";
  const auto start = std::chrono::steady_clock::now();
  const std::vector<NewsItem> items = ParseNewsAnswer(Text(answer));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  ASSERT_EQ(items.size(), static_cast<size_t>(kMaxNewsItems));
  EXPECT_EQ(items.front().description, T("n0"));
  EXPECT_EQ(items.back().address, T("http://e.org/999"));
}

}  // namespace
}  // namespace om
