#include "ui/dashboard_fill.h"

#include "app/globals.h"

namespace om {
namespace {

ControlRef Control(const WindowRef& window, const char* name) {
  return window.control(T(name));
}

Text RowNumber(size_t index) {
  return Text(std::to_string(index + 1));
}

// Keeps one link per row of a list, in row order, replacing the previous rows' links.
void KeepLinks(Guarded<TextList>& links, const std::vector<Text>& rows) {
  TextList list = TextList::withCount(0);
  for (const Text& link : rows) list.append(link);
  links.set(std::move(list));
}

Text LinkAt(Guarded<TextList>& links, int row) {
  return links.update([row](const TextList& list) {
    return row >= 0 && row < list.count() ? list.elements()[static_cast<size_t>(row)] : Text();
  });
}

}  // namespace

void FillProvinces(const WindowRef& window, const std::vector<ProvinceFigures>& provinces) {
  const ControlRef list = Control(window, "超级列表框1");
  list.clearRows();
  for (size_t i = 0; i < provinces.size(); ++i) {
    const ProvinceFigures& p = provinces[i];
    list.addRow({RowNumber(i), p.shortName, p.confirmed, p.cured, p.dead});
  }
}

void FillCities(const WindowRef& window, const ProvinceFigures& province) {
  const ControlRef list = Control(window, "超级列表框2");
  list.clearRows();
  for (size_t i = 0; i < province.cities.size(); ++i) {
    const CityFigures& c = province.cities[i];
    list.addRow({RowNumber(i), c.name, c.confirmed, c.cured, c.dead});
  }
}

void FillSummary(const WindowRef& window, const SummaryFigures& figures) {
  const SummaryLabelTexts texts = SummaryLabels(figures);
  const auto figure = [&](const char* label, const Text& value, const Text& text) {
    if (!value.isEmpty()) Control(window, label).setCaption(text);
  };
  figure("标签_确诊", figures.confirmed, texts.confirmed);
  figure("标签_疑似", figures.suspected, texts.suspected);
  figure("标签_死亡", figures.dead, texts.dead);
  figure("标签_治愈", figures.cured, texts.cured);
  figure("透明标签2", figures.lastUpdate, texts.lastUpdate);
}

void FillRises(const WindowRef& window, const SogouFigures& figures) {
  const auto rise = [&](const char* label, const Text& value) {
    if (!value.isEmpty()) Control(window, label).setCaption(RiseText(value));
  };
  rise("透明标签7", figures.confirmedRise);
  rise("透明标签9", figures.suspectedRise);
  rise("透明标签8", figures.curedRise);
  rise("透明标签10", figures.deadRise);
}

SummaryFigures MergeSummary(const SummaryFigures& baidu, const SogouFigures& sogou) {
  const auto either = [](const Text& first, const Text& second) {
    return first.isEmpty() ? second : first;
  };
  SummaryFigures merged;
  merged.confirmed = either(baidu.confirmed, sogou.confirmed);
  merged.suspected = either(baidu.suspected, sogou.suspected);
  merged.dead = either(baidu.dead, sogou.dead);
  merged.cured = either(baidu.cured, sogou.cured);
  merged.lastUpdate = baidu.lastUpdate;
  return merged;
}

void FillNews(const WindowRef& window, const std::vector<NewsItem>& items) {
  std::vector<Text> links;
  for (const NewsItem& item : items) links.push_back(item.address);
  // The links change before the rows: a double-click in between opens a link of the new
  // answer at worst, never one past the end.
  KeepLinks(GlobalList1, links);
  const ControlRef list = Control(window, "超级列表框3");
  list.clearRows();
  for (const NewsItem& item : items) list.addRow({item.description, item.siteName, item.shownTime});
}

void FillMap(const WindowRef& window, const std::string& picture) {
  Control(window, "图片框_疫情分布图").setPicture(picture);
}

void FillSameTrip(const WindowRef& window, const std::vector<SameTripEntry>& entries) {
  std::vector<Text> links;
  for (const SameTripEntry& entry : entries) links.push_back(entry.source);
  KeepLinks(GlobalList2, links);
  const ControlRef list = Control(window, "超级列表框_同城");
  list.clearRows();
  for (const SameTripEntry& e : entries)
    list.addRow(
        {e.date, TransportName(e.type), TripNumberText(e), e.pos_start, e.pos_end, e.source});
}

void FillRumours(const WindowRef& window, const std::vector<RumourEntry>& entries) {
  const ControlRef list = Control(window, "超级列表框_谣言");
  list.clearRows();
  for (const RumourEntry& e : entries) list.addRow({e.date, e.title, e.explain, e.desc, e.author});
}

void FillStatus(const WindowRef& window, const Text& status) {
  Control(window, "透明标签5").setCaption(status);
}

Text NewsLink(int row) {
  return LinkAt(GlobalList1, row);
}

Text SameTripLink(int row) {
  return LinkAt(GlobalList2, row);
}

}  // namespace om
