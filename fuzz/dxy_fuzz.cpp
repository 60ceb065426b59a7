// The DXY page parse and the marker and JSON-structure cutting beneath it, on fuzzed pages.

#include "fuzz/fuzz_support.h"
#include "fuzz/source_checks.h"
#include "net/sources/dxy_source.h"
#include "net/sources/markers.h"

namespace {

using om::Text;

void CheckProvinces(const std::vector<om::ProvinceFigures>& provinces) {
  for (const om::ProvinceFigures& province : provinces) {
    om::fuzz::CheckCount(province.confirmed);
    om::fuzz::CheckCount(province.cured);
    om::fuzz::CheckCount(province.dead);
    for (const om::CityFigures& city : province.cities) {
      om::fuzz::CheckCount(city.confirmed);
      om::fuzz::CheckCount(city.cured);
      om::fuzz::CheckCount(city.dead);
    }
  }
}

void CheckStructure(std::string_view json) {
  const std::vector<om::ObjectSpan> objects =
      om::ObjectsHoldingKey(json, {"\"provinceName\":\"", "\"cityName\":\""});
  size_t previous = 0;
  for (const om::ObjectSpan& object : objects) {
    OM_FUZZ_CHECK(object.open < json.size() && json[object.open] == '{');
    OM_FUZZ_CHECK(object.open >= previous);
    OM_FUZZ_CHECK(object.depth >= 0);
    previous = object.open;
    const size_t end = om::ContainerEnd(json, object.open);
    OM_FUZZ_CHECK(end == object.end);
    if (end != std::string_view::npos) {
      OM_FUZZ_CHECK(end > object.open && end <= json.size() &&
                    (json[end - 1] == '}' || json[end - 1] == ']'));
      OM_FUZZ_CHECK(om::OwnLevel(json.substr(object.open, end - object.open)).size() <=
                    end - object.open);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text page = om::fuzz::InputText(data, size);
  CheckProvinces(om::ParseDxyPage(page));
  // The same bytes as the area statistics themselves, so mutations need not find the markers.
  CheckProvinces(om::ParseDxyAreaStatistics(page));
  CheckStructure(page.bytes());
  const Text between =
      om::CutBetween(page, Text(std::string_view("{")), Text(std::string_view("}")));
  OM_FUZZ_CHECK(between.length() < page.length() || between.isEmpty());
  om::fuzz::CheckCount(om::CountAfter(page, om::NumberMember("confirmedCount")));
  (void)om::QuotedAfter(page, om::StringMember("provinceName"));
  return 0;
}
