#pragma once

#include <string>
#include <vector>

#include "net/sources/baidu_source.h"
#include "net/sources/dxy_source.h"
#include "net/sources/news_source.h"
#include "net/sources/sogou_source.h"
#include "net/sources/tianapi_source.h"
#include "ui/window_ref.h"

namespace om {

// Writing source results into the dashboard's controls. Every write goes through the control
// handles, so these may run on any thread; the values travel by copy. None of them is called
// with an empty or failed result: the controls keep what they show until good data replace it.

// 超级列表框1: 序号 from 1, short name, confirmed, cured, dead. Rows carry no small image:
// in the 38-pixel 序号 column an image leaves no room for two-digit numbers.
void FillProvinces(const WindowRef& window, const std::vector<ProvinceFigures>& provinces);
// 超级列表框2: the cities of one province, numbered from 1.
void FillCities(const WindowRef& window, const ProvinceFigures& province);
// 标签_确诊, 标签_疑似, 标签_死亡, 标签_治愈 as "确诊：" + value and so on, and the update
// time "最新更新：" + time in 透明标签2. A label whose value is empty keeps what it shows.
void FillSummary(const WindowRef& window, const SummaryFigures& figures);
// The rises against yesterday, "较昨日↑" + rise, in 透明标签7 (confirmed), 9 (suspected),
// 8 (cured) and 10 (dead); an empty rise keeps what its label shows.
void FillRises(const WindowRef& window, const SogouFigures& figures);
// The summary to show: each Baidu figure, with the Sogou figure standing in where Baidu has
// none (a failed page, a rejected summary, a missing key); the update time from Baidu.
SummaryFigures MergeSummary(const SummaryFigures& baidu, const SogouFigures& sogou);
// 超级列表框3: title, site, time; the links go to GlobalList1, row by row.
void FillNews(const WindowRef& window, const std::vector<NewsItem>& items);
// 图片框_疫情分布图.
void FillMap(const WindowRef& window, const std::string& picture);
// 超级列表框_同城; the source links go to GlobalList2, row by row.
void FillSameTrip(const WindowRef& window, const std::vector<SameTripEntry>& entries);
// 超级列表框_谣言.
void FillRumours(const WindowRef& window, const std::vector<RumourEntry>& entries);
// 透明标签5: when data last arrived and which sources fail.
void FillStatus(const WindowRef& window, const Text& status);

// The link kept for a row of the news list (GlobalList1) or the same-trip list (GlobalList2);
// empty when there is none.
Text NewsLink(int row);
Text SameTripLink(int row);

}  // namespace om
