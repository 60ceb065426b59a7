#include "net/sources/news_source.h"

#include <cstdint>
#include <cstdio>

#include "data/regex_object.h"
#include "net/sources/json_text.h"
#include "net/sources/source_fetch.h"

namespace om {
namespace {

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Year, month and day of a count of days since 1970-01-01 (proleptic Gregorian calendar).
void CivilFromDays(int64_t days, int64_t& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shifted = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

Text NewsPattern() {
  return T(
      "{.*?#引号eventDescription#引号:#引号(.*?)#引号,#引号eventTime#引号:#引号(.*?)#引号,"
      "#引号eventUrl#引号:#引号(.*?)#引号.*?#引号siteName#引号:#引号(.*?)#引号}");
}

Text NewsTimeText(const Text& eventTime) {
  const std::string& digits = eventTime.bytes();
  // Ten digits are seconds until the year 2286, thirteen are milliseconds.
  if (!AllDigits(digits) || (digits.size() != 10 && digits.size() != 13)) return eventTime;
  int64_t seconds = std::stoll(digits) / (digits.size() == 13 ? 1000 : 1);
  seconds += 8 * 3600;  // Beijing time, which keeps no daylight saving
  int64_t days = seconds / 86400;
  int64_t secondOfDay = seconds % 86400;
  int64_t year = 0;
  int month = 0;
  int day = 0;
  CivilFromDays(days, year, month, day);
  char shown[32];
  std::snprintf(shown, sizeof shown, "%04lld-%02d-%02d %02d:%02d", static_cast<long long>(year),
                month, day, static_cast<int>(secondOfDay / 3600),
                static_cast<int>(secondOfDay % 3600 / 60));
  return Text(std::string_view(shown));
}

std::vector<NewsItem> ParseNewsAnswer(const Text& answer) {
  RegexObject regex;
  regex.SetMatchLimit(kMaxNewsItems);
  std::vector<NewsItem> items;
  if (!regex.Search(NewsPattern(), answer, false, false, false, true)) return items;
  for (int match = 0; match < regex.MatchCount(); ++match) {
    NewsItem item;
    item.description = DecodeJsonText(regex.GroupText(match, 1));
    item.time = DecodeJsonText(regex.GroupText(match, 2));
    item.address = DecodeJsonText(regex.GroupText(match, 3));
    item.siteName = DecodeJsonText(regex.GroupText(match, 4));
    item.shownTime = NewsTimeText(item.time);
    items.push_back(std::move(item));
  }
  return items;
}

std::string NewsAddress(const Endpoints& endpoints) {
  return endpoints.baiduNews + "/data/inner" + kNewsQuery;
}

Fetched<std::vector<NewsItem>> FetchNews(const Endpoints& endpoints,
                                         const TransferSettings& settings) {
  static const Text kSource = T("百度新闻");
  return ParseFetched(FetchAnswerText(NewsAddress(endpoints), kSource, settings), kSource,
                      ParseNewsAnswer);
}

}  // namespace om
