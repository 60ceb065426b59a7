#include <string_view>

#include "net/sources/dxy_source.h"
#include "net/sources/json_text.h"
#include "net/sources/markers.h"

namespace om {
namespace {

Text StringOf(const Text& own, const char* key) {
  return DecodeJsonText(QuotedAfter(own, StringMember(key)));
}
Text CountOf(const Text& own, const char* key) {
  return CountAfter(own, NumberMember(key));
}

// The object that opens at `open`; when it never closes, the text up to the next
// "modifyTime" (or to the end).
std::string_view RecordAt(const Text& area, size_t open) {
  std::string_view all = area.bytes();
  size_t end = ContainerEnd(all, open);
  if (end == std::string_view::npos) {
    int at = area.find(T("modifyTime"), static_cast<int>(open) + 1);
    end = (at == -1) ? all.size() : static_cast<size_t>(at - 1);
  }
  return all.substr(open, end - open);
}

std::vector<CityFigures> CitiesIn(const Text& record) {
  static const Text kCityStart(std::string_view("{\""));
  std::vector<CityFigures> cities;
  int from = 2;  // the record's own opening brace is not a city
  for (int at; (at = record.find(kCityStart, from)) != -1;) {
    std::string_view city = RecordAt(record, static_cast<size_t>(at - 1));
    Text own(OwnLevel(city));
    // An object that is no city is passed over whole: a name inside one of its members
    // belongs to that member, not to the city list.
    if (own.contains(StringMember("cityName"))) {
      CityFigures figures{StringOf(own, "cityName"), CountOf(own, "confirmedCount"),
                          CountOf(own, "curedCount"), CountOf(own, "deadCount")};
      // A record cut off before any value would only add a blank row.
      if (!(figures.name.isEmpty() && figures.confirmed.isEmpty() && figures.cured.isEmpty() &&
            figures.dead.isEmpty()))
        cities.push_back(std::move(figures));
    }
    from = at + static_cast<int>(city.size());
  }
  return cities;
}

bool IsProvince(const Text& own) {
  return own.contains(StringMember("provinceShortName")) ||
         own.contains(StringMember("provinceName"));
}

ProvinceFigures ProvinceOf(const Text& own, const Text& record) {
  ProvinceFigures province;
  province.fullName = StringOf(own, "provinceName");
  province.shortName = StringOf(own, "provinceShortName");
  if (province.shortName.isEmpty()) province.shortName = province.fullName;
  province.confirmed = CountOf(own, "confirmedCount");
  province.cured = CountOf(own, "curedCount");
  province.dead = CountOf(own, "deadCount");
  province.comment = StringOf(own, "comment");
  province.cities = CitiesIn(record);
  return province;
}

}  // namespace

Text DxyAreaStatistics(const Text& page) {
  return CutBetween(page, T("getAreaStat"), T("getIndexRecommendList"));
}

std::vector<ProvinceFigures> ParseDxyAreaStatistics(const Text& area) {
  static const Text kOpen(std::string_view("{"));
  std::vector<ProvinceFigures> provinces;
  for (int at = area.find(kOpen); at != -1;) {
    Text record(RecordAt(area, static_cast<size_t>(at - 1)));
    Text own(OwnLevel(record.bytes()));
    if (!IsProvince(own)) {
      // A wrapper such as the script's "try {" block: look inside it.
      at = area.find(kOpen, at + 1);
      continue;
    }
    provinces.push_back(ProvinceOf(own, record));
    at = area.find(kOpen, at + record.length());
  }
  return provinces;
}

std::vector<ProvinceFigures> ParseDxyPage(const Text& page) {
  return ParseDxyAreaStatistics(DxyAreaStatistics(page));
}

}  // namespace om
