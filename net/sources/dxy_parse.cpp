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

// The object's text; for one that never closes, the text up to the next "modifyTime" (or to
// the end).
std::string_view RecordOf(const Text& text, const ObjectSpan& object) {
  std::string_view all = text.bytes();
  size_t end = object.end;
  if (end == std::string_view::npos) {
    int at = text.find(T("modifyTime"), static_cast<int>(object.open) + 1);
    end = (at == -1) ? all.size() : static_cast<size_t>(at - 1);
  }
  return all.substr(object.open, end - object.open);
}

// The cities of a province record: the objects that begin with "{\"" and hold "cityName\":\""
// directly inside the record. One nested in another object belongs to that object.
std::vector<CityFigures> CitiesIn(const Text& record) {
  std::vector<CityFigures> cities;
  for (const ObjectSpan& object :
       ObjectsHoldingKey(record.bytes(), {StringMember("cityName").bytes()})) {
    if (object.depth != 1 || record.bytes()[object.open + 1] != '"') continue;
    Text own(OwnLevel(RecordOf(record, object)));
    CityFigures city{StringOf(own, "cityName"), CountOf(own, "confirmedCount"),
                     CountOf(own, "curedCount"), CountOf(own, "deadCount")};
    // A record cut off before any value would only add a blank row.
    if (!(city.name.isEmpty() && city.confirmed.isEmpty() && city.cured.isEmpty() &&
          city.dead.isEmpty()))
      cities.push_back(std::move(city));
  }
  return cities;
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
  std::vector<ProvinceFigures> provinces;
  size_t taken = 0;  // end of the last province record; a record inside it is none of its own
  for (ObjectSpan object : ObjectsHoldingKey(
           area.bytes(),
           {StringMember("provinceShortName").bytes(), StringMember("provinceName").bytes()})) {
    if (object.open < taken) continue;
    Text record(RecordOf(area, object));
    provinces.push_back(ProvinceOf(Text(OwnLevel(record.bytes())), record));
    taken = object.open + static_cast<size_t>(record.length());
  }
  return provinces;
}

std::vector<ProvinceFigures> ParseDxyPage(const Text& page) {
  return ParseDxyAreaStatistics(DxyAreaStatistics(page));
}

}  // namespace om
