#pragma once

#include <string>
#include <vector>

#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The news feed from Baidu's open-data search. The answer is not read as JSON: every match
// of the news pattern (global search through RegexObject) gives one item from its four
// groups, in answer order. The answer writes its texts with \u escapes and its slashes as
// "\/"; description, site name and address are decoded before they are shown (characters
// GBK lacks become '?').
//
// The time: eventTime holds epoch seconds (or milliseconds); it is shown in Beijing time as
// "yyyy-MM-dd HH:mm" on the 24-hour clock, for example "2020-02-10 10:30". A time in any
// other form is shown as the answer gives it.
struct NewsItem {
  Text description;  // eventDescription, under "标题"
  Text time;         // eventTime as the answer gives it
  Text address;      // eventUrl, opened on a double-click
  Text siteName;     // siteName, under "来源"
  Text shownTime;    // the time as shown under "发布时间"
};

// The news pattern as stored, with "#引号" standing for a double quote.
Text NewsPattern();

// The fixed query sent to /data/inner.
inline constexpr const char* kNewsQuery =
    "?tn=reserved_all_res_tn&dspName=iphone&from_sf=1&dsp=iphone&resource_id=28565&alr=1"
    "&query=%E8%82%BA%E7%82%8E";

// eventTime as shown (see above).
Text NewsTimeText(const Text& eventTime);

// Items beyond this many are not read: the list shows a page of news, and an answer of a
// hundred thousand items would take the window seconds and hundreds of megabytes to show.
inline constexpr int kMaxNewsItems = 1000;

// The first kMaxNewsItems items of an answer (GBK text), in answer order.
std::vector<NewsItem> ParseNewsAnswer(const Text& answer);

std::string NewsAddress(const Endpoints& endpoints);

// Fetches the answer and parses it. Fails when nothing comes back or nothing matches.
Fetched<std::vector<NewsItem>> FetchNews(const Endpoints& endpoints,
                                         const TransferSettings& settings = {});

}  // namespace om
