#include "app/conversions.h"
#include "net/sources/tianapi_source.h"

namespace om {
namespace {

std::string Fragment(const char* name, const Text& value) {
  return value.isEmpty() ? std::string()
                         : "&" + std::string(name) + "=" + PercentEncodeUtf8(value).bytes();
}

std::string WithKey(const Endpoints& endpoints, const char* path) {
  return endpoints.tianApi + path + "?key=" + PercentEncode(endpoints.tianApiKey).bytes();
}

}  // namespace

std::string SameTripAddress(const Endpoints& endpoints, const SameTripQuery& query) {
  std::string address = WithKey(endpoints, "/txapi/ncovsame/index");
  address += Fragment("no", query.number);
  address += Fragment("arrive", query.destination);
  if (query.transport >= 0 && query.transport <= 2)
    address += "&type=" + std::to_string(query.transport + 1);
  return address;
}

std::string RumourAddress(const Endpoints& endpoints, const Text& word) {
  return WithKey(endpoints, "/txapi/rumour/index") + Fragment("word", word);
}

Text TransportName(const Text& code) {
  static const char* const kNames[] = {"飞机",   "火车",   "地铁", "长途客车/大巴",
                                       "公交车", "出租车", "轮船", "其他公共常场所"};
  for (int i = 0; i < 8; ++i)
    if (code == Text(std::to_string(i + 1))) return T(kNames[i]);
  return code;
}

Text TripNumberText(const SameTripEntry& entry) {
  return entry.no_sub.isEmpty() ? entry.no : entry.no + T(" ") + entry.no_sub;
}

Text RumourEmptyQueryMessage() {
  return T("老铁，你还没有输入内容呢，让妹妹我查什么");
}

Text RumourNothingFoundMessage() {
  return T("暂无可查询的内容，请重新查询");
}

}  // namespace om
